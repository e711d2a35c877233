// The link the --tcp and --serial options describe, as the one record the link object loads.
#include "zor06ctl/cli_options.h"

namespace zor06::ctl {

link::LinkParameters LinkParametersOf(const LinkOptions& options) {
    constexpr int kDefaultFirstByteMs = 5000;
    constexpr int kDefaultInterByteMs = 300;
    link::LinkParameters p;
    p.linkKind = !options.tcp.empty()    ? link::LinkKind::Ethernet
                 : options.phone.empty() ? link::LinkKind::Direct
                                         : link::LinkKind::Telephone;
    p.portName = options.serial;
    p.address = static_cast<std::uint8_t>(options.address);
    p.baud = options.baud;
    p.preambles = static_cast<std::uint8_t>(options.preambles);
    p.attempts = static_cast<std::uint8_t>(options.attempts);
    p.interByteTimeoutMs = options.interByteTimeoutMs.value_or(kDefaultInterByteMs);
    // Milliseconds here, unlike the seconds of the stored link settings.
    p.firstByteTimeoutMs = options.firstByteTimeoutMs.value_or(kDefaultFirstByteMs);
    return p;
}

}  // namespace zor06::ctl
