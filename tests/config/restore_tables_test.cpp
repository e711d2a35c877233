// The restoration's flow: which screens it opens for which tables, what it writes and in what
// order, and what it says, against the simulated controller.
#include "config/restore_tables.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>

#include <filesystem>

#include "config/config_file.h"
#include "tests/config/sim_context.h"

namespace zor06::test {
namespace {

using config::TableStateResult;
using tables::TableHeader;

// The fixture stands in for the restoration's screens: what they choose is set by each test.
class RestoreTablesTest : public SimContextTest, public config::RestoreSteps {
protected:
    // The controller with these tables destroyed, identified as the start-up leaves it.
    void StartDestroyed(std::vector<std::uint8_t> destroyed) {
        sim::ControllerConfig config;
        config.destroyedTables = std::move(destroyed);
        Start(config);
        image = controller->Image();
    }
    // The table-state screen ticks `ticked` (all writable ones when empty) and leaves with
    // `result`.
    void Choose(TableStateResult result, std::vector<int> ticked = {}) {
        choice = result;
        tickedTables = std::move(ticked);
    }
    TableStateResult TableState(config::TableStates& s) override {
        ++screens;
        if (choice == TableStateResult::WriteAll) {
            config::SelectAll(s);
        } else if (choice == TableStateResult::WriteChosen) {
            config::Selection t{};
            for (int i : tickedTables) {
                t[static_cast<std::size_t>(i)] = true;
            }
            config::SelectTicked(s, t, op);
        }
        return choice;
    }
    // A configuration file holding the controller's users and sixteen flow computers.
    void OfferFile(std::uint8_t flowComputers = 16) {
        config::ConfigBuffer b = config::NewConfiguration();
        const auto users = controller->Image().Fields(4, 0, 16);
        std::ranges::copy(users, b.Part(config::part::kUsers).begin());
        b.Part(config::part::kFlowLine)[0] = flowComputers;
        const auto path = std::filesystem::path(::testing::TempDir()) /
                          ("restore-" + std::to_string(::getpid()) + ".cnf");
        ASSERT_TRUE(config::WriteConfigFile(path, b, op));
        op.messages.clear();
        offeredFile = path;
    }
    // Without an offered file the screens are cancelled.
    std::optional<std::filesystem::path> ChooseConfigFile() override {
        ++filesAsked;
        return offeredFile;
    }
    bool EditConfig(config::ConfigBuffer& b) override {
        if (!offeredFile) {
            return false;
        }
        // Each edit sets the chromatograph byte to the next value asked for, the last one again.
        if (!chromatographEdits.empty()) {
            b.Part(config::part::kChromatograph)[0] = chromatographEdits[std::min<std::size_t>(
                static_cast<std::size_t>(configEdits), chromatographEdits.size() - 1)];
        }
        return ++configEdits, true;
    }
    bool EditUsers(std::span<std::uint8_t, config::kUsersBytes>) override {
        return offeredFile && (++usersEdits, true);
    }
    bool OffersProtocol() const override { return buildsProtocols; }
    void BuildProtocol(const config::ConfigBuffer&) override { ++protocols; }
    void UpdateMenus() override {}
    void DescribeConnection() override {}

    bool Restore() {
        auto ctx = Context();
        return config::RestoreTables(ctx, *this);
    }
    bool Said(const std::string& text1) const {
        return std::ranges::any_of(op.messages, [&](const auto& m) { return m.text1 == text1; });
    }
    std::vector<int> TablesWritten() const {
        std::vector<int> t;
        for (const TableHeader& h : writes) {
            if (t.empty() || t.back() != h.table) {
                t.push_back(h.table);
            }
        }
        return t;
    }
    bool Destroyed(int table) const { return controller->Image().Byte(7, table) != 0; }

    TableStateResult choice = TableStateResult::Exit;
    std::vector<int> tickedTables;
    std::optional<std::filesystem::path> offeredFile;
    std::vector<std::uint8_t> chromatographEdits;
    bool buildsProtocols = false;
    int protocols = 0;
    int screens = 0;
    int filesAsked = 0;
    int configEdits = 0;
    int usersEdits = 0;
};

TEST_F(RestoreTablesTest, ExitWritesNothingAndGoesOnWithTheReads) {
    StartDestroyed({18});
    Choose(TableStateResult::Exit);
    EXPECT_TRUE(Restore());
    EXPECT_EQ(screens, 1);
    EXPECT_TRUE(writes.empty());
}

TEST_F(RestoreTablesTest, TheClockAloneNeedsNoFileAndIsWrittenAfterTheQuestion) {
    for (const bool yes : {false, true}) {
        StartDestroyed({2});
        writes.clear();
        op.messages.clear();
        Choose(TableStateResult::WriteChosen, {2});
        OfferFile();
        op.answers = {yes};
        EXPECT_TRUE(Restore());
        EXPECT_EQ(filesAsked, 0);
        ASSERT_FALSE(op.messages.empty());
        EXPECT_EQ(op.messages[0].text1, "В контроллер будет записано время ЭВМ.");
        EXPECT_EQ(op.messages[0].text2, "Вы уверены, что часы ЭВМ показывают правильное время?");
        EXPECT_EQ(writes.size(), yes ? 1U : 0U);
        EXPECT_EQ(Destroyed(2), !yes);
    }
}

TEST_F(RestoreTablesTest, TheClockIsNotWrittenWhileTheSystemTableIsDestroyed) {
    StartDestroyed({2, 6});
    Choose(TableStateResult::WriteChosen, {2});
    EXPECT_FALSE(Restore());  // table 6 cannot be read afterwards either
    ASSERT_FALSE(op.messages.empty());
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::SeeControllerState);
    EXPECT_EQ(op.messages[0].text1, "Запись даты и времени невозможна");
    EXPECT_EQ(op.messages[0].text2, "при разрушенной таблице системных параметров");
    EXPECT_TRUE(writes.empty());
}

TEST_F(RestoreTablesTest, AnotherTableWithTheClockAsksForAFile) {
    StartDestroyed({2, 6});
    Choose(TableStateResult::WriteChosen, {2, 6});
    Restore();  // no file offered: the file dialog is cancelled
    EXPECT_EQ(filesAsked, 1);
    EXPECT_TRUE(writes.empty());
}

TEST_F(RestoreTablesTest, UsersAndClockAloneAreBothWrittenUsersAsNobody) {
    StartDestroyed({2, 4});
    Choose(TableStateResult::WriteChosen, {2, 4});
    OfferFile();
    op.answers = {true};
    EXPECT_TRUE(Restore());
    EXPECT_EQ(usersEdits, 1);
    EXPECT_EQ(configEdits, 0);
    EXPECT_EQ(writes, (std::vector<TableHeader>{{4, 0, 10}, {4, 10, 6}, {2, 0, 8}}));
    EXPECT_EQ(writtenCredentials[0], Bytes(16, ' '));
    EXPECT_NE(writtenCredentials[2], Bytes(16, ' '));
    EXPECT_FALSE(Destroyed(2) || Destroyed(4));
}

TEST_F(RestoreTablesTest, AllTablesUsersFirstThenTheFixedOrderAndTheProtocol) {
    StartDestroyed({4, 6, 18});
    Choose(TableStateResult::WriteAll);
    OfferFile();
    buildsProtocols = true;
    op.answers = {true};
    EXPECT_TRUE(Restore());
    EXPECT_EQ(configEdits, 1);
    EXPECT_EQ(TablesWritten(), (std::vector<int>{4, 9, 17, 18, 19, 20, 13, 3, 5, 6, 14, 15, 21, 22,
                                                 23, 24, 25, 26, 28}));
    EXPECT_EQ(writtenCredentials.front(), Bytes(16, ' '));
    EXPECT_EQ(std::string(link.writePassword.begin(), link.writePassword.end()), "2222        ");
    EXPECT_EQ(controller->Image().Byte(0, 0), 0);
    EXPECT_TRUE(Said("Формировать протокол конфигурирования?"));
    EXPECT_EQ(protocols, 1);
}

TEST_F(RestoreTablesTest, ATableLeftDestroyedIsNamed) {
    StartDestroyed({18});
    Choose(TableStateResult::WriteChosen, {18});
    OfferFile(2);  // only two of the sixteen addresses are written
    EXPECT_TRUE(Restore());
    EXPECT_EQ(writes, (std::vector<TableHeader>{{18, 0, 2}}));
    EXPECT_TRUE(Said("Разрушена таблица № 18"));
    EXPECT_FALSE(Said("Формировать протокол конфигурирования?"));
}

TEST_F(RestoreTablesTest, AConfigurationThatFailsItsChecksIsEditedAgainOrGivenUp) {
    StartDestroyed({14});
    Choose(TableStateResult::WriteChosen, {14});
    OfferFile();
    chromatographEdits = {0, 1};
    op.answers = {false, true};  // the refusal, then "Да" to correcting once more
    EXPECT_TRUE(Restore());
    EXPECT_EQ(configEdits, 2);
    EXPECT_EQ(writes, (std::vector<TableHeader>{{14, 0, 14}}));

    StartDestroyed({14});
    writes.clear();
    op.messages.clear();
    chromatographEdits = {0};
    Restore();
    EXPECT_TRUE(Said("Корректировать параметры конфигурации?"));
    EXPECT_TRUE(Said("Запись таблиц не выполнена"));
    EXPECT_TRUE(writes.empty());
}

}  // namespace
}  // namespace zor06::test
