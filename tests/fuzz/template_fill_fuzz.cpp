// Arbitrary bytes given as a passport template (an operator may replace the templates): filling
// them either fails with a reason and leaves no output file, or writes one.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "report/template_fill.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    static const fs::path dir =
        fs::temp_directory_path() / ("zor06-template-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path input = dir / "template.xlsx";
    const fs::path output = dir / "filled.xlsx";
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::error_code ec;
    fs::remove(output, ec);
    const std::vector<zor06::report::TemplateCell> cells{
        zor06::report::TemplateCell::Number(10, 2, 94.5F),
        zor06::report::TemplateCell::Text(2, 28, "Серийный номер"),
        zor06::report::TemplateCell::Number(41, 15, 8260.3F)};
    std::string reason;
    const bool filled = zor06::report::FillTemplate(input, cells, output, &reason);
    if (!filled && (fs::exists(output, ec) || reason.empty())) {
        std::abort();
    }
    return 0;
}
