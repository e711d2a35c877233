// zor06ctl's options for unattended use: bounded retries, endpoint checks, credentials that stay
// out of the process list.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

// The tool with environment variables set, as a script exports them.
ProcessResult CtlWithEnv(const std::vector<std::string>& env, std::vector<std::string> args) {
    std::vector<std::string> all = env;
    all.push_back(ZOR06_CTL_PATH);
    all.insert(all.end(), args.begin(), args.end());
    return RunProcess("/usr/bin/env", all);
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

class CtlOptions : public CtlFixture {
protected:
    std::filesystem::path SecretFile(const std::string& content) {
        const auto path =
            std::filesystem::temp_directory_path() /
            ("zor06-secret-" + std::to_string(::getpid()) + "-" + std::to_string(files_++));
        std::ofstream(path) << content;
        created_.push_back(path);
        return path;
    }
    void TearDown() override {
        for (const auto& path : created_) {
            std::filesystem::remove(path);
        }
    }

private:
    int files_ = 0;
    std::vector<std::filesystem::path> created_;
};

TEST_F(CtlOptions, YesRetriesAFailingReadOnlyABoundedNumberOfTimes) {
    Start({"--silent"});
    const std::vector<std::string> link{"--tcp", endpoint, "--first-byte-timeout", "50", "--yes"};
    for (const int retries : {0, 1, 3}) {
        auto args = link;
        if (retries != 3) {  // 3 is the default
            args.insert(args.end(), {"--retries", std::to_string(retries)});
        }
        args.insert(args.end(), {"read-table", "0"});
        const auto r = Ctl(args);
        EXPECT_EQ(r.exitCode, 1) << r.err;
        EXPECT_EQ(Count(r.err, "Повторить попытку?\nДа\n"), static_cast<std::size_t>(retries))
            << r.err;
        EXPECT_EQ(Count(r.err, "Повторить попытку?\nНет\n"), 1u) << r.err;
    }
}

TEST_F(CtlOptions, MalformedEndpointsAreWrongUsage) {
    for (const std::string bad :
         {"localhost", "127.0.0.1:99999", "127.0.0.1:0", "127.0.0.1:", ":4001", "host:-1"}) {
        const auto r = Ctl({"--tcp", bad, "read-table", "0"});
        EXPECT_EQ(r.exitCode, 2) << bad << "\n" << r.err;
        EXPECT_NE(r.err.find("--tcp"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Ctl({"--retries", "x", "--tcp", "127.0.0.1:1", "read-table", "0"}).exitCode, 2);
}

TEST_F(CtlOptions, CredentialsComeFromAFileOrTheEnvironment) {
    Start({"--password", "secret"});
    const std::vector<std::string> write{"--tcp", endpoint, "write-table", "6", "6", "0A"};

    auto fromFile = write;
    fromFile.insert(fromFile.begin(), {"--password-file", SecretFile("secret\n").string()});
    const auto file = Ctl(fromFile);
    EXPECT_EQ(file.exitCode, 0) << file.err;

    const auto env = CtlWithEnv({"ZOR06_PASSWORD=secret"}, write);
    EXPECT_EQ(env.exitCode, 0) << env.err;

    // The command line wins over the environment; a wrong password is the controller's refusal.
    auto explicitWrong = write;
    explicitWrong.insert(explicitWrong.begin(), {"--password", "wrong"});
    EXPECT_EQ(CtlWithEnv({"ZOR06_PASSWORD=secret"}, explicitWrong).exitCode, 1);

    auto missing = write;
    missing.insert(missing.begin(), {"--password-file", "/nonexistent/zor06-secret"});
    const auto unreadable = Ctl(missing);
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_NE(unreadable.err.find("--password-file"), std::string::npos) << unreadable.err;
}

}  // namespace
}  // namespace zor06::test
