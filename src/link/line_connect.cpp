#include "link/line_connect.h"

#include "link/hgcbox.h"

namespace zor06::link {
namespace {

// Lets the port settle before the first request of the start-up.
constexpr auto kAfterOpen = platform::Millis(300);

}  // namespace

bool OpenLine(hgcbox& link, const LinkParameters& parameters, Operator& op,
              platform::Clock& clock) {
    link.ClosePort();
    LoadLinkObject(link, parameters);
    if (!link.closePortAfterExchange) {
        BusyScope busy(op);
        if (!link.OpenPort()) {
            op.ShowMessage(1, "Коммуникационный порт " + link.PortDevice() + " недоступен", "");
            return false;
        }
    }
    clock.SleepFor(kAfterOpen);
    return true;
}

}  // namespace zor06::link
