// A link whose serial line ends in the simulated controller itself, run in the test's process,
// with every write request on record.
#pragma once

#include <memory>

#include "tables/table_service.h"
#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"
#include "zor06-sim/controller.h"

namespace zor06::test {

class SimContextTest : public LinkTest {
protected:
    void Start(sim::ControllerConfig config) {
        controller = std::make_unique<sim::Controller>(config);
        link.attempts = 1;
        link.firstByteTimeoutMs = 100;
        link.SetCredentials("2222", "2");  // the simulator's administrator
        Connect([this](const Bytes& t) { return Answer(t); });
    }
    tables::TableContext Context() { return {link, image, op, clock}; }

    std::vector<Chunk> Answer(const Bytes& frame) {
        if (!controller->Accepts(frame)) {
            return {};
        }
        if (frame[3] == 2) {
            const tables::TableHeader h{frame[21], frame[22], frame[23]};
            writes.push_back(h);
            writtenCredentials.emplace_back(frame.begin() + 4, frame.begin() + 20);
            writtenValues.emplace_back(frame.begin() + 24, frame.end() - 2);
            if (h.table == failTable) {
                return {At(2, ErrorReply(frame[1], 2, {12}))};
            }
        }
        return {At(2, controller->Answer(frame))};
    }

    std::unique_ptr<sim::Controller> controller;
    tables::ControllerImage image;
    RecordingOperator op;
    std::vector<tables::TableHeader> writes;
    std::vector<Bytes> writtenCredentials;
    std::vector<Bytes> writtenValues;
    int failTable = -1;
};

}  // namespace zor06::test
