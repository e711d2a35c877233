// Any bytes read as conn.ini: every link value lands inside the dialogs' ranges, the link object
// gets sane timeouts, and the settings written back read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "link/link_kind.h"
#include "settings/conn_ini.h"
#include "settings/link_ranges.h"
#include "settings/link_targets.h"

namespace {

using namespace zor06::settings;
using zor06::link::LinkKind;
using zor06::link::LinkParameters;

bool RecordInRange(const LinkParameters& r, LinkParameter firstByte) {
    return Accepts(LinkParameter::ComPort, r.comPort) &&
           Accepts(LinkParameter::Address, r.address) && Accepts(LinkParameter::Baud, r.baud) &&
           Accepts(LinkParameter::Preambles, r.preambles) &&
           Accepts(LinkParameter::Attempts, r.attempts) &&
           Accepts(LinkParameter::InterByteTimeoutMs, r.interByteTimeoutMs) &&
           Accepts(firstByte, zor06::link::MillisToSeconds(r.firstByteTimeoutMs));
}

bool SameNumbers(const LinkParameters& a, const LinkParameters& b) {
    return a.comPort == b.comPort && a.address == b.address && a.baud == b.baud &&
           a.preambles == b.preambles && a.attempts == b.attempts &&
           a.interByteTimeoutMs == b.interByteTimeoutMs &&
           a.firstByteTimeoutMs == b.firstByteTimeoutMs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr ScreenSize kScreen{1280, 1024};
    IniFile ini = IniFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    const LinkSettings s = ReadLinkSettings(ini, kScreen);
    if (!Accepts(LinkParameter::LinkKind, s.linkKind) ||
        !Accepts(LinkParameter::PortWaitS, s.portWaitS) ||
        !RecordInRange(s.direct, LinkParameter::FirstByteTimeoutS) ||
        !RecordInRange(s.phone.record, LinkParameter::PhoneFirstByteTimeoutS) ||
        !RecordInRange(s.ethernet.record, LinkParameter::FirstByteTimeoutS) ||
        !Accepts(LinkParameter::PhoneConnectWaitS, s.phone.connectWaitS) ||
        !Accepts(LinkParameter::EthernetConnectWaitS, s.ethernet.connectWaitS)) {
        std::abort();
    }
    for (const LinkKind kind : {LinkKind::Direct, LinkKind::Telephone, LinkKind::Ethernet}) {
        const auto p = LinkParametersFor(s, kind);
        if (p.firstByteTimeoutMs < 1000 || p.firstByteTimeoutMs > 120000) {
            std::abort();
        }
    }
    for (const IniSection& section : LinkSections(s)) {
        ini.WriteSection(section);
    }
    const std::string written = ini.ToBytes();
    if (written.starts_with("\xEF\xBB\xBF")) {
        return 0;  // Windows-1251 text that merely begins like the UTF-8 mark
    }
    const LinkSettings again = ReadLinkSettings(IniFile::FromBytes(written), kScreen);
    if (again.linkKind != s.linkKind || again.portWaitS != s.portWaitS ||
        again.closePort != s.closePort || !(again.window == s.window) ||
        !SameNumbers(again.direct, s.direct) || !SameNumbers(again.phone.record, s.phone.record) ||
        !SameNumbers(again.ethernet.record, s.ethernet.record) ||
        again.phone.connectWaitS != s.phone.connectWaitS ||
        again.ethernet.connectWaitS != s.ethernet.connectWaitS) {
        std::abort();
    }
    return 0;
}
