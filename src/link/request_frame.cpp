#include "link/request_frame.h"

#include <algorithm>

#include "link/crc16.h"

namespace zor06::link {
namespace {

// Length of the fixed data block that codes 7, 8, 14, 15 and 16 carry.
std::size_t FixedBlockSize(std::uint8_t functionCode) {
    switch (functionCode) {
        case code::kMessagesByIndex:
            return 7;
        case code::kMessagesByPeriod:
            return 15;
        case code::kArchive3Min:
            return 13;
        case code::kArchiveHourly:
            return 11;
        case code::kArchiveDaily:
            return 9;
        default:
            return 0;
    }
}

void CopyInto(std::uint8_t* at, std::span<const std::uint8_t> data, std::size_t atMost) {
    std::copy_n(data.begin(), std::min(atMost, data.size()), at);
}

}  // namespace

bool CarriesCredentials(std::uint8_t functionCode) {
    switch (functionCode) {
        case code::kWriteTable:
        case code::kClockCorrection:
        case 25:
        case 32:
        case 33:
            return true;
        default:
            return false;
    }
}

std::size_t BuildRequestFrame(std::span<std::uint8_t, kFrameCapacity> frame, std::uint8_t address,
                              std::uint8_t functionCode, std::span<const std::uint8_t> data,
                              std::uint8_t channel, const Credentials& credentials) {
    std::fill(frame.begin(), frame.end(), std::uint8_t{0});
    frame[kOffStart] = kRequestStart;
    frame[kOffAddress] = address;
    frame[kOffCode] = functionCode;
    std::uint8_t* body = frame.data() + kOffData;
    if (CarriesCredentials(functionCode)) {
        std::copy(credentials.writePassword.begin(), credentials.writePassword.end(), body);
        std::copy(credentials.idCode.begin(), credentials.idCode.end(), body + kPasswordSize);
    }

    std::size_t length = 0;
    switch (functionCode) {
        case code::kReadTable:
            body[0] = channel;
            CopyInto(frame.data() + kOffReadHeader, data, 3);
            length = 10;
            break;
        case code::kWriteTable:
            // A longer write would not fit the one-byte frame length: refuse it unsent.
            if (data.size() < 3 || data.size() - 3 > kMaxWriteValueBytes) {
                return 0;
            }
            body[kCredentialsSize] = channel;
            CopyInto(frame.data() + kOffWriteHeader, data, data.size());
            length = 26 + (data.size() - 3);
            break;
        case code::kClockCorrection:
            CopyInto(body + kCredentialsSize, data, 2);
            length = 24;
            break;
        case 25:
        case 32:
        case 33:
            length = 22;
            break;
        default: {
            const std::size_t block = FixedBlockSize(functionCode);
            if (block == 0) {
                return 0;
            }
            CopyInto(body, data, block);
            length = kMinFrameLength + block;
            break;
        }
    }
    frame[kOffLength] = static_cast<std::uint8_t>(length);
    PutCrc16(frame.data(), length - 2);
    return length;
}

}  // namespace zor06::link
