// The cross-process lock, with real child processes, and the lock files it keeps.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>

#include "support/TestSupport.h"
#include "textdb/SharedLock.h"
#include "textdb/TextDatabase.h"
#include "textdb/Version2Writer.h"

namespace z2k::test {
namespace {

namespace fs = std::filesystem;

// A child process that takes the lock of a path, tells the parent, and holds the lock until it
// is told to let go. The parent holds no lock while it starts a child, so none is inherited.
struct Holder {
    Holder(const std::string& path, bool exclusive) {
        if (::pipe(up_) != 0 || ::pipe(down_) != 0 || (pid_ = ::fork()) != 0) return;
        auto lock = exclusive ? SharedLock::acquireWrite(path) : SharedLock::acquireRead(path);
        char c = lock ? 'y' : 'n';
        ::_exit(::write(up_[1], &c, 1) == 1 && ::read(down_[0], &c, 1) == 1 ? 0 : 4);
    }
    // Ends the child when it is still running: only this child, by its id.
    ~Holder() {
        if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0) ::waitpid(pid_, nullptr, 0);
        for (int fd : {up_[0], up_[1], down_[0], down_[1]}) ::close(fd);
    }
    // Waits until the child has the lock (it may first wait for it).
    bool holds() {
        char c = 'n';
        return ::read(up_[0], &c, 1) == 1 && c == 'y';
    }
    // Tells the child to let go and waits for its end.
    void release() {
        char c = 'x';
        if (::write(down_[1], &c, 1) == 1) ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    int up_[2] = {-1, -1};
    int down_[2] = {-1, -1};
    pid_t pid_ = -1;
};

// Each test has a runtime folder of its own, so its lock folder is fresh and shared with nobody.
class SharedLockTest : public testing::Test {
  protected:
    SharedLockTest() { ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1); }
    ~SharedLockTest() override { ::setenv("XDG_RUNTIME_DIR", oldRuntime_.c_str(), 1); }
    const std::string oldRuntime_ = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "/tmp";
    TempFolder runtime;
    TempFolder drive{'D'};
    const fs::path folder = runtime.path() / "zat2kor";
};

TEST_F(SharedLockTest, ReadersShareAndAWriterWaitsForThemInAnyLetterCase) {
    const std::string path = "D:\\Dir\\Proj.zat", upper = "D:\\DIR\\PROJ.ZAT";
    drive.write("Dir/Proj.zat", "[ZATDBVersion]\r\n1.0\r\n[END]\r\n");
    Holder r1(path, false), r2(upper, false);
    ASSERT_TRUE(r1.holds());
    ASSERT_TRUE(r2.holds());
    EXPECT_EQ(SharedLock::acquireWrite(path, 0), nullptr);
    Holder w(path, true);
    r1.release();
    r2.release();
    ASSERT_TRUE(w.holds());
    // Every operation on the file reports the lock it cannot get, and writes nothing.
    TextDatabase database{drive.settings()};
    database.setLockPolicy(LockPolicy{0, {}, nullptr});
    EXPECT_EQ(database.open(upper), DatabaseOpen::LockNotObtained);
    Version2Writer writer(path, drive.settings(), LockPolicy{0, {}, nullptr}, nullptr);
    EXPECT_FALSE(writer.checkWritable().ok());
    EXPECT_FALSE(writer.write({}, nullptr).ok());
    EXPECT_EQ(drive.read("Dir/Proj.zat"), "[ZATDBVersion]\r\n1.0\r\n[END]\r\n");
    w.release();
    EXPECT_TRUE(writer.write({}, nullptr).ok());
    EXPECT_EQ(drive.read("Dir/Proj.zat"), "[ZATDBVersion]\r\n2.0\r\n[END]\r\n");
}

TEST_F(SharedLockTest, AnyNumberOfPathsUsesAtMostTheFixedSetOfLockFiles) {
    for (int i = 0; i < 5000; ++i)
        ASSERT_NE(SharedLock::acquireWrite("D:\\" + std::to_string(i), 0), nullptr);
    auto files = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    EXPECT_GT(files, 2000);  // spread over the set, not crowded into a few
    EXPECT_LE(files, SharedLock::kLockFileCount);
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
}

// A lock folder or lock file that is not a real one of this user is refused and named, and
// nothing is created or changed through it.
TEST_F(SharedLockTest, PlantedLockFoldersAndFilesAreRefusedAndNamed) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as a second user";
    const std::string path = "D:\\a.krp";
    const fs::path lock = folder / SharedLock::lockFileName(path);
    TempFolder elsewhere;
    const fs::path target = elsewhere.path() / "target";
    const auto asNobody = [&](const std::string& command) {
        ::chmod(runtime.path().c_str(), 01777);
        EXPECT_EQ(std::system(("setpriv --reuid=65534 --regid=65534 --clear-groups " + command).c_str()), 0);
    };
    const auto chownNobody = [](const fs::path& file) { EXPECT_EQ(::chown(file.c_str(), 65534, 65534), 0); };
    // The lock folder, and no lock file in it.
    const auto freeLock = [&] { SharedLock::acquireRead(path, 0).reset(), fs::remove(lock); };
    const std::tuple<const char*, std::function<void()>, fs::path, std::string> cases[] = {
        {"dir link", [&] { fs::create_directory_symlink(elsewhere.path(), folder); }, folder,
         "symbolic link"},
        {"dir file", [&] { std::ofstream(folder) << "x"; }, folder, "is not a folder"},
        {"open dir", [&] { fs::create_directory(folder), ::chmod(folder.c_str(), 0770); }, folder,
         "(mode 0770)"},
        {"other's dir", [&] { asNobody("mkdir -m 0700 " + folder.string()); }, folder, "owned by user 65534"},
        {"file link", [&] { freeLock(), fs::create_symlink(target, lock); }, lock,
         "lock file is a symbolic link"},
        {"hard link", [&] { freeLock(), fs::create_hard_link(target, lock); }, lock, "lock file has 2 links"},
        {"other's file", [&] { freeLock(), std::ofstream(lock) << "", chownNobody(lock); }, lock,
         "user 65534"},
    };
    for (const auto& [name, plant, named, reason] : cases) {
        fs::remove_all(folder);
        ::chmod(runtime.path().c_str(), 0700);
        std::ofstream(target) << "data";
        ::chmod(target.c_str(), 0600);
        plant();
        const WriteStatus status =
            Version2Writer(path, HostSettings{}, LockPolicy{}, nullptr).checkWritable();
        EXPECT_EQ(status.failure.path, named.string());
        EXPECT_NE(status.failure.reason.find(reason), std::string::npos)
            << name << ": " << status.failure.reason;
        EXPECT_EQ(fs::status(target).permissions(), fs::perms(0600));
        EXPECT_EQ(readBytes(target), "data");
        EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere.path()), fs::directory_iterator()), 1);
        fs::remove(target);
    }
}

}  // namespace
}  // namespace z2k::test
