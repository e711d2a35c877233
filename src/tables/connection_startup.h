// The connection start-up: connect, identify, hand destroyed tables over, read what every later
// operation needs, and leave the state that decides the menus.
#pragma once

#include <functional>

#include "tables/identification.h"

namespace zor06::tables {

struct ConnectionState {
    bool identified = false;
    bool modemConnected = false;
    // Hides the call-duration panel and stops its timer; run by every disconnection.
    std::function<void()> callEnded;
};

// The steps that belong to screens and settings; any may be left empty.
struct StartupSteps {
    std::function<void()> describeConnection;  // the Connection panel
    std::function<void()> hideMenus;
    std::function<bool()> connectDialog;  // true when a connection was made
    std::function<void()> saveLinkSettings;
    // The program user's credentials: on the telephone line before dialling, on the others once
    // the controller is accepted.
    std::function<void()> askCredentials;
    // The telephone call; true when it is up. Left empty, the line counts as connected.
    std::function<bool()> dial;
    // The controller answered from this address; a stored address of 255 takes it.
    std::function<void(int address)> answeredFrom;
    std::function<bool(TableContext&)> restoreTables;
    std::function<void()> updateMenus;
};

void StartConnection(TableContext& ctx, ConnectionState& state, const StartupSteps& steps);

// Ends the current connection: hangs up a telephone call that is up, closes the port and the
// socket, ends the call's panel, clears the Controller panel and the identified flag.
void Disconnect(TableContext& ctx, ConnectionState& state);

}  // namespace zor06::tables
