// printf-style formatting into std::string: the system's texts are kept in their printf form.
#pragma once

#include <string>

namespace zor06::text {

[[gnu::format(printf, 1, 2)]] std::string Printf(const char* format, ...);

}  // namespace zor06::text
