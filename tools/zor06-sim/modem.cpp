#include "zor06-sim/modem.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace zor06::sim {
namespace {

constexpr platform::Millis kGuardTime{1000};
constexpr int kEscapeLength = 3;
constexpr std::size_t kMaxCommandLine = 255;

struct DialResult {
    const char* text;
    int numeric;
};

constexpr std::array kDialResults{
    DialResult{"CONNECT", 1},     DialResult{"NO CARRIER", 3}, DialResult{"ERROR", 4},
    DialResult{"NO DIALTONE", 6}, DialResult{"BUSY", 7},       DialResult{"NO ANSWER", 8},
};

std::string Upper(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

bool IsDialResult(const std::string& text) {
    return std::ranges::any_of(kDialResults, [&](const DialResult& r) { return text == r.text; });
}

Modem::Modem(ModemOptions options) : options_(std::move(options)) {}

ModemStep Modem::Receive(std::span<const std::uint8_t> bytes, platform::MonoTime now) {
    ModemStep step;
    if (options_.silent) {
        return step;
    }
    for (const std::uint8_t byte : bytes) {
        TrackEscape(byte, now);
        if (online_) {
            step.toController.push_back(byte);
        } else {
            Command(static_cast<char>(byte), step);
        }
    }
    return step;
}

// "+++" counts only with a guard time of silence before it; Expire checks the silence after.
void Modem::TrackEscape(std::uint8_t byte, platform::MonoTime now) {
    const bool quietBefore = !lastByte_ || now - *lastByte_ >= kGuardTime;
    lastByte_ = now;
    escapeDue_.reset();
    if (byte != '+' || (pluses_ == 0 && !quietBefore) || pluses_ >= kEscapeLength) {
        pluses_ = 0;
        return;
    }
    if (++pluses_ == kEscapeLength) {
        escapeDue_ = now + kGuardTime;
    }
}

std::optional<platform::MonoTime> Modem::Deadline() const {
    return escapeDue_;
}

ModemStep Modem::Expire(platform::MonoTime now) {
    ModemStep step;
    if (!escapeDue_ || now < *escapeDue_) {
        return step;
    }
    escapeDue_.reset();
    pluses_ = 0;
    online_ = false;
    line_.clear();
    Result("OK", 0, step);
    return step;
}

void Modem::LineClosed() {
    online_ = false;
    line_.clear();
    pluses_ = 0;
    escapeDue_.reset();
    lastByte_.reset();
}

void Modem::Command(char c, ModemStep& step) {
    if (echo_) {
        step.toLine.push_back(static_cast<std::uint8_t>(c));
    }
    if (c == '\r') {
        const std::string line = std::exchange(line_, {});
        // Whatever came before "AT" (a stray line feed, the "+" of an escape) is no command.
        const std::size_t at = Upper(line).find("AT");
        if (at != std::string::npos) {
            Execute(line.substr(at + 2), step);
        }
        return;
    }
    if (c != '\n' && line_.size() < kMaxCommandLine) {
        line_.push_back(c);
    }
}

// The commands of one line, in order; what the simulation does not model is taken with "OK".
void Modem::Execute(const std::string& line, ModemStep& step) {
    const std::string upper = Upper(line);
    std::size_t i = 0;
    auto number = [&] {
        int value = 0;
        while (i < upper.size() && std::isdigit(static_cast<unsigned char>(upper[i])) != 0) {
            value = value * 10 + (upper[i++] - '0');
        }
        return value;
    };
    while (i < upper.size()) {
        const char c = upper[i++];
        if (c == 'D') {
            const auto found = std::ranges::find_if(
                kDialResults, [&](const DialResult& r) { return options_.dialResult == r.text; });
            const DialResult result = found != kDialResults.end() ? *found : DialResult{"ERROR", 4};
            Result(result.text, result.numeric, step);
            online_ = result.numeric == 1;
            step.callStarted = online_;
            return;
        }
        if (c == '+') {
            if (upper.compare(i, 4, "CPAS") == 0) {
                Text("+CPAS: " + std::to_string(options_.cpas), step);
            }
            break;  // an extended command takes the rest of the line
        }
        if (c == 'E') {
            echo_ = number() != 0;
        } else if (c == 'V') {
            verbose_ = number() != 0;
        } else if (c == 'Z' || (c == '&' && i < upper.size() && upper[i] == 'F')) {
            i += c == '&' ? 1 : 0;
            echo_ = true;
            verbose_ = true;
            number();
        } else if (c == 'S') {
            number();
            if (i < upper.size() && (upper[i] == '=' || upper[i] == '?')) {
                ++i;
                number();
            }
        } else {
            if (c == '&' && i < upper.size()) {
                ++i;
            }
            number();  // H, O, L, M, X, Q, &C, &D ... and their values
        }
    }
    Result("OK", 0, step);
}

void Modem::Result(const std::string& verbose, int numeric, ModemStep& step) const {
    if (verbose_) {
        Text(verbose, step);
    } else {
        const std::string text = std::to_string(numeric) + "\r";
        step.toLine.insert(step.toLine.end(), text.begin(), text.end());
    }
}

void Modem::Text(const std::string& text, ModemStep& step) const {
    const std::string framed = "\r\n" + text + "\r\n";
    step.toLine.insert(step.toLine.end(), framed.begin(), framed.end());
}

}  // namespace zor06::sim
