#include "messages/short_date_model.h"

#include "messages/index_dialog_model.h"
#include "tables/controller_date.h"
#include "text/text_format.h"

namespace zor06::messages {
namespace {

bytes::ControllerDateTime Widen(const Date5& d) {
    return {d[0], d[1], d[2], d[3], d[4], 0};
}

bytes::ControllerDateTime Later(const bytes::ControllerDateTime& a,
                                const bytes::ControllerDateTime& b) {
    return tables::Compare6(a, b) >= 0 ? a : b;
}

}  // namespace

ShortDateModel::ShortDateModel(DataArchive kind, const ArchiveBounds& bounds,
                               const bytes::ControllerDateTime& now,
                               settings::ArchiveChoices& choices)
    : kind_(kind), bounds_(bounds), now_(now), choices_(choices) {}

int ShortDateModel::PresetCount() const {
    return kind_ == DataArchive::ThreeMinute ? 3 : 2;
}

std::vector<std::string_view> ShortDateModel::PresetTexts() const {
    switch (kind_) {
        case DataArchive::ThreeMinute:
            return {"За последний час", "За последние сутки", "Заданный период"};
        case DataArchive::Hourly:
            return {"За последние сутки", "Заданный период"};
        case DataArchive::Daily:
            break;
    }
    return {"За последний месяц", "Заданный период"};
}

std::string ShortDateModel::BoundLine(std::string_view which, const Date5& d) const {
    const std::string date = text::Printf("%02d.%02d.%02d", d[2], d[1], d[0]);
    std::string time;
    switch (kind_) {
        case DataArchive::ThreeMinute:
            time = text::Printf(" %02d:%02d", d[3], d[4]);
            break;
        case DataArchive::Hourly:
            time = text::Printf(" %02dч", d[3]);
            break;
        case DataArchive::Daily:
            break;
    }
    return "Дата и время " + std::string(which) + " записи в архиве:  " + date + time;
}

std::string ShortDateModel::OldestLine() const {
    return BoundLine("самой старой", bounds_.oldest);
}

std::string ShortDateModel::NewestLine() const {
    return BoundLine("последней", bounds_.newest);
}

int ShortDateModel::Preset() const {
    return PresetWithin(choices_.periodKind, PresetCount());
}

bytes::ControllerDateTime ShortDateModel::AtStep(bytes::ControllerDateTime dt) const {
    dt[tables::kSecondByte] = 0;
    if (kind_ != DataArchive::ThreeMinute) {
        dt[tables::kMinuteByte] = 0;
    }
    if (kind_ == DataArchive::Daily) {
        dt[tables::kHourByte] = 0;
    }
    return dt;
}

int ShortDateModel::Compare(const bytes::ControllerDateTime& a,
                            const bytes::ControllerDateTime& b) const {
    switch (kind_) {
        case DataArchive::ThreeMinute:
            return tables::Compare5(a, b);
        case DataArchive::Hourly:
            return tables::CompareTo(a, b, tables::kPrecisionHour);
        case DataArchive::Daily:
            break;
    }
    return tables::CompareTo(a, b, tables::kPrecisionDay);
}

bytes::ControllerDateTime ShortDateModel::Oldest() const {
    return AtStep(Widen(bounds_.oldest));
}

bytes::ControllerDateTime ShortDateModel::Newest() const {
    return AtStep(Widen(bounds_.newest));
}

ShortDateEntry ShortDateModel::Initial() const {
    if (kind_ == DataArchive::ThreeMinute) {
        return {AtStep(now_), AtStep(now_), true};
    }
    const int unit = kind_ == DataArchive::Hourly ? tables::kStepDay : tables::kStepMonth;
    const bytes::ControllerDateTime end = Newest();
    return {Later(tables::StepBack(end, unit), Oldest()), end, true};
}

ShortDateEntry ShortDateModel::Choose(int preset, const ShortDateEntry& current) {
    preset = PresetWithin(preset, PresetCount());
    choices_.periodKind = preset;
    if (preset == GivenPreset()) {
        if (kind_ == DataArchive::ThreeMinute) {
            return {AtStep(tables::EncodeNow(choices_.periodBegin)),
                    AtStep(tables::EncodeNow(choices_.periodEnd)), true};
        }
        return {current.start, current.end, true};
    }
    switch (kind_) {
        case DataArchive::ThreeMinute: {
            const bytes::ControllerDateTime end = AtStep(now_);
            const int unit = preset == 0 ? tables::kStepHour : tables::kStepDay;
            return {tables::StepBack(end, unit), end, false};
        }
        case DataArchive::Hourly: {
            const bytes::ControllerDateTime end = tables::StepBack(AtStep(now_), tables::kStepHour);
            return {tables::StepForward(tables::StepBack(end, tables::kStepDay), tables::kStepHour),
                    end, false};
        }
        case DataArchive::Daily:
            break;
    }
    const bytes::ControllerDateTime end = tables::StepBack(AtStep(now_), tables::kStepDay);
    return {tables::StepBack(end, tables::kStepMonth), end, false};
}

PeriodVerdict ShortDateModel::Accept(const ShortDateEntry& entry) {
    bytes::ControllerDateTime start = AtStep(entry.start);
    bytes::ControllerDateTime end = AtStep(entry.end);
    if (Compare(end, start) < 0) {
        return {std::nullopt, kEndBeforeStart1, kEndBeforeStart2};
    }
    const bytes::ControllerDateTime oldest = Oldest();
    const bytes::ControllerDateTime newest = Newest();
    if ((Compare(start, oldest) < 0 && Compare(end, oldest) < 0) ||
        (Compare(start, newest) > 0 && Compare(end, newest) > 0)) {
        return {std::nullopt, "В архиве нет данных за указанный период",
                "(см. период имеющихся в архиве данных)"};
    }
    if (Compare(start, oldest) < 0) {
        start = oldest;
    }
    if (Compare(end, newest) > 0) {
        end = newest;
    }
    if (kind_ == DataArchive::ThreeMinute && choices_.periodKind == GivenPreset()) {
        choices_.periodBegin = tables::DecodeToPc(start);
        choices_.periodEnd = tables::DecodeToPc(end);
    }
    return {Period{start, end}, "", ""};
}

}  // namespace zor06::messages
