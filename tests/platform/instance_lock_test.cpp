// The single-instance guard: one copy per display and user, released when the holder ends.
#include "platform/instance_lock.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

using platform::InstanceLock;
using platform::InstanceLockPath;

namespace {

class InstanceLockTest : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("instance-lock-test-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string LockPath(const char *display) {
        return InstanceLockPath(folder_.string(), display);
    }

    // flock locks belong to an open file description, so a second copy of the program is played
    // by a child process: it reports what it got as its exit code.
    static InstanceLock::Result LockInChild(const std::string &path) {
        pid_t child = fork();
        if (child == 0) {
            InstanceLock lock(path);
            _exit(static_cast<int>(lock.State()));
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status));
        return static_cast<InstanceLock::Result>(WEXITSTATUS(status));
    }

    std::filesystem::path folder_;
};

TEST_F(InstanceLockTest, ASecondCopyOnTheSameDisplayIsRefusedAndOneOnAnotherDisplayIsNot) {
    InstanceLock first(LockPath(":0"));
    ASSERT_EQ(first.State(), InstanceLock::Result::Acquired) << first.Error();
    EXPECT_EQ(LockInChild(LockPath(":0")), InstanceLock::Result::HeldByAnother);
    EXPECT_EQ(LockInChild(LockPath(":0.0")), InstanceLock::Result::HeldByAnother);
    EXPECT_EQ(LockInChild(LockPath(":1")), InstanceLock::Result::Acquired);
}

TEST_F(InstanceLockTest, TheLockIsReleasedWhenItsHolderCloses) {
    std::optional<InstanceLock> first;
    first.emplace(LockPath(":5"));
    ASSERT_EQ(first->State(), InstanceLock::Result::Acquired);
    EXPECT_EQ(LockInChild(LockPath(":5")), InstanceLock::Result::HeldByAnother);
    first.reset();
    EXPECT_EQ(LockInChild(LockPath(":5")), InstanceLock::Result::Acquired);
}

TEST_F(InstanceLockTest, ALockFileThatCannotBeOpenedIsAFailureWithItsReason) {
    InstanceLock lock((folder_ / "missing-folder" / "morvex.lock").string());
    EXPECT_EQ(lock.State(), InstanceLock::Result::Failed);
    EXPECT_NE(lock.Error().find("missing-folder"), std::string::npos);
}

TEST(InstanceLockPath, EveryDisplayGetsItsOwnFileInsideTheFolder) {
    EXPECT_EQ(InstanceLockPath("/run/user/7", ":0"), "/run/user/7/morvex-_3A0.lock");
    EXPECT_EQ(InstanceLockPath("/run/user/7", ":0.1"), InstanceLockPath("/run/user/7", ":0"));
    EXPECT_EQ(InstanceLockPath("/run/user/7", "wayland-0"), "/run/user/7/morvex-wayland-0.lock");
    // Names that would climb out of the folder or look like another display stay apart.
    EXPECT_EQ(InstanceLockPath("/f", "../../x:0"), "/f/morvex-.._2F.._2Fx_3A0.lock");
    EXPECT_NE(InstanceLockPath("/f", "_3A0"), InstanceLockPath("/f", ":0"));
    EXPECT_NE(InstanceLockPath("/f", "host:10"), InstanceLockPath("/f", "host:1"));
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char *name, const std::string &value) : name_(name) {
        if (const char *old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char *name_;
    std::optional<std::string> old_;
};

TEST_F(InstanceLockTest, TheRuntimeFolderIsUsedOnlyWhenItIsPrivate) {
    std::filesystem::path runtime = folder_ / "runtime";
    std::filesystem::create_directory(runtime);
    chmod(runtime.c_str(), 0700);
    {
        ScopedEnvironment environment("XDG_RUNTIME_DIR", runtime.string());
        EXPECT_EQ(platform::InstanceLockFolder(), runtime.string());
    }
    chmod(runtime.c_str(), 0777);
    {
        ScopedEnvironment environment("XDG_RUNTIME_DIR", runtime.string());
        std::string fallback = platform::InstanceLockFolder();
        EXPECT_EQ(fallback, "/tmp/morvex-" + std::to_string(getuid()));
        struct stat status {};
        ASSERT_EQ(lstat(fallback.c_str(), &status), 0);
        EXPECT_TRUE(S_ISDIR(status.st_mode));
        EXPECT_EQ(status.st_mode & 077, 0u);
    }
}

}  // namespace
