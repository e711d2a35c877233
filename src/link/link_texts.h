// The link's Russian status texts and the controller's error and refusal texts, letter for letter.
#pragma once

#include <string_view>

namespace zor06::link {

namespace status {
constexpr int kOk = 0;
constexpr int kBadStartByte = 1;
constexpr int kBadFunctionCode = 2;
constexpr int kWriteFailed = 3;
constexpr int kInterByteTimeout = 5;
constexpr int kPortUnavailable = 6;
constexpr int kBadChecksum = 7;
constexpr int kErrorReply = 8;
constexpr int kNoAnswer = 10;
constexpr int kRefused = 13;
constexpr int kAborted = 19;
constexpr int kSendFailed = 20;
constexpr int kRecvFailed = 21;
// A reply that names the request but whose length does not fit the function's layout.
constexpr int kReplyLengthMismatch = 22;
// Only replies to other requests (late replies) arrived before the first-byte timeout.
constexpr int kReplyMismatch = 23;
// An archive reply by index that holds more records than were asked for.
constexpr int kTooManyRecords = 24;
}  // namespace status

// The fixed text of a status (status 6 still holds its "%d"); empty for statuses 8 and 13,
// whose text comes from the controller's error reply, and for unused numbers.
std::string_view BaseStatusText(int status);

// Text of controller error code 1..65; empty otherwise.
std::string_view ErrorCodeText(int code);

// Text of refusal reason 0..51 (carried with error code 24); empty otherwise.
std::string_view RefusalText(int reason);

}  // namespace zor06::link
