#include "link/line_connect.h"

#include "link/hgcbox.h"

namespace zor06::link {
namespace {

// Lets the port settle before the first request of the start-up.
constexpr auto kAfterOpen = platform::Millis(300);

}  // namespace

bool OpenLine(hgcbox& link, const LinkParameters& parameters, dialogue::Operator& op,
              platform::Clock& clock) {
    link.ClosePort();
    LoadLinkObject(link, parameters);
    if (!link.closePortAfterExchange) {
        dialogue::BusyScope busy(op);
        if (!link.OpenPort()) {
            op.ShowMessage(dialogue::MessageKind::Error,
                           "Коммуникационный порт " + link.PortDevice() + " недоступен", "");
            return false;
        }
    }
    clock.SleepFor(kAfterOpen);
    return true;
}

}  // namespace zor06::link
