#include "app/work_dir_files.h"

#include <algorithm>
#include <string_view>
#include <system_error>

#include "gasdata/passport.h"
#include "settings/work_dir.h"

namespace zor06::app {
namespace {

namespace fs = std::filesystem;

bool ProgramsOwn(const fs::path& relative) {
    if (*relative.begin() == settings::IniDir({})) {  // "INI" and all below it
        return true;
    }
    if (relative.has_parent_path()) {
        return false;
    }
    const std::string name = relative.filename().string();
    const auto named = [&name](std::string_view own) { return name == own; };
    return named(gasdata::kDayTemplate) || named(gasdata::kMonthTemplate) ||
           std::ranges::any_of(kWorkFiles, named);
}

}  // namespace

std::optional<std::vector<fs::path>> SavedFiles(const fs::path& workDir) {
    std::vector<fs::path> saved;
    std::error_code error;
    fs::recursive_directory_iterator it(workDir, error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        std::error_code unreadable;  // a dangling link is no saved file
        if (it->is_regular_file(unreadable) &&
            !ProgramsOwn(it->path().lexically_relative(workDir))) {
            saved.push_back(it->path());
        }
    }
    if (error) {
        return std::nullopt;
    }
    std::ranges::sort(saved);
    return saved;
}

}  // namespace zor06::app
