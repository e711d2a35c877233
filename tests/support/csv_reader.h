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
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"' && field.empty()) {
            for (++i;; ++i) {
                if (i >= text.size()) {
                    return std::nullopt;  // unclosed quote
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
            if (i < text.size() && text[i] != ',' && text.substr(i, 2) != "\r\n") {
                return std::nullopt;  // text after the closing quote
            }
        }
        if (text.substr(i, 2) == "\r\n") {
            record.push_back(std::move(field));
            records.push_back(std::move(record));
            record.clear();
            field.clear();
            i += 2;
        } else if (i < text.size() && text[i] == ',') {
            record.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (i < text.size() && text[i] != '"' && text[i] != '\r' && text[i] != '\n') {
            field += text[i++];
        } else {
            return std::nullopt;  // a quote inside an unquoted field, a bare CR or LF
        }
    }
    if (!record.empty() || !field.empty()) {
        return std::nullopt;  // the last record lacks its CRLF
    }
    return records;
}

}  // namespace zor06::test
