#include "config/config_file.h"

#include <algorithm>

#include "config/distribution_editors.h"
#include "config/flow_computers.h"
#include "config/text_field.h"
#include "files/open_chosen.h"
#include "platform/file_io.h"
#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

constexpr std::size_t kTypeAt = 2;
constexpr std::size_t kVersionAt = 4;

std::string FileName(const std::filesystem::path& path) {
    return path.filename().string();
}

void CopyTable(const tables::ControllerImage& image, int table, ConfigBuffer& buffer,
               ConfigPart p) {
    const auto bytes = image.Fields(table, 0, tables::Table(table).fieldCount);
    std::copy_n(bytes.begin(), std::min(bytes.size(), p.size), buffer.Part(p).begin());
}

}  // namespace

std::optional<ConfigBuffer> ReadConfigFile(const std::filesystem::path& path,
                                           dialogue::Operator& op) {
    const auto bytes = files::ReadChosenFile(path, op, true);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseConfigFile(*bytes, FileName(path), op);
}

std::optional<ConfigBuffer> ParseConfigFile(std::string_view bytes, const std::string& fileName,
                                            dialogue::Operator& op) {
    if (bytes.size() != kConfigSize || static_cast<std::uint8_t>(bytes[kTypeAt]) != 73) {
        op.ShowMessage(dialogue::MessageKind::Info,
                       text::Printf("Файл %s не является файлом конфигурации", fileName.c_str()),
                       "контроллера ЗОР_06");
        return std::nullopt;
    }
    const int version = static_cast<std::uint8_t>(bytes[kVersionAt]);
    if (version < 4 || version > 6) {
        op.ShowMessage(
            dialogue::MessageKind::Info,
            text::Printf("Файл параметров конфигурации %s подготовлен", fileName.c_str()),
            text::Printf("для контроллера ЗОР с версией ПО %d", version));
        return std::nullopt;
    }
    std::array<std::uint8_t, kConfigSize> file{};
    std::copy(bytes.begin(), bytes.end(), file.begin());
    ConfigBuffer buffer = FromFileBytes(file);
    if (version != 6) {
        std::ranges::fill(buffer.Part(part::kIdentification), std::uint8_t{0});
        buffer.bytes[kTypeAt] = 73;
        buffer.bytes[kVersionAt] = 6;
        buffer.bytes[0] = 0;
    }
    return buffer;
}

bool WriteConfigFile(const std::filesystem::path& path, const ConfigBuffer& buffer,
                     dialogue::Operator& op) {
    const auto file = ToFileBytes(buffer);
    std::string reason;
    bool narrowed = false;
    if (!platform::WriteFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()),
            &reason, platform::NewFile::OwnerOnly, &narrowed)) {
        op.ShowMessage(dialogue::MessageKind::Error, "Ошибка записи файла " + FileName(path),
                       reason);
        return false;
    }
    if (narrowed) {
        op.ShowMessage(
            dialogue::MessageKind::Info,
            text::Printf("Файл %s был доступен другим пользователям;", FileName(path).c_str()),
            "теперь он доступен только владельцу");
    }
    op.ShowMessage(dialogue::MessageKind::Info, "Параметры конфигурации",
                   text::Printf("сохранены в файле %s", FileName(path).c_str()));
    return true;
}

std::string ProposedConfigName(const ConfigBuffer& buffer, const bytes::ControllerDateTime& now) {
    const std::string name = text::FileNamePart(TrimmedField(buffer.Part(part::kNames).first(20)));
    return text::Printf("zor_%02d-%s-%02d%02d%02d%02d%02d.cnf", 6, name.c_str(),
                        now[tables::kYearByte], now[tables::kMonthByte], now[tables::kDayByte],
                        now[tables::kHourByte], now[tables::kMinuteByte]);
}

void CopyImageToBuffer(const tables::ControllerImage& image, ConfigBuffer& buffer) {
    buffer.bytes[0] = 1;
    CopyTable(image, 0, buffer, part::kIdentification);
    CopyTable(image, 5, buffer, part::kNames);
    CopyTable(image, 3, buffer, part::kUpperLink);
    CopyTable(image, 4, buffer, part::kUsers);
    CopyTable(image, 6, buffer, part::kSystem);
    CopyTable(image, 14, buffer, part::kChromatograph);
    CopyTable(image, 15, buffer, part::kMoisture);
    CopyTable(image, 9, buffer, part::kFlowLine);
    for (int i = 0; i < kMaxFlowComputers; ++i) {
        FlowRecord r;
        r.address = image.Byte(18, i);
        r.type = image.Byte(17, i);
        r.necessity = image.Byte(19, i);
        r.byteOrder = image.Byte(20, i);
        r.password.fill(' ');
        r.Encode(buffer.Part(part::kFlowComputers)
                     .subspan(static_cast<std::size_t>(i) * kFlowRecordSize)
                     .first<kFlowRecordSize>());
    }
    CopyTable(image, 21, buffer, part::kWriteChoices);
    for (int kind = 0; kind < 5; ++kind) {
        const auto values = image.Fields(22 + kind, 0, kGasParameterCount);
        std::ranges::copy(values, buffer.LimitBlock(kind).begin());
    }
    CopyTable(image, 28, buffer, part::kPeriod);
}

}  // namespace zor06::config
