// Several processes at once on one project: two zat2kor processes converting the same project
// together, and a reader process opening the .krp again and again while zat2kor replaces it.
// The copy of the example is mapped as drive D: for every child.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using test::readBytes;

constexpr int kRounds = 20;
constexpr int kMostReads = 200000;  // a reader stops after this many openings even if never told
const char* const kInformation = "Brushless motor controller for the QX2 evaluation board";

class ConcurrencyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(tmp.path() / "quarix");
        fs::copy_file(fs::path(Z2K_EXAMPLES_DIR) / "quarix" / "motor.zat", file("zat"));
        zat = readBytes(file("zat"));
        ASSERT_NE(zat.find(kInformation), std::string::npos);
    }
    fs::path file(const char* extension) const {
        return tmp.path() / "quarix" /
               (std::string(extension) == "krs" ? "ws.krs" : std::string("motor.") + extension);
    }

    // Starts zat2kor with its output in a file; with a gate (a pipe), only once the parent closes
    // the gate's write end. Returns the process id.
    pid_t startConverter(const std::string& name, const int* gate = nullptr) {
        std::vector<std::string> args = test::onDriveD(tmp.path(), {"single", "D:\\quarix\\motor.zat", "ws"});
        args.insert(args.begin(), Z2K_CLI_PATH);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        const std::string out = (capture.path() / (name + ".out")).string();
        const pid_t child = fork();
        if (child != 0) return child;
        const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0 || dup2(fd, STDERR_FILENO) < 0) _exit(121);
        char byte;
        if (gate != nullptr && (close(gate[1]) != 0 || read(gate[0], &byte, 1) != 0)) _exit(123);
        execv(argv[0], argv.data());
        _exit(122);
    }
    // The child's exit status, or -1 when it did not exit normally.
    static int finish(pid_t child) {
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child) return -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    test::TempFolder tmp, capture;
    std::string zat;
};

TEST_F(ConcurrencyTest, TwoConvertersAtOnceLeaveTheFileOfOneConversion) {
    ASSERT_EQ(finish(startConverter("alone")), 0);
    const std::string krp = readBytes(file("krp")), krs = readBytes(file("krs"));
    ASSERT_NE(krp.find(kInformation), std::string::npos);
    for (int round = 0; round < kRounds && !HasFailure(); ++round) {
        tmp.write("quarix/motor.krp", "[ZATDBVersion]\r\n2.0\r\n[STALE]\r\n[END]\r\n");  // neither result nor empty
        int gate[2];
        ASSERT_EQ(pipe(gate), 0);
        const pid_t first = startConverter("first", gate), second = startConverter("second", gate);
        close(gate[0]);
        close(gate[1]);
        const int firstCode = finish(first), secondCode = finish(second);
        // Neither may crash; a run may lose the race for the file, but one of them converts it.
        EXPECT_TRUE(firstCode == 0 || firstCode == 1) << readBytes(capture.path() / "first.out");
        EXPECT_TRUE(secondCode == 0 || secondCode == 1) << readBytes(capture.path() / "second.out");
        EXPECT_TRUE(firstCode == 0 || secondCode == 0) << "round " << round;
        EXPECT_EQ(readBytes(file("krp")), krp) << "the .krp is not the file of one whole conversion";
        EXPECT_EQ(readBytes(file("krs")), krs) << "the .krs is not the file of one whole conversion";
        EXPECT_EQ(readBytes(file("zat")), zat) << "the .zat was changed";
        for (const auto& entry : fs::directory_iterator(tmp.path() / "quarix"))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path() << " left behind";
    }
}

TEST_F(ConcurrencyTest, AReaderSeesTheOldOrTheNewFileWhole) {
    // The old file: the same project with another information text.
    ASSERT_EQ(finish(startConverter("new")), 0);
    const std::string newKrp = readBytes(file("krp"));
    std::string oldZat = zat;
    oldZat.replace(oldZat.find(kInformation), std::string(kInformation).size(),
                   "Motor controller, old board");
    tmp.write("quarix/motor.zat", oldZat);
    ASSERT_EQ(finish(startConverter("old")), 0);
    const std::string oldKrp = readBytes(file("krp"));
    tmp.write("quarix/motor.zat", zat);
    ASSERT_NE(oldKrp, newKrp);

    int wholeReads = 0;
    for (int round = 0; round < kRounds && !HasFailure(); ++round) {
        tmp.write("quarix/motor.krp", oldKrp);
        const fs::path stop = capture.path() / "stop";
        fs::remove(stop);
        int counts[2];  // the reader's whole reads and other reads, through a pipe
        ASSERT_EQ(pipe(counts), 0);
        const pid_t reader = fork();
        ASSERT_GE(reader, 0);
        if (reader == 0) {
            int result[2] = {0, 0};
            for (int i = 0; i < kMostReads && access(stop.c_str(), F_OK) != 0; ++i) {
                const std::string bytes = readBytes(file("krp"));
                ++result[bytes == oldKrp || bytes == newKrp ? 0 : 1];
            }
            _exit(write(counts[1], result, sizeof result) == sizeof result ? 0 : 4);
        }
        close(counts[1]);
        EXPECT_EQ(finish(startConverter("convert")), 0);
        std::fclose(std::fopen(stop.c_str(), "w"));
        int result[2] = {0, 0};
        EXPECT_EQ(read(counts[0], result, sizeof result), static_cast<ssize_t>(sizeof result));
        close(counts[0]);
        ASSERT_EQ(finish(reader), 0);
        EXPECT_EQ(readBytes(file("krp")), newKrp);
        EXPECT_EQ(result[1], 0) << "the reader saw a file that is neither the old nor the new one whole";
        wholeReads += result[0];
    }
    EXPECT_GT(wholeReads, 0);
}

}  // namespace
}  // namespace z2k
