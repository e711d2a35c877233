#include "settings/connection_procedure.h"

#include <charconv>
#include <string_view>

#include "link/frame.h"
#include "link/hgcbox.h"
#include "link/open_link.h"
#include "link/tcp_connect.h"
#include "settings/link_choice.h"
#include "settings/link_targets.h"

namespace zor06::settings {
namespace {

constexpr int kMinAddress = 1;
constexpr int kMaxAddress = link::kBroadcastAddress;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The typed address when it is a whole number in 1..255.
std::optional<int> AddressIn(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < kMinAddress ||
        value > kMaxAddress) {
        return std::nullopt;
    }
    return value;
}

bool Incomplete(dialogue::Operator& op) {
    op.ShowMessage(dialogue::MessageKind::InputError, "Введены не все параметры", "");
    return false;
}

bool ConnectEthernet(link::hgcbox& link, ProgramSettings& settings, int row, int address,
                     dialogue::Operator& op, const ConnectEnvironment& env) {
    std::optional<link::EthernetSubscriber> target;
    if (const EthernetEntry* entry = EntryAt(settings.ethernet, row)) {
        target = ConnectionTarget(*entry);
    }
    return link::TcpConnect(link, settings.link.ethernet, target ? &*target : nullptr, address, op,
                            *env.sockets, *env.clock);
}

bool ConnectLine(link::hgcbox& link, ProgramSettings& settings, link::LinkKind kind, int row,
                 int address, dialogue::Operator& op, const ConnectEnvironment& env) {
    link::LinkParameters& record = KindRecord(settings.link, kind);
    record.address = static_cast<std::uint8_t>(address);
    if (kind == link::LinkKind::Telephone && EntryAt(settings.phones, row) == nullptr) {
        return Incomplete(op);
    }
    if (env.settingsChanged) {
        env.settingsChanged();
    }
    return link::OpenLink(link, LinkParametersFor(settings.link, kind), {}, op, *env.sockets,
                          *env.clock);
}

}  // namespace

bool Connect(link::hgcbox& link, ProgramSettings& settings, const ConnectChoice& choice,
             dialogue::Operator& op, const ConnectEnvironment& env) {
    const std::string_view typed = Trimmed(choice.address);
    if (typed.empty() || !choice.kind) {
        return Incomplete(op);
    }
    const std::optional<int> address = AddressIn(typed);
    if (!address) {
        op.ShowMessage(dialogue::MessageKind::InputError, "Адрес вне допустимого диапазона",
                       "(1...255)");
        return false;
    }
    link.ClosePort();
    if (*choice.kind == link::LinkKind::Ethernet) {
        return ConnectEthernet(link, settings, choice.subscriber, *address, op, env);
    }
    return ConnectLine(link, settings, *choice.kind, choice.subscriber, *address, op, env);
}

ConnectChoice StoredChoice(const ProgramSettings& settings) {
    ConnectChoice choice;
    choice.kind = CurrentLinkKind(settings.link);
    if (!choice.kind) {
        return choice;
    }
    const auto fromList = [&choice](const auto& list) {
        if (const auto* entry = CurrentEntry(list)) {
            choice.subscriber = list.current;
            choice.address = std::to_string(entry->address);
        }
    };
    switch (*choice.kind) {
        case link::LinkKind::Direct:
            choice.address = std::to_string(settings.link.direct.address);
            break;
        case link::LinkKind::Telephone:
            fromList(settings.phones);
            break;
        case link::LinkKind::Ethernet:
            fromList(settings.ethernet);
            break;
    }
    return choice;
}

}  // namespace zor06::settings
