#include "config/protocol_record.h"

#include <algorithm>

#include "bytes/byte_reader.h"
#include "bytes/byte_writer.h"
#include "config/flow_computers.h"
#include "files/open_chosen.h"
#include "platform/file_io.h"
#include "tables/controller_date.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

constexpr std::string_view kSignatureText = "PRC";
constexpr std::size_t kLimitTableBytes = 80;

void CopyTable(const tables::ControllerImage& image, int table, ProtocolRecord& record,
               ConfigPart p) {
    const auto bytes = image.Fields(table, 0, tables::Table(table).fieldCount);
    std::copy_n(bytes.begin(), std::min(bytes.size(), p.size), record.Part(p).begin());
}

void CopyPart(const ConfigBuffer& buffer, ConfigPart from, ProtocolRecord& record, ConfigPart to) {
    std::copy_n(buffer.Part(from).begin(), std::min(from.size, to.size), record.Part(to).begin());
}

ProtocolRecord Signed() {
    ProtocolRecord r;
    std::ranges::copy(kSignatureText, r.Part(prc::kSignature).begin());
    return r;
}

}  // namespace

double ProtocolRecord::CreationDays() const {
    return bytes::ByteReader(Part(prc::kCreated)).F64();
}

void ProtocolRecord::SetCreationDays(double days) {
    bytes::ByteWriter(Part(prc::kCreated)).F64(days);
}

std::optional<std::uint32_t> ProtocolRecord::Checksum() const {
    if (At(prc::kHasChecksum.offset) != 1) {
        return std::nullopt;
    }
    return ChecksumValue();
}

std::uint32_t ProtocolRecord::ChecksumValue() const {
    return bytes::ByteReader(Part(prc::kChecksum)).U32();
}

bytes::ControllerDateTime CreationTime(const ProtocolRecord& record) {
    bytes::ControllerDateTime dt = tables::EncodeNow(record.CreationDays());
    // A protocol made by a PC whose clock stood before 2000 prints its own year, not the byte's.
    dt[tables::kYearByte] =
        static_cast<std::uint8_t>(tables::PcDateOf(record.CreationDays()).year % 100);
    return dt;
}

ProtocolRecord BuildProtocolRecord(const tables::ControllerImage& image,
                                   std::optional<std::uint32_t> checksum, double creationDays) {
    ProtocolRecord r = Signed();
    r.SetCreationDays(creationDays);
    if (checksum) {
        r.bytes[prc::kHasChecksum.offset] = 1;
        bytes::ByteWriter(r.Part(prc::kChecksum)).U32(*checksum);
    }
    CopyTable(image, 0, r, prc::kIdentification);
    CopyTable(image, 3, r, prc::kUpperLink);
    CopyTable(image, 5, r, prc::kNames);
    CopyTable(image, 6, r, prc::kSystem);
    CopyTable(image, 9, r, prc::kFlowLine);
    CopyTable(image, 14, r, prc::kChromatograph);
    CopyTable(image, 15, r, prc::kMoisture);
    CopyTable(image, 17, r, prc::kFlowTypes);
    CopyTable(image, 18, r, prc::kFlowAddresses);
    CopyTable(image, 19, r, prc::kFlowNecessity);
    CopyTable(image, 20, r, prc::kFlowByteOrders);
    CopyTable(image, 21, r, prc::kWriteChoices);
    for (std::size_t kind = 0; kind < 5; ++kind) {
        CopyTable(image, 22 + static_cast<int>(kind), r,
                  {prc::kLimits.offset + kind * kLimitTableBytes, kLimitTableBytes});
    }
    CopyTable(image, 28, r, prc::kPeriod);
    return r;
}

ProtocolRecord ProtocolFromConfig(const ConfigBuffer& buffer) {
    ProtocolRecord r = Signed();
    CopyPart(buffer, part::kIdentification, r, prc::kIdentification);
    CopyPart(buffer, part::kUpperLink, r, prc::kUpperLink);
    CopyPart(buffer, part::kNames, r, prc::kNames);
    CopyPart(buffer, part::kSystem, r, prc::kSystem);
    CopyPart(buffer, part::kFlowLine, r, prc::kFlowLine);
    CopyPart(buffer, part::kChromatograph, r, prc::kChromatograph);
    CopyPart(buffer, part::kMoisture, r, prc::kMoisture);
    for (int i = 0; i < kMaxFlowComputers; ++i) {
        const auto f =
            FlowRecord::Decode(buffer.Part(part::kFlowComputers)
                                   .subspan(static_cast<std::size_t>(i) * kFlowRecordSize)
                                   .first<kFlowRecordSize>());
        const auto at = static_cast<std::size_t>(i);
        r.bytes[prc::kFlowTypes.offset + at] = f.type;
        r.bytes[prc::kFlowAddresses.offset + at] = f.address;
        r.bytes[prc::kFlowNecessity.offset + at] = f.necessity;
        r.bytes[prc::kFlowByteOrders.offset + at] = f.byteOrder;
    }
    CopyPart(buffer, part::kWriteChoices, r, prc::kWriteChoices);
    for (std::size_t kind = 0; kind < 5; ++kind) {
        const ConfigPart block{part::kLimits.offset + kind * kLimitBlockSize, kLimitTableBytes};
        CopyPart(buffer, block, r,
                 {prc::kLimits.offset + kind * kLimitTableBytes, kLimitTableBytes});
    }
    CopyPart(buffer, part::kPeriod, r, prc::kPeriod);
    return r;
}

std::string ProposedProtocolName(const ProtocolRecord& record) {
    const bytes::ControllerDateTime t = CreationTime(record);
    return text::Printf("zor_%02d-a%03d-%02d%02d%02d%02d%02d.prc", record.At(119), record.At(134),
                        t[tables::kYearByte], t[tables::kMonthByte], t[tables::kDayByte],
                        t[tables::kHourByte], t[tables::kMinuteByte]);
}

std::optional<ProtocolRecord> ParseProtocolFile(std::string_view bytes, const std::string& fileName,
                                                dialogue::Operator& op) {
    if (!bytes.starts_with(kSignatureText)) {
        op.ShowMessage(dialogue::MessageKind::Error,
                       text::Printf("Файл %s не является файлом, содержащим", fileName.c_str()),
                       "протокол конфигурации контроллера ЗОР");
        return std::nullopt;
    }
    ProtocolRecord r;
    std::copy_n(bytes.begin(), std::min(bytes.size(), kProtocolSize), r.bytes.begin());
    return r;
}

std::optional<ProtocolRecord> ReadProtocolFile(const std::filesystem::path& path,
                                               dialogue::Operator& op) {
    const auto bytes = files::ReadChosenFile(path, op, true);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseProtocolFile(*bytes, path.filename().string(), op);
}

bool WriteProtocolFile(const std::filesystem::path& path, const ProtocolRecord& record,
                       dialogue::Operator& op) {
    std::string reason;
    if (!platform::WriteFileAtomically(
            path,
            std::string_view(reinterpret_cast<const char*>(record.bytes.data()), kProtocolSize),
            &reason)) {
        op.ShowMessage(dialogue::MessageKind::Error, "Ошибка открытия файла", reason);
        return false;
    }
    return true;
}

}  // namespace zor06::config
