// printf-style formatting into std::string: the system's texts are kept in their printf form.
#pragma once

#include <string>

namespace zor06::text {

[[gnu::format(printf, 1, 2)]] std::string Printf(const char* format, ...);

// A name taken from the controller made fit to be part of a file name: '/' and control
// characters become '_'.
std::string FileNamePart(std::string name);

}  // namespace zor06::text
