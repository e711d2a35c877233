// The connection start-up: connect, identify, hand destroyed tables over, read what every later
// operation needs, and leave the state that decides the menus.
#pragma once

#include <functional>
#include <optional>

#include "tables/identification.h"

namespace zor06::tables {

struct ConnectionState {
    bool identified = false;
    bool modemConnected = false;
    // Hides the call-duration panel and stops its timer; run by every disconnection.
    std::function<void()> callEnded;
};

// The steps that belong to screens and settings. The program provides every one of them, so
// that a step it forgot does not compile.
class StartupSteps {
public:
    virtual ~StartupSteps() = default;
    virtual void DescribeConnection() = 0;  // the Connection panel
    virtual void HideMenus() = 0;
    virtual bool ConnectDialog() = 0;  // true when a connection was made
    virtual void SaveLinkSettings() = 0;
    // The program user's credentials: on the telephone line before dialling, on the others once
    // the controller is accepted.
    virtual void AskCredentials() = 0;
    // The telephone call; true when it is up.
    virtual bool Dial() = 0;
    // The controller answered from this address; a stored address of 255 takes it.
    virtual void AnsweredFrom(int address) = 0;
    // The restoration of destroyed tables, as IdentifySteps::RestoreTables: whether the
    // controller counts as identified afterwards, none when no restoration is wired.
    virtual std::optional<bool> RestoreTables(TableContext& ctx) = 0;
    virtual void UpdateMenus() = 0;
};

void StartConnection(TableContext& ctx, ConnectionState& state, StartupSteps& steps);

// Ends the current connection: hangs up a telephone call that is up, closes the port and the
// socket, ends the call's panel, clears the Controller panel and the identified flag.
void Disconnect(TableContext& ctx, ConnectionState& state);

}  // namespace zor06::tables
