// The period dialog of the chromatograph and moisture-meter data archives without its widgets.
// "Now" is the controller's date and time; the period is kept at the archive's step.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "messages/archive_bounds.h"
#include "messages/dialog_verdict.h"
#include "settings/settings_types.h"

namespace zor06::messages {

// The data archives the dialog serves, by their archive kind numbers.
enum class DataArchive : int { Hourly = 0, Daily = 1, ThreeMinute = 3 };

struct ShortDateEntry {
    bytes::ControllerDateTime start{};  // the parts finer than the archive's step are 0
    bytes::ControllerDateTime end{};
    bool editable = false;
    bool operator==(const ShortDateEntry&) const = default;
};

class ShortDateModel {
public:
    ShortDateModel(DataArchive kind, const ArchiveBounds& bounds,
                   const bytes::ControllerDateTime& now, settings::ArchiveChoices& choices);

    std::vector<std::string_view> PresetTexts() const;
    std::string OldestLine() const;
    std::string NewestLine() const;
    int Preset() const;
    // The controls' values before any preset: for hourly and daily archives from the bounds.
    ShortDateEntry Initial() const;
    // The values for `preset` (remembered), starting from what the controls hold.
    ShortDateEntry Choose(int preset, const ShortDateEntry& current);
    // The checks of "Принять": order, overlap with the archive, the period moved inside it.
    PeriodVerdict Accept(const ShortDateEntry& entry);

private:
    int PresetCount() const;
    // "Дата и время <which> записи в архиве:" and `d` to the archive's step.
    std::string BoundLine(std::string_view which, const Date5& d) const;
    int GivenPreset() const { return PresetCount() - 1; }
    bytes::ControllerDateTime AtStep(bytes::ControllerDateTime dt) const;
    int Compare(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b) const;
    bytes::ControllerDateTime Oldest() const;
    bytes::ControllerDateTime Newest() const;

    DataArchive kind_;
    ArchiveBounds bounds_;
    bytes::ControllerDateTime now_;
    settings::ArchiveChoices& choices_;
};

}  // namespace zor06::messages
