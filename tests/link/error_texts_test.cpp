// What the operator reads after an error reply.
#include "link/link_texts.h"
#include "tests/link/link_fixture.h"

namespace zor06::test {
namespace {

using namespace link::status;

class ErrorTextTest : public LinkTest {
protected:
    void SetUp() override { link.attempts = 1; }
    // Reads table 5 and gets an error reply with these data bytes.
    void FailWith(const Bytes& data) {
        Connect(Always({At(5, ErrorReply(1, 0x01, data))}));
        const std::uint8_t header[] = {5, 0, 3};
        EXPECT_FALSE(link.Request(1, header));
    }
};

TEST_F(ErrorTextTest, ADestroyedTableNamesTheCommandAndTheTable) {
    FailWith({60, 0, 5});
    EXPECT_EQ(link.status, kErrorReply);
    EXPECT_EQ(link.StatusText(), "Команда 1.  Разрушена таблица 5");
}

TEST_F(ErrorTextTest, ErrorCodesHaveTheirTextsAndUnknownOnesTheirNumber) {
    FailWith({9});
    EXPECT_EQ(link.StatusText(), "Нет такой таблицы");
    FailWith({33});
    EXPECT_EQ(link.StatusText(), "Пользователь с таким именем уже есть ");
    FailWith({65});
    EXPECT_EQ(link.StatusText(), "Данные отсутствуют");
    FailWith({70});
    EXPECT_EQ(link.StatusText(), "Код ошибки = 70");
    FailWith({0});
    EXPECT_EQ(link.StatusText(), "Код ошибки = 0");
}

TEST_F(ErrorTextTest, RefusalsCarryTheirReason) {
    FailWith({24, 2});
    EXPECT_EQ(link.status, kRefused);
    EXPECT_EQ(link.StatusText(), "Ошибочный код направления перестановки ");
    FailWith({24, 38});
    EXPECT_EQ(link.StatusText(), "Ошибка закрытия клапана");
    FailWith({24, 49, 12});
    EXPECT_EQ(link.StatusText(), "Разрушена таблица 12");
    FailWith({24, 60});
    EXPECT_EQ(link.StatusText(), "Код причины в ответе 60");
    FailWith({24, 0});
    EXPECT_EQ(link.StatusText(), "");
}

TEST_F(ErrorTextTest, OnlyAnErrorReplyUsesTheDestroyedTableForm) {
    // A damaged reply whose byte 4 happens to be 60 keeps the checksum text.
    Bytes damaged = ReadReply(1, 5, 0, 3, {});
    damaged[4] = 60;
    Connect(Always({At(5, damaged)}));
    const std::uint8_t header[] = {5, 0, 3};
    EXPECT_FALSE(link.Request(1, header));
    EXPECT_EQ(link.status, kBadChecksum);
    EXPECT_EQ(link.StatusText(), "Несовпадение КС ответа контроллера");

    // And an aborted request after a destroyed-table reply says it was aborted.
    FailWith({60, 0, 5});
    link.RequestAbort();
    EXPECT_FALSE(link.Request(1, header));
    EXPECT_EQ(link.StatusText(), "Обмен прерван по признаку завершения работы программы");
}

TEST(LinkTexts, TablesAreCompleteAndExact) {
    for (int e = 1; e <= 65; ++e) {
        EXPECT_FALSE(link::ErrorCodeText(e).empty()) << e;
    }
    EXPECT_TRUE(link::ErrorCodeText(66).empty());
    for (int r = 1; r <= 51; ++r) {
        EXPECT_FALSE(link::RefusalText(r).empty()) << r;
    }
    EXPECT_EQ(link::ErrorCodeText(38), "Переход в режим работы \"Автомат\" невозможен");
    EXPECT_EQ(link::RefusalText(3), "Обрыв цепи концевого выключателя  (\"Открыто\")");
    EXPECT_EQ(link::RefusalText(51), "Агрегат отсутствует");
}

}  // namespace
}  // namespace zor06::test
