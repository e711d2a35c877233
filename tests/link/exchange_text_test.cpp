// The two lines of an exchange in the monitor's fixed layout.
#include "link/exchange_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/link_texts.h"

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

}  // namespace
}  // namespace zor06::test
