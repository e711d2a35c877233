// Reads CSV back as a strict RFC 4180 reader would: records ended by CRLF, quoted fields with
// doubled quotes. None when the text breaks those rules, so that a test fails on it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zor06::test {

using CsvRecords = std::vector<std::vector<std::string>>;

inline std::optional<CsvRecords> ParseCsv(std::string_view text) {
    CsvRecords records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;  // inside a quoted field
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (text.substr(i, 2) == "\"\"") {
                field += c;
                ++i;
            } else if (i + 1 < text.size() && text[i + 1] != ',' && text[i + 1] != '\r') {
                return std::nullopt;  // text after the closing quote
            } else {
                quoted = false;
            }
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else if (c == ',' || text.substr(i, 2) == "\r\n") {
            record.push_back(std::move(field));
            field.clear();
            if (c == '\r') {
                records.push_back(std::move(record));
                record.clear();
                ++i;
            }
        } else if (c == '"' || c == '\r' || c == '\n') {
            return std::nullopt;  // a quote inside an unquoted field, a bare CR or LF
        } else {
            field += c;
        }
    }
    if (quoted || !record.empty() || !field.empty()) {
        return std::nullopt;  // an unclosed quote, or the last record lacks its CRLF
    }
    return records;
}

}  // namespace zor06::test
