#include "config/upper_link_follow.h"

#include "link/baud_rates.h"
#include "settings/link_choice.h"

namespace zor06::config {

void FollowUpperLinkWrite(link::hgcbox& link, settings::LinkSettings& settings,
                          std::span<const std::uint8_t, kUpperLinkBytes> table3) {
    link.address = table3[0];
    const auto kind = settings::CurrentLinkKind(settings);
    if (kind) {
        settings::KindRecord(settings, *kind).address = table3[0];
    }
    const int rate = link::IndexToRate(table3[1]);
    if (link.linkKind == link::LinkKind::Direct && rate != 0) {
        link.baud = rate;
        settings.direct.baud = rate;
    }
}

}  // namespace zor06::config
