#include "text/csv.h"

namespace zor06::text {
namespace {

bool NeedsQuotes(std::string_view text) {
    return text.find_first_of(",\"\r\n") != std::string_view::npos ||
           (!text.empty() && (text.front() == ' ' || text.back() == ' '));
}

}  // namespace

std::string CsvField(std::string_view text) {
    if (!NeedsQuotes(text)) {
        return std::string(text);
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
