// How services talk to the operator: the desktop program, the command-line tool and the tests
// each provide their own.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "dialogue/file_choice.h"
#include "dialogue/message_kind.h"
#include "dialogue/status_panel.h"
#include "dialogue/wait_mode.h"

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
    // The wait window of `mode` over the main window, which stays disabled until HideWait.
    virtual void ShowWait(WaitMode /*mode*/) {}
    virtual void HideWait() {}
    // The progress bar of the wait window.
    virtual void SetProgress(int /*position*/, int /*maximum*/) {}
    // The file the operator chose in the dialog; none when cancelled. A front end without
    // dialogs never chooses.
    virtual std::optional<std::filesystem::path> ChooseFile(const FileChoice& /*choice*/,
                                                            FileDialog /*dialog*/) {
        return std::nullopt;
    }

    // Esc, or a window's stop, while a long operation runs; outside one it means nothing, so
    // that a key pressed between two operations never stops the next one.
    void RequestInterrupt() {
        if (longOperation_) {
            interrupt_ = true;
        }
    }
    // Whether the running long operation was asked to stop; its loop looks between two steps.
    bool Interrupted() const { return interrupt_; }
    bool InLongOperation() const { return longOperation_; }

private:
    friend class LongOperation;
    bool longOperation_ = false;
    bool interrupt_ = false;
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

// Shows the wait window of `mode` for the lifetime of a scope.
class WaitScope {
public:
    WaitScope(Operator& op, WaitMode mode) : op_(op) { op_.ShowWait(mode); }
    ~WaitScope() { op_.HideWait(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    Operator& op_;
};

// A blocking operation that Esc may stop (a connect, a modem dialogue, an archive reading), with
// the wait window of `wait` when one is named. Its one rule: an interrupt is cleared when it
// starts and when it ends, so none is carried from one operation into the next.
class LongOperation {
public:
    explicit LongOperation(Operator& op, std::optional<WaitMode> wait = std::nullopt)
        : op_(op), outer_(op.longOperation_) {
        op_.longOperation_ = true;
        op_.interrupt_ = false;
        if (wait) {
            window_.emplace(op_, *wait);
        }
    }
    ~LongOperation() {
        window_.reset();
        op_.longOperation_ = outer_;
        op_.interrupt_ = false;
    }
    LongOperation(const LongOperation&) = delete;
    LongOperation& operator=(const LongOperation&) = delete;

private:
    Operator& op_;
    bool outer_;
    std::optional<WaitScope> window_;
};

}  // namespace zor06::dialogue
