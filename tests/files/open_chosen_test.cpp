#include "files/open_chosen.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "tests/support/recording_operator.h"

namespace zor06::files {
namespace {

namespace fs = std::filesystem;

TEST(ReadChosenFile, ReadsTheWholeFileOrSaysItCannotBeOpened) {
    const fs::path dir = fs::temp_directory_path() / ("zor06-open-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "a.cnf", std::ios::binary) << std::string("ab\0c", 4);

    test::RecordingOperator op;
    EXPECT_EQ(ReadChosenFile(dir / "a.cnf", op, true), std::string("ab\0c", 4));
    EXPECT_TRUE(op.messages.empty());

    struct Case {
        fs::path path;
        bool withReason;
        bool reasonShown;  // a missing file has no reason beyond its absence
    };
    const Case cases[] = {
        {dir / "missing.cnf", true, false},
        {dir, true, true},
        {dir, false, false},
    };
    for (const Case& c : cases) {
        op = {};
        EXPECT_FALSE(ReadChosenFile(c.path, op, c.withReason)) << c.path;
        ASSERT_EQ(op.messages.size(), 1U);
        EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::Error);
        EXPECT_EQ(op.messages[0].text1, kOpenFailed);
        EXPECT_EQ(op.messages[0].text2.empty(), !c.reasonShown) << c.path;
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace zor06::files
