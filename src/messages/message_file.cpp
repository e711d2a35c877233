#include "messages/message_file.h"

#include "files/open_chosen.h"
#include "messages/saved_line.h"
#include "text/text_format.h"

namespace zor06::messages {
namespace {

constexpr const char* kSaveTitle = "Введите имя файла для сохранения данных";
constexpr const char* kOpenTitle = "Выберите файл с данными";

std::string_view RefusalLine(Archive archive) {
    return archive == Archive::Interventions
               ? "сообщения о вмешательствах оператора контроллера ЗОР_06"
               : "диагностические сообщения контроллера ЗОР_06";
}

std::string Pattern(Archive archive) {
    return text::Printf("*%s", std::string(FileExtension(archive)).c_str());
}

}  // namespace

std::string_view FileExtension(Archive archive) {
    return archive == Archive::Interventions ? ".aud" : ".ala";
}

std::string_view FileDirectory(Archive archive) {
    return archive == Archive::Interventions ? "AUDFILES" : "ALAFILES";
}

std::string DefaultFileName(Archive archive, int address, const bytes::ControllerDateTime& today) {
    return text::Printf("zor_%02d_%03d_%02d%02d%02d%s", dataset::kModel, address, today[0],
                        today[1], today[2], std::string(FileExtension(archive)).c_str());
}

std::string EncodeMessageFile(Archive archive, dataset::HdmHeader header,
                              const std::vector<MessageRow>& rows) {
    // The file must reopen as what it holds, whatever header the rows came with.
    header.SetKind(KindOf(archive).kindLetters);
    header.model = dataset::kModel;
    header.format = dataset::kFormat;
    header.recordCount = static_cast<std::uint32_t>(rows.size());
    const auto head = header.Encode();
    std::string bytes(head.begin(), head.end());
    bytes.reserve(bytes.size() + rows.size() * SavedLineSize(archive));
    for (const MessageRow& row : rows) {
        bytes += EncodeSavedLine(archive, row);
    }
    return bytes;
}

std::optional<MessageFile> ParseMessageFile(std::span<const std::uint8_t> bytes, Archive archive) {
    if (!dataset::AcceptDataFile(bytes, KindOf(archive).kindLetters, std::nullopt)) {
        return std::nullopt;
    }
    std::optional<dataset::HdmHeader> header = dataset::HdmHeader::Decode(bytes);
    if (!header) {
        return std::nullopt;
    }
    const auto body = bytes.subspan(dataset::kHeaderSize);
    const std::size_t lineSize = SavedLineSize(archive);
    const std::size_t count = dataset::RecordsPresent(*header, body.size(), lineSize);
    header->recordCount = static_cast<std::uint32_t>(count);
    const auto lines = body.first(count * lineSize);
    return MessageFile{*header, {lines.begin(), lines.end()}};
}

std::optional<MessageFile> ReadMessageFile(const std::filesystem::path& path, Archive archive,
                                           dialogue::Operator& op) {
    const auto bytes = files::ReadChosenFile(path, op, false);
    if (!bytes) {
        return std::nullopt;
    }
    std::optional<MessageFile> file = ParseMessageFile(
        {reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()}, archive);
    if (!file) {
        op.ShowMessage(dialogue::MessageKind::Error,
                       text::Printf("Файл %s не является файлом, содержащим",
                                    path.filename().string().c_str()),
                       RefusalLine(archive));
    }
    return file;
}

dialogue::FileChoice OpenMessageChoice(Archive archive, const std::filesystem::path& dir) {
    return {kOpenTitle, dir, Pattern(archive), {}};
}

std::optional<MessageFile> ChooseMessageFile(Archive archive,
                                             const std::filesystem::path& programDir,
                                             dialogue::Operator& op) {
    const auto chosen =
        op.ChooseFile(OpenMessageChoice(archive, programDir / FileDirectory(archive)),
                      dialogue::FileDialog::Open);
    if (!chosen) {
        return std::nullopt;
    }
    return ReadMessageFile(*chosen, archive, op);
}

bool SaveMessageView(const MessageView& view, const dataset::HdmHeader& header,
                     const std::filesystem::path& dir, const bytes::ControllerDateTime& today,
                     dialogue::Operator& op) {
    const dialogue::FileChoice choice{kSaveTitle, dir, Pattern(view.archive),
                                      dir / DefaultFileName(view.archive, header.address, today)};
    return files::SaveChosenData(choice, FileExtension(view.archive),
                                 EncodeMessageFile(view.archive, header, view.rows),
                                 {files::kOpenFailed, false, false}, op);
}

}  // namespace zor06::messages
