// The layout of the tool's command list: forms from column 2 (their further lines indented under
// the arguments), summaries from column 33, beside the form's last line when it leaves room. A
// command's own help lists its options with help of their own the same way.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "zor06ctl/command_table.h"

namespace zor06::ctl {
namespace {

constexpr std::size_t kFormIndent = 2;
constexpr std::size_t kFormContinuationIndent = 11;
constexpr std::size_t kSummaryColumn = 33;
constexpr std::size_t kMinGap = 2;

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (true) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            return lines;
        }
        text.remove_prefix(end + 1);
    }
}

}  // namespace

std::string CommandListEntry(const Synopsis& synopsis) {
    std::string out;
    std::string line;
    for (const std::string_view form : Lines(synopsis.form)) {
        if (!line.empty()) {
            out += line + '\n';
        }
        line = std::string(out.empty() ? kFormIndent : kFormContinuationIndent, ' ');
        line += form;
    }
    for (const std::string_view summary : Lines(synopsis.summary)) {
        if (line.size() + kMinGap > kSummaryColumn) {
            out += line + '\n';
            line.clear();
        }
        line.resize(kSummaryColumn, ' ');
        line += summary;
        out += line + '\n';
        line.clear();
    }
    return out;
}

std::string CommandHelp(const Command& command) {
    std::string help(command.help);
    for (const Option& option : command.options) {
        if (option.help.empty()) {
            continue;
        }
        std::string form(option.name);
        if (option.TakesValue()) {
            form += ' ';
            form += option.value;
        }
        help += CommandListEntry({form, option.help});
    }
    return help;
}

}  // namespace zor06::ctl
