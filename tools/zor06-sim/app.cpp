#include "zor06-sim/app.h"

#include <unistd.h>

#include <iostream>
#include <optional>
#include <string>

#include "platform/pty.h"
#include "platform/serial_port_posix.h"
#include "platform/tcp_socket.h"
#include "zor06-sim/controller.h"
#include "zor06-sim/faults.h"
#include "zor06-sim/fleet_app.h"
#include "zor06-sim/modem.h"
#include "zor06-sim/program_output.h"
#include "zor06-sim/pty_link.h"
#include "zor06-sim/server.h"
#include "zor06-sim/session.h"
#include "zor06-sim/slave_hold.h"
#include "zor06-sim/stop_signal.h"

namespace zor06::sim {
namespace {

int RunTcp(const Options& options, Server& server) {
    std::string error;
    std::uint16_t port = 0;
    const int listenFd = platform::ListenTcp(options.tcpHost, options.tcpPort, &port, &error);
    if (listenFd < 0) {
        return Fail(error);
    }
    Announce("TCP " + options.tcpHost + ":" + std::to_string(port));
    const int status = server.ServeTcp(listenFd);
    close(listenFd);
    return status;
}

int RunPty(const Options& options, Server& server) {
    std::string error;
    platform::PtyPair pair;
    if (!platform::OpenPty(&pair, &error)) {
        return Fail(error);
    }
    SlaveHold slave;
    PtyLink link;
    if (!slave.Open(pair.slavePath, &error) ||
        (!options.linkPath.empty() && !link.Create(options.linkPath, pair.slavePath, &error))) {
        close(pair.master);
        return Fail(error);
    }
    Announce("PTY " + pair.slavePath);
    std::optional<Modem> modem;
    if (options.modem.enabled) {
        modem.emplace(options.modem);
    }
    return server.ServePty(pair.master, options.baud, slave, modem ? &*modem : nullptr);
}

int RunSerial(const Options& options, Server& server) {
    platform::SerialSettings settings;
    settings.baud = options.baud;
    platform::OpenError error = platform::OpenError::None;
    const std::unique_ptr<platform::SerialPort> port =
        platform::OpenComPort(options.serialDevice, settings, &error);
    if (!port) {
        const char* why = error == platform::OpenError::Busy     ? "busy"
                          : error == platform::OpenError::Absent ? "no such device"
                                                                 : "cannot be opened";
        return Fail(options.serialDevice + ": " + why);
    }
    Announce("SERIAL " + options.serialDevice);
    return server.ServeSerial(*port);
}

}  // namespace

int RunSimulator(const Options& options) {
    std::string error;
    if (!InstallStopHandlers(&error)) {
        return Fail(error);
    }
    if (options.fleet > 0) {
        return RunFleet(options);
    }
    Controller controller(options.controller);
    FaultInjector faults(options.faults);
    Session session(controller, faults, options.verbose ? &std::cerr : nullptr);
    Server server(session, options.faults);
    switch (options.transport) {
        case Transport::Tcp:
            return RunTcp(options, server);
        case Transport::Pty:
            return RunPty(options, server);
        case Transport::Serial:
            return RunSerial(options, server);
        case Transport::None:
            break;
    }
    return Fail("no transport");
}

}  // namespace zor06::sim
