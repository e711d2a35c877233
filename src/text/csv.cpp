#include "text/csv.h"

namespace zor06::text {
namespace {

bool NeedsQuotes(std::string_view text) {
    return text.find_first_of(",\"\r\n") != std::string_view::npos ||
           (!text.empty() && (text.front() == ' ' || text.back() == ' '));
}

// A spreadsheet program takes a field that starts like this for a formula and runs it, and the
// texts come from controllers anyone may have named. Negative numbers and dash markers ("---")
// start with '-' too and are safe.
bool LooksLikeFormula(std::string_view text) {
    if (text.empty() || std::string_view("=+-@\t\r").find(text.front()) == std::string_view::npos) {
        return false;
    }
    if (text.front() != '-') {
        return true;
    }
    const std::string_view rest = text.substr(1);
    const bool dashes = rest.find_first_not_of('-') == std::string_view::npos;
    const bool startsAsNumber =
        !rest.empty() && ((rest.front() >= '0' && rest.front() <= '9') || rest.front() == '.');
    const bool number =
        startsAsNumber && rest.find_first_not_of("0123456789.eE+-") == std::string_view::npos;
    return !dashes && !number;
}

}  // namespace

std::string CsvField(std::string_view raw) {
    // The apostrophe makes such a text plain text, as spreadsheet programs show it.
    std::string guarded(LooksLikeFormula(raw) ? 1 : 0, '\'');
    guarded.append(raw);
    const std::string_view text = guarded;
    if (!NeedsQuotes(text)) {
        return guarded;
    }
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + '"';
}

std::string CsvRecord(std::span<const std::string> fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        record.append(i == 0 ? "" : ",").append(CsvField(fields[i]));
    }
    return record + "\r\n";
}

}  // namespace zor06::text
