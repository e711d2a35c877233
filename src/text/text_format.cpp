#include "text/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace zor06::text {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (size > 0) {
        out.resize(static_cast<std::size_t>(size) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<std::size_t>(size));
    }
    va_end(args);
    return out;
}

std::string FileNamePart(std::string name) {
    for (char& c : name) {
        if (c == '/' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '_';
        }
    }
    return name;
}

}  // namespace zor06::text
