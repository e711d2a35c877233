// A link whose serial line ends in a simulated controller in the test's process, with every read
// request on record; reads of `silentTable` go unanswered.
#pragma once

#include <memory>
#include <vector>

#include "tables/table_service.h"
#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"
#include "zor06-sim/controller.h"

namespace zor06::test {

class StatusSimTest : public LinkTest {
protected:
    void Start(sim::StatusState status) {
        sim::ControllerConfig config;
        config.status = std::move(status);
        controller = std::make_unique<sim::Controller>(config);
        link.attempts = 1;
        link.firstByteTimeoutMs = 100;
        Connect([this](const Bytes& frame) -> std::vector<Chunk> {
            if (!controller->Accepts(frame)) {
                return {};
            }
            if (frame[3] == 1) {
                reads.push_back({frame[5], frame[6], frame[7]});
                if (frame[5] == silentTable) {
                    return {};
                }
            }
            return {At(2, controller->Answer(frame))};
        });
    }
    tables::TableContext Context() { return {link, image, op, clock}; }

    std::unique_ptr<sim::Controller> controller;
    tables::ControllerImage image;
    RecordingOperator op;
    std::vector<tables::TableHeader> reads;
    int silentTable = -1;
};

}  // namespace zor06::test
