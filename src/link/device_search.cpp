#include "link/device_search.h"

#include <array>
#include <cstdint>

#include "link/baud_rates.h"
#include "link/frame.h"
#include "link/hgcbox.h"
#include "text/text_format.h"

namespace zor06::link {

std::optional<SearchResult> SearchDevice(hgcbox& link, const SearchParameters& params,
                                         dialogue::Operator& op, const SearchHooks& hooks) {
    link.firstByteTimeoutMs = params.firstByteTimeoutMs;
    link.portWaitS = params.portWaitS;
    link.closePortAfterExchange = false;
    link.interByteTimeoutMs = params.interByteTimeoutMs;
    link.preambles = static_cast<std::uint8_t>(params.preambles);
    link.attempts = static_cast<std::uint8_t>(params.attempts);
    link.portName = params.device;
    link.linkKind = params.linkKind;
    link.address = kBroadcastAddress;
    link.baud = 1200;

    link.ClosePort();
    if (!link.OpenPort()) {
        op.ShowMessage(dialogue::MessageKind::Info,
                       "Коммуникационный порт " + params.device + " недоступен", "");
        return std::nullopt;
    }

    std::optional<SearchResult> found;
    {
        dialogue::BusyScope busy(op);
        constexpr std::array<std::uint8_t, 3> kTable0Field0{0, 0, 1};
        for (int rate : kBaudRates) {
            // A failed try may have adopted an address from line noise at the wrong rate.
            link.address = kBroadcastAddress;
            link.baud = rate;
            if (hooks.onRate) {
                hooks.onRate(rate);
            }
            op.ProcessEvents();
            if (link.Request(code::kReadTable, kTable0Field0)) {
                found = SearchResult{link.address, rate};
                break;
            }
            op.ProcessEvents();
            if (hooks.stopRequested && hooks.stopRequested()) {
                break;
            }
        }
        link.ClosePort();
    }

    if (found) {
        op.ShowMessage(
            dialogue::MessageKind::ExchangeResult, "Установлена связь с устройством",
            text::Printf("Адр. = %d.  Скорость обмена = %d", found->address, found->baud));
    } else {
        op.ShowMessage(dialogue::MessageKind::ExchangeResult, "Устройство не обнаружено", "");
    }
    return found;
}

}  // namespace zor06::link
