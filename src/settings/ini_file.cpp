#include "settings/ini_file.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "platform/file_io.h"
#include "text/codepage.h"
#include "text/cp1251_text.h"

namespace zor06::settings {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && text::UpperCp1251(a) == text::UpperCp1251(b);
}

// The name of a section header line, or none for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

// The key of a "key=value" line, or none.
std::optional<std::string_view> KeyOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(line.substr(0, equals));
}

std::string_view ValueOf(std::string_view line) {
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

}  // namespace

std::optional<int> ParseProfileInt(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::uint32_t value = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && text[digits] >= '0' && text[digits] <= '9'; ++digits) {
        value = value * 10U + static_cast<std::uint32_t>(text[digits] - '0');
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return static_cast<int>(negative ? 0U - value : value);
}

std::optional<double> ParseProfileDecimal(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

IniFile IniFile::FromBytes(std::string_view bytes) {
    IniFile ini;
    // An editor that saved the file as UTF-8 marked it so; it is written back as Windows-1251.
    ini.lines_ = bytes.starts_with(kUtf8Mark)
                     ? SplitLines(text::Utf8ToCp1251(bytes.substr(kUtf8Mark.size())))
                     : SplitLines(bytes);
    return ini;
}

std::string IniFile::ToBytes() const {
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<std::size_t> IniFile::FindSection(std::string_view name) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto header = HeaderName(lines_[i]);
        if (header && SameName(*header, name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::FindKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < lines_.size() && !HeaderName(lines_[i]); ++i) {
        const auto name = KeyOf(lines_[i]);
        if (name && SameName(*name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
    const auto header = FindSection(text::Utf8ToCp1251(section));
    if (!header) {
        return std::nullopt;
    }
    const auto line = FindKey(*header, text::Utf8ToCp1251(key));
    if (!line) {
        return std::nullopt;
    }
    return text::Cp1251ToUtf8(ValueOf(lines_[*line]));
}

std::string IniFile::ReadText(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
    auto value = Find(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int fallback) const {
    const auto value = Find(section, key);
    const auto number = value ? ParseProfileInt(*value) : std::nullopt;
    return number.value_or(fallback);
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string name = text::Utf8ToCp1251(section);
    const std::string keyText = text::Utf8ToCp1251(key);
    const std::string valueText = OneLine(text::Utf8ToCp1251(value));
    const auto header = FindSection(name);
    if (!header) {
        lines_.push_back("[" + name + "]");
        lines_.push_back(keyText + "=" + valueText);
        return;
    }
    if (const auto line = FindKey(*header, keyText)) {
        // Keeps the key as the file spells it.
        lines_[*line] = std::string(*KeyOf(lines_[*line])) + "=" + valueText;
        return;
    }
    // After the section's last non-blank line, so that blank lines before the next section stay.
    std::size_t last = *header;
    for (std::size_t i = *header + 1; i < lines_.size() && !HeaderName(lines_[i]); ++i) {
        if (!Trim(lines_[i]).empty()) {
            last = i;
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                  keyText + "=" + valueText);
}

void IniFile::WriteInt(std::string_view section, std::string_view key, long long value) {
    Write(section, key, std::to_string(value));
}

void IniFile::WriteSection(const IniSection& section) {
    for (const IniEntry& entry : section.entries) {
        if (entry.omitWhenEmpty && entry.value.empty() && !Find(section.name, entry.key)) {
            continue;
        }
        Write(section.name, entry.key, entry.value);
    }
}

std::optional<IniFile> LoadIniFile(const std::filesystem::path& path, std::string* reason) {
    std::string bytes;
    switch (platform::ReadWholeFile(path, &bytes, reason)) {
        case platform::ReadStatus::Read:
            return IniFile::FromBytes(bytes);
        case platform::ReadStatus::Missing:
            return IniFile{};
        case platform::ReadStatus::Failed:
            break;
    }
    return std::nullopt;
}

bool SaveIniFile(const std::filesystem::path& path, const IniFile& ini, std::string* reason) {
    return platform::WriteFileAtomically(path, ini.ToBytes(), reason);
}

}  // namespace zor06::settings
