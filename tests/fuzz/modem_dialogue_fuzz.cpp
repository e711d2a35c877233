// Whatever a modem answers, and whenever the operator presses Esc, dialling ends with one of the
// dialogue's results within the time its waits allow, connected only after the dial command and
// interrupted only by Esc, and hanging up afterwards sends its two commands.
//
// Input: [0] connection attempts, [1] connection wait, [2] bits 0..1 the modem command text,
// bits 2..7 when Esc is pressed (0: never); then the modem's answers (see fuzz_modem.h).
#include <chrono>
#include <string>

#include "link/dial_number.h"
#include "link/modem_dialogue.h"
#include "tests/fuzz/fuzz_modem.h"

namespace {

using namespace zor06;
using link::ModemResult;

constexpr std::size_t kOptionBytes = 3;
constexpr const char* kCommandTexts[] = {"", "AT&F", "AT&F^ATS0=0", "at+cbst=7,0,1^ATX3"};
constexpr char kNumber[] = "8 (012) 345-67-89";
constexpr char kDialCommand[] = "ATD80123456789\r";

// "ATE0", then at most two passes of "+++", "ATE0" and "ATV1", each after its guard time.
constexpr long kInitCommands = 7;
constexpr long kInitMs = 5002 + 2 * (2 * 1200 + 3 * 5002);
constexpr long kAfterInitMs = 2000;
constexpr long kGsmMs = 2 * 5000;
constexpr long kAfterConnectMs = 200;

struct Bound {
    long transmissions;
    long ms;
};

Bound DialBound(int attempts, long commands, long waitMs) {
    const long perAttempt = commands * (200 + 2 + waitMs) + kGsmMs + 2 + waitMs;
    return {kInitCommands + attempts * (commands + 2),
            kInitMs + kAfterInitMs + attempts * perAttempt + kAfterConnectMs};
}

long ElapsedMs(const test::FakeClock& clock) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(clock.Elapsed()).count();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    if (size < kOptionBytes) {
        return 0;
    }
    const int attempts = 1 + data[0] % 10;
    const int waitS = 1 + data[1] % 10;
    const std::string_view commandText = kCommandTexts[data[2] & 3];
    fuzz::FuzzedModem modem({data + kOptionBytes, size - kOptionBytes});
    const int esc = data[2] >> 2;
    modem.op.escAtPump = esc * esc;

    link::ModemPort port = modem.Port();
    const ModemResult result = link::Dial(port, {kNumber, commandText, attempts, waitS});

    const int code = static_cast<int>(result);
    Require(code >= 0 && code <= static_cast<int>(ModemResult::GsmNotReady) &&
            !link::ModemResultText(result).empty());
    const std::vector<std::string> sent = modem.Sent();
    const long commands = static_cast<long>(link::SplitModemCommands(commandText).size());
    const Bound bound = DialBound(attempts, commands, waitS * 1000L);
    Require(!sent.empty() && sent.front() == "ATE0\r" &&
            static_cast<long>(sent.size()) <= bound.transmissions &&
            ElapsedMs(modem.clock) <= bound.ms);
    Require(result != ModemResult::Connected || sent.back() == kDialCommand);
    // A modem may also answer with the very text that stands for Esc.
    const std::string_view answers(reinterpret_cast<const char*>(data), size);
    Require(result != ModemResult::Interrupted || modem.op.escPressed ||
            answers.find(link::kEscapeReply) != std::string_view::npos);
    // Nothing of the dialogue is left for the next operation.
    Require(!modem.op.InLongOperation() && !modem.op.Interrupted());

    const long before = ElapsedMs(modem.clock);
    link::HangUp(modem.channel, modem.clock);
    const std::vector<std::string> all = modem.Sent();
    Require(all.size() == sent.size() + 2 && all[sent.size()] == "+++" && all.back() == "ath\r" &&
            ElapsedMs(modem.clock) - before <= 1000 + 2 * 2002);
    return 0;
}
