// "Связаться": from what the operator chose (or what the settings hold) to a link object with an
// open line or TCP connection. The connection dialog and the command-line tool both connect
// through it; only the mapping of their fields stays with them.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "dialogue/operator.h"
#include "link/link_kind.h"
#include "platform/clock.h"
#include "platform/tcp_socket.h"
#include "settings/settings_types.h"

namespace zor06::link {
class hgcbox;
}

namespace zor06::settings {

// The choice of the connection dialog: the link kind (none when nothing is selected), the typed
// controller address and the row of the kind's subscriber list (-1 for none; a row past the
// entries is "Новый абонент").
struct ConnectChoice {
    std::optional<link::LinkKind> kind;
    std::string address;
    int subscriber = -1;
};

struct ConnectEnvironment {
    // The serial kinds have stored the typed address: save conn.ini and describe the connection.
    std::function<void()> settingsChanged;
    platform::SocketFactory* sockets = &platform::SystemSockets();
    platform::Clock* clock = &platform::SystemClock();
};

// Checks the choice ("Введены не все параметры", "Адрес вне допустимого диапазона" / "(1...255)",
// an InputError message), stores the typed address as the kind's address and connects: the TCP
// connection to the chosen Ethernet subscriber, or the serial line of the direct or telephone kind.
// True when the link object is loaded and holds its connection; otherwise the operator has been
// told why.
bool Connect(link::hgcbox& link, ProgramSettings& settings, const ConnectChoice& choice,
             dialogue::Operator& op, const ConnectEnvironment& env = {});

// The choice the settings hold, as the dialog would open on them: the stored kind, its current
// subscriber and that subscriber's address (the direct line's own address on the direct line).
ConnectChoice StoredChoice(const ProgramSettings& settings);

}  // namespace zor06::settings
