// Replacing an earlier conversion: one generation of .bak files (none with --no-backup), a save
// that cannot be made leaves the earlier files as they were, and
// --dry-run ends as the real run would while leaving every entry of the folder as it was.
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using Args = std::vector<std::string>;

constexpr uid_t kNobody = 65534;
const Args kMotor = {"single", "D:\\quarix\\motor.zat", "motor"};

// Every entry below the folder: its bytes ("<dir>" for a folder) and time of last change.
std::map<std::string, std::pair<std::string, fs::file_time_type>> snapshot(const fs::path& folder) {
    std::map<std::string, std::pair<std::string, fs::file_time_type>> tree;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        tree[fs::relative(entry.path(), folder).string()] = {
            entry.is_directory() ? "<dir>" : test::readBytes(entry.path()),
            fs::last_write_time(entry.path())};
    return tree;
}

// A copy of the examples mapped as D: for the child.
struct Copy {
    Copy() { test::copyExamples(tmp.path()); }
    CliRun run(const Args& command, const Args& extra = {}, bool asNobody = false) const {
        Args args = test::onDriveD(tmp.path(), command);
        args.insert(args.end(), extra.begin(), extra.end());
        return asNobody ? runAsNobody(args) : test::runCli(args);
    }
    // zat2kor as a child that gave up root for the user nobody, its locks in a folder of its own.
    static CliRun runAsNobody(Args args) {
        test::TempFolder capture, runtime;
        if (chown(runtime.path().c_str(), kNobody, kNobody) != 0) return {};
        std::string program = Z2K_CLI_PATH;
        std::vector<char*> argv{program.data()};
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        const std::string out = capture.path() / "out", err = capture.path() / "err";
        const pid_t child = fork();
        if (child == 0) {
            const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (outFd < 0 || errFd < 0 || dup2(outFd, STDOUT_FILENO) < 0 || dup2(errFd, STDERR_FILENO) < 0 ||
                setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
                _exit(121);
            setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
            execv(argv[0], argv.data());
            _exit(122);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child) return {};
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::readBytes(out), test::readBytes(err)};
    }
    // Gives the compiler's -ws option another value, so the next conversion writes another .krp.
    void setWarningSize(char value) const {
        std::string zat = tmp.read("quarix/motor.zat");
        zat.at(zat.find("-ws=") + 4) = value;
        tmp.write("quarix/motor.zat", zat);
    }
    std::set<std::string> quarixFiles() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(tmp.path() / "quarix"))
            names.insert(entry.path().filename());
        return names;
    }
    std::string krp() const { return tmp.read("quarix/motor.krp"); }
    test::TempFolder tmp;
};

TEST(SafeReplacementTest, EachConversionKeepsThePreviousResultAsBackupUnlessTold) {
    Copy copy;
    ASSERT_EQ(copy.run(kMotor).exitCode, 0);
    const std::string first = copy.krp(), firstWorkspace = copy.tmp.read("quarix/motor.krs");
    copy.setWarningSize('3');
    ASSERT_EQ(copy.run(kMotor).exitCode, 0);
    EXPECT_EQ(copy.tmp.read("quarix/motor.krp.bak"), first);
    EXPECT_EQ(copy.tmp.read("quarix/motor.krs.bak"), firstWorkspace);
    const std::string second = copy.krp();
    copy.setWarningSize('4');
    copy.tmp.write("quarix/.z2k-99999999-abcdef", "x");  // what a killed save left: the run clears it
    ASSERT_EQ(copy.run(kMotor, {"--no-backup"}).exitCode, 0);
    EXPECT_NE(copy.krp().find("-ws=4"), std::string::npos);
    EXPECT_EQ(copy.tmp.read("quarix/motor.krp.bak"), first) << "a run without backups leaves the earlier one";
    EXPECT_EQ(copy.quarixFiles(), (std::set<std::string>{"motor.zat", "motor.krp", "motor.krp.bak",
                                                         "motor.krs", "motor.krs.bak"}));
}

// Each case runs for real in one copy and as a dry run in another, after the same preparation:
// both end alike, and the dry run leaves its copy as it was.
TEST(SafeReplacementTest, FailuresAndDryRunsEndAsARealRunAndChangeNothing) {
    struct Case {
        Args command;
        std::function<void(const Copy&)> prepare;
        int exitCode;
        const char* out;  // null: not checked
    };
    const auto converted = [](const Copy& copy) { ASSERT_EQ(copy.run(kMotor).exitCode, 0); };
    const auto readOnly = [&](const char* file, char size) {
        return [=](const Copy& copy) {
            converted(copy);
            fs::permissions(copy.tmp.path() / file,
                            fs::perms(0444));  // the owner's bit decides, also for root
            copy.setWarningSize(size);
        };
    };
    const Case cases[] = {
        {kMotor, [](const Copy&) {}, 0, "Project converted successfully.\n"},
        {{"single", "D:\\nerak\\sensor.zat", "sensor"}, converted, 0, nullptr},
        {{"multiple", "D:\\tree", "tree", "--family", "Quarix RISC engine"}, [](const Copy&) {}, 0, nullptr},
        {kMotor, [](const Copy& c) { fs::create_directories(c.tmp.path() / "quarix/motor.krp"); }, 1,
         "Error saving to KOR project file.\n"},
        {kMotor, [](const Copy& c) { fs::create_directories(c.tmp.path() / "quarix/motor.krs"); }, 1,
         "Error creating workspace.\n"},
        {kMotor,
         [&](const Copy& c) { converted(c), fs::create_directory(c.tmp.path() / "quarix/motor.krp.bak"); }, 1,
         nullptr},
        {kMotor, readOnly("quarix/motor.krp", '3'), 1, "Error saving to KOR project file.\n"},
        {kMotor, readOnly("quarix/motor.krs", '4'), 1, "Error creating workspace.\n"},
    };
    for (const Case& c : cases) {
        Copy real, dry;
        c.prepare(real);
        c.prepare(dry);
        const auto before = snapshot(dry.tmp.path());
        const auto krs = fs::is_regular_file(real.tmp.path() / "quarix/motor.krs")
                             ? real.tmp.read("quarix/motor.krs")
                             : "";
        const CliRun realRun = real.run(c.command);
        const CliRun dryRun = dry.run(c.command, {"--dry-run"});
        EXPECT_EQ(realRun.exitCode, c.exitCode) << c.command[1] << realRun.err;
        EXPECT_EQ(realRun.out, c.out != nullptr ? c.out : realRun.out);
        EXPECT_EQ(dryRun.exitCode, realRun.exitCode) << c.command[1];
        EXPECT_EQ(dryRun.out, realRun.out) << c.command[1];
        EXPECT_EQ(snapshot(dry.tmp.path()), before) << c.command[1] << ": the dry run changed the folder";
        EXPECT_EQ(krs.empty() ? krs : real.tmp.read("quarix/motor.krs"), krs)
            << "a failed run keeps the workspace";
    }
}

TEST(SafeReplacementTest, AProjectWithTheLongestNameConvertsAgain) {
    Copy copy;
    const std::string title(251, 'm');  // D:\a\ and a name of 255 bytes: the longest path taken
    fs::create_directories(copy.tmp.path() / "a");
    fs::rename(copy.tmp.path() / "quarix/motor.zat", copy.tmp.path() / "a" / (title + ".zat"));
    const Args convert = {"multiple", "D:\\a", "all", "--family", "Quarix RISC engine"};
    ASSERT_EQ(copy.run(convert).exitCode, 0);
    const std::string first = copy.tmp.read("a/" + title + ".krp");
    const std::string backup = title.substr(0, 242) + "~930ab22b.bak";  // 255 bytes
    EXPECT_NE(copy.run(convert).err.find("kept as D:\\a\\" + backup), std::string::npos);
    EXPECT_EQ(copy.tmp.read("a/" + backup), first);
    ASSERT_EQ(copy.run(convert).exitCode, 0) << "and every later one";
    EXPECT_EQ(std::distance(fs::directory_iterator(copy.tmp.path() / "a"), fs::directory_iterator()), 5)
        << "the project, its .krp and one backup, the workspace and its backup";
}

TEST(SafeReplacementTest, AnotherUsersFilesAreReplacedOnlyAsTheyMayBe) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act for the user nobody";
    Copy copy;
    ASSERT_EQ(copy.run(kMotor).exitCode, 0);
    const fs::path krp = copy.tmp.path() / "quarix/motor.krp";
    ASSERT_EQ(chown(krp.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(chmod(krp.c_str(), 06777), 0);
    copy.setWarningSize('3');
    ASSERT_EQ(copy.run(kMotor).exitCode, 0);
    struct stat replaced {};
    ASSERT_EQ(stat(krp.c_str(), &replaced), 0);
    EXPECT_EQ(replaced.st_mode & 07777, 0777u) << "the owner stays, the set-id bits go";
    EXPECT_EQ(replaced.st_uid, kNobody);

    // nobody may read the project but not write in its folder: the earlier files stay whole.
    const std::string previous = copy.krp(), workspace = copy.tmp.read("quarix/motor.krs");
    fs::permissions(copy.tmp.path(), fs::perms(0755));
    fs::permissions(copy.tmp.path() / "quarix", fs::perms(0555));
    copy.setWarningSize('4');
    const CliRun denied = copy.run(kMotor, {}, true);
    EXPECT_EQ(denied.exitCode, 1) << denied.err;
    EXPECT_EQ(denied.out, "Error saving to KOR project file.\n");
    EXPECT_EQ(copy.krp(), previous);
    EXPECT_EQ(copy.tmp.read("quarix/motor.krs"), workspace);
    EXPECT_EQ(copy.quarixFiles(), (std::set<std::string>{"motor.zat", "motor.krp", "motor.krp.bak",
                                                         "motor.krs", "motor.krs.bak"}));

    // In a sticky folder an older backup of root stops nobody's dry and real runs alike.
    fs::permissions(copy.tmp.path() / "quarix", fs::perms(01777));
    ASSERT_EQ(chown((copy.tmp.path() / "quarix/motor.krp.bak").c_str(), 0, 0), 0);
    for (const Args& extra : {Args{"--dry-run"}, Args{}}) {
        const CliRun run = copy.run(kMotor, extra, true);
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_NE(
            run.err.find("motor.krp: the earlier file cannot be kept as its backup: Operation not permitted"),
            std::string::npos)
            << run.err;
        EXPECT_EQ(copy.krp(), previous);
    }
}

}  // namespace
}  // namespace z2k
