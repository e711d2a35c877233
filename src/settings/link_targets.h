// The settings and the current subscriber as the connection needs them, for any front end that
// connects without the connection dialog.
#pragma once

#include <optional>

#include "link/link_record.h"
#include "settings/settings_types.h"

namespace zor06::settings {

// The connection target of an Ethernet subscriber: the IP octets first octet first.
link::EthernetSubscriber ConnectionTarget(const EthernetEntry& entry);

struct EthernetLink {
    link::EthernetSettings settings;
    std::optional<link::EthernetSubscriber> subscriber;  // none when the list is empty
};

// The Ethernet settings and the current subscriber of the list put in order, as "Связаться" uses
// them: TcpConnect(link, el.settings, &*el.subscriber, el.subscriber->address, op).
EthernetLink CurrentEthernetLink(const ProgramSettings& settings);

struct DirectLink {
    link::LinkRecord record;  // its portName, when set, wins over its COM port
    int portWaitS = 1;
    bool closePort = false;
};

// The direct line: LoadLinkObject(link, LinkKind::Direct, d.record, d.portWaitS, d.closePort).
DirectLink DirectLineLink(const LinkSettings& settings);

}  // namespace zor06::settings
