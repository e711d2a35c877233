#include "link/tcp_connect.h"

#include "link/hgcbox.h"
#include "text/text_format.h"

namespace zor06::link {
namespace {

// A refused connect returns at once; pausing keeps the retries from spinning until the deadline.
constexpr auto kRetryPause = platform::Millis(100);
constexpr auto kSettle = platform::Millis(1000);

}  // namespace

bool TcpConnect(hgcbox& link, EthernetSettings& settings, const EthernetSubscriber* subscriber,
                int typedAddress, Operator& op, platform::SocketFactory& sockets,
                platform::Clock& clock) {
    settings.record.address = static_cast<std::uint8_t>(typedAddress);
    if (subscriber == nullptr) {
        op.ShowMessage(2, "Введены не все параметры", "");
        return false;
    }
    const auto& ip = subscriber->ip;
    return TcpConnectTo(link, settings, subscriber->address,
                        text::Printf("%d.%d.%d.%d", ip[0], ip[1], ip[2], ip[3]),
                        text::Printf("%d", subscriber->port), op, sockets, clock);
}

bool TcpConnectTo(hgcbox& link, const EthernetSettings& settings, std::uint8_t address,
                  const std::string& host, const std::string& port, Operator& op,
                  platform::SocketFactory& sockets, platform::Clock& clock) {
    BusyScope busy(op);
    const platform::MonoTime deadline = clock.Now() + std::chrono::seconds(settings.connectWaitS);
    std::string error;
    const auto endpoint = platform::ResolveAddress(host, port, &error);
    if (!endpoint) {
        op.MessageBox(error, "");
        return false;
    }
    std::unique_ptr<platform::TcpSocket> socket = sockets.CreateSocket();
    if (!socket) {
        op.MessageBox("Ошибка вызова socket", "");
        link.CloseSocket();
        return false;
    }
    while (!socket->Connect(*endpoint, deadline)) {
        if (clock.Now() >= deadline) {
            op.MessageBox("Превышено время ожидания соединения сервер/клиент", "");
            link.CloseSocket();
            return false;
        }
        clock.SleepUntil(std::min(deadline, clock.Now() + kRetryPause));
    }
    clock.SleepFor(kSettle);

    link.ClosePort();
    link.socket = std::move(socket);
    link.address = address;
    link.linkKind = LinkKind::Ethernet;
    link.closePortAfterExchange = false;
    link.firstByteTimeoutMs = settings.record.firstByteTimeoutS * 1000;
    link.interByteTimeoutMs = settings.record.interByteTimeoutMs;
    link.preambles = settings.record.preambles;
    link.attempts = settings.record.attempts;
    return true;
}

}  // namespace zor06::link
