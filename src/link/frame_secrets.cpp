#include "link/frame_secrets.h"

#include <algorithm>

#include "link/reply_views.h"
#include "link/request_frame.h"

namespace zor06::link {
namespace {

// Where the data of `frame` ends: before its checksum, or where a frame cut short stops.
std::size_t DataEnd(std::span<const std::uint8_t> frame) {
    if (frame.size() <= kOffLength) {
        return 0;
    }
    const std::size_t length = frame[kOffLength];
    return length < 2 ? 0 : std::min(frame.size(), length - 2);
}

void Mark(SecretBytes& secrets, std::span<const std::uint8_t> frame, std::size_t from,
          std::size_t count) {
    const std::size_t end = std::min({DataEnd(frame), from + count, secrets.size()});
    for (std::size_t i = from; i < end; ++i) {
        secrets.set(i);
    }
}

void MarkUserRecords(SecretBytes& secrets, std::span<const std::uint8_t> frame,
                     std::size_t valuesAt) {
    for (std::size_t record = valuesAt; record < DataEnd(frame); record += kUsersRecordSize) {
        Mark(secrets, frame, record + kUsersSecretAt, kUsersSecretSize);
    }
}

bool Is(std::span<const std::uint8_t> frame, std::size_t offset, std::uint8_t value) {
    return frame.size() > offset && frame[offset] == value;
}

}  // namespace

SecretBytes RequestSecrets(std::span<const std::uint8_t> request) {
    SecretBytes secrets;
    if (request.size() <= kOffCode) {
        return secrets;
    }
    if (CarriesCredentials(request[kOffCode])) {
        Mark(secrets, request, kOffData, kCredentialsSize);
    }
    if (request[kOffCode] == code::kWriteTable && Is(request, kOffWriteHeader, kUsersTable)) {
        MarkUserRecords(secrets, request, kOffWriteValues);
    }
    return secrets;
}

SecretBytes ReplySecrets(std::span<const std::uint8_t> request,
                         std::span<const std::uint8_t> reply) {
    SecretBytes secrets;
    // A reply that names another table than was asked is still masked by either.
    const bool asked =
        Is(request, kOffCode, code::kReadTable) && Is(request, kOffReadHeader, kUsersTable);
    const bool named = Is(reply, kOffCode, code::kReadTable | kReplyFlag) &&
                       Is(reply, ReadReply::kOffEcho, kUsersTable);
    if (asked || named) {
        MarkUserRecords(secrets, reply, ReadReply::kOffValues);
    }
    return secrets;
}

void BlankSecrets(std::span<std::uint8_t> frame, const SecretBytes& secrets) {
    for (std::size_t i = 0; i < frame.size() && i < secrets.size(); ++i) {
        if (secrets.test(i)) {
            frame[i] = 0;
        }
    }
}

}  // namespace zor06::link
