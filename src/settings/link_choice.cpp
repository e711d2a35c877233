#include "settings/link_choice.h"

#include <utility>

#include "link/connection_text.h"
#include "link/frame.h"
#include "settings/link_targets.h"

namespace zor06::settings {

std::optional<link::LinkKind> CurrentLinkKind(const LinkSettings& settings) {
    if (settings.linkKind < 0 || settings.linkKind > 2) {
        return std::nullopt;
    }
    return static_cast<link::LinkKind>(settings.linkKind);
}

const link::LinkParameters& KindRecord(const LinkSettings& settings, link::LinkKind kind) {
    switch (kind) {
        case link::LinkKind::Telephone:
            return settings.phone.record;
        case link::LinkKind::Ethernet:
            return settings.ethernet.record;
        case link::LinkKind::Direct:
            break;
    }
    return settings.direct;
}

link::LinkParameters& KindRecord(LinkSettings& settings, link::LinkKind kind) {
    return const_cast<link::LinkParameters&>(KindRecord(std::as_const(settings), kind));
}

std::string DescribeConnection(const ProgramSettings& settings) {
    const auto kind = CurrentLinkKind(settings.link);
    if (!kind) {
        return {};
    }
    switch (*kind) {
        case link::LinkKind::Direct:
            return link::DescribeConnection(*kind, settings.link.direct, nullptr, nullptr);
        case link::LinkKind::Telephone: {
            const PhoneEntry* entry = CurrentEntry(settings.phones);
            if (entry == nullptr) {
                return {};
            }
            const link::PhoneTarget phone{entry->phone, entry->address};
            return link::DescribeConnection(*kind, settings.link.phone.record, &phone, nullptr);
        }
        case link::LinkKind::Ethernet: {
            const EthernetEntry* entry = CurrentEntry(settings.ethernet);
            if (entry == nullptr) {
                return {};
            }
            const link::EthernetSubscriber target = ConnectionTarget(*entry);
            return link::DescribeConnection(*kind, settings.link.ethernet.record, nullptr, &target);
        }
    }
    return {};
}

void AdoptAnsweredAddress(LinkSettings& settings, int address) {
    const auto kind = CurrentLinkKind(settings);
    if (!kind) {
        return;
    }
    link::LinkParameters& record = KindRecord(settings, *kind);
    if (record.address == link::kBroadcastAddress) {
        record.address = static_cast<std::uint8_t>(address);
    }
}

}  // namespace zor06::settings
