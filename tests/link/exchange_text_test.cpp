// The two lines of an exchange in the monitor's fixed layout.
#include "link/exchange_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "link/link_texts.h"
#include "link/request_frame.h"
#include "tests/support/scripted_channel.h"
#include "text/text_format.h"

namespace zor06::test {
namespace {

// 21:50:03.127 on some day.
constexpr double kSentAt = 46000 + (21 * 3600 + 50 * 60 + 3.127) / 86400;

TEST(ExchangeText, ARequestAndItsReply) {
    const std::vector<std::uint8_t> request{0xCC, 0x01, 0x09, 0x01, 0x00, 0x00, 0x01, 0xAB, 0xCD};
    const std::vector<std::uint8_t> reply{0x33, 0x01, 0x0A, 0x81, 0x00,
                                          0x00, 0x00, 0x01, 0x12, 0x34};
    link::ExchangeView view;
    view.sentAt = kSentAt;
    view.functionCode = 1;
    view.request = request;
    view.reply = reply;
    view.replyTime = platform::Millis(275);
    EXPECT_EQ(link::ExchangeLines(view),
              "21:50:03.127  ->  код   1  дл.   9  CC 01 09 01 00 00 01 AB CD\n"
              "21:50:03.402  <-  код 129  дл.  10  33 01 0A 81 00 00 00 01 12 34  275 мс  "
              "Команда выполнена");

    // A repeat that got nothing, its wait running past midnight.
    view.sentAt = 46000 + (86400 - 1.5) / 86400;
    view.reply = {};
    view.replyTime = platform::Millis(2000);
    view.status = link::status::kNoAnswer;
    view.attempt = 2;
    EXPECT_EQ(link::ExchangeLines(view),
              "23:59:58.500  ->  код   1  дл.   9  CC 01 09 01 00 00 01 AB CD  попытка 2\n"
              "00:00:00.500  <-  код   -  дл.   0  2000 мс  " +
                  std::string(link::BaseStatusText(link::status::kNoAnswer)) + "  попытка 2");
}

// The program user's credentials and two users-table records (name, level, 0, password, code).
const char* const kSecrets[] = {"Pw3#Pw3#Pw3#", "9876", "Us5$Us5$Us5$", "8642", "Qx7!", "1357"};
const std::string kUsers("USR1\4\0Us5$Us5$Us5$8642USR2\4\0Qx7!        1357", 44);

Bytes Request(std::uint8_t code, const std::string& data) {
    std::array<std::uint8_t, link::kFrameCapacity> frame{};
    std::array<std::uint8_t, link::kPasswordSize> password{};
    std::array<std::uint8_t, link::kIdCodeSize> id{};
    std::memcpy(password.data(), kSecrets[0], password.size());
    std::memcpy(id.data(), kSecrets[1], id.size());
    const std::size_t length =
        link::BuildRequestFrame(frame, 1, code, Bytes(data.begin(), data.end()), 0, {password, id});
    return {frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(length)};
}

std::string HexOf(std::string_view text) {
    std::string hex;
    for (const char c : text) {
        hex += text::Printf(" %02X", static_cast<std::uint8_t>(c));
    }
    return hex.substr(1);
}

TEST(ExchangeText, CredentialsAndUsersPasswordsAndCodesShowAsStars) {
    const Bytes users = ReadReply(1, 4, 0, 2, Bytes(kUsers.begin(), kUsers.end()));
    const struct {
        Bytes request;
        Bytes reply;
        long requestMasked;
        long replyMasked;
    } cases[] = {
        {Request(1, {0, 0, 1}), ReadReply(1, 0, 0, 1, {0x49}), 0, 0},
        {Request(2, {9, 0, 1, 1}), ReplyFrame(1, 0x82, {0, 9, 0, 1}), 16, 0},
        {Request(12, {0x10, 0x00}), ReplyFrame(1, 0x8C, {0}), 16, 0},
        {Request(2, std::string("\4\0\2", 3) + kUsers), ReplyFrame(1, 0x82, {0, 4, 0, 2}), 48, 0},
        {Request(1, {4, 0, 2}), users, 0, 32},
        {Request(1, {4, 0, 2}), Bytes(users.begin(), users.begin() + 40), 0, 20},  // cut short
        {Request(1, {5, 0, 2}), users, 0, 32},  // the users, though another table was asked
    };
    for (const auto& c : cases) {
        link::ExchangeView view;
        view.request = c.request;
        view.reply = c.reply;
        const std::string lines = link::ExchangeLines(view);
        const std::size_t split = lines.find('\n');
        EXPECT_EQ(std::count(lines.begin(), lines.begin() + split, '*'), 2 * c.requestMasked)
            << lines;
        EXPECT_EQ(std::count(lines.begin() + split, lines.end(), '*'), 2 * c.replyMasked) << lines;
        for (const char* secret : kSecrets) {
            EXPECT_EQ(lines.find(HexOf(secret)), std::string::npos) << secret << "\n" << lines;
        }
    }
}

}  // namespace
}  // namespace zor06::test
