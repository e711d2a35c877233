#include "link/link_record.h"

#include "link/hgcbox.h"

namespace zor06::link {

void LoadLinkObject(hgcbox& link, LinkKind kind, const LinkRecord& record, int portWaitS,
                    bool closePortAfterExchange) {
    link.comPort = record.comPort;
    link.portName = record.portName;
    link.address = record.address;
    link.baud = record.baud;
    link.linkKind = kind;
    link.portWait = portWaitS;
    link.closePortAfterExchange = kind == LinkKind::Direct && closePortAfterExchange;
    link.firstByteTimeoutMs = record.firstByteTimeoutS * 1000;
    link.interByteTimeoutMs = record.interByteTimeoutMs;
    link.preambles = record.preambles;
    link.attempts = record.attempts;
}

}  // namespace zor06::link
