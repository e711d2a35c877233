#include "messages/period_dialog_model.h"

#include <optional>

#include "messages/index_dialog_model.h"

namespace zor06::messages {
namespace {

constexpr std::string_view kOutOfRange = "вне допустимого диапазона";

// The number in a list's text, or none when it is empty or not a whole number.
std::optional<int> ListNumber(const std::string& text) {
    if (text.empty() || text.size() > 3) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

struct Names {
    std::string_view hour;
    std::string_view minute;
    std::string_view second;
};

constexpr Names kStartNames{"Значение часа начала диапазона", "Значение минут начала диапазона",
                            "Значение секунд начала диапазона"};
constexpr Names kEndNames{"Значение часа конца диапазона", "Значение минут конца диапазона",
                          "Значение секунд конца диапазона"};

// The 6-byte date of a group, or the first text of the message refusing it.
std::optional<bytes::ControllerDateTime> Build(const PeriodGroup& g, const Names& names,
                                               std::string_view* refusal) {
    const std::optional<int> parts[] = {ListNumber(g.hour), ListNumber(g.minute),
                                        ListNumber(g.second)};
    const int limits[] = {24, 60, 60};
    const std::string_view texts[] = {names.hour, names.minute, names.second};
    for (int i = 0; i < 3; ++i) {
        if (!parts[i] || *parts[i] >= limits[i]) {
            *refusal = texts[i];
            return std::nullopt;
        }
    }
    return bytes::ControllerDateTime{
        static_cast<std::uint8_t>(g.date.year - 2000), static_cast<std::uint8_t>(g.date.month),
        static_cast<std::uint8_t>(g.date.day),         static_cast<std::uint8_t>(*parts[0]),
        static_cast<std::uint8_t>(*parts[1]),          static_cast<std::uint8_t>(*parts[2])};
}

}  // namespace

PeriodGroup GroupOf(const bytes::ControllerDateTime& dt) {
    return {tables::DateOf(dt), std::to_string(dt[tables::kHourByte]),
            std::to_string(dt[tables::kMinuteByte]), std::to_string(dt[tables::kSecondByte])};
}

PeriodDialogModel::PeriodDialogModel(settings::ArchiveChoices& choices, double now)
    : choices_(choices), now_(now) {}

int PeriodDialogModel::Preset() const {
    return PresetWithin(choices_.periodKind, kPresetCount);
}

PeriodEntry PeriodDialogModel::Choose(int preset) {
    preset = PresetWithin(preset, kPresetCount);
    choices_.periodKind = preset;
    if (preset == kGivenPeriod) {
        return {GroupOf(tables::EncodeNow(choices_.periodBegin)),
                GroupOf(tables::EncodeNow(choices_.periodEnd)), true};
    }
    const bytes::ControllerDateTime end = tables::EncodeNow(now_);
    const int unit = preset == 0 ? tables::kStepHour : tables::kStepDay;
    return {GroupOf(tables::StepBack(end, unit)), GroupOf(end), false};
}

PeriodVerdict PeriodDialogModel::Accept(const PeriodEntry& entry) {
    std::string_view refusal;
    const std::optional<bytes::ControllerDateTime> start =
        Build(entry.start, kStartNames, &refusal);
    if (!start) {
        return {std::nullopt, refusal, kOutOfRange};
    }
    const std::optional<bytes::ControllerDateTime> end = Build(entry.end, kEndNames, &refusal);
    if (!end) {
        return {std::nullopt, refusal, kOutOfRange};
    }
    if (tables::Compare6(*end, *start) < 0) {
        return {std::nullopt, kEndBeforeStart1, kEndBeforeStart2};
    }
    if (choices_.periodKind == kGivenPeriod) {
        choices_.periodBegin = tables::DecodeToPc(*start);
        choices_.periodEnd = tables::DecodeToPc(*end);
    }
    return {Period{*start, *end}, "", ""};
}

}  // namespace zor06::messages
