#include "zor06ctl/shared_options.h"

#include "zor06ctl/hex.h"

namespace zor06::ctl {

std::string NeedsValue(std::string_view name, std::string_view value) {
    return value.empty() ? std::string(name) + " needs a value" : std::string();
}

std::string NeedsFileName(std::string_view name, std::string_view value) {
    return value.empty() ? std::string(name) + " needs a file name" : std::string();
}

std::string RunNumber(std::string_view name, std::string_view value) {
    return ParseInt(value, 1, 2) ? std::string() : std::string(name) + " takes 1 or 2";
}

std::string SaveFileOf(const CommandLine& cl) {
    return cl.ValueOf({kOutOption.name, kSaveOption.name});
}

std::string PdfFileOf(const CommandLine& cl) {
    return cl.ValueOf({kPdfOption.name});
}

std::string XlsxFileOf(const CommandLine& cl) {
    return cl.ValueOf({kXlsxOption.name});
}

int RunOf(const CommandLine& cl) {
    return ParseInt(cl.ValueOf({kRunOption.name}), 1, 2).value_or(0);
}

DataOptions DataOptionsOf(const CommandLine& cl) {
    DataOptions options;
    options.run = RunOf(cl);
    options.from = cl.ValueOf({kFromOption.name});
    options.to = cl.ValueOf({kToOption.name});
    options.lastDay = cl.Given(kLastDayOption.name);
    options.lastMonth = cl.Given(kLastMonthOption.name);
    return options;
}

}  // namespace zor06::ctl
