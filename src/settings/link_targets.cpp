#include "settings/link_targets.h"

#include "settings/list_sort.h"

namespace zor06::settings {

link::EthernetSubscriber ConnectionTarget(const EthernetEntry& entry) {
    link::EthernetSubscriber target;
    target.name = entry.name;
    target.address = entry.address;
    for (std::size_t i = 0; i < target.ip.size(); ++i) {
        target.ip[i] = static_cast<std::uint8_t>(entry.ip >> (24 - 8 * i));
    }
    target.port = entry.port;
    return target;
}

EthernetLink CurrentEthernetLink(const ProgramSettings& settings) {
    EthernetList list = settings.ethernet;
    SortList(list);
    EthernetLink result{settings.link.ethernet, std::nullopt};
    if (list.current < list.entries.size()) {
        result.subscriber = ConnectionTarget(list.entries[list.current]);
    }
    return result;
}

link::LinkParameters LinkParametersFor(const LinkSettings& settings, link::LinkKind kind) {
    const link::LinkParameters& record = kind == link::LinkKind::Telephone ? settings.phone.record
                                         : kind == link::LinkKind::Ethernet
                                             ? settings.ethernet.record
                                             : settings.direct;
    return link::ParametersOf(kind, record, settings.portWaitS, settings.closePort);
}

}  // namespace zor06::settings
