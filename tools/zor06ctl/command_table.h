// The commands of zor06ctl, one row each: how the tool's help lists it, its own help, how it runs
// and the options it takes besides the link and the common ones. Each command's file defines its
// row; command_table.cpp orders them.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zor06::ctl {

struct Session;

// A form of the command and its summary as the tool's command list shows them; either may hold
// several lines.
struct Synopsis {
    std::string_view form;
    std::string_view summary;
};

// Why `value` does not suit the option `name`; empty when it does.
using OptionCheck = std::string (*)(std::string_view name, std::string_view value);

// An option of a command, read wherever it stands on the command line.
struct Option {
    std::string_view name;
    // The word for the value that follows it, as help shows it ("FILE"); empty when none does.
    std::string_view value = {};
    // What COMMAND --help adds about it after the command's text; empty when that text covers it.
    std::string_view help = {};
    // Refuses a value as the command line is read; none accepts any.
    OptionCheck check = nullptr;
    // Kept among the arguments, in order and with its value, for the command to read itself; taken
    // only after the command's name.
    bool amongArguments = false;

    constexpr bool TakesValue() const { return !value.empty(); }
};

struct Command {
    std::string_view name;
    std::span<const Synopsis> synopsis;
    std::string_view help;  // COMMAND --help
    int (*run)(Session&);
    std::span<const Option> options = {};
};

// Every command, in the order of the tool's command list.
std::span<const Command* const> Commands();
// None for a name no command has.
const Command* FindCommand(std::string_view name);
// The option of `command` named `option`; none when it takes no such option.
const Option* FindOption(const Command& command, std::string_view option);
// Whether some command's option of that name, one not kept among the arguments, takes a value:
// how the words before the command's name are read, while the command is not known yet.
bool SomeCommandsOptionTakesValue(std::string_view option);

// The lines of one synopsis in the tool's command list.
std::string CommandListEntry(const Synopsis& synopsis);
// COMMAND --help: the command's text, then the options that bring help of their own.
std::string CommandHelp(const Command& command);
// The help of `command`, or the tool's help when no command has that name.
std::string Usage(std::string_view command);

}  // namespace zor06::ctl
