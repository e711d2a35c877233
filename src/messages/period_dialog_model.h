// The period dialog of the message archives without its widgets: the presets and the checks of
// "Принять". "Now" is the PC clock, passed in.
#pragma once

#include <string>

#include "messages/dialog_verdict.h"
#include "settings/settings_types.h"
#include "tables/controller_date.h"

namespace zor06::messages {

// One group of the dialog: the picked date and the texts of its hour, minute and second lists.
struct PeriodGroup {
    tables::CalendarDate date{2000, 1, 1};
    std::string hour;
    std::string minute;
    std::string second;
    bool operator==(const PeriodGroup&) const = default;
};

struct PeriodEntry {
    PeriodGroup start;
    PeriodGroup end;
    bool editable = false;
};

class PeriodDialogModel {
public:
    static constexpr int kPresetCount = 3;
    static constexpr int kGivenPeriod = 2;

    PeriodDialogModel(settings::ArchiveChoices& choices, double now);

    int Preset() const;
    // The controls' values for `preset`, which is remembered.
    PeriodEntry Choose(int preset);
    // The checks of "Принять"; a given period is remembered when it is accepted.
    PeriodVerdict Accept(const PeriodEntry& entry);

private:
    settings::ArchiveChoices& choices_;
    double now_;
};

PeriodGroup GroupOf(const bytes::ControllerDateTime& dt);

}  // namespace zor06::messages
