// Replacing an earlier conversion: one generation of .bak files (none with --no-backup), a write
// that fails leaves the earlier .krp as it was, and only regular files are read. The command line and the window share the
// driver, so the driver is also run directly with a request as the window forms it.
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <sys/sysmacros.h>
#include <vector>

#include "cli/CliRunner.h"
#include "conversion/ConversionDriver.h"
#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "conversion/RequestForm.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::runCli;
using Args = std::vector<std::string>;

constexpr uid_t kNobody = 65534;

class SafeReplacementTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setActiveCodePage(CodePage::SingleByte);
        test::copyExamples(tmp.path());
    }
    void TearDown() override { setBackupsEnabled(true); }

    Args command(const Args& extra = {}) const {
        Args args = test::onDriveD(tmp.path(), {"single", "D:\\quarix\\motor.zat", "motor"});
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    // Gives the compiler's -ws option another value, so each conversion writes another .krp.
    void setWarningSize(const std::string& value) {
        std::string zat = tmp.read("quarix/motor.zat");
        const std::size_t at = zat.find("-ws=");
        ASSERT_NE(at, std::string::npos);
        zat.replace(at + 4, 1, value);
        tmp.write("quarix/motor.zat", zat);
    }

    std::set<std::string> quarixFiles() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(tmp.path() / "quarix"))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string krp() const { return tmp.read("quarix/motor.krp"); }

    test::TempFolder tmp;
};

TEST_F(SafeReplacementTest, EachConversionKeepsThePreviousResultAsBackup) {
    ASSERT_EQ(runCli(command()).exitCode, 0);
    EXPECT_FALSE(fs::exists(tmp.path() / "quarix/motor.krp.bak")) << "nothing to keep the first time";
    const std::string first = krp();
    const std::string firstWorkspace = tmp.read("quarix/motor.krs");

    setWarningSize("3");
    ASSERT_EQ(runCli(command()).exitCode, 0);
    const std::string second = krp();
    ASSERT_NE(second, first);
    EXPECT_EQ(tmp.read("quarix/motor.krp.bak"), first);
    EXPECT_EQ(tmp.read("quarix/motor.krs.bak"), firstWorkspace);

    setWarningSize("4");
    ASSERT_EQ(runCli(command()).exitCode, 0);
    EXPECT_NE(krp(), second);
    EXPECT_EQ(tmp.read("quarix/motor.krp.bak"), second) << "one generation: the next backup replaces it";
    EXPECT_EQ(quarixFiles(), (std::set<std::string>{"motor.zat", "motor.krp", "motor.krp.bak", "motor.krs",
                                                    "motor.krs.bak"}));
}

TEST_F(SafeReplacementTest, NoBackupKeepsNone) {
    ASSERT_EQ(runCli(command({"--no-backup"})).exitCode, 0);
    setWarningSize("3");
    tmp.write("quarix/.z2k-99999999-abcdef", "x");  // what a killed save left: the run clears it
    ASSERT_EQ(runCli(command({"--no-backup"})).exitCode, 0);
    EXPECT_NE(krp().find("-ws=3"), std::string::npos);
    EXPECT_EQ(quarixFiles(), (std::set<std::string>{"motor.zat", "motor.krp", "motor.krs"}));

    // An earlier backup is left alone by a run without backups.
    ASSERT_EQ(runCli(command()).exitCode, 0);
    const std::string kept = tmp.read("quarix/motor.krp.bak");
    setWarningSize("4");
    ASSERT_EQ(runCli(command({"--no-backup"})).exitCode, 0);
    EXPECT_EQ(tmp.read("quarix/motor.krp.bak"), kept);
}

TEST_F(SafeReplacementTest, TheWindowsRequestKeepsBackupsToo) {
    resetDriveMap();
    mapDrive('D', tmp.path().string());
    auto convert = [] {
        ConversionRequest request;  // as the window forms it for the "Single" page
        request.mode = ConversionMode::Single;
        request.zatProjectPath = "D:\\quarix\\motor.zat";
        request.workspacePath = "D:\\quarix\\motor";
        ConversionDriver driver(request);
        driver.run();
        return driver.summary().converted;
    };
    ASSERT_EQ(convert(), 1);
    const std::string first = krp();
    setWarningSize("3");
    ASSERT_EQ(convert(), 1);
    EXPECT_NE(krp(), first);
    EXPECT_EQ(tmp.read("quarix/motor.krp.bak"), first);
    resetDriveMap();
}

TEST_F(SafeReplacementTest, OnlyRegularFilesAreRead) {
    const fs::path zat = tmp.path() / "quarix/motor.zat";
    const std::string project = tmp.read("quarix/motor.zat");
    enum Kind { Fifo, LinkToZero, Device };
    for (const Kind kind : {Fifo, LinkToZero, Device}) {
        fs::remove(zat);
        pid_t writer = -1;
        if (kind == Fifo) {
            ASSERT_EQ(mkfifo(zat.c_str(), 0644), 0);
            // Whoever opens the FIFO for reading is handed a whole project, again and again.
            writer = fork();
            if (writer == 0) {
                for (int fd; (fd = open(zat.c_str(), O_WRONLY)) >= 0; close(fd))
                    if (write(fd, project.data(), project.size()) < 0) _exit(1);
                _exit(1);
            }
        } else if (kind == LinkToZero) {
            fs::create_symlink("/dev/zero", zat);
        } else if (geteuid() != 0 || mknod(zat.c_str(), S_IFCHR | 0644, makedev(1, 5)) != 0) {
            continue;  // a device node needs root
        }
        const CliRun run = runCli(command());
        if (writer > 0) {
            kill(writer, SIGKILL);
            waitpid(writer, nullptr, 0);
        }
        ASSERT_EQ(run.exitCode, 1) << kind;
        EXPECT_EQ(run.out, "Error reading ZAT project file.\n") << kind;
    }
}

TEST_F(SafeReplacementTest, AReplacedFileKeepsItsOwnerButNoSetIdBits) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to replace a file of the user nobody";
    ASSERT_EQ(runCli(command()).exitCode, 0);
    const fs::path file = tmp.path() / "quarix/motor.krp";
    ASSERT_EQ(chown(file.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(chmod(file.c_str(), 06777), 0);
    setWarningSize("3");
    ASSERT_EQ(runCli(command()).exitCode, 0);
    struct stat replaced {};
    ASSERT_EQ(stat(file.c_str(), &replaced), 0);
    EXPECT_NE(krp().find("-ws=3"), std::string::npos);
    EXPECT_EQ(replaced.st_mode & 07777, 0777u);
    EXPECT_EQ(replaced.st_uid, kNobody);
    EXPECT_EQ(replaced.st_gid, kNobody);
}

TEST_F(SafeReplacementTest, AReadOnlyResultIsLeftAlone) {
    // The owner's write bit alone decides, also for root.
    const std::pair<std::string, std::string> cases[] = {
        {"quarix/motor.krp", "Error saving to KOR project file.\n"},
        {"quarix/motor.krs", "Error creating workspace.\n"},
    };
    for (const auto& [file, message] : cases) {
        ASSERT_EQ(runCli(command({"--no-backup"})).exitCode, 0);
        const std::string before = tmp.read(file);
        fs::permissions(tmp.path() / file, fs::perms(0444));
        setWarningSize(file.back() == 'p' ? "3" : "4");
        const CliRun run = runCli(command());
        EXPECT_EQ(run.exitCode, 1) << file;
        EXPECT_EQ(run.out, message) << file;
        EXPECT_EQ(tmp.read(file), before) << file;
        EXPECT_EQ(fs::status(tmp.path() / file).permissions(), fs::perms(0444)) << file;
        EXPECT_FALSE(fs::exists(tmp.path() / (file + ".bak"))) << file;
        fs::permissions(tmp.path() / file, fs::perms(0644));
    }
}

TEST_F(SafeReplacementTest, AProjectWithTheLongestNameConvertsAgain) {
    // D:\a\ and a name of 255 bytes: the longest path the system takes.
    const std::string title(251, 'm');
    fs::create_directories(tmp.path() / "a");
    fs::rename(tmp.path() / "quarix/motor.zat", tmp.path() / "a" / (title + ".zat"));
    const Args convert = test::onDriveD(tmp.path(), {"multiple", "D:\\a", "all", "--family", "Quarix RISC engine"});
    ASSERT_EQ(runCli(convert).exitCode, 0);
    const std::string first = tmp.read("a/" + title + ".krp");

    // The second conversion through the driver, to see what it tells about the backup.
    resetDriveMap();
    mapDrive('D', tmp.path().string());
    test::RecordingTextDisplay notices;
    ConversionRequest request = multipleRequest("D:\\a", "all", "Quarix RISC engine");
    request.notices = &notices;
    ConversionDriver driver(request);
    driver.run();
    resetDriveMap();
    EXPECT_EQ(driver.summary().converted, 1);
    const std::string backup = title.substr(0, 242) + "~930ab22b.bak";  // 255 bytes
    EXPECT_EQ(tmp.read("a/" + backup), first);
    EXPECT_NE(notices.text().find("kept as D:\\a\\" + backup), std::string::npos) << notices.text();

    ASSERT_EQ(runCli(convert).exitCode, 0) << "and every later one";
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path() / "a"), fs::directory_iterator()), 5)
        << "the project, its .krp and one backup, the workspace and its backup";
}

// Runs zat2kor as a child that gave up root for the user nobody.
CliRun runAsNobody(const Args& args) {
    test::TempFolder capture;
    // The user nobody keeps its locks in a folder of its own: it may not use root's.
    test::TempFolder runtime;
    if (chown(runtime.path().c_str(), kNobody, kNobody) != 0) return {};
    const std::string outPath = (capture.path() / "out").string();
    const std::string errPath = (capture.path() / "err").string();
    std::vector<std::string> copies = args;
    std::string program = Z2K_CLI_PATH;
    std::vector<char*> argv{program.data()};
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0) return {};
    if (child == 0) {
        // The output files are opened while still root; the descriptors stay usable.
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0) _exit(121);
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(123);
        setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        execv(argv[0], argv.data());
        _exit(122);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return {};
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = test::readBytes(outPath);
    run.err = test::readBytes(errPath);
    return run;
}

TEST_F(SafeReplacementTest, AFailedWriteLeavesThePreviousProjectIntact) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to drop to the user nobody";
    ASSERT_EQ(runCli(command()).exitCode, 0);
    const std::string previous = krp();
    const std::string previousWorkspace = tmp.read("quarix/motor.krs");
    setWarningSize("3");

    // The child may read the project but not write in its folder.
    fs::permissions(tmp.path(), fs::perms(0755));
    fs::permissions(tmp.path() / "quarix", fs::perms(0555));
    const CliRun run = runAsNobody(command());
    fs::permissions(tmp.path() / "quarix", fs::perms(0755));

    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out, "Error saving to KOR project file.\n");
    EXPECT_EQ(krp(), previous);
    EXPECT_EQ(tmp.read("quarix/motor.krs"), previousWorkspace);
    EXPECT_EQ(quarixFiles(), (std::set<std::string>{"motor.zat", "motor.krp", "motor.krs"}))
        << "no backup and no temporary file";

    // The same conversion as root goes through.
    const CliRun again = runCli(command());
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_NE(krp().find("-ws=3"), std::string::npos);
    EXPECT_EQ(tmp.read("quarix/motor.krp.bak"), previous);
}

TEST_F(SafeReplacementTest, AnOlderBackupOfAnotherUserInAStickyFolderStopsDryAndRealRunsAlike) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to drop to the user nobody";
    ASSERT_EQ(runCli(command()).exitCode, 0);
    ASSERT_EQ(runCli(command()).exitCode, 0);  // root's motor.krp.bak
    const std::string previous = krp();
    fs::permissions(tmp.path(), fs::perms(0755));
    fs::permissions(tmp.path() / "quarix", fs::perms(01777));
    ASSERT_EQ(chown((tmp.path() / "quarix/motor.krp").c_str(), kNobody, kNobody), 0);
    for (const Args& extra : {Args{"--dry-run"}, Args{}}) {
        const CliRun run = runAsNobody(command(extra));
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_NE(run.err.find("motor.krp: the earlier file cannot be kept as its backup: Operation not permitted"),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(krp(), previous);
    }
}

}  // namespace
}  // namespace z2k
