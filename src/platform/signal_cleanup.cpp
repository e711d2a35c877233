#include "platform/signal_cleanup.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

namespace zor06::platform {
namespace {

constexpr std::array<int, 4> kEndingSignals{SIGTERM, SIGINT, SIGHUP, SIGPIPE};
constexpr int kSlots = 16;

// A slot is claimed (Filling) before its path is copied in and armed only when it is whole, so
// that the handler never reads a path being written.
enum SlotState : int { Free, Filling, Armed };

struct Slot {
    std::atomic<int> state{Free};
    RemovedOnSignal::Kind kind = RemovedOnSignal::Kind::File;
    char path[PATH_MAX] = {};
};
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the states");

std::array<Slot, kSlots> slots;

sigset_t EndingSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kEndingSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

// Only async-signal-safe calls from here on.
void RemoveArmed(RemovedOnSignal::Kind kind) {
    for (Slot& slot : slots) {
        if (slot.state.load() == Armed && slot.kind == kind) {
            if (kind == RemovedOnSignal::Kind::File) {
                ::unlink(slot.path);
            } else {
                ::rmdir(slot.path);
            }
        }
    }
}

void RemoveAndEnd(int signal) {
    RemoveArmed(RemovedOnSignal::Kind::File);
    RemoveArmed(RemovedOnSignal::Kind::Folder);
    // The signal is blocked while its handler runs: raised again with the default action, it
    // ends the process as soon as the handler returns.
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
    ::raise(signal);
}

}  // namespace

RemovedOnSignal::RemovedOnSignal(const std::filesystem::path& path, Kind kind) {
    const std::string& text = path.native();
    if (text.size() >= PATH_MAX) {
        return;
    }
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slots[static_cast<std::size_t>(i)];
        int expected = Free;
        if (slot.state.compare_exchange_strong(expected, Filling)) {
            slot.kind = kind;
            std::memcpy(slot.path, text.c_str(), text.size() + 1);
            slot.state.store(Armed);
            slot_ = i;
            return;
        }
    }
}

RemovedOnSignal::~RemovedOnSignal() {
    if (slot_ >= 0) {
        slots[static_cast<std::size_t>(slot_)].state.store(Free);
    }
}

RemovedOnSignal::RemovedOnSignal(RemovedOnSignal&& other) noexcept : slot_(other.slot_) {
    other.slot_ = -1;
}

EndingSignalsHeld::EndingSignalsHeld() {
    const sigset_t ending = EndingSignalSet();
    ::pthread_sigmask(SIG_BLOCK, &ending, &before_);
}

EndingSignalsHeld::~EndingSignalsHeld() {
    ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
}

void RemoveTemporariesOnEndingSignals() {
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    // One ending signal at a time: a second one waits until the first has ended the process.
    action.sa_mask = EndingSignalSet();
    for (const int signal : kEndingSignals) {
        struct sigaction old {};
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler != SIG_IGN) {
            ::sigaction(signal, &action, nullptr);
        }
    }
}

}  // namespace zor06::platform
