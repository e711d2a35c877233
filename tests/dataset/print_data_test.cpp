// The print-data dialog's lines per report kind and the organisation name kept for printouts.
#include "dataset/print_data.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace zor06::dataset {
namespace {

namespace fs = std::filesystem;

TEST(PrintDataTest, LinesNameTheKindRunAndPeriod) {
    HdmHeader h;
    h.source = 0x10;  // run 2
    h.start = {19, 6, 10, 2, 5, 9};
    h.end = {19, 6, 11, 8, 0, 0};
    struct Case {
        int kind;
        std::array<std::string, 3> lines;
    };
    const Case cases[] = {
        {0,
         {"Часовые измерительные данные нитки 2 хроматографа", "контроллерa ЗОР_06",
          "за период  с  10.06.19  02ч  по  11.06.19  08ч"}},
        {1,
         {"Суточные измерительные данные нитки 2 хроматографа", "контроллерa ЗОР_06",
          "за период  с  10.06.19  по  11.06.19"}},
        {4,
         {"Перечень сообщений о вмешательствах оператора", "в работу к контроллерa ЗОР_06",
          "за период  с  10.06.19  02:05:09  по  11.06.19  08:00:00"}},
        {7,
         {"Суточные измерительные данные влагомера", "контроллерa ЗОР_06",
          "за период  с  10.06.19  по  11.06.19"}},
        {9, {"", "", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrintDataLines(c.kind, h), c.lines) << c.kind;
    }
    // The last letter of "контроллерa" is the Latin a.
    EXPECT_EQ(PrintDataLines(3, h)[1].substr(20), "a ЗОР_06");
}

TEST(PrintDataTest, OrganisationNameIsFortyBytesOfWindows1251) {
    const fs::path file = fs::path(::testing::TempDir()) / ("title-" + std::to_string(::getpid()));
    EXPECT_EQ(ReadOrganisationName(file), "");  // a missing file: an empty name
    ASSERT_TRUE(WriteOrganisationName(file, "ООО Газ"));
    EXPECT_EQ(fs::file_size(file), 40U);
    EXPECT_EQ(ReadOrganisationName(file), "ООО Газ");
    std::ofstream(file, std::ios::binary) << std::string(50, 'x');  // longer than its 40 bytes
    EXPECT_EQ(ReadOrganisationName(file), std::string(40, 'x'));
    fs::remove(file);
}

}  // namespace
}  // namespace zor06::dataset
