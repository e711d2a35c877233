#include "link/modem_call.h"

#include <string>

#include "link/hgcbox.h"

namespace zor06::link {

bool DialSubscriber(hgcbox& link, const DialRequest& request, dialogue::Operator& op,
                    platform::Clock& clock, ModemResult* last) {
    ModemResult result = ModemResult::NoModem;
    for (;;) {
        if (link.Channel() == nullptr) {
            break;  // no open line to dial on: the modem is as good as absent
        }
        {
            dialogue::BusyScope busy(op);
            ModemPort port{*link.Channel(), clock, &op};
            result = Dial(port, request);
        }
        if (result == ModemResult::Connected ||
            !op.ShowMessage(dialogue::MessageKind::Question, std::string(ModemResultText(result)),
                            "Повторить попытку соединения?")) {
            break;
        }
    }
    op.SetStatusText(dialogue::Panel::Message, "");
    if (last != nullptr) {
        *last = result;
    }
    return result == ModemResult::Connected;
}

}  // namespace zor06::link
