// End-to-end fixtures: the real simulator binary and a link object talking to it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link/hgcbox.h"
#include "link/tcp_connect.h"
#include "tests/support/recording_operator.h"
#include "tests/support/sim_process.h"

namespace zor06::test {

class SimOverTcp {
public:
    explicit SimOverTcp(std::vector<std::string> args) {
        args.insert(args.begin(), {"--tcp", "127.0.0.1:0"});
        sim = std::make_unique<SimProcess>(ZOR06_SIM_PATH, args);
    }
    // Connects the link object as the Ethernet connection does.
    bool Connect(link::hgcbox& link, int firstByteS = 1, int interByteMs = 100, int attempts = 1) {
        if (!sim->Started()) {
            ADD_FAILURE() << sim->Error();
            return false;
        }
        link::EthernetSettings settings;
        settings.record.firstByteTimeoutMs = link::SecondsToMillis(firstByteS);
        settings.record.interByteTimeoutMs = interByteMs;
        settings.record.attempts = static_cast<std::uint8_t>(attempts);
        settings.record.preambles = 3;
        settings.connectWaitS = 5;
        return link::TcpConnectTo(link, settings, 1, "127.0.0.1", std::to_string(sim->TcpPort()),
                                  op);
    }
    std::unique_ptr<SimProcess> sim;
    RecordingOperator op;
};

// Opens the link on a simulator started with --pty, as the demonstration controller's
// administrator; false (with the reason reported) when it cannot.
inline bool OpenPtyAsAdministrator(link::hgcbox& link, const SimProcess& sim) {
    if (!sim.Started()) {
        ADD_FAILURE() << sim.Error();
        return false;
    }
    link.portName = sim.PtyPath();
    link.baud = 9600;
    link.address = 1;
    link.attempts = 2;
    link.firstByteTimeoutMs = 1000;
    link.interByteTimeoutMs = 100;
    if (!link.OpenPort()) {
        ADD_FAILURE() << link.StatusText();
        return false;
    }
    link.SetCredentials("2222", "2");
    return true;
}

// Reads `count` fields of `table` from `first`.
inline bool ReadFields(link::hgcbox& link, int table, int first, int count) {
    const std::uint8_t header[] = {static_cast<std::uint8_t>(table),
                                   static_cast<std::uint8_t>(first),
                                   static_cast<std::uint8_t>(count)};
    return link.Request(1, header);
}

}  // namespace zor06::test
