#include "link/open_link.h"

#include "link/hgcbox.h"
#include "link/line_connect.h"
#include "link/tcp_connect.h"

namespace zor06::link {

bool OpenLink(hgcbox& link, const LinkParameters& parameters, const TcpEndpoint& tcp,
              dialogue::Operator& op, platform::SocketFactory& sockets, platform::Clock& clock) {
    if (parameters.linkKind == LinkKind::Ethernet) {
        const EthernetSettings settings{parameters, tcp.connectWaitS};
        if (!TcpConnectTo(link, settings, parameters.address, tcp.host, tcp.port, op, sockets,
                          clock)) {
            return false;
        }
    } else if (!OpenLine(link, parameters, op, clock)) {
        return false;
    }
    // What the parameters say, exactly: the connection loads the stored kind's rules.
    LoadLinkObject(link, parameters);
    return true;
}

}  // namespace zor06::link
