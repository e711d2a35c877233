// Settings files of the INI form, read and written as the Windows profile functions do, so that
// files of the old program read here and files written here read there: Windows-1251 text, CRLF
// line ends, section and key names without regard to case, blanks around names and values
// ignored. Every line not touched by a write (comments, unknown keys, the order of keys and
// sections) stays as it was. Names and values are UTF-8 here.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zor06::settings {

// One key and its value as it is written; keys marked `omitWhenEmpty` are written empty only to
// blank a value already in the file.
struct IniEntry {
    std::string key;
    std::string value;
    bool omitWhenEmpty = false;
    bool operator==(const IniEntry&) const = default;
};

struct IniSection {
    std::string name;
    std::vector<IniEntry> entries;
    bool operator==(const IniSection&) const = default;
};

class IniFile {
public:
    // Windows-1251 text whose lines end with LF or CRLF; text after a UTF-8 byte-order mark is
    // UTF-8. The mark is never written back.
    static IniFile FromBytes(std::string_view bytes);
    std::string ToBytes() const;

    // The value of a key in the first section of that name, or none. A value enclosed in a
    // matching pair of quotes reads without them.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // A missing key gives the fallback; an empty value is an empty text.
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
    // A missing value, or one that does not begin with a number, gives the fallback.
    int ReadInt(std::string_view section, std::string_view key, int fallback) const;

    // Replaces the key's value in place, or adds the key after the last line of its section, or
    // adds the section at the end of the file. Line breaks in the value become blanks.
    void Write(std::string_view section, std::string_view key, std::string_view value);
    void WriteInt(std::string_view section, std::string_view key, long long value);
    void WriteSection(const IniSection& section);

private:
    std::optional<std::size_t> FindSection(std::string_view name) const;
    std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;

    std::vector<std::string> lines_;  // Windows-1251, without their line ends
};

// The profile functions' integer: blanks, an optional sign, then the leading digits (what follows
// them is ignored), wrapping to 32 bits. None when no digit follows the sign.
std::optional<int> ParseProfileInt(std::string_view text);
// A decimal number with a point, blanks around it allowed; none when anything else is in the text.
std::optional<double> ParseProfileDecimal(std::string_view text);

// A missing file reads as an empty one; none (with the system's `reason`) when the file is there
// but cannot be read, so that it is not overwritten by one made of defaults.
std::optional<IniFile> LoadIniFile(const std::filesystem::path& path, std::string* reason);
// Replaces the file atomically and durably; false with the system's `reason` when it cannot be
// written.
bool SaveIniFile(const std::filesystem::path& path, const IniFile& ini, std::string* reason);

}  // namespace zor06::settings
