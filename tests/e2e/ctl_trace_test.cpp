// zor06ctl --trace: every exchange on stderr in the monitor's layout, the output left as it was.
#include <regex>
#include <sstream>

#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

using CtlTraceTest = CtlFixture;

TEST_F(CtlTraceTest, IdentifyTracesEachRequestAndReplyOnStderrOnly) {
    Start();
    const auto plain = Ctl({"--tcp", endpoint, "identify"});
    const auto traced = Ctl({"--tcp", endpoint, "--trace", "identify"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    ASSERT_EQ(traced.exitCode, 0) << traced.err;
    EXPECT_EQ(traced.out, plain.out);

    const std::regex request(R"(\d\d:\d\d:\d\d\.\d{3}  ->  код +\d+  дл\. +\d+  CC 01 .*)");
    const std::regex reply(
        R"(\d\d:\d\d:\d\d\.\d{3}  <-  код +\d+  дл\. +\d+  33 01 .*  \d+ мс  Команда выполнена)");
    std::istringstream lines(traced.err);
    std::string line;
    int requests = 0;
    int replies = 0;
    bool replyFollows = false;
    while (std::getline(lines, line)) {
        if (replyFollows) {
            EXPECT_TRUE(std::regex_match(line, reply)) << line;
            ++replies;
            replyFollows = false;
        } else if (std::regex_match(line, request)) {
            ++requests;
            replyFollows = true;
        }
    }
    EXPECT_GT(requests, 1);
    EXPECT_EQ(replies, requests);
    EXPECT_EQ(plain.err.find("  ->  "), std::string::npos);
}

}  // namespace
}  // namespace zor06::test
