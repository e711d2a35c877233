#include "gasdata/passport_reading.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "archive/reading_loop.h"
#include "archive/reading_support.h"
#include "config/device_edit.h"
#include "gasdata/data_reading.h"
#include "gasdata/passport_templates.h"
#include "link/reply_views.h"
#include "tables/controller_date.h"
#include "tables/table_numbers.h"
#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

namespace fs = std::filesystem;
constexpr int kContractHourField = 6;
constexpr int kDayProgress = 48;
constexpr std::size_t kHoursOfDay = 24;
constexpr char kReportDir[] = "REPORT";

using Records = std::vector<std::vector<std::uint8_t>>;

bytes::ControllerDateTime DateAt(const std::array<std::uint8_t, 3>& d, int hour) {
    return {d[0], d[1], d[2], static_cast<std::uint8_t>(hour), 0, 0};
}

bytes::ControllerDateTime FromBound(const messages::Date5& d) {
    return {d[0], d[1], d[2], d[3], d[4], 0};
}

int DaysOfMonth(const std::array<std::uint8_t, 3>& d) {
    return tables::DaysInMonth(2000 + d[0], d[1]);
}

// The request of archive `k` for `run` from `start` to `end`: records dated there.
archive::Request RequestOf(const DataArchiveKind& k, int run,
                           const bytes::ControllerDateTime& start,
                           const bytes::ControllerDateTime& end) {
    return {k.functionCode, ArchiveRequestData(k, run, start, end), k.perReply,
            [&k, start, end](std::span<const std::uint8_t> record) {
                return InRequestedPeriod(k.kind, start, end, RecordDate(record, false));
            }};
}

struct DailyTexts {
    std::string_view unread;  // second line under "Суточные данные из архива"
    std::string_view broken;  // first line over "(не совпадает КС записи"
};

// The one daily record of `day`; nothing after telling the operator.
template <typename Record>
std::optional<Record> ReadDailyRecord(tables::TableContext& ctx, DataKind kind, int run,
                                      const bytes::ControllerDateTime& day,
                                      const DailyTexts& texts) {
    const DataArchiveKind& k = KindOf(kind);
    const std::optional<link::ArchiveReply> reply =
        archive::AskArchive(ctx, RequestOf(k, run, day, day), k.recordSize);
    if (!reply || reply->Count() == 0) {
        if (reply) {
            ctx.op.SetStatusText(dialogue::Panel::Message, ctx.link.StatusText());
        }
        ctx.op.ShowMessage(dialogue::MessageKind::Info, "Суточные данные из архива", texts.unread);
        return std::nullopt;
    }
    const std::span<const std::uint8_t> bytes = reply->Record(0);
    if (!RecordCrcValid(bytes)) {
        ctx.op.ShowMessage(dialogue::MessageKind::Info, texts.broken, "(не совпадает КС записи");
        return std::nullopt;
    }
    return Record::Decode(bytes.first<Record::kSize>());
}

// A run of hourly or daily records from `start` to `end`, at most `limit` of them; those of the
// moisture meter must carry the dates of the chromatograph's (`agree`).
struct SeriesPlan {
    DataKind kind;
    int run;
    bytes::ControllerDateTime start;
    bytes::ControllerDateTime end;
    std::size_t limit;
    std::string_view title;
    const std::vector<bytes::ControllerDateTime>* agree = nullptr;
};

// The wait window's bar over every series of one passport.
struct Progress {
    int maximum;
    int shown = 0;
};

// The records of a series in archive order; a record outside the period, or one whose date
// differs from the chromatograph's, abandons the passport.
class PassportSeries final : public archive::Series {
public:
    PassportSeries(tables::TableContext& ctx, const SeriesPlan& s, Progress& progress)
        : ctx_(ctx),
          s_(s),
          k_(KindOf(s.kind)),
          progress_(progress),
          precision_(IsDaily(s.kind) ? tables::kPrecisionDay : tables::kPrecisionHour),
          unit_(IsDaily(s.kind) ? tables::kStepDay : tables::kStepHour),
          expected_(s.start) {}

    std::string_view Title() const override { return s_.title; }
    std::size_t RecordSize() const override { return k_.recordSize; }
    bool ShowsPart() const override { return false; }
    archive::Request Next() override { return RequestOf(k_, s_.run, expected_, s_.end); }

    archive::Verdict Take(const link::ArchiveReply& reply,
                          std::vector<std::uint8_t>& kept) override {
        if (reply.Count() == 0) {
            return archive::Verdict::Empty;
        }
        bool complete = false;
        for (std::size_t i = 0; i < reply.Count() && !complete; ++i) {
            const std::span<const std::uint8_t> record = reply.Record(i);
            archive::ShowProgress(ctx_.op, ++progress_.shown, progress_.maximum);
            const bytes::ControllerDateTime date = RecordDate(record, false);
            if (!Fits(date)) {
                return archive::Verdict::Abandoned;
            }
            kept.insert(kept.end(), record.begin(), record.end());
            ++count_;
            expected_ = tables::StepForward(date, unit_);
            complete = count_ >= s_.limit || tables::CompareTo(expected_, s_.end, precision_) > 0;
        }
        return complete ? archive::Verdict::Last : archive::Verdict::More;
    }

private:
    bool Fits(const bytes::ControllerDateTime& date) {
        if (tables::CompareTo(date, expected_, precision_) < 0 ||
            tables::CompareTo(date, s_.end, precision_) > 0) {
            ctx_.op.ShowMessage(dialogue::MessageKind::Info,
                                "Передаваемые контроллером данные не соответствуют",
                                "запрошенному периоду");
            return false;
        }
        if (s_.agree != nullptr &&
            (count_ >= s_.agree->size() ||
             tables::CompareTo(date, (*s_.agree)[count_], precision_) != 0)) {
            ctx_.op.ShowMessage(dialogue::MessageKind::Info, "Несоответствие дат в записях",
                                "архивов данных хроматографа и влагомера");
            return false;
        }
        return true;
    }

    tables::TableContext& ctx_;
    const SeriesPlan& s_;
    const DataArchiveKind& k_;
    Progress& progress_;
    int precision_;
    int unit_;
    bytes::ControllerDateTime expected_;
    std::size_t count_ = 0;
};

// The records of one series; nothing after telling the operator, or after Esc, which ends a
// passport without a word.
std::optional<Records> ReadSeries(tables::TableContext& ctx, const SeriesPlan& s,
                                  Progress& progress) {
    PassportSeries series(ctx, s, progress);
    archive::MemorySink sink;
    const archive::LoopResult result = archive::RunSeries(ctx, series, sink);
    if (result.end != archive::ReadingEnd::Complete) {
        return std::nullopt;
    }
    if (result.records == 0) {
        ctx.op.ShowMessage(dialogue::MessageKind::Info, s.title, "не прочитаны");
        return std::nullopt;
    }
    Records got;
    const std::size_t size = series.RecordSize();
    for (std::size_t at = 0; at + size <= sink.bytes.size(); at += size) {
        got.emplace_back(sink.bytes.begin() + static_cast<std::ptrdiff_t>(at),
                         sink.bytes.begin() + static_cast<std::ptrdiff_t>(at + size));
    }
    return got;
}

std::vector<bytes::ControllerDateTime> DatesOf(const Records& records) {
    std::vector<bytes::ControllerDateTime> dates;
    for (const auto& r : records) {
        dates.push_back(RecordDate(r, false));
    }
    return dates;
}

template <typename Record>
std::vector<Record> Decoded(const Records& records) {
    std::vector<Record> out;
    for (const auto& r : records) {
        out.push_back(
            Record::Decode(std::span<const std::uint8_t, Record::kSize>(r.data(), Record::kSize)));
    }
    return out;
}

// Both archives over one period, read behind the wait window; nothing after telling the operator.
std::optional<std::pair<Records, Records>> ReadBoth(tables::TableContext& ctx, SeriesPlan chr,
                                                    SeriesPlan wmt, int maximum) {
    dialogue::Operator& op = ctx.op;
    dialogue::BusyScope busy(op);
    archive::ReadingScope running(op);
    archive::ShowProgress(op, 0, maximum);
    Progress progress{maximum};
    std::optional<Records> chrRecords = ReadSeries(ctx, chr, progress);
    if (!chrRecords) {
        return std::nullopt;
    }
    const std::vector<bytes::ControllerDateTime> dates = DatesOf(*chrRecords);
    wmt.agree = &dates;
    std::optional<Records> wmtRecords = ReadSeries(ctx, wmt, progress);
    if (!wmtRecords) {
        return std::nullopt;
    }
    if (chrRecords->size() != wmtRecords->size()) {
        op.ShowMessage(
            dialogue::MessageKind::Info, "Несоответствие количества прочитанных данных",
            text::Printf("хроматографа (%d) и влагомера (%d)", static_cast<int>(chrRecords->size()),
                         static_cast<int>(wmtRecords->size())));
        return std::nullopt;
    }
    return std::pair{std::move(*chrRecords), std::move(*wmtRecords)};
}

// The run's name without the blanks that pad its field: they would end up in the file name.
std::string RunName(const tables::ControllerImage& image, int run) {
    const std::span<const std::uint8_t> field = image.Field(tables::kNamesTable, 1 + run);
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    std::string name =
        text::Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(field.data()),
                                            static_cast<std::size_t>(end - field.begin())));
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

// The run's name as the controller holds it now: a name the start-up could not read is a stand-in
// that must not name a passport.
bool ReadRunName(tables::TableContext& ctx, int run) {
    const auto field = static_cast<std::uint8_t>(1 + run);
    if (!tables::ReadFields(ctx, {tables::kNamesTable, field, 1})) {
        return false;
    }
    if (tables::NamesInCp866(ctx.image)) {
        text::ToCp1251(ctx.image.Field(tables::kNamesTable, field));
    }
    return true;
}

std::optional<PassportData> ReadDay(tables::TableContext& ctx, int run,
                                    const bytes::ControllerDateTime& day,
                                    const ArchiveBounds& bounds, PassportData data) {
    const auto chrDay = ReadDailyRecord<ChrHdRecord>(
        ctx, DataKind::ChrDay, run, day,
        {" хроматографа не прочитаны", "Суточные данные хроматографа недостоверны"});
    if (!chrDay) {
        return std::nullopt;
    }
    const auto wmtDay = ReadDailyRecord<WmtHdRecord>(
        ctx, DataKind::WmtDay, 0, day,
        {"влагомера не прочитаны", "Суточные данные влагомера недостоверны"});
    if (!wmtDay) {
        return std::nullopt;
    }
    const bytes::ControllerDateTime oldest = FromBound(bounds.oldest);
    const bytes::ControllerDateTime start =
        tables::CompareTo(day, oldest, tables::kPrecisionHour) < 0 ? oldest : day;
    const bytes::ControllerDateTime end =
        tables::StepBack(tables::StepForward(day, tables::kStepDay), tables::kStepHour);
    auto both = ReadBoth(
        ctx,
        {DataKind::ChrHour, run, start, end, kHoursOfDay, "Часовые данные хроматографа из архива"},
        {DataKind::WmtHour, 0, start, end, kHoursOfDay, "Часовые данные влагомера из архива"},
        kDayProgress);
    if (!both) {
        return std::nullopt;
    }
    data.chr = Decoded<ChrHdRecord>(both->first);
    data.wmt = Decoded<WmtHdRecord>(both->second);
    data.chrSummary = *chrDay;
    data.wmtSummary = *wmtDay;
    return data;
}

std::optional<PassportData> ReadMonth(tables::TableContext& ctx, int run,
                                      const std::array<std::uint8_t, 3>& date,
                                      const ArchiveBounds& bounds, PassportData data) {
    const int days = DaysOfMonth(date);
    bytes::ControllerDateTime start = DateAt({date[0], date[1], 1}, 0);
    bytes::ControllerDateTime end = DateAt({date[0], date[1], static_cast<std::uint8_t>(days)}, 0);
    const bytes::ControllerDateTime oldest = FromBound(bounds.oldest);
    const bytes::ControllerDateTime newest = FromBound(bounds.newest);
    if (tables::CompareTo(start, oldest, tables::kPrecisionDay) < 0) {
        start = oldest;
    }
    if (tables::CompareTo(end, newest, tables::kPrecisionDay) > 0) {
        end = newest;
    }
    const auto limit = static_cast<std::size_t>(days);
    auto both = ReadBoth(
        ctx, {DataKind::ChrDay, run, start, end, limit, "Суточные данные хроматографа из архива"},
        {DataKind::WmtDay, 0, start, end, limit, "Суточные данные влагомера из архива"}, 2 * days);
    if (!both) {
        return std::nullopt;
    }
    data.chr = Decoded<ChrHdRecord>(both->first);
    data.wmt = Decoded<WmtHdRecord>(both->second);
    data.chrSummary.values = MonthChrAverages(data.chr);
    data.wmtSummary.values = MonthWmtAverages(data.wmt);
    return data;
}

// The report builder: the file name, the question about an old report, the workbook.
std::optional<fs::path> Build(PassportContext& ctx, const PassportData& data) {
    dialogue::Operator& op = ctx.tables.op;
    const fs::path path = PassportPath(
        ctx, data.mode, data.run, {{data.date[0], data.date[1], data.date[2]}, data.objectName});
    const std::string name = path.filename().string();
    std::error_code ec;
    if (!ctx.outPath && fs::exists(path, ec) &&
        !op.ShowMessage(dialogue::MessageKind::Question,
                        text::Printf("Файл отчета %s уже есть.", name.c_str()),
                        "Вы хотите заменить существующий отчет?")) {
        return std::nullopt;
    }
    bool written = false;
    const auto build = [&] {
        std::string reason;
        // The old report is replaced only by the complete new one.
        written = WritePassport(data, ctx.workDirectory, path, &reason);
        if (!written) {
            op.MessageBox("Ошибка работы с файлом!\n" + reason, "Ошибка");
        }
    };
    if (ctx.inBuilderWindow) {
        ctx.inBuilderWindow(build);
    } else {
        build();
    }
    if (!written) {
        return std::nullopt;
    }
    op.ShowMessage(dialogue::MessageKind::Info,
                   text::Printf("Данные сохранены в файле %s", name.c_str()), "");
    return path;
}

}  // namespace

std::optional<std::pair<std::string, std::string>> PassportChoiceError(
    PassportMode mode, const std::array<std::uint8_t, 3>& date, bool objectChosen,
    const ArchiveBounds& bounds) {
    if (!objectChosen) {
        return std::pair<std::string, std::string>{"Не введено наименование объекта", ""};
    }
    const int precision =
        mode == PassportMode::Day ? tables::kPrecisionDay : tables::kPrecisionMonth;
    const bytes::ControllerDateTime d = DateAt(date, 0);
    if (tables::CompareTo(d, FromBound(bounds.oldest), precision) < 0 ||
        tables::CompareTo(d, FromBound(bounds.newest), precision) > 0) {
        return std::pair<std::string, std::string>{"В архиве нет данных за указанную дату",
                                                   "(см. период имеющихся в архиве данных)"};
    }
    return std::nullopt;
}

std::optional<PassportData> ReadPassportData(tables::TableContext& ctx, PassportMode mode, int run,
                                             const std::array<std::uint8_t, 3>& date,
                                             const ArchiveBounds& bounds) {
    PassportData data;
    data.mode = mode;
    data.run = run;
    const int contractHour = ctx.image.Byte(tables::kSystemTable, kContractHourField);
    data.date = {date[0], date[1], date[2], static_cast<std::uint8_t>(contractHour)};
    std::optional<PassportData> read =
        mode == PassportMode::Day
            ? ReadDay(ctx, run, DateAt(date, contractHour), bounds, std::move(data))
            : ReadMonth(ctx, run, date, bounds, std::move(data));
    if (read) {
        archive::EnsureSerialNumber(ctx);
        read->serialNumber = archive::SerialNumber(ctx.image);
        read->runName = RunName(ctx.image, run);
    }
    return read;
}

fs::path PassportPath(const PassportContext& ctx, PassportMode mode, int run,
                      const PassportChoice& choice) {
    if (ctx.outPath) {
        return *ctx.outPath;
    }
    PassportData named;
    named.mode = mode;
    named.date = {choice.date[0], choice.date[1], choice.date[2], 0};
    named.runName = RunName(ctx.tables.image, run);
    named.objectName = choice.objectName;
    return ctx.workDirectory / kReportDir / PassportFileName(named);
}

std::optional<fs::path> MakePassport(PassportContext& ctx, PassportMode mode, int run) {
    dialogue::Operator& op = ctx.tables.op;
    const char* templ = TemplateName(mode);
    std::string reason;
    if (!EnsurePassportTemplate(ctx.workDirectory, templ, ctx.templateSources, &reason)) {
        op.ShowMessage(dialogue::MessageKind::Error,
                       text::Printf("Шаблон %s не скопирован в рабочий каталог", templ), reason);
        return std::nullopt;
    }
    std::error_code ec;
    if (!fs::exists(ctx.workDirectory / templ, ec)) {
        op.ShowMessage(dialogue::MessageKind::Info,
                       text::Printf("В рабочем каталоге отсутствует файл %s", templ),
                       "Обратитесь к разработчику программного обеспечения");
        return std::nullopt;
    }
    if (!ReadRunName(ctx.tables, run)) {
        return std::nullopt;
    }
    const std::optional<BoundsReading> bounds = GetArchiveBounds(ctx.tables, Step::Day);
    if (!bounds || !ctx.choose) {
        return std::nullopt;
    }
    const std::optional<PassportChoice> choice = ctx.choose(mode, bounds->bounds);
    if (!choice) {
        return std::nullopt;
    }
    std::optional<PassportData> data =
        ReadPassportData(ctx.tables, mode, run, choice->date, bounds->bounds);
    if (!data) {
        return std::nullopt;
    }
    data->objectName = choice->objectName;
    return Build(ctx, *data);
}

}  // namespace zor06::gasdata
