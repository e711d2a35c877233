#include "link/dial_number.h"

#include <algorithm>
#include <optional>

#include "link/link_parameters.h"
#include "link/modem_dialogue.h"

namespace zor06::link {
namespace {

constexpr int kAfterInitMs = 2000;
constexpr int kBetweenCommandsMs = 200;
constexpr int kAfterConnectMs = 200;

bool IsLetter(char c, char upper) {
    return c == upper || c == upper - 'A' + 'a';
}

// One attempt's modem commands: none when all were confirmed, else the attempt's result.
std::optional<ModemResult> SendModemCommands(ModemPort& port,
                                             const std::vector<std::string>& commands, int waitMs) {
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (i > 0 && !PauseFor(port, kBetweenCommandsMs)) {
            return ModemResult::Interrupted;
        }
        const AtReply reply = SendAtCommand(port, commands[i], waitMs, true);
        if (reply.result != ModemResult::Connected) {
            return reply.result;
        }
        if (!ContainsEitherCase(reply.text, "OK")) {
            return ModemResult::NotConnected;
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> SplitModemCommands(std::string_view commandText) {
    std::vector<std::string> commands;
    std::size_t i = 0;
    while (i + 1 < commandText.size()) {
        if (!IsLetter(commandText[i], 'A') || !IsLetter(commandText[i + 1], 'T')) {
            ++i;
            continue;
        }
        const std::size_t end = std::min(commandText.find('^', i), commandText.size());
        commands.push_back(std::string(commandText.substr(i, end - i)) + '\r');
        i = end;
    }
    return commands;
}

std::string DialCommand(std::string_view number) {
    std::string command = "ATD";
    std::ranges::copy_if(number, std::back_inserter(command),
                         [](char c) { return c != ' ' && c != '-' && c != '(' && c != ')'; });
    return command + '\r';
}

ModemResult Dial(ModemPort& port, const DialRequest& request) {
    std::optional<dialogue::LongOperation> escape;
    if (port.op != nullptr) {
        escape.emplace(*port.op);
    }
    if (const ModemResult init = ModemInit(port); init != ModemResult::Connected) {
        return init;
    }
    const std::vector<std::string> commands = SplitModemCommands(request.commandText);
    const std::string dial = DialCommand(request.number);
    if (!PauseFor(port, kAfterInitMs)) {
        return ModemResult::Interrupted;
    }
    const int waitMs = SecondsToMillis(request.connectWaitS);
    ModemResult result = ModemResult::NotConnected;
    for (int attempt = 0; attempt < request.attempts; ++attempt) {
        if (const auto failed = SendModemCommands(port, commands, waitMs)) {
            result = *failed;
        } else {
            const GsmState gsm = CheckGsm(port);
            if (gsm != GsmState::Ready) {
                return gsm == GsmState::Interrupted ? ModemResult::Interrupted
                                                    : ModemResult::GsmNotReady;
            }
            const AtReply reply = SendAtCommand(port, dial, waitMs, true);
            if (reply.result == ModemResult::Connected && ContainsEitherCase(reply.text, "ONNE")) {
                // The call is up now: an Esc here no longer undoes it.
                PauseFor(port, kAfterConnectMs);
                return ModemResult::Connected;
            }
            result =
                reply.result == ModemResult::Connected ? ModemResult::NotConnected : reply.result;
        }
        if (result == ModemResult::Interrupted) {
            return result;
        }
    }
    return result;
}

}  // namespace zor06::link
