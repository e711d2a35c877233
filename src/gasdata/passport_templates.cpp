#include "gasdata/passport_templates.h"

#include <system_error>

#include "platform/file_io.h"
#include "report/template_file.h"

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

bool EnsurePassportTemplate(const fs::path& workDir, std::string_view name,
                            const std::vector<fs::path>& sources, std::string* reason) {
    std::error_code ec;
    if (fs::exists(workDir / name, ec) || ec) {
        return true;
    }
    for (const fs::path& dir : sources) {
        std::string bytes;
        switch (report::ReadTemplateFile(dir / name, &bytes, reason)) {
            case report::TemplateRead::Missing:
                continue;
            case report::TemplateRead::Refused:
                return false;
            case report::TemplateRead::Read:
                break;
        }
        const fs::path copy = workDir / name;
        std::string why;
        if (!platform::WriteFileAtomically(copy, bytes, &why)) {
            *reason = copy.string() + ": " + why;
            return false;
        }
        return true;
    }
    return true;
}

}  // namespace zor06::gasdata
