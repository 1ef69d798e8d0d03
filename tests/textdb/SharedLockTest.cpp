// The cross-process lock, with real child processes.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "TestRecords.h"
#include "textdb/SharedLock.h"

namespace z2k::test {
namespace {

// Child processes that report events ("R1 got") through one pipe and wait for commands on their
// own pipe. The parent never holds a lock while it starts a child, so no lock is inherited.
class Children {
  public:
    Children() {
        if (::pipe(events_) != 0) ADD_FAILURE() << "pipe";
    }
    ~Children() {
        for (Child& child : children_) {
            // Only a child that is still running, never a group or every process.
            if (child.pid > 0) {
                ::kill(child.pid, SIGKILL);
                ::waitpid(child.pid, nullptr, 0);
            }
            ::close(child.commands);
        }
        ::close(events_[0]);
        ::close(events_[1]);
    }

    // Starts a child that runs body(say, waitForCommand) and ends.
    int start(
        std::function<void(const std::function<void(const std::string&)>&, const std::function<void()>&)>
            body) {
        int commands[2];
        if (::pipe(commands) != 0) return -1;
        pid_t pid = ::fork();
        if (pid < 0) {
            ::close(commands[0]);
            ::close(commands[1]);
            return -1;
        }
        if (pid == 0) {
            ::close(commands[1]);
            int eventsOut = events_[1];
            auto say = [eventsOut](const std::string& event) {
                std::string line = event + "\n";
                if (::write(eventsOut, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
                    ::_exit(3);
            };
            int in = commands[0];
            auto waitForCommand = [in] {
                char c;
                if (::read(in, &c, 1) != 1) ::_exit(4);
            };
            body(say, waitForCommand);
            ::_exit(0);
        }
        ::close(commands[0]);
        children_.push_back({pid, commands[1]});
        return static_cast<int>(children_.size()) - 1;
    }

    void command(int child) {
        ASSERT_TRUE(valid(child));
        char c = 'x';
        ASSERT_EQ(::write(children_[child].commands, &c, 1), 1);
    }

    // Reads events until this one has come; every event read is kept in log, in order.
    bool waitFor(const std::string& event) {
        for (;;) {
            if (std::find(log.begin(), log.end(), event) != log.end()) return true;
            std::string line;
            for (;;) {
                // A guard against a hang only: a broken lock fails the order checks, not this.
                pollfd fd{events_[0], POLLIN, 0};
                if (::poll(&fd, 1, 60000) != 1) return false;
                char c;
                if (::read(events_[0], &c, 1) != 1) return false;
                if (c == '\n') break;
                line.push_back(c);
            }
            log.push_back(line);
        }
    }

    std::size_t position(const std::string& event) const {
        return static_cast<std::size_t>(std::find(log.begin(), log.end(), event) - log.begin());
    }

    // Waits for a child to end; its exit status.
    int finish(int child) {
        if (!valid(child) || children_[child].pid <= 0) return -1;
        int status = 0;
        ::waitpid(children_[child].pid, &status, 0);
        children_[child].pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void kill(int child) {
        if (!valid(child) || children_[child].pid <= 0) return;
        ::kill(children_[child].pid, SIGKILL);
        ::waitpid(children_[child].pid, nullptr, 0);
        children_[child].pid = -1;
    }

    std::vector<std::string> log;

  private:
    bool valid(int child) const { return child >= 0 && child < static_cast<int>(children_.size()); }
    struct Child {
        pid_t pid;
        int commands;
    };
    int events_[2] = {-1, -1};
    std::vector<Child> children_;
};

// A path of its own for each test process, so parallel runs do not meet in one lock.
std::string uniquePath(const std::string& name) {
    return "D:\\LockTest" + std::to_string(::getpid()) + "\\" + name;
}

namespace fs = std::filesystem;

// Each test has a runtime folder of its own, so its lock folder is fresh and shared with nobody.
class SharedLockTest : public testing::Test {
  protected:
    SharedLockTest() {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) oldRuntime_ = old;
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    }
    ~SharedLockTest() override {
        if (oldRuntime_) {
            ::setenv("XDG_RUNTIME_DIR", oldRuntime_->c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
    }
    TempFolder runtime;
    const fs::path folder = runtime.path() / "zat2kor";

  private:
    std::optional<std::string> oldRuntime_;
};

// Runs a shell command as the unprivileged user nobody.
int runAsNobody(const std::string& command) {
    return std::system(("setpriv --reuid=nobody --regid=nogroup --clear-groups " + command).c_str());
}

auto reader(const std::string& path, const std::string& name) {
    return [path, name](const auto& say, const auto& waitForCommand) {
        auto lock = SharedLock::acquireRead(path);
        if (!lock) ::_exit(5);
        say(name + " got");
        waitForCommand();
        say(name + " releasing");
        SharedLock::releaseRead(std::move(lock));
    };
}

auto writer(const std::string& path, const std::string& name) {
    return [path, name](const auto& say, const auto& waitForCommand) {
        say(name + " waiting");
        auto lock = SharedLock::acquireWrite(path);
        if (!lock) ::_exit(5);
        say(name + " got");
        waitForCommand();
        say(name + " releasing");
        SharedLock::releaseWrite(std::move(lock));
    };
}

TEST_F(SharedLockTest, WriterWaitsForTwoReaders) {
    std::string path = uniquePath("Proj.zat");
    Children children;
    int r1 = children.start(reader(path, "R1"));
    ASSERT_TRUE(children.waitFor("R1 got"));
    // A second reader gets the lock while the first holds it.
    int r2 = children.start(reader(path, "R2"));
    ASSERT_TRUE(children.waitFor("R2 got"));
    EXPECT_EQ(SharedLock::acquireWrite(path, 0), nullptr);
    auto alsoReading = SharedLock::acquireRead(path, 0);
    EXPECT_NE(alsoReading, nullptr);
    SharedLock::releaseRead(std::move(alsoReading));

    int w = children.start(writer(path, "W"));
    ASSERT_TRUE(children.waitFor("W waiting"));
    children.command(r1);
    ASSERT_TRUE(children.waitFor("R1 releasing"));
    children.command(r2);
    ASSERT_TRUE(children.waitFor("W got"));
    EXPECT_GT(children.position("W got"), children.position("R1 releasing"));
    EXPECT_GT(children.position("W got"), children.position("R2 releasing"));
    // While the writer holds the file, nobody else gets it.
    EXPECT_EQ(SharedLock::acquireRead(path, 0), nullptr);
    EXPECT_EQ(SharedLock::acquireWrite(path, 0), nullptr);
    children.command(w);
    EXPECT_EQ(children.finish(r1), 0);
    EXPECT_EQ(children.finish(r2), 0);
    EXPECT_EQ(children.finish(w), 0);
    auto after = SharedLock::acquireWrite(path, 0);
    EXPECT_NE(after, nullptr);
}

TEST_F(SharedLockTest, ReaderOfSameFileInOtherLetterCaseWaitsForWriter) {
    std::string path = uniquePath("Dir\\Proj.zat");
    std::string otherCase = path;
    std::transform(otherCase.begin(), otherCase.end(), otherCase.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    Children children;
    int w = children.start(writer(path, "W"));
    ASSERT_TRUE(children.waitFor("W got"));
    EXPECT_EQ(SharedLock::acquireRead(otherCase, 0), nullptr);
    std::string other = uniquePath("Dir\\Other.zat");
    while (SharedLock::lockFileName(other) == SharedLock::lockFileName(path)) other += "x";
    auto otherFile = SharedLock::acquireRead(other, 0);
    EXPECT_NE(otherFile, nullptr);
    otherFile.reset();

    // The database layer reports the lock it cannot get as code 4.
    DriveD d;
    TextDatabase one(TextDatabase::Version1);
    one.setLockWait(0);
    EXPECT_EQ(one.open(otherCase), 4);
    TextDatabase two(TextDatabase::Version2);
    two.setLockWait(0);
    EXPECT_EQ(two.create(otherCase), 4);
    EXPECT_EQ(two.open(otherCase), 4);

    int r = children.start(reader(otherCase, "R"));
    children.command(w);
    ASSERT_TRUE(children.waitFor("R got"));
    EXPECT_GT(children.position("R got"), children.position("W releasing"));
    children.command(r);
    EXPECT_EQ(children.finish(w), 0);
    EXPECT_EQ(children.finish(r), 0);
}

TEST_F(SharedLockTest, KilledHolderReleases) {
    std::string path = uniquePath("Killed.zat");
    Children children;
    int w = children.start(writer(path, "W"));
    ASSERT_TRUE(children.waitFor("W got"));
    EXPECT_EQ(SharedLock::acquireRead(path, 0), nullptr);
    children.kill(w);
    auto lock = SharedLock::acquireWrite(path, 0);
    EXPECT_NE(lock, nullptr);
}

TEST_F(SharedLockTest, DatabaseOperationsWaitOrReportFour) {
    DriveD d;
    d.write("db.zat", crlf("[ZATDBVersion]\n1.0\n[T]\n\"a\" \n[END]\n"));
    d.write("db.krp", crlf("[ZATDBVersion]\n2.0\n[END]\n"));
    TextDatabase one(TextDatabase::Version1);
    one.setLockWait(0);
    ASSERT_EQ(one.open(d.path("db.zat")), 0);
    TextDatabase two(TextDatabase::Version2);
    two.setLockWait(0);
    ASSERT_EQ(two.open(d.path("db.krp")), 0);
    NotesRecord notes(two);
    ASSERT_EQ(two.createTable(notes), 0);
    ASSERT_EQ(notes.open(), 0);
    ASSERT_EQ(notes.addNew(), 0);
    notes.strText = "kept";
    notes.update();
    ASSERT_EQ(notes.close(), 0);

    Children children;
    int w1 = children.start(writer(d.path("DB.ZAT"), "W1"));
    int w2 = children.start(writer(d.path("db.krp"), "W2"));
    ASSERT_TRUE(children.waitFor("W1 got"));
    ASSERT_TRUE(children.waitFor("W2 got"));
    NotesRecord t(one, "T");
    EXPECT_EQ(t.open(), 4);
    EXPECT_EQ(two.save(), 4);
    children.command(w1);
    children.command(w2);
    EXPECT_EQ(children.finish(w1), 0);
    EXPECT_EQ(children.finish(w2), 0);
    EXPECT_EQ(t.open(), 0);
    // The save that could not take the lock lost nothing: the retry writes the closed table.
    EXPECT_EQ(two.save(), 0);
    EXPECT_EQ(d.read("db.krp"), crlf("[ZATDBVersion]\n2.0\n[NOTES]\n\"kept\" \n[END]\n"));
}

TEST_F(SharedLockTest, AnyNumberOfPathsUsesAtMostTheFixedSetOfLockFiles) {
    for (int i = 0; i < 5000; ++i)
        ASSERT_NE(SharedLock::acquireWrite(uniquePath(std::to_string(i)), 0), nullptr);
    auto files = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    EXPECT_GT(files, 2000);  // spread over the set, not crowded into a few
    EXPECT_LE(files, SharedLock::kLockFileCount);
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
}

// A lock folder that is not a real folder of this user, closed to everybody else, is refused and
// named, and nothing is created through it.
TEST_F(SharedLockTest, UnsafeLockFolderIsRefusedAndNamed) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as a second user";
    TempFolder elsewhere;
    const struct {
        const char* name;
        std::function<void()> make;
        std::string reason;
    } cases[] = {
        {"link", [&] { fs::create_directory_symlink(elsewhere.path(), folder); }, "is a symbolic link"},
        {"file", [&] { std::ofstream(folder) << "x"; }, "is not a folder"},
        {"group-writable",
         [&] {
             fs::create_directory(folder);
             ::chmod(folder.c_str(), 0770);
         },
         "can be written by group or others (mode 0770)"},
        {"other user's",
         [&] {
             ::chmod(runtime.path().c_str(), 01777);
             ASSERT_EQ(runAsNobody("mkdir -m 0700 " + folder.string()), 0);
         },
         "is owned by user 65534"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder);
        c.make();
        FileFailure failure;
        EXPECT_EQ(SharedLock::acquireRead(uniquePath("a.zat"), LockPolicy{}, &failure), nullptr);
        EXPECT_EQ(failure.path, folder.string());
        EXPECT_NE(failure.reason.find(c.reason), std::string::npos) << failure.reason;
        TextDatabase database(TextDatabase::Version2);
        EXPECT_EQ(database.create(uniquePath("a.krp")), 4);
        EXPECT_EQ(database.lastFailure().text(), failure.text());
        EXPECT_TRUE(fs::is_empty(elsewhere.path()));
    }
}

// A lock file planted in place of the real one is refused and the file it leads to keeps its mode.
TEST_F(SharedLockTest, PlantedLockFileIsRefusedAndItsTargetUntouched) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a file to a second user";
    const std::string path = uniquePath("a.zat");
    SharedLock::acquireRead(path, 0).reset();
    const fs::path lockFile = folder / SharedLock::lockFileName(path);
    TempFolder elsewhere;
    const fs::path target = elsewhere.path() / "target";
    const struct {
        const char* name;
        std::function<void()> plant;
        std::string reason;
    } cases[] = {
        {"symbolic link", [&] { fs::create_symlink(target, lockFile); }, "the lock file is a symbolic link"},
        {"hard link", [&] { fs::create_hard_link(target, lockFile); }, "the lock file has 2 links"},
        {"other user's",
         [&] {
             std::ofstream(lockFile) << "";
             ASSERT_EQ(::chown(lockFile.c_str(), 65534, 65534), 0);
         },
         "is owned by user 65534"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(lockFile);
        std::ofstream(target) << "data";
        ::chmod(target.c_str(), 0600);
        c.plant();
        FileFailure failure;
        EXPECT_EQ(SharedLock::acquireWrite(path, LockPolicy{}, &failure), nullptr);
        EXPECT_EQ(failure.text(), lockFile.string() + ": " + failure.reason);
        EXPECT_NE(failure.reason.find(c.reason), std::string::npos) << failure.reason;
        EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(readBytes(target), "data");
    }
}

}  // namespace
}  // namespace z2k::test
