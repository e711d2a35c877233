// The settings and the current subscriber as the connection needs them, for any front end that
// connects without the connection dialog.
#pragma once

#include <optional>

#include "link/link_parameters.h"
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

// What "Связаться" loads into the link object for `kind`: that kind's record (values outside
// their range were replaced when the settings were read), the port wait, and the close-port flag
// on the direct line. Used as link::LoadLinkObject(link, LinkParametersFor(settings, kind)).
link::LinkParameters LinkParametersFor(const LinkSettings& settings, link::LinkKind kind);

}  // namespace zor06::settings
