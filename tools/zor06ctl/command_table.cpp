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
    &kPassportCommand,     &kGasPropertiesCommand, &kCollectCommand,     &kDbCommand,
};

}  // namespace

std::span<const Command* const> Commands() {
    return kCommands;
}

const Command* FindCommand(std::string_view name) {
    const auto it = std::ranges::find(kCommands, name, &Command::name);
    return it == std::end(kCommands) ? nullptr : *it;
}

const Option* FindOption(const Command& command, std::string_view option) {
    const auto it = std::ranges::find(command.options, option, &Option::name);
    return it == command.options.end() ? nullptr : &*it;
}

bool SomeCommandsOptionTakesValue(std::string_view option) {
    return std::ranges::any_of(kCommands, [option](const Command* command) {
        const Option* found = FindOption(*command, option);
        return found != nullptr && found->TakesValue() && !found->amongArguments;
    });
}

}  // namespace zor06::ctl
