// The index dialog without its widgets: caption, presets and what "Принять" accepts.
#pragma once

#include <string>
#include <string_view>

#include "messages/archive_kind.h"
#include "messages/index_range.h"
#include "settings/settings_types.h"

namespace zor06::messages {

struct IndexFields {
    std::string start;
    std::string count;
    bool editable = false;  // the fields take entries (and the focus) only for a given range
};

class IndexDialogModel {
public:
    static constexpr int kPresetCount = 5;

    IndexDialogModel(Archive archive, IndexBounds bounds, settings::ArchiveChoices& choices);

    std::string_view Caption() const;
    const IndexBounds& Bounds() const { return bounds_; }
    // The remembered preset; one the dialog does not have selects its last.
    int Preset() const;
    // Fills the fields for `preset` and remembers it.
    IndexFields Choose(int preset);
    // The checks of "Принять" on the two entry texts (digits only; empty is "not entered").
    IndexVerdict Accept(std::string_view start, std::string_view count) const;

private:
    Archive archive_;
    IndexBounds bounds_;
    settings::ArchiveChoices& choices_;
};

// A radio choice that the stored preset does not have selects the last one.
int PresetWithin(int stored, int count);

}  // namespace zor06::messages
