#include "link/tcp_connect.h"

#include <algorithm>

#include "link/hgcbox.h"
#include "text/text_format.h"

namespace zor06::link {
namespace {

// Each connect look and each piece of the settle wait is this short, so the window repaints and
// Esc is noticed while the connection wait (up to 360 s) runs.
constexpr auto kStep = platform::Millis(50);
constexpr auto kSettle = platform::Millis(1000);

constexpr char kInterrupted[] = "Соединение прервано оператором";
constexpr char kTimedOut[] = "Превышено время ожидания соединения сервер/клиент";

// Lets the interface run, then tells whether the operator asked to stop.
bool Interrupted(Operator& op) {
    op.ProcessEvents();
    return op.interrupt;
}

// Waits until `until` in short steps; false when the operator interrupted.
bool WaitResponsively(platform::Clock& clock, platform::MonoTime until, Operator& op) {
    while (clock.Now() < until) {
        clock.SleepUntil(std::min(until, clock.Now() + kStep));
        if (Interrupted(op)) {
            return false;
        }
    }
    return true;
}

bool GiveUp(hgcbox& link, Operator& op, const char* text) {
    op.MessageBox(text, "");
    link.CloseSocket();
    return false;
}

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
    LongOperationScope longOperation(op);
    const platform::MonoTime deadline = clock.Now() + std::chrono::seconds(settings.connectWaitS);
    std::string error;
    const auto endpoint = platform::ResolveAddress(host, port, &error);
    if (!endpoint) {
        op.MessageBox(error, "");
        return false;
    }
    std::unique_ptr<platform::TcpSocket> socket = sockets.CreateSocket();
    if (!socket) {
        return GiveUp(link, op, "Ошибка вызова socket");
    }
    for (;;) {
        const platform::MonoTime stepEnd = std::min(deadline, clock.Now() + kStep);
        if (socket->Connect(*endpoint, stepEnd)) {
            break;
        }
        // A refused attempt returns at once; the rest of the step keeps retries from spinning.
        clock.SleepUntil(stepEnd);
        if (Interrupted(op)) {
            return GiveUp(link, op, kInterrupted);
        }
        if (clock.Now() >= deadline) {
            return GiveUp(link, op, kTimedOut);
        }
    }
    if (!WaitResponsively(clock, clock.Now() + kSettle, op)) {
        return GiveUp(link, op, kInterrupted);
    }

    link.ClosePort();
    link.AttachSocket(std::move(socket));
    LinkParameters parameters =
        ParametersOf(LinkKind::Ethernet, settings.record, link.portWait, false);
    parameters.address = address;
    LoadLinkObject(link, parameters);
    return true;
}

}  // namespace zor06::link
