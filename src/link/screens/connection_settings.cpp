#include "link/screens/connection_settings.h"

#include "link/connection_text.h"
#include "settings/link_targets.h"

namespace zor06::screens {

std::optional<link::LinkKind> CurrentLinkKind(const settings::LinkSettings& settings) {
    if (settings.linkKind < 0 || settings.linkKind > 2) {
        return std::nullopt;
    }
    return static_cast<link::LinkKind>(settings.linkKind);
}

link::LinkRecord& KindRecord(settings::LinkSettings& settings, link::LinkKind kind) {
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

std::string DescribeConnection(const settings::ProgramSettings& settings) {
    const auto kind = CurrentLinkKind(settings.link);
    if (!kind) {
        return {};
    }
    switch (*kind) {
        case link::LinkKind::Direct:
            return link::DescribeConnection(*kind, settings.link.direct, nullptr, nullptr);
        case link::LinkKind::Telephone: {
            const settings::PhoneEntry* entry = CurrentEntry(settings.phones);
            if (entry == nullptr) {
                return {};
            }
            const link::PhoneTarget phone{entry->phone, entry->address};
            return link::DescribeConnection(*kind, settings.link.phone.record, &phone, nullptr);
        }
        case link::LinkKind::Ethernet: {
            const settings::EthernetEntry* entry = CurrentEntry(settings.ethernet);
            if (entry == nullptr) {
                return {};
            }
            const link::EthernetSubscriber target = settings::ConnectionTarget(*entry);
            return link::DescribeConnection(*kind, settings.link.ethernet.record, nullptr, &target);
        }
    }
    return {};
}

}  // namespace zor06::screens
