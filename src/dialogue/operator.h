// How services talk to the operator: the desktop program, the command-line tool and the tests
// each provide their own.
#pragma once

#include <string_view>

#include "dialogue/message_kind.h"
#include "dialogue/status_panel.h"

namespace zor06::dialogue {

class Operator {
public:
    virtual ~Operator() = default;
    // The message window of `kind` with two texts; true when the operator answered "Да".
    virtual bool ShowMessage(MessageKind kind, std::string_view text1, std::string_view text2) = 0;
    // A plain message box.
    virtual void MessageBox(std::string_view text, std::string_view caption) = 0;
    virtual void SetStatusText(Panel panel, std::string_view text) = 0;
    // Hourglass cursor while a blocking operation runs.
    virtual void SetBusy(bool busy) = 0;
    // Lets the user interface repaint and take input between two requests.
    virtual void ProcessEvents() {}
    // The progress bar of the wait window.
    virtual void SetProgress(int /*position*/, int /*maximum*/) {}
    // The wait window of an archive reading ("Esc - прервать чтение"), with the main window
    // disabled while it is shown and brought to the front when it closes.
    virtual void ShowReadingWait(bool /*shown*/) {}

    // Set by an archive reading while it runs; only then does Esc set `interrupt`, which the
    // reading tests between two requests.
    bool longOperation = false;
    bool interrupt = false;
};

// Keeps the busy cursor for the lifetime of a scope, whichever way the scope is left.
class BusyScope {
public:
    explicit BusyScope(Operator& op) : op_(op) { op_.SetBusy(true); }
    ~BusyScope() { op_.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Operator& op_;
};

// Marks a blocking operation (a connect, a modem dialogue) as a long operation, so that Esc sets
// the interrupt flag, and leaves no interrupt behind for the next operation.
class LongOperationScope {
public:
    explicit LongOperationScope(Operator& op) : op_(op), before_(op.longOperation) {
        op_.longOperation = true;
        op_.interrupt = false;
    }
    ~LongOperationScope() {
        op_.longOperation = before_;
        op_.interrupt = false;
    }
    LongOperationScope(const LongOperationScope&) = delete;
    LongOperationScope& operator=(const LongOperationScope&) = delete;

private:
    Operator& op_;
    bool before_;
};

}  // namespace zor06::dialogue
