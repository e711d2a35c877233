// Comma-separated values for the tools that take a view's rows further: fields that hold a
// comma, a double quote, CR, LF or blanks at either end are quoted with their quotes doubled,
// and every record ends with CRLF. Texts go out as they are inside the program, UTF-8.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zor06::text {

// The field as it stands in a record. Blanks at either end are kept and quoted, so that a reader
// which trims unquoted fields still gets them. A text a spreadsheet program would run as a
// formula ("=...", "+...", "@...", "-" not before a number) gets a leading apostrophe.
std::string CsvField(std::string_view text);

// The fields joined by commas, with the CRLF that ends the record.
std::string CsvRecord(std::span<const std::string> fields);

}  // namespace zor06::text
