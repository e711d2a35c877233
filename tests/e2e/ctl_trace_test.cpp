// zor06ctl --trace: every exchange on stderr in the monitor's layout, the output left as it was,
// without the credentials of a write or the passwords and codes of the users table.
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

TEST_F(CtlTraceTest, NeitherCredentialsNorUsersPasswordsAndCodesAreTraced) {
    Start({"--password", "Zq8%Zq8%"});
    // A user of its own in the 6th slot: "TST", engineer, password "Hk4&Hk4&Hk4&", code "8642".
    const auto write =
        Ctl({"--tcp", endpoint, "--password", "Zq8%Zq8%", "--id-code", "9753", "--trace",
             "write-table", "4", "5", "545354200300486B3426486B3426486B342638363432"});
    const auto read = Ctl({"--tcp", endpoint, "--trace", "read-table", "4"});
    ASSERT_EQ(write.exitCode + read.exitCode, 0) << write.err << read.err;
    const std::string trace = write.err + read.err;
    // The demonstration users' passwords "2222" and "4444" only as bytes: digits come up in times.
    for (const char* bytes : {"5A 71 38 25", "39 37 35 33", "48 6B 34 26", "38 36 34 32",
                              "32 32 32 32", "34 34 34 34"}) {
        EXPECT_EQ(trace.find(bytes), std::string::npos) << bytes;
    }
    for (const char* text : {"Zq8%", "9753", "Hk4&", "8642"}) {
        EXPECT_EQ(trace.find(text), std::string::npos) << text;
    }
    const std::string stars = "** ** ** ** ** ** ** ** ** ** ** ** ** ** ** **";
    EXPECT_NE(write.err.find("CC 01 30 02 " + stars + " 00 04 05 01 54 53 54 20 03 00 " + stars),
              std::string::npos)
        << write.err;
    EXPECT_NE(read.err.find("54 53 54 20 03 00 " + stars + " 20 20"), std::string::npos)
        << read.err;
}

}  // namespace
}  // namespace zor06::test
