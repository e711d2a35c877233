// zor06ctl run as a script runs it, against a simulated controller over TCP.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/sim_link.h"
#include "tests/support/run_process.h"

namespace zor06::test {

inline ProcessResult Ctl(const std::vector<std::string>& args) {
    return RunProcess(ZOR06_CTL_PATH, args);
}

class CtlFixture : public ::testing::Test {
protected:
    // Starts the simulator on a free loopback port with `args`.
    void Start(std::vector<std::string> args = {}) {
        args.insert(args.begin(), {"--tcp", "127.0.0.1:0"});
        sim = std::make_unique<SimProcess>(ZOR06_SIM_PATH, args);
        ASSERT_TRUE(sim->Started()) << sim->Error();
        endpoint = "127.0.0.1:" + std::to_string(sim->TcpPort());
    }
    std::unique_ptr<SimProcess> sim;
    std::string endpoint;
};

}  // namespace zor06::test
