// Opening a link by its parameters, whatever carries it: the one way in for a caller that holds
// the parameters and, for the Ethernet kind, where the controller listens.
#pragma once

#include <string>

#include "dialogue/operator.h"
#include "link/link_parameters.h"
#include "platform/clock.h"
#include "platform/tcp_socket.h"

namespace zor06::link {

class hgcbox;

// Where a TCP link goes: a host name or dotted address and a numeric or named port, and how long
// the connection may take.
struct TcpEndpoint {
    std::string host;
    std::string port;
    int connectWaitS = 10;
};

// The TCP connection to `tcp` for the Ethernet kind, the serial line of the parameters' port
// otherwise (OpenLine); the link object then holds `parameters`. False after the operator was
// told why.
bool OpenLink(hgcbox& link, const LinkParameters& parameters, const TcpEndpoint& tcp,
              dialogue::Operator& op, platform::SocketFactory& sockets = platform::SystemSockets(),
              platform::Clock& clock = platform::SystemClock());

}  // namespace zor06::link
