// Replacing an earlier conversion: one generation of .bak files (none with --no-backup), and a
// write that fails leaves the earlier .krp as it was. The command line and the window share the
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
#include <vector>

#include "cli/CliRunner.h"
#include "conversion/ConversionDriver.h"
#include "platform/CodePage.h"
#include "platform/HostPaths.h"
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

}  // namespace
}  // namespace z2k
