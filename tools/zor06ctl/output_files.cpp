#include "zor06ctl/output_files.h"

#include <cstdio>
#include <system_error>

namespace zor06::ctl {

std::filesystem::path WithExtension(std::filesystem::path path, std::string_view extension) {
    if (!path.has_extension()) {
        path += extension;
    }
    return path;
}

bool MayWriteFiles(const CommandLine& cl, const std::vector<std::filesystem::path>& paths) {
    if (cl.yes) {
        return true;
    }
    for (const std::filesystem::path& path : paths) {
        std::error_code ec;
        if (!path.empty() && std::filesystem::exists(path, ec)) {
            std::fprintf(stderr, "Файл %s уже есть.\nОн заменяется только с --yes\n", path.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace zor06::ctl
