// The presets and checks of the index dialog, the period dialog and the data period dialog.
#include <gtest/gtest.h>

#include "messages/index_dialog_model.h"
#include "messages/period_dialog_model.h"
#include "messages/short_date_model.h"

namespace zor06::test {
namespace {

using messages::Period;

double Pc(const bytes::ControllerDateTime& dt) {
    return tables::DecodeToPc(dt);
}

struct IndexPresetCase {
    int stored;
    messages::IndexFields want;
    int remembered;
};

class IndexDialogTest : public ::testing::TestWithParam<IndexPresetCase> {};

TEST_P(IndexDialogTest, ChoosingAPresetFillsTheFieldsAndIsRemembered) {
    const IndexPresetCase& c = GetParam();
    settings::ArchiveChoices choices;
    choices.indexKind = c.stored;
    messages::IndexDialogModel model(messages::Archive::Diagnostics, {5, 60}, choices);
    const messages::IndexFields got = model.Choose(model.Preset());
    EXPECT_EQ(got.start, c.want.start) << c.stored;
    EXPECT_EQ(got.count, c.want.count) << c.stored;
    EXPECT_EQ(got.editable, c.want.editable) << c.stored;
    EXPECT_EQ(choices.indexKind, c.remembered) << c.stored;
}

INSTANTIATE_TEST_SUITE_P(Presets, IndexDialogTest,
                         ::testing::Values(IndexPresetCase{0, {"5", "56", false}, 0},
                                           IndexPresetCase{1, {"5", "56", false}, 1},
                                           IndexPresetCase{2, {"11", "50", false}, 2},
                                           IndexPresetCase{3, {"51", "10", false}, 3},
                                           IndexPresetCase{4, {"", "", true}, 4},
                                           IndexPresetCase{9, {"", "", true}, 4}));

TEST(IndexDialogAcceptTest, EntryTextsGoThroughTheChecks) {
    settings::ArchiveChoices choices;
    messages::IndexDialogModel model(messages::Archive::Interventions, {5, 60}, choices);
    EXPECT_EQ(model.Caption(), "Индексы архивных записей о вмешательствах");
    EXPECT_EQ(model.Accept("58", "10").accepted, (messages::IndexSelection{58, 3}));
    EXPECT_EQ(model.Accept("", "10").text1, "Не введен индекс записи начала чтения");
    EXPECT_EQ(model.Accept("99999999999", "1").text1,
              "Нелогичное значение индекса записи начала чтения");
}

struct PeriodPresetCase {
    const char* what;
    bytes::ControllerDateTime now;
    int preset;
    bytes::ControllerDateTime start;
    bytes::ControllerDateTime end;
    bool editable;
};

class PeriodDialogTest : public ::testing::TestWithParam<PeriodPresetCase> {};

TEST_P(PeriodDialogTest, PresetsProposeThePeriod) {
    const PeriodPresetCase& c = GetParam();
    settings::ArchiveChoices choices;
    choices.periodBegin = Pc({24, 5, 1, 8, 0, 0});
    choices.periodEnd = Pc({24, 5, 2, 9, 30, 15});
    messages::PeriodDialogModel model(choices, Pc(c.now));
    const messages::PeriodEntry entry = model.Choose(c.preset);
    EXPECT_EQ(entry.start, messages::GroupOf(c.start)) << c.what;
    EXPECT_EQ(entry.end, messages::GroupOf(c.end)) << c.what;
    EXPECT_EQ(entry.editable, c.editable) << c.what;
    const auto verdict = model.Accept(entry);
    EXPECT_EQ(verdict.accepted, (Period{c.start, c.end})) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Presets, PeriodDialogTest,
                         ::testing::Values(PeriodPresetCase{"last hour at 00:20:15",
                                                            {24, 3, 1, 0, 20, 15},
                                                            0,
                                                            {24, 2, 29, 23, 20, 15},
                                                            {24, 3, 1, 0, 20, 15},
                                                            false},
                                           PeriodPresetCase{"last hour",
                                                            {24, 3, 1, 14, 5, 0},
                                                            0,
                                                            {24, 3, 1, 13, 5, 0},
                                                            {24, 3, 1, 14, 5, 0},
                                                            false},
                                           PeriodPresetCase{"last day",
                                                            {24, 1, 1, 14, 5, 9},
                                                            1,
                                                            {23, 12, 31, 14, 5, 9},
                                                            {24, 1, 1, 14, 5, 9},
                                                            false},
                                           PeriodPresetCase{"given period",
                                                            {24, 3, 1, 0, 0, 0},
                                                            2,
                                                            {24, 5, 1, 8, 0, 0},
                                                            {24, 5, 2, 9, 30, 15},
                                                            true},
                                           PeriodPresetCase{"a preset it does not have",
                                                            {24, 3, 1, 0, 0, 0},
                                                            7,
                                                            {24, 5, 1, 8, 0, 0},
                                                            {24, 5, 2, 9, 30, 15},
                                                            true}));

struct PeriodEntryCase {
    const char* what;
    std::string startHour;
    std::string startMinute;
    std::string endSecond;
    bytes::ControllerDateTime endDate;  // only the date is taken
    const char* text1;
    const char* text2;
};

class PeriodEntryTest : public ::testing::TestWithParam<PeriodEntryCase> {};

TEST_P(PeriodEntryTest, RefusesWhatIsOutOfRangeOrOutOfOrder) {
    const PeriodEntryCase& c = GetParam();
    settings::ArchiveChoices choices;
    messages::PeriodDialogModel model(choices, Pc({24, 3, 1, 12, 0, 0}));
    messages::PeriodEntry entry = model.Choose(2);
    entry.start = {{2024, 3, 1}, c.startHour, c.startMinute, "0"};
    entry.end = {tables::DateOf(c.endDate), "10", "0", c.endSecond};
    const auto verdict = model.Accept(entry);
    EXPECT_FALSE(verdict.accepted) << c.what;
    EXPECT_EQ(verdict.text1, c.text1) << c.what;
    EXPECT_EQ(verdict.text2, c.text2) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Checks, PeriodEntryTest,
                         ::testing::Values(PeriodEntryCase{"start hour 24",
                                                           "24",
                                                           "0",
                                                           "0",
                                                           {24, 3, 2, 0, 0, 0},
                                                           "Значение часа начала диапазона",
                                                           "вне допустимого диапазона"},
                                           PeriodEntryCase{"start minute empty",
                                                           "1",
                                                           "",
                                                           "0",
                                                           {24, 3, 2, 0, 0, 0},
                                                           "Значение минут начала диапазона",
                                                           "вне допустимого диапазона"},
                                           PeriodEntryCase{"end second 60",
                                                           "1",
                                                           "0",
                                                           "60",
                                                           {24, 3, 2, 0, 0, 0},
                                                           "Значение секунд конца диапазона",
                                                           "вне допустимого диапазона"},
                                           PeriodEntryCase{"end before start",
                                                           "11",
                                                           "0",
                                                           "0",
                                                           {24, 3, 1, 0, 0, 0},
                                                           "Дата и время конца опроса должны быть",
                                                           "больше даты и времени начала опроса"}));

TEST(PeriodDialogAcceptTest, EqualEndsPassAndAGivenPeriodIsRemembered) {
    settings::ArchiveChoices choices;
    messages::PeriodDialogModel model(choices, Pc({24, 3, 1, 12, 0, 0}));
    messages::PeriodEntry entry = model.Choose(2);
    entry.start = messages::GroupOf({24, 6, 1, 10, 0, 0});
    entry.end = entry.start;
    EXPECT_EQ(model.Accept(entry).accepted, (Period{{24, 6, 1, 10, 0, 0}, {24, 6, 1, 10, 0, 0}}));
    EXPECT_EQ(tables::EncodeNow(choices.periodBegin),
              (bytes::ControllerDateTime{24, 6, 1, 10, 0, 0}));
    EXPECT_EQ(choices.periodKind, 2);
}

using messages::DataArchive;

struct ShortPresetCase {
    const char* what;
    DataArchive kind;
    messages::ArchiveBounds bounds;
    bytes::ControllerDateTime now;
    int preset;  // -1: the values set from the bounds, before any preset
    bytes::ControllerDateTime start;
    bytes::ControllerDateTime end;
};

class ShortDateTest : public ::testing::TestWithParam<ShortPresetCase> {};

TEST_P(ShortDateTest, ProposesThePeriodAtTheArchivesStep) {
    const ShortPresetCase& c = GetParam();
    settings::ArchiveChoices choices;
    choices.periodBegin = Pc({24, 5, 1, 8, 7, 9});
    choices.periodEnd = Pc({24, 5, 2, 9, 30, 15});
    messages::ShortDateModel model(c.kind, c.bounds, c.now, choices);
    const messages::ShortDateEntry initial = model.Initial();
    const messages::ShortDateEntry got = c.preset < 0 ? initial : model.Choose(c.preset, initial);
    EXPECT_EQ(got.start, c.start) << c.what;
    EXPECT_EQ(got.end, c.end) << c.what;
}

const messages::ArchiveBounds kHours{{19, 6, 10, 2, 0}, {19, 6, 10, 8, 0}};
const messages::ArchiveBounds kWide{{19, 1, 1, 0, 0}, {19, 12, 31, 23, 57}};

INSTANTIATE_TEST_SUITE_P(
    Presets, ShortDateTest,
    ::testing::Values(ShortPresetCase{"hourly from the bounds, not before the oldest",
                                      DataArchive::Hourly,
                                      kHours,
                                      {19, 6, 10, 9, 12, 0},
                                      -1,
                                      {19, 6, 10, 2, 0, 0},
                                      {19, 6, 10, 8, 0, 0}},
                      ShortPresetCase{"hourly from the bounds",
                                      DataArchive::Hourly,
                                      kWide,
                                      {19, 6, 10, 9, 12, 0},
                                      -1,
                                      {19, 12, 30, 23, 0, 0},
                                      {19, 12, 31, 23, 0, 0}},
                      ShortPresetCase{"hourly, last day",
                                      DataArchive::Hourly,
                                      kWide,
                                      {19, 6, 10, 0, 12, 0},
                                      0,
                                      {19, 6, 9, 0, 0, 0},
                                      {19, 6, 9, 23, 0, 0}},
                      ShortPresetCase{"hourly, given period keeps the values",
                                      DataArchive::Hourly,
                                      kWide,
                                      {19, 6, 10, 0, 12, 0},
                                      1,
                                      {19, 12, 30, 23, 0, 0},
                                      {19, 12, 31, 23, 0, 0}},
                      ShortPresetCase{"daily from the bounds, 30.11 lacking a 31st",
                                      DataArchive::Daily,
                                      kWide,
                                      {19, 6, 10, 9, 0, 0},
                                      -1,
                                      {19, 12, 1, 0, 0, 0},
                                      {19, 12, 31, 0, 0, 0}},
                      ShortPresetCase{"daily, last month",
                                      DataArchive::Daily,
                                      kWide,
                                      {19, 6, 10, 9, 0, 0},
                                      0,
                                      {19, 5, 9, 0, 0, 0},
                                      {19, 6, 9, 0, 0, 0}},
                      ShortPresetCase{"3-minute, last hour at 00:20",
                                      DataArchive::ThreeMinute,
                                      kWide,
                                      {19, 6, 10, 0, 20, 41},
                                      0,
                                      {19, 6, 9, 23, 20, 0},
                                      {19, 6, 10, 0, 20, 0}},
                      ShortPresetCase{"3-minute, last day",
                                      DataArchive::ThreeMinute,
                                      kWide,
                                      {19, 6, 10, 5, 20, 41},
                                      1,
                                      {19, 6, 9, 5, 20, 0},
                                      {19, 6, 10, 5, 20, 0}},
                      ShortPresetCase{"3-minute, given period without seconds",
                                      DataArchive::ThreeMinute,
                                      kWide,
                                      {19, 6, 10, 5, 20, 41},
                                      2,
                                      {24, 5, 1, 8, 7, 0},
                                      {24, 5, 2, 9, 30, 0}}));

struct ShortAcceptCase {
    const char* what;
    DataArchive kind;
    bytes::ControllerDateTime start;
    bytes::ControllerDateTime end;
    std::optional<Period> want;
    const char* text1;
};

class ShortDateAcceptTest : public ::testing::TestWithParam<ShortAcceptCase> {};

TEST_P(ShortDateAcceptTest, ChecksOrderAndOverlapAndMovesThePeriodInside) {
    const ShortAcceptCase& c = GetParam();
    settings::ArchiveChoices choices;
    messages::ShortDateModel model(c.kind, kHours, {19, 6, 10, 9, 0, 0}, choices);
    const auto verdict = model.Accept({c.start, c.end, true});
    EXPECT_EQ(verdict.accepted, c.want) << c.what;
    EXPECT_EQ(verdict.text1, c.text1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ShortDateAcceptTest,
    ::testing::Values(ShortAcceptCase{"end before start",
                                      DataArchive::Hourly,
                                      {19, 6, 10, 5, 0, 0},
                                      {19, 6, 10, 4, 0, 0},
                                      {},
                                      "Дата и время конца опроса должны быть"},
                      ShortAcceptCase{"the same hour, minutes apart",
                                      DataArchive::Hourly,
                                      {19, 6, 10, 5, 40, 0},
                                      {19, 6, 10, 5, 10, 0},
                                      Period{{19, 6, 10, 5, 0, 0}, {19, 6, 10, 5, 0, 0}},
                                      ""},
                      ShortAcceptCase{"both before the oldest",
                                      DataArchive::Hourly,
                                      {19, 6, 9, 5, 0, 0},
                                      {19, 6, 10, 1, 0, 0},
                                      {},
                                      "В архиве нет данных за указанный период"},
                      ShortAcceptCase{"both after the newest",
                                      DataArchive::ThreeMinute,
                                      {19, 6, 10, 8, 3, 0},
                                      {19, 6, 11, 0, 0, 0},
                                      {},
                                      "В архиве нет данных за указанный период"},
                      ShortAcceptCase{"moved inside",
                                      DataArchive::Hourly,
                                      {19, 6, 9, 5, 0, 0},
                                      {19, 6, 11, 1, 0, 0},
                                      Period{{19, 6, 10, 2, 0, 0}, {19, 6, 10, 8, 0, 0}},
                                      ""},
                      ShortAcceptCase{"daily compares by the day",
                                      DataArchive::Daily,
                                      {19, 6, 10, 9, 0, 0},
                                      {19, 6, 10, 1, 0, 0},
                                      Period{{19, 6, 10, 0, 0, 0}, {19, 6, 10, 0, 0, 0}},
                                      ""}));

TEST(ShortDateLinesTest, BoundLinesShowWhatTheKindHas) {
    settings::ArchiveChoices choices;
    const messages::ShortDateModel hourly(DataArchive::Hourly, kHours, {}, choices);
    EXPECT_EQ(hourly.OldestLine(), "Дата и время самой старой записи в архиве:  10.06.19 02ч");
    const messages::ShortDateModel daily(DataArchive::Daily, kHours, {}, choices);
    EXPECT_EQ(daily.NewestLine(), "Дата и время последней записи в архиве:  10.06.19");
    const messages::ShortDateModel minutes(DataArchive::ThreeMinute, kHours, {}, choices);
    EXPECT_EQ(minutes.NewestLine(), "Дата и время последней записи в архиве:  10.06.19 08:00");
    EXPECT_EQ(minutes.PresetTexts().size(), 3u);
    choices.periodKind = 2;
    EXPECT_EQ(daily.Preset(), 1);  // the daily dialog has two choices
}

}  // namespace
}  // namespace zor06::test
