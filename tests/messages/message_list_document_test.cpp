// The printed message lists: rows per page, the headings-only last page, the title lines.
#include "messages/message_list_document.h"

#include <string>

#include <gtest/gtest.h>

#include "report/layout.h"

namespace zor06::messages {
namespace {

std::vector<MessageRow> Rows(std::size_t n) {
    std::vector<MessageRow> rows(n);
    for (std::size_t i = 0; i < n; ++i) {
        rows[i][2] = "row " + std::to_string(i + 1);
    }
    return rows;
}

bool PageHas(const report::Page& page, const std::string& text) {
    for (const report::Text& t : page.texts) {
        if (t.text == text) {
            return true;
        }
    }
    return false;
}

TEST(MessageListDocumentTest, RowsFillPagesAndAFullLastPageIsFollowedByHeadingsOnly) {
    using Counts = std::vector<std::size_t>;
    const struct {
        Archive archive;
        std::size_t rows;
        Counts pages;
    } cases[] = {
        {Archive::Interventions, 0, {0}},           {Archive::Interventions, 56, {56}},
        {Archive::Interventions, 57, {57, 0}},      {Archive::Interventions, 58, {57, 1}},
        {Archive::Interventions, 126, {57, 69, 0}}, {Archive::Interventions, 127, {57, 69, 1}},
        {Archive::Diagnostics, 58, {58, 0}},        {Archive::Diagnostics, 59, {58, 1}},
        {Archive::Diagnostics, 124, {58, 65, 1}},   {Archive::Diagnostics, 123, {58, 65, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows");
        EXPECT_EQ(PageRowCounts(c.archive, c.rows), c.pages);
        const auto pages =
            report::Layout(MessageListDocument(c.archive, dataset::HdmHeader{.recordCount = 1000},
                                               Rows(c.rows), "Org"))
                .pages;
        ASSERT_EQ(pages.size(), c.pages.size());
        std::size_t first = 1;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const std::string total = "из " + std::to_string(pages.size());
            EXPECT_TRUE(PageHas(pages[p], total)) << p;
            EXPECT_TRUE(PageHas(pages[p], "Дата")) << p;
            if (c.pages[p] > 0) {
                EXPECT_TRUE(PageHas(pages[p], "row " + std::to_string(first))) << p;
                EXPECT_TRUE(PageHas(pages[p], "row " + std::to_string(first + c.pages[p] - 1)));
                EXPECT_FALSE(PageHas(pages[p], "row " + std::to_string(first + c.pages[p])));
            }
            first += c.pages[p];
        }
    }
}

TEST(MessageListDocumentTest, InterventionsPrintNoMoreRowsThanTheHeaderCounts) {
    const auto pages =
        report::Layout(MessageListDocument(Archive::Interventions,
                                           dataset::HdmHeader{.recordCount = 2}, Rows(5), ""))
            .pages;
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_TRUE(PageHas(pages[0], "row 2"));
    EXPECT_FALSE(PageHas(pages[0], "row 3"));
    const auto diagnostics =
        report::Layout(MessageListDocument(Archive::Diagnostics,
                                           dataset::HdmHeader{.recordCount = 2}, Rows(5), ""))
            .pages;
    EXPECT_TRUE(PageHas(diagnostics[0], "row 5"));
}

TEST(MessageListDocumentTest, TitleNamesListControllerPeriodAndReading) {
    dataset::HdmHeader h;
    const std::string cp = "  GRS-1 \xD1\xE5\xE2\xE5\xF0 ";  // the same in Windows-1251
    std::copy(cp.begin(), cp.end(), h.controllerName.begin());
    h.address = 12;
    h.start = {26, 1, 2, 3, 4, 5};
    h.end = {26, 12, 31, 23, 59, 58};
    h.readAt = {27, 1, 1, 8, 0, 9};
    const struct {
        Archive archive;
        const char* list;
        const char* controller;
    } cases[] = {
        {Archive::Interventions, "Перечень сообщений о вмешательствах оператора",
         "в работу контроллерa ЗОР_06"},
        {Archive::Diagnostics, "Перечень диагностических сообщений", "контроллерa ЗОР_06"},
    };
    for (const auto& c : cases) {
        const auto lines = ListTitleLines(c.archive, h, "Газпром");
        ASSERT_EQ(lines.size(), 6U);
        EXPECT_EQ(lines[0], "Газпром");
        EXPECT_EQ(lines[1], c.list);
        EXPECT_EQ(lines[2], c.controller);
        EXPECT_EQ(lines[3], "Контроллер \"GRS-1 Север\"  (адрес 12)");
        EXPECT_EQ(lines[4], "За период  с  02.01.26 03:04:05  по 31.12.26 23:59:58");
        EXPECT_EQ(lines[5], "Составлен программой zor_05  01.01.27 08:00:09");
    }
}

}  // namespace
}  // namespace zor06::messages
