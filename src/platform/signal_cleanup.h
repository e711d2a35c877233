// Files and folders that must not outlive a process a signal ends: a command-line run cut short by
// its session, by Ctrl+C or by a reader that stopped reading still removes its temporaries.
#pragma once

#include <csignal>
#include <filesystem>

namespace zor06::platform {

// Remembers `path` for removal when SIGTERM, SIGINT, SIGHUP or SIGPIPE ends the process (once
// RemoveTemporariesOnEndingSignals was called), and forgets it when destroyed. Files are removed
// before folders, so that a folder whose files were remembered is empty when its turn comes.
// A path that does not fit the fixed table (too long, too many at once) is not remembered.
class RemovedOnSignal {
public:
    enum class Kind { File, Folder };
    RemovedOnSignal(const std::filesystem::path& path, Kind kind);
    ~RemovedOnSignal();
    RemovedOnSignal(RemovedOnSignal&& other) noexcept;
    RemovedOnSignal& operator=(RemovedOnSignal&&) = delete;
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

private:
    int slot_ = -1;
};

// Holds the ending signals back while a temporary is made and remembered, so that none can end
// the process in between; they arrive when this is destroyed.
class EndingSignalsHeld {
public:
    EndingSignalsHeld();
    ~EndingSignalsHeld();
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t before_;
};

// From now on SIGTERM, SIGINT, SIGHUP and SIGPIPE remove what is remembered and then end the
// process as they would have (its exit status stays that of the signal). A signal the process
// was started with ignored stays ignored.
void RemoveTemporariesOnEndingSignals();

}  // namespace zor06::platform
