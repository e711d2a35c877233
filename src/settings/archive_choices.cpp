#include "settings/archive_choices.h"

#include <string>

#include "settings/date_text.h"
#include "settings/ini_values.h"

namespace zor06::settings {
namespace {

constexpr char kSection[] = "ARH_PAR";

// A moment the dialogs cannot show (their dates are the controller's) is no usable choice.
double ReadMoment(const IniFile& ini, const char* key, double now) {
    const auto text = ini.Find(kSection, key);
    const auto moment = text ? ParseDateTime(*text) : std::nullopt;
    return moment && InControllerYears(*moment) ? *moment : now;
}

}  // namespace

ArchiveChoices ReadArchiveChoices(const IniFile& ini, double now) {
    const ArchiveChoices def;
    ArchiveChoices choices;
    choices.periodKind = ini.ReadInt(kSection, "per_kind", def.periodKind);
    choices.indexKind = ini.ReadInt(kSection, "ind_kind", def.indexKind);
    choices.periodBegin = ReadMoment(ini, "curr_dt_beg", now);
    choices.periodEnd = ReadMoment(ini, "curr_dt_end", now);
    return choices;
}

IniSection ArchiveChoicesSection(const ArchiveChoices& choices) {
    return {kSection,
            {NumberEntry("per_kind", choices.periodKind),
             NumberEntry("ind_kind", choices.indexKind),
             {"curr_dt_beg", FormatDateTime(choices.periodBegin)},
             {"curr_dt_end", FormatDateTime(choices.periodEnd)}}};
}

}  // namespace zor06::settings
