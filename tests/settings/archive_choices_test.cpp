// rd_arh_par.ini: the remembered moments the archive dialogs can show.
#include "settings/archive_choices.h"

#include <gtest/gtest.h>

#include "settings/date_text.h"

namespace zor06::settings {
namespace {

constexpr double kNow = 45356.5;  // 05.03.2024 12:00:00

TEST(ArchiveChoicesTest, MomentsOutsideTheControllersYearsReadAsNow) {
    const struct {
        const char* text;
        const char* read;
    } cases[] = {
        {"01.01.2000 00:00:00", "01.01.2000 00:00:00"},
        {"31.12.2255 23:59:59", "31.12.2255 23:59:59"},
        // The controller's year byte would wrap these into 2246 and 2000.
        {"31.12.1999 23:59:59", "05.03.2024 12:00:00"},
        {"01.01.1990", "05.03.2024 12:00:00"},
        {"01.01.2256 00:00:00", "05.03.2024 12:00:00"},
        {"05.03.6024", "05.03.2024 12:00:00"},
    };
    for (const auto& c : cases) {
        const std::string file = std::string("[ARH_PAR]\r\ncurr_dt_beg=") + c.text +
                                 "\r\ncurr_dt_end=" + c.text + "\r\n";
        const ArchiveChoices read = ReadArchiveChoices(IniFile::FromBytes(file), kNow);
        EXPECT_EQ(FormatDateTime(read.periodBegin), c.read) << c.text;
        EXPECT_EQ(FormatDateTime(read.periodEnd), c.read) << c.text;
    }
}

}  // namespace
}  // namespace zor06::settings
