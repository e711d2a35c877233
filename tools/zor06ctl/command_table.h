// The commands of zor06ctl, one row each: how the tool's help lists it, its own help, how it runs
// and the options only it reads. Each command's file defines its row; command_table.cpp orders
// them.
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

// An option the command reads itself: the parser keeps it among the arguments, in order, with
// the argument after it when it takes a value.
struct OwnOption {
    std::string_view name;
    bool takesValue;
};

struct Command {
    std::string_view name;
    std::span<const Synopsis> synopsis;
    std::string_view help;  // COMMAND --help
    int (*run)(Session&);
    std::span<const OwnOption> ownOptions = {};
};

// Every command, in the order of the tool's command list.
std::span<const Command* const> Commands();
// None for a name no command has.
const Command* FindCommand(std::string_view name);
// The option named `option` that `command` reads itself; none when it reads no such option.
const OwnOption* FindOwnOption(std::string_view command, std::string_view option);

// The lines of one synopsis in the tool's command list.
std::string CommandListEntry(const Synopsis& synopsis);
// The help of `command`, or the tool's help when no command has that name.
std::string Usage(std::string_view command);

}  // namespace zor06::ctl
