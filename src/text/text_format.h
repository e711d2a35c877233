// printf-style formatting into std::string: the system's texts are kept in their printf form.
#pragma once

#include <string>
#include <string_view>

namespace zor06::text {

[[gnu::format(printf, 1, 2)]] std::string Printf(const char* format, ...);

// A name taken from the controller made fit to be part of a file name: '/' and control
// characters become '_'.
std::string FileNamePart(std::string name);

// The text without the blanks that pad it at either end (fields of the controller's records).
std::string_view TrimBlanks(std::string_view text);

}  // namespace zor06::text
