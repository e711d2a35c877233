// Configuration protocols (".prc" files): the dated record of a controller's configuration, built
// from the controller image or from a configuration, and the file that keeps it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "bytes/controller_date_time.h"
#include "config/config_buffer.h"
#include "dialogue/operator.h"
#include "tables/controller_image.h"

namespace zor06::config {

inline constexpr std::size_t kProtocolSize = 724;

// Where each part of a protocol lies.
namespace prc {
inline constexpr ConfigPart kSignature{0, 3};          // "PRC"
inline constexpr ConfigPart kCreated{3, 8};            // double, days since 30 December 1899
inline constexpr ConfigPart kHasChecksum{11, 1};       // 1: the software checksum was read
inline constexpr ConfigPart kChecksum{12, 4};          // field 1 of table 41
inline constexpr ConfigPart kIdentification{116, 18};  // table 0
inline constexpr ConfigPart kUpperLink{134, 4};        // table 3
inline constexpr ConfigPart kNames{138, 60};           // table 5
inline constexpr ConfigPart kSystem{198, 12};          // table 6
inline constexpr ConfigPart kFlowLine{210, 6};         // table 9
inline constexpr ConfigPart kChromatograph{216, 14};   // table 14
inline constexpr ConfigPart kMoisture{230, 8};         // table 15
inline constexpr ConfigPart kFlowTypes{238, 16};       // table 17
inline constexpr ConfigPart kFlowAddresses{254, 16};   // table 18
inline constexpr ConfigPart kFlowNecessity{270, 16};   // table 19
inline constexpr ConfigPart kFlowByteOrders{286, 16};  // table 20
inline constexpr ConfigPart kWriteChoices{302, 20};    // table 21
inline constexpr ConfigPart kLimits{322, 400};         // tables 22..26, 80 bytes each
inline constexpr ConfigPart kPeriod{722, 2};           // table 28
}  // namespace prc
static_assert(prc::kPeriod.offset + prc::kPeriod.size == kProtocolSize);

class ProtocolRecord : public PartedBytes<kProtocolSize> {
public:
    std::uint8_t At(std::size_t offset) const { return bytes[offset]; }

    double CreationDays() const;
    void SetCreationDays(double days);
    std::optional<std::uint32_t> Checksum() const;  // none unless it was read
    std::uint32_t ChecksumValue() const;            // what the file holds, read or not
};

// The creation time as the protocol prints it, the year byte holding the last two digits.
bytes::ControllerDateTime CreationTime(const ProtocolRecord& record);

// The signature, the creation time, the checksum when read, and the controller's tables.
ProtocolRecord BuildProtocolRecord(const tables::ControllerImage& image,
                                   std::optional<std::uint32_t> checksum, double creationDays);
// The same parts of a configuration, with no checksum and creation time 0.
ProtocolRecord ProtocolFromConfig(const ConfigBuffer& buffer);

// "zor_VV-aAAA-YYMMDDhhmm.prc" with the software version, the upper-level address and the
// creation time.
std::string ProposedProtocolName(const ProtocolRecord& record);

// The record of a file's bytes, or none after the reason was shown. A file shorter than a record
// leaves the rest zero; bytes past the record are ignored.
std::optional<ProtocolRecord> ParseProtocolFile(std::string_view bytes, const std::string& fileName,
                                                dialogue::Operator& op);
std::optional<ProtocolRecord> ReadProtocolFile(const std::filesystem::path& path,
                                               dialogue::Operator& op);

// Replaces the file with the record; a failure is shown and leaves the old file.
bool WriteProtocolFile(const std::filesystem::path& path, const ProtocolRecord& record,
                       dialogue::Operator& op);

}  // namespace zor06::config
