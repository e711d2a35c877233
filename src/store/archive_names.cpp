#include <optional>
#include <string_view>

#include "store/archive_kinds.h"
#include "store/collection_store.h"

namespace zor06::store {
namespace {

constexpr std::string_view kNames[] = {
    "3min",          "hour",         "day",           "moisture-3min",
    "moisture-hour", "moisture-day", "interventions", "diagnostics",
};
static_assert(std::size(kNames) == kArchiveCount);

constexpr int kChrValues = 20;
constexpr int kWmtValues = 4;
constexpr int kChrRuns[] = {1, 2};
constexpr int kNoRun[] = {0};

bool IsMoisture(Archive archive) {
    return archive == Archive::WmtMinute || archive == Archive::WmtHour ||
           archive == Archive::WmtDay;
}

}  // namespace

std::string_view ArchiveName(Archive archive) {
    return kNames[static_cast<int>(archive)];
}

std::optional<Archive> ArchiveByName(std::string_view name) {
    for (const Archive archive : kAllArchives) {
        if (ArchiveName(archive) == name) {
            return archive;
        }
    }
    return std::nullopt;
}

bool IsMessageArchive(Archive archive) {
    return archive == Archive::Interventions || archive == Archive::Diagnostics;
}

int ValueCount(Archive archive) {
    if (IsMessageArchive(archive)) {
        return 0;
    }
    return IsMoisture(archive) ? kWmtValues : kChrValues;
}

std::span<const int> RunsOf(Archive archive) {
    if (IsMessageArchive(archive) || IsMoisture(archive)) {
        return kNoRun;
    }
    return kChrRuns;
}

}  // namespace zor06::store
