#include "report/template_file.h"

#include "platform/file_io.h"

namespace zor06::report {
namespace {

std::string Megabytes(std::uintmax_t bytes) {
    return std::to_string(bytes / kMebibyte) + " МБ";
}

}  // namespace

TemplateRead ReadTemplateFile(const std::filesystem::path& path, std::string* bytes,
                              std::string* reason) {
    const std::string name = path.string();
    std::string why;
    switch (platform::ReadRegularFile(path, kMaxTemplateBytes, bytes, &why)) {
        case platform::RegularRead::Read:
            return TemplateRead::Read;
        case platform::RegularRead::Missing:
            return TemplateRead::Missing;
        case platform::RegularRead::NotRegular:
            *reason = "Шаблон " + name + " не является обычным файлом";
            break;
        case platform::RegularRead::TooLarge:
            *reason = "Шаблон " + name + " больше " + Megabytes(kMaxTemplateBytes);
            break;
        case platform::RegularRead::Failed:
            *reason = "Шаблон " + name + " не читается: " + why;
            break;
    }
    bytes->clear();
    return TemplateRead::Refused;
}

std::string OversizedPartText(const std::filesystem::path& path, std::string_view part) {
    return "Шаблон " + path.string() + ": часть " + std::string(part) +
           " распаковывается больше чем в " + Megabytes(kMaxTemplatePartBytes);
}

}  // namespace zor06::report
