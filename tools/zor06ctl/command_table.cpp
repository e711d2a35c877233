#include "zor06ctl/command_table.h"

#include <algorithm>

#include "zor06ctl/commands.h"

namespace zor06::ctl {
namespace {

// The order of the tool's command list.
constexpr const Command* kCommands[] = {
    &kReadTableCommand,    &kWriteTableCommand,    &kRequestCommand,     &kIdentifyCommand,
    &kReadConfigCommand,   &kSearchCommand,        &kClockCommand,       &kSyncClockCommand,
    &kUsersCommand,        &kSaveConfigCommand,    &kWriteConfigCommand, &kShowConfigCommand,
    &kProtocolCommand,     &kPrintProtocolCommand, &kStatusCommand,      &kFunctionsCommand,
    &kShowMessagesCommand, &kMessagesCommand,      &kBoundsCommand,      &kChromatographCommand,
    &kMoistureCommand,     &kMomentaryCommand,     &kExtraParamsCommand, &kShowDataCommand,
    &kPassportCommand,
};

}  // namespace

std::span<const Command* const> Commands() {
    return kCommands;
}

const Command* FindCommand(std::string_view name) {
    const auto it = std::ranges::find(kCommands, name, &Command::name);
    return it == std::end(kCommands) ? nullptr : *it;
}

const OwnOption* FindOwnOption(std::string_view command, std::string_view option) {
    const Command* row = FindCommand(command);
    if (row == nullptr) {
        return nullptr;
    }
    const auto it = std::ranges::find(row->ownOptions, option, &OwnOption::name);
    return it == row->ownOptions.end() ? nullptr : &*it;
}

}  // namespace zor06::ctl
