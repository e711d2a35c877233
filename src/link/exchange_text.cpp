#include "link/exchange_text.h"

#include <chrono>
#include <cmath>

#include "link/frame.h"
#include "link/frame_secrets.h"
#include "link/status_text.h"
#include "text/text_format.h"

namespace zor06::link {
namespace {

constexpr long long kMillisPerDay = 86'400'000;

// The time of day of a local date-time (days since 30 December 1899) `laterMs` after it.
std::string TimeOfDay(double days, long long laterMs) {
    const double fraction = days - std::floor(days);
    long long ms = (std::llround(fraction * kMillisPerDay) + laterMs) % kMillisPerDay;
    if (ms < 0) {
        ms += kMillisPerDay;
    }
    return text::Printf("%02lld:%02lld:%02lld.%03lld", ms / 3'600'000, ms / 60'000 % 60,
                        ms / 1000 % 60, ms % 1000);
}

// The bytes in hexadecimal, each secret one as "**".
std::string Hex(std::span<const std::uint8_t> bytes, const SecretBytes& secrets) {
    std::string hex;
    hex.reserve(bytes.size() * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!hex.empty()) {
            hex += ' ';
        }
        hex += i < secrets.size() && secrets.test(i) ? std::string("**")
                                                     : text::Printf("%02X", bytes[i]);
    }
    return hex;
}

// Time, direction, function code (blank when too few bytes came), length and the bytes.
std::string FrameLine(const std::string& time, const char* arrow,
                      std::span<const std::uint8_t> frame, const SecretBytes& secrets) {
    const std::string code =
        frame.size() > kOffCode ? text::Printf("%3d", frame[kOffCode]) : std::string("  -");
    std::string line =
        text::Printf("%s  %s  код %s  дл. %3zu", time.c_str(), arrow, code.c_str(), frame.size());
    if (!frame.empty()) {
        line += "  " + Hex(frame, secrets);
    }
    return line;
}

void MarkRepeat(std::string& line, int attempt) {
    if (attempt > 1) {
        line += text::Printf("  попытка %d", attempt);
    }
}

}  // namespace

std::string ExchangeLines(const ExchangeView& exchange) {
    const long long replyMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(exchange.replyTime).count();
    std::string request = FrameLine(TimeOfDay(exchange.sentAt, 0), "->", exchange.request,
                                    RequestSecrets(exchange.request));
    MarkRepeat(request, exchange.attempt);

    std::string reply = FrameLine(TimeOfDay(exchange.sentAt, replyMs), "<-", exchange.reply,
                                  ReplySecrets(exchange.request, exchange.reply));
    reply += text::Printf("  %lld мс  ", replyMs);
    reply += ExchangeStatusText(exchange.status, exchange.reply, exchange.functionCode);
    if (exchange.skippedOther) {
        reply += "  пропущен ответ на другой запрос";
    }
    MarkRepeat(reply, exchange.attempt);
    return request + '\n' + reply;
}

}  // namespace zor06::link
