// A Hayes modem in front of the simulated controller: it takes AT commands on the line, and after
// a dial that connects it passes the line's bytes to the controller until "+++" (framed by a
// second of silence) brings it back to command mode or the line closes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace zor06::sim {

struct ModemOptions {
    bool enabled = false;
    std::string dialResult = "CONNECT";  // what a dial answers
    bool silent = false;                 // never answers anything
    int cpas = 0;                        // the activity AT+CPAS reports
    bool operator==(const ModemOptions&) const = default;
};

// The dial results a modem may give.
bool IsDialResult(const std::string& text);

struct ModemStep {
    std::vector<std::uint8_t> toLine;        // echo and result texts
    std::vector<std::uint8_t> toController;  // data of the call
    bool callStarted = false;                // the controller's line starts afresh
};

class Modem {
public:
    explicit Modem(ModemOptions options);

    ModemStep Receive(std::span<const std::uint8_t> bytes, platform::MonoTime now);
    // When the silence after "+++" would complete the escape; none while no escape is pending.
    std::optional<platform::MonoTime> Deadline() const;
    // Called once the deadline has passed without bytes.
    ModemStep Expire(platform::MonoTime now);
    // The client closed the line: the call, if any, ends.
    void LineClosed();
    bool Online() const { return online_; }

private:
    void TrackEscape(std::uint8_t byte, platform::MonoTime now);
    void Command(char c, ModemStep& step);
    void Execute(const std::string& line, ModemStep& step);
    void Result(const std::string& verbose, int numeric, ModemStep& step) const;
    void Text(const std::string& text, ModemStep& step) const;

    ModemOptions options_;
    bool online_ = false;
    bool echo_ = true;
    bool verbose_ = true;
    std::string line_;
    std::optional<platform::MonoTime> lastByte_;
    int pluses_ = 0;  // '+' after a guard time of silence, as long as nothing else came
    std::optional<platform::MonoTime> escapeDue_;
};

}  // namespace zor06::sim
