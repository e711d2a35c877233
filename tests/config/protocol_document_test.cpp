// The protocol's document laid out: two pages, the right section first on page 2, the page
// header and the footer numbers on both.
#include "config/protocol_document.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "report/layout.h"

namespace zor06::config {
namespace {

bool Holds(const report::Page& page, const std::string& text) {
    return std::ranges::any_of(page.texts, [&](const auto& t) { return t.text == text; });
}

// The heading that stands highest on the page, below the page header.
std::string FirstHeading(const report::Page& page, const ProtocolContent& c) {
    double best = 1e9;
    std::string found;
    for (const auto& t : page.texts) {
        const bool heading = std::ranges::any_of(
            c.sections, [&](const auto& s) { return !s.heading.empty() && s.heading == t.text; });
        if (heading && t.box.y < best) {
            best = t.box.y;
            found = t.text;
        }
    }
    return found;
}

TEST(ProtocolDocumentTest, TwoPagesWithTheSecondStartingWhereItShould) {
    struct Case {
        bool moisture;
        std::uint8_t flowCount;
        const char* pageTwo;
    } const cases[] = {
        {true, 16, "Параметры связи с вычислителями расхода газа"},
        {false, 16, "Параметры вычислителей"},
        {false, 1, "Параметры вычислителей"},
        {true, 1, "Параметры связи с вычислителями расхода газа"},
    };
    for (const Case& c : cases) {
        ProtocolRecord r = ProtocolFromConfig(NewConfiguration());
        r.bytes[206] = c.moisture ? 1 : 0;
        r.bytes[207] = 1;
        r.bytes[210] = c.flowCount;
        r.bytes[223] = 3;
        const ProtocolContent content = BuildProtocolContent(r);
        const report::Pages pages = report::Layout(ProtocolDocument(content));
        ASSERT_EQ(pages.pages.size(), 2U) << c.pageTwo;
        EXPECT_EQ(FirstHeading(pages.pages[1], content), c.pageTwo);
        EXPECT_EQ(FirstHeading(pages.pages[0], content), "Общие параметры идентификации");
        EXPECT_EQ(Holds(pages.pages[0], "Параметры связи с влагомером"), c.moisture);
        for (int i = 0; i < 2; ++i) {
            const auto& page = pages.pages[static_cast<std::size_t>(i)];
            EXPECT_TRUE(Holds(page, "Лист " + std::to_string(i + 1)));
            EXPECT_TRUE(Holds(page, "из 2"));
            EXPECT_TRUE(Holds(page, content.controllerLine));
            EXPECT_EQ(Holds(page, content.compiledBy), i == 0);
        }
        EXPECT_TRUE(Holds(pages.pages[1], "Подпись"));
    }
}

}  // namespace
}  // namespace zor06::config
