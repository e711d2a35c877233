// The simulator's options, one row each: the name, the argument and the help its --help shows,
// and how the option changes the options.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "zor06-sim/options.h"

namespace zor06::sim {

// A flag or a text returns an error message, empty when it was taken.
using FlagSetter = std::string (*)(Options&);
using TextSetter = std::string (*)(Options&, std::string_view);
// A decimal number within [min, max].
struct NumberSetter {
    long min;
    long max;
    void (*set)(Options&, long);
};

struct OptionRow {
    std::string_view name;
    std::string_view argument;  // as the help shows it; empty for a flag
    // Lines beside the name from column 26; a first line break puts them under the name, a
    // leading blank widens the gap. Empty for an option another one's help describes.
    std::string_view help;
    std::variant<FlagSetter, TextSetter, NumberSetter> apply;
};

// A heading, its options and a note under them.
struct OptionSection {
    std::string_view heading;
    std::span<const OptionRow> options;
    std::string_view note = {};
};

// The lines of one option in --help.
std::string OptionHelp(const OptionRow& row);
// The heading, the options' lines and the note of one section.
std::string SectionHelp(const OptionSection& section);

}  // namespace zor06::sim
