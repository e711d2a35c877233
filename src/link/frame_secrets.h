// The bytes of a frame that a trace of the line must not show: the program user's credentials in
// the requests that carry them, and the write password and identification code of every
// users-table record that a frame writes or reads.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/frame.h"

namespace zor06::link {

// The users table's records as frames carry them: name 4, access level 1, a zero byte, then the
// write password 12 and the identification code 4.
inline constexpr std::uint8_t kUsersTable = 4;
inline constexpr std::size_t kUsersRecordSize = 22;
inline constexpr std::size_t kUsersSecretAt = 6;
inline constexpr std::size_t kUsersSecretSize = kPasswordSize + kIdCodeSize;
static_assert(kUsersSecretAt + kUsersSecretSize == kUsersRecordSize);

// One bit per byte of a frame.
using SecretBytes = std::bitset<kMaxFrameLength>;

// The secret bytes of a request frame as sent.
SecretBytes RequestSecrets(std::span<const std::uint8_t> request);

// The secret bytes of `reply`, complete or cut short, that answers `request`.
SecretBytes ReplySecrets(std::span<const std::uint8_t> request,
                         std::span<const std::uint8_t> reply);

// Overwrites the secret bytes of `frame` with zeros.
void BlankSecrets(std::span<std::uint8_t> frame, const SecretBytes& secrets);

}  // namespace zor06::link
