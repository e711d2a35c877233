#include "messages/index_dialog_model.h"

#include <optional>

namespace zor06::messages {
namespace {

constexpr std::uint32_t kLastCounts[] = {100, 50, 10};  // presets 1, 2, 3

// Digits only; a number past 32 bits counts as the largest one.
std::optional<std::uint32_t> EntryNumber(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = std::min<std::uint64_t>(value * 10 + static_cast<unsigned>(c - '0'), 0xFFFFFFFFULL);
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

int PresetWithin(int stored, int count) {
    return stored >= 0 && stored < count ? stored : count - 1;
}

IndexDialogModel::IndexDialogModel(Archive archive, IndexBounds bounds,
                                   settings::ArchiveChoices& choices)
    : archive_(archive), bounds_(bounds), choices_(choices) {}

std::string_view IndexDialogModel::Caption() const {
    return archive_ == Archive::Interventions ? "Индексы архивных записей о вмешательствах"
                                              : "Индексы архивных записей диагностики";
}

int IndexDialogModel::Preset() const {
    return PresetWithin(choices_.indexKind, kPresetCount);
}

IndexFields IndexDialogModel::Choose(int preset) {
    preset = PresetWithin(preset, kPresetCount);
    choices_.indexKind = preset;
    if (preset == kPresetCount - 1) {
        return {"", "", true};
    }
    const IndexSelection s =
        preset == 0 ? WholeRange(bounds_) : LastRecords(bounds_, kLastCounts[preset - 1]);
    return {std::to_string(s.start), std::to_string(s.count), false};
}

IndexVerdict IndexDialogModel::Accept(std::string_view start, std::string_view count) const {
    return CheckIndexEntry(bounds_, EntryNumber(start), EntryNumber(count));
}

}  // namespace zor06::messages
