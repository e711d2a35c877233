// Any bytes read as rd_arh_par.ini: each remembered moment is the moment of reading or one the
// controller's date can hold, the dialogs open on presets they have, and the choices written back
// read back the same.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "messages/period_dialog_model.h"
#include "messages/short_date_model.h"
#include "settings/archive_choices.h"
#include "settings/date_text.h"
#include "tables/controller_date.h"

namespace {

using namespace zor06;

constexpr double kNow = 45356.5;  // 05.03.2024 12:00:00
constexpr double kHalfSecond = 0.5 / 86400;

// The controller's six bytes keep the moment, to the second.
bool ControllerCanHold(double moment) {
    return std::fabs(tables::DecodeToPc(tables::EncodeNow(moment)) - moment) < kHalfSecond;
}

bool ValidGroup(const messages::PeriodGroup& g) {
    return g.date.year >= 2000 && g.date.year <= 2255 && g.date.month >= 1 && g.date.month <= 12 &&
           g.date.day >= 1 && g.date.day <= tables::DaysInMonth(g.date.year, g.date.month);
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    settings::IniFile ini =
        settings::IniFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    settings::ArchiveChoices choices = settings::ReadArchiveChoices(ini, kNow);
    Require(ControllerCanHold(choices.periodBegin) && ControllerCanHold(choices.periodEnd));

    ini.WriteSection(settings::ArchiveChoicesSection(choices));
    const settings::ArchiveChoices again = settings::ReadArchiveChoices(ini, kNow);
    Require(again.periodKind == choices.periodKind && again.indexKind == choices.indexKind &&
            settings::FormatDateTime(again.periodBegin) ==
                settings::FormatDateTime(choices.periodBegin) &&
            settings::FormatDateTime(again.periodEnd) ==
                settings::FormatDateTime(choices.periodEnd));

    messages::PeriodDialogModel messagePeriod(choices, kNow);
    const int preset = messagePeriod.Preset();
    Require(preset >= 0 && preset < messages::PeriodDialogModel::kPresetCount);
    const messages::PeriodEntry given =
        messagePeriod.Choose(messages::PeriodDialogModel::kGivenPeriod);
    Require(ValidGroup(given.start) && ValidGroup(given.end));

    const bytes::ControllerDateTime now = tables::EncodeNow(kNow);
    const messages::ArchiveBounds bounds{{24, 1, 1, 0, 0}, {24, 3, 5, 11, 57}};
    for (const auto kind : {messages::DataArchive::Hourly, messages::DataArchive::Daily,
                            messages::DataArchive::ThreeMinute}) {
        settings::ArchiveChoices own = choices;
        messages::ShortDateModel dataPeriod(kind, bounds, now, own);
        const int presets = static_cast<int>(dataPeriod.PresetTexts().size());
        Require(dataPeriod.Preset() >= 0 && dataPeriod.Preset() < presets);
        const messages::ShortDateEntry entry = dataPeriod.Choose(presets - 1, dataPeriod.Initial());
        Require(tables::IsValid(entry.start) && tables::IsValid(entry.end));
    }
    return 0;
}
