#include "zor06-sim/status_state.h"

#include <algorithm>

namespace zor06::sim {
namespace {

constexpr int kFlowSlots = 16;

bool Offline(const StatusState& state, int index) {
    return std::ranges::find(state.flowComputersOffline, index + 1) !=
           state.flowComputersOffline.end();
}

std::uint8_t Flag(bool on) {
    return on ? 1 : 0;
}

}  // namespace

void FillStatusTables(const StatusState& state, TableImage* image) {
    image->SetByte(6, 8, Flag(state.moistureMeter));
    image->SetByte(6, 9, Flag(state.flowComputers != 0));
    image->SetBytes(8, {Flag((state.functions & 1) != 0), Flag((state.functions & 2) != 0)});
    image->SetByte(9, 0, state.flowComputers);
    image->SetByte(16, 6, Flag(state.flowExchangeFault));
    image->SetByte(16, 7, state.chromatographError);
    image->SetByte(16, 8, state.moistureError);
    image->SetByte(16, 9, Flag(state.selfDiagnosticsFault));
    image->SetByte(16, 10, Flag((state.abnormalRuns & 1) != 0));
    image->SetByte(16, 11, Flag((state.abnormalRuns & 2) != 0));
    image->SetBytes(33, {Flag(state.chromatographLink), Flag(state.moistureLink)});
    const int connected = std::min<int>(state.flowComputers, kFlowSlots);
    for (int i = 0; i < kFlowSlots; ++i) {
        const bool on = i < connected && !Offline(state, i);
        if (i < connected) {
            image->SetByte(18, i, static_cast<std::uint8_t>(i + 1));
        }
        image->SetByte(34, i, Flag(on));
        image->SetByte(35, i, Flag(on));
    }
}

}  // namespace zor06::sim
