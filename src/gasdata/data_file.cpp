#include "gasdata/data_file.h"

#include "files/open_chosen.h"
#include "gasdata/data_view_texts.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

std::string Pattern(const DataArchiveKind& k) {
    std::string pattern(1, '*');
    pattern.append(k.extension);
    return pattern;
}

}  // namespace

std::string DefaultDataFileName(const DataSet& set, const bytes::ControllerDateTime& today) {
    const DataArchiveKind& k = KindOf(set.kind);
    const int yy = today[0];
    const int mm = today[1];
    const int dd = today[2];
    const int address = set.header.address;
    if (k.device == dataset::Device::MoistureMeter) {
        return text::Printf("zor_%02d_%03d_%02d%02d%02d%s", dataset::kModel, address, yy, mm, dd,
                            std::string(k.extension).c_str());
    }
    const std::string run = text::FileNamePart(RunName(set.header));
    const char* format = IsThreeMinute(set.kind) ? "zor_%02d_%03d_%s_%02d%02d%02d%s"
                                                 : "zor_%02d-%03d_%s_%02d%02d%02d%s";
    return text::Printf(format, dataset::kModel, address, run.c_str(), yy, mm, dd,
                        std::string(k.extension).c_str());
}

std::string EncodeDataFile(const DataSet& set) {
    dataset::HdmHeader header = set.header;
    header.SetKind(KindOf(set.kind).kindLetters);
    header.recordCount = static_cast<std::uint32_t>(set.Count());
    const auto head = header.Encode();
    std::string bytes(head.begin(), head.end());
    bytes.append(
        set.records.begin(),
        set.records.begin() + static_cast<long>(set.Count() * KindOf(set.kind).recordSize));
    return bytes;
}

std::optional<DataSet> ParseDataFile(std::span<const std::uint8_t> bytes, DataKind kind) {
    const DataArchiveKind& k = KindOf(kind);
    if (!dataset::AcceptDataFile(bytes, k.kindLetters, k.device)) {
        return std::nullopt;
    }
    const std::optional<dataset::HdmHeader> header = dataset::HdmHeader::Decode(bytes);
    if (!header) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> body = bytes.subspan(dataset::kHeaderSize);
    const std::size_t count = dataset::RecordsPresent(*header, body.size(), k.recordSize);
    DataSet set;
    set.kind = kind;
    set.header = *header;
    set.header.recordCount = static_cast<std::uint32_t>(count);
    set.records.assign(body.begin(), body.begin() + static_cast<long>(count * k.recordSize));
    return set;
}

std::optional<DataSet> ReadDataFile(const std::filesystem::path& path, DataKind kind,
                                    dialogue::Operator& op) {
    const auto bytes = files::ReadChosenFile(path, op, false);
    if (!bytes) {
        return std::nullopt;
    }
    std::optional<DataSet> set =
        ParseDataFile({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()}, kind);
    if (!set) {
        op.ShowMessage(dialogue::MessageKind::Error,
                       text::Printf("Файл %s не является файлом, содержащим",
                                    path.filename().string().c_str()),
                       KindOf(kind).wrongFileLine);
    }
    return set;
}

std::optional<DataSet> ChooseDataFile(DataKind kind, const std::filesystem::path& programDir,
                                      dialogue::Operator& op) {
    const DataArchiveKind& k = KindOf(kind);
    const auto chosen = op.ChooseFile(
        {kDataFileOpenTitle, programDir / k.directory, Pattern(k), {}}, dialogue::FileDialog::Open);
    if (!chosen) {
        return std::nullopt;
    }
    return ReadDataFile(*chosen, kind, op);
}

bool SaveDataSet(const DataSet& set, const std::filesystem::path& programDir,
                 const bytes::ControllerDateTime& today, dialogue::Operator& op) {
    const DataArchiveKind& k = KindOf(set.kind);
    const std::filesystem::path dir = programDir / k.directory;
    const dialogue::FileChoice choice{kDataFileSaveTitle, dir, Pattern(k),
                                      dir / DefaultDataFileName(set, today)};
    return files::SaveChosenData(choice, k.extension, EncodeDataFile(set), {files::kOpenFailed},
                                 op);
}

}  // namespace zor06::gasdata
