#include "settings/work_dir.h"

#include <cstdlib>
#include <system_error>

namespace zor06::settings {
namespace {

constexpr char kProgramDir[] = "zor06";

bool MakeDirectory(const std::filesystem::path& dir, std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!ec && !std::filesystem::is_directory(dir, ec)) {
        ec = std::make_error_code(std::errc::not_a_directory);
    }
    if (ec) {
        *error = "Не удалось создать каталог " + dir.string() + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::filesystem::path> DefaultWorkDir(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is to be ignored.
    if (xdgDataHome != nullptr && std::filesystem::path(xdgDataHome).is_absolute()) {
        return std::filesystem::path(xdgDataHome) / kProgramDir;
    }
    if (home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".local" / "share" / kProgramDir;
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> PrepareWorkDir(const std::filesystem::path& requested,
                                                    std::string* error) {
    auto dir = requested.empty() ? DefaultWorkDir(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))
                                 : std::optional<std::filesystem::path>(requested);
    if (!dir) {
        *error = "Рабочий каталог не задан, а HOME не определён";
        return std::nullopt;
    }
    if (!MakeDirectory(*dir, error)) {
        return std::nullopt;
    }
    for (const char* sub : kWorkSubdirs) {
        if (!MakeDirectory(*dir / sub, error)) {
            return std::nullopt;
        }
    }
    return dir;
}

}  // namespace zor06::settings
