#include "link/tcp_connect.h"

#include "link/hgcbox.h"
#include "link/open_link.h"
#include "link/stepped_wait.h"
#include "text/text_format.h"

namespace zor06::link {
namespace {

constexpr auto kSettle = platform::Millis(1000);

constexpr char kInterrupted[] = "Соединение прервано оператором";
constexpr char kTimedOut[] = "Превышено время ожидания соединения сервер/клиент";

bool GiveUp(hgcbox& link, dialogue::Operator& op, const char* text) {
    op.MessageBox(text, "");
    link.Close();
    return false;
}

}  // namespace

bool TcpConnect(hgcbox& link, EthernetSettings& settings, const EthernetSubscriber* subscriber,
                int typedAddress, dialogue::Operator& op, platform::SocketFactory& sockets,
                platform::Clock& clock) {
    settings.record.address = static_cast<std::uint8_t>(typedAddress);
    if (subscriber == nullptr) {
        op.ShowMessage(dialogue::MessageKind::InputError, "Введены не все параметры", "");
        return false;
    }
    LinkParameters parameters =
        ParametersOf(LinkKind::Ethernet, settings.record, link.portWaitS, false);
    parameters.address = subscriber->address;
    const auto& ip = subscriber->ip;
    return OpenLink(link, parameters,
                    {text::Printf("%d.%d.%d.%d", ip[0], ip[1], ip[2], ip[3]),
                     text::Printf("%d", subscriber->port), settings.connectWaitS},
                    op, sockets, clock);
}

bool TcpConnectTo(hgcbox& link, const EthernetSettings& settings, std::uint8_t address,
                  const std::string& host, const std::string& port, dialogue::Operator& op,
                  platform::SocketFactory& sockets, platform::Clock& clock) {
    dialogue::BusyScope busy(op);
    dialogue::LongOperation longOperation(op);
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
    // Each connect look and each piece of the settle wait is short, so the window repaints and
    // Esc is noticed while the connection wait (up to 360 s) runs.
    const auto interrupted = [&op] {
        op.ProcessEvents();
        return op.Interrupted();
    };
    const SteppedOutcome connected = RetryInSteps(
        clock, deadline,
        [&](platform::MonoTime stepEnd) { return socket->Connect(*endpoint, stepEnd); },
        interrupted);
    if (connected != SteppedOutcome::kDone) {
        return GiveUp(link, op, connected == SteppedOutcome::kStopped ? kInterrupted : kTimedOut);
    }
    if (!WaitInSteps(clock, clock.Now() + kSettle, interrupted)) {
        return GiveUp(link, op, kInterrupted);
    }

    link.ClosePort();
    link.AttachChannel(std::move(socket));
    LinkParameters parameters =
        ParametersOf(LinkKind::Ethernet, settings.record, link.portWaitS, false);
    parameters.address = address;
    LoadLinkObject(link, parameters);
    link.connectWaitS = settings.connectWaitS;
    return true;
}

}  // namespace zor06::link
