// Reading a spreadsheet template that anyone may have put in its place: only a regular file of a
// sane size is read, and none of the parts it unpacks to may be larger than a sane size either,
// so that a FIFO, a device or a small archive that unpacks to gigabytes cannot hang the program
// or eat its memory. The real templates are a few tens of kilobytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zor06::report {

inline constexpr std::uintmax_t kMebibyte = 1024 * 1024;
inline constexpr std::uintmax_t kMaxTemplateBytes = 16 * kMebibyte;
inline constexpr std::uintmax_t kMaxTemplatePartBytes = 64 * kMebibyte;

enum class TemplateRead { Read, Missing, Refused };

// Reads the template at `path`; when Refused, `reason` is a message naming the file.
TemplateRead ReadTemplateFile(const std::filesystem::path& path, std::string* bytes,
                              std::string* reason);

// The message for a template one of whose parts unpacks to more than kMaxTemplatePartBytes.
std::string OversizedPartText(const std::filesystem::path& path, std::string_view part);

}  // namespace zor06::report
