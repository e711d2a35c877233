// The layout of --help: names from column 2, their help from column 26.
#include <algorithm>
#include <cstddef>

#include "zor06-sim/option_table.h"

namespace zor06::sim {
namespace {

constexpr std::size_t kNameIndent = 2;
constexpr std::size_t kHelpColumn = 26;

// Each line of `text` after `indent` blanks.
std::string Indented(std::string_view text, std::size_t indent) {
    std::string out;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        out += std::string(indent, ' ') + std::string(text.substr(0, end)) + '\n';
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return out;
}

}  // namespace

std::string OptionHelp(const OptionRow& row) {
    if (row.help.empty()) {
        return {};
    }
    std::string label = std::string(kNameIndent, ' ') + std::string(row.name);
    if (!row.argument.empty()) {
        label += ' ' + std::string(row.argument);
    }
    std::string_view help = row.help;
    if (help.starts_with('\n')) {
        help.remove_prefix(1);
        return label + '\n' + Indented(help, kHelpColumn);
    }
    label.resize(std::max(kHelpColumn, label.size() + 1), ' ');
    return label + Indented(help, kHelpColumn).substr(kHelpColumn);
}

std::string SectionHelp(const OptionSection& section) {
    std::string out = std::string(section.heading) + '\n';
    for (const OptionRow& row : section.options) {
        out += OptionHelp(row);
    }
    return out + Indented(section.note, kNameIndent);
}

}  // namespace zor06::sim
