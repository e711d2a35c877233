#include "gasdata/heading_text.h"

#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

// A line ending in a hyphen goes on in the next one: after a Cyrillic letter the hyphen breaks a
// word ("Темпера-", "тура газа,") and goes; after a Latin one it is part of the name ("neo-",
// "пентана,").
void Append(std::string& name, std::string_view part) {
    if (name.ends_with('-')) {
        const bool brokenWord =
            name.size() >= 2 && static_cast<unsigned char>(name[name.size() - 2]) >= 0x80;
        if (brokenWord) {
            name.pop_back();
        }
    } else if (!name.empty()) {
        name += ' ';
    }
    name += part;
}

}  // namespace

std::string HeadingName(const ColumnHeading& heading) {
    std::string name;
    for (const std::string& line : heading.lines) {
        const std::string_view part = text::TrimBlanks(line);
        if (!part.empty()) {
            Append(name, part);
        }
    }
    if (name.ends_with(',')) {
        name.pop_back();
    }
    return name;
}

std::string HeadingText(const ColumnHeading& heading) {
    std::string name = HeadingName(heading);
    const std::string_view unit = text::TrimBlanks(heading.unit);
    if (!unit.empty()) {
        name.append(name.empty() ? "" : ", ").append(unit);
    }
    return name;
}

}  // namespace zor06::gasdata
