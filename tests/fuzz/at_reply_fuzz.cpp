// Whatever bytes a modem sends, and whenever the operator presses Esc, the reply to an AT command
// is the piece of them that begins at the first line end and stops at the first line end from its
// fourth byte on (or at 255 bytes), it is judged as the table of results says, and what the status
// panel shows of it is one trimmed line. The readiness check of a GSM modem says ready only after
// "+CPAS: 0" and "OK".
//
// Input: [0] bit 0 the readiness check instead of a command, bits 1..7 when Esc is pressed
// (0: never); then the modem's answers (see fuzz_modem.h).
#include <string>

#include "link/modem_dialogue.h"
#include "tests/fuzz/fuzz_modem.h"

namespace {

using namespace zor06;
using fuzz::Require;
using link::ModemResult;

constexpr std::size_t kMaxLine = 255;

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// What arrived for the first transmission, in order.
std::string FirstAnswer(std::span<const std::uint8_t> script) {
    fuzz::ModemScript s{{script.begin(), script.end()}};
    const auto chunks = s.Next();
    return chunks.empty() ? std::string()
                          : std::string(chunks[0].bytes.begin(), chunks[0].bytes.end());
}

void CheckLine(const std::string& line, const std::string& arrived, bool complete) {
    const std::size_t start = arrived.find_first_of("\r\n");
    Require(line.empty() ||
            (start != std::string::npos && arrived.compare(start, line.size(), line) == 0));
    Require(line.size() <= kMaxLine);
    for (std::size_t n = 4; n < line.size(); ++n) {
        Require(!IsLineEnd(line[n - 1]));  // it ends at the first line end it may end at
    }
    if (complete) {
        Require(line.size() == kMaxLine || (line.size() >= 4 && IsLineEnd(line.back())));
    }
}

void CheckCommand(fuzz::FuzzedModem& modem, const std::string& arrived) {
    link::ModemPort port = modem.Port();
    const link::AtReply reply = link::SendAtCommand(port, "AT\r", 5000, true);
    const std::string shown = link::ShownLine(reply.text);
    Require(shown.find_first_of("\r\n") == std::string::npos &&
            (shown.empty() || (shown.front() != ' ' && shown.back() != ' ')));
    Require(!link::ModemResultText(reply.result).empty());
    switch (reply.result) {
        case ModemResult::NoReply:
            CheckLine(reply.text, arrived, false);
            return;
        case ModemResult::Interrupted:
            // Esc stands in the reply as its own text; a modem's line that holds that text is
            // judged by the table like any other, whether Esc came afterwards or not.
            if (reply.text == link::kEscapeReply) {
                Require(modem.op.escPressed);
                return;
            }
            break;
        case ModemResult::Connected:
        case ModemResult::NoDialTone:
        case ModemResult::Busy:
        case ModemResult::NoCarrier:
        case ModemResult::Error:
        case ModemResult::NoAnswer:
        case ModemResult::TimeLimit:
            break;
        default:
            std::abort();  // not a result a reply line can stand for
    }
    CheckLine(reply.text, arrived, true);
    Require(reply.result == link::ClassifyReply(reply.text));
    Require(reply.text.find("\r\n") == std::string::npos || link::IsPositiveReply(reply.text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::span<const std::uint8_t> script(data + 1, size - 1);
    fuzz::FuzzedModem modem(script);
    const int esc = data[0] >> 1;
    modem.op.escAtPump = esc * esc;
    const std::string arrived = FirstAnswer(script);
    // Commands and the readiness check run inside a dial, which Esc may stop.
    const dialogue::LongOperation dialling(modem.op);
    if ((data[0] & 1) == 0) {
        CheckCommand(modem, arrived);
        return 0;
    }
    link::ModemPort port = modem.Port();
    const link::GsmState state = link::CheckGsm(port);
    // Both lines come in the answer to the one command.
    const std::size_t status = arrived.find("+CPAS: 0");
    Require(state != link::GsmState::Ready ||
            (status != std::string::npos && arrived.find("OK", status) != std::string::npos));
    Require(state != link::GsmState::Interrupted || modem.op.escPressed);
    return 0;
}
