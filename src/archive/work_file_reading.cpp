#include "archive/work_file_reading.h"

#include "archive/reading_support.h"
#include "platform/file_io.h"

namespace zor06::archive {
namespace {

class WorkFileSink final : public RecordSink {
public:
    WorkFileSink(dialogue::Operator& op, const std::filesystem::path& path)
        : op_(op), path_(path), out_(path) {}

    // False after telling the operator the file could not be made.
    bool Opened() {
        if (!out_.IsOpen()) {
            op_.ShowMessage(dialogue::MessageKind::Info, "Ошибка открытия файла", out_.Failure());
        }
        return out_.IsOpen();
    }
    bool Append(std::span<const std::uint8_t> records) override {
        if (!out_.Append(records)) {
            op_.ShowMessage(dialogue::MessageKind::Info, "Ошибка записи в файл", path_.string());
            return false;
        }
        return true;
    }

private:
    dialogue::Operator& op_;
    std::filesystem::path path_;
    platform::WorkFileWriter out_;
};

}  // namespace

std::optional<WorkFileReading> ReadIntoWorkFile(tables::TableContext& ctx, Series& series,
                                                const std::filesystem::path& path,
                                                int progressMaximum) {
    WorkFileReading reading;
    {
        WorkFileSink sink(ctx.op, path);
        if (!sink.Opened()) {
            return std::nullopt;
        }
        ReadingScope running(ctx.op);
        ShowProgress(ctx.op, 0, progressMaximum);
        reading.loop = RunSeries(ctx, series, sink);
        if (reading.loop.end == ReadingEnd::NothingShown) {
            return std::nullopt;
        }
        if (reading.loop.records > 0) {
            ShowProgress(ctx.op, progressMaximum, progressMaximum);
        }
    }
    if (reading.loop.records > 0) {
        reading.records = LoadRecords(path, reading.loop.records, series.RecordSize());
    }
    return reading;
}

}  // namespace zor06::archive
