// The lock that makes programs updating one settings file take turns: one holder at a time, a
// waiter that gets it once the holder lets go, and lock files it must not use.
#include "platform/file_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "platform/temporary_files.h"

namespace zor06::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using State = ExclusiveFileLock::State;

TEST(FileLockTest, OneHolderAtATime) {
    const TemporaryFolder folder("zor06-lock", {});
    ASSERT_FALSE(folder.Path().empty()) << folder.Failure();
    const fs::path lockFile = folder.Path() / "objects.ini.lock";
    {
        const ExclusiveFileLock first(lockFile, 0ms);
        ASSERT_EQ(first.Status(), State::Held) << first.Failure();
        const ExclusiveFileLock second(lockFile, 20ms);
        EXPECT_EQ(second.Status(), State::Busy);
    }
    const ExclusiveFileLock again(lockFile, 0ms);
    EXPECT_EQ(again.Status(), State::Held) << again.Failure();
    EXPECT_TRUE(fs::is_regular_file(lockFile));  // kept, so that every program locks this one
}

TEST(FileLockTest, AWaiterGetsTheLockWhenTheHolderLetsGo) {
    const TemporaryFolder folder("zor06-lock", {});
    ASSERT_FALSE(folder.Path().empty()) << folder.Failure();
    const fs::path lockFile = folder.Path() / "conn.ini.lock";
    std::optional<ExclusiveFileLock> holder;
    holder.emplace(lockFile, 0ms);
    ASSERT_EQ(holder->Status(), State::Held);
    std::thread release([&holder] {
        std::this_thread::sleep_for(100ms);
        holder.reset();
    });
    const ExclusiveFileLock waiter(lockFile, 30s);
    release.join();
    EXPECT_EQ(waiter.Status(), State::Held) << waiter.Failure();
}

TEST(FileLockTest, ALockFileThatCannotBeUsedIsAFailureWithItsReason) {
    const TemporaryFolder folder("zor06-lock", {});
    ASSERT_FALSE(folder.Path().empty()) << folder.Failure();
    const fs::path target = folder.Path() / "elsewhere";
    fs::create_symlink(target, folder.Path() / "link.lock");
    struct Case {
        const char* what;
        fs::path lockFile;
    };
    const Case cases[] = {
        {"a symbolic link at its name", folder.Path() / "link.lock"},
        {"a missing folder", folder.Path() / "missing" / "conn.ini.lock"},
    };
    for (const Case& c : cases) {
        const ExclusiveFileLock lock(c.lockFile, 0ms);
        EXPECT_EQ(lock.Status(), State::Failed) << c.what;
        EXPECT_FALSE(lock.Failure().empty()) << c.what;
    }
    EXPECT_FALSE(fs::exists(target));  // the link was not followed
}

}  // namespace
}  // namespace zor06::platform
