#include "gasdata/passport_templates.h"

#include <system_error>

#include "gasdata/passport.h"
#include "platform/file_io.h"

namespace zor06::gasdata {

namespace fs = std::filesystem;

std::vector<fs::path> TemplateSources(const fs::path& programDir) {
    std::vector<fs::path> sources;
    if (!programDir.empty()) {
        sources.push_back(programDir);
        sources.push_back((programDir / ZOR06_TEMPLATES_FROM_PROGRAM).lexically_normal());
    }
#ifdef ZOR06_BUILT_TEMPLATES
    sources.emplace_back(ZOR06_BUILT_TEMPLATES);
#endif
    return sources;
}

std::vector<fs::path> TemplateSources() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return TemplateSources(ec ? fs::path() : program.parent_path());
}

void EnsurePassportTemplates(const fs::path& workDir, const std::vector<fs::path>& sources) {
    for (const char* name : {kDayTemplate, kMonthTemplate}) {
        std::error_code ec;
        if (fs::exists(workDir / name, ec) || ec) {
            continue;
        }
        for (const fs::path& dir : sources) {
            std::string bytes;
            std::string reason;
            if (platform::ReadWholeFile(dir / name, &bytes, &reason) ==
                    platform::ReadStatus::Read &&
                platform::WriteFileAtomically(workDir / name, bytes, &reason)) {
                break;
            }
        }
    }
}

}  // namespace zor06::gasdata
