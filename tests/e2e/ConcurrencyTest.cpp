// Several processes at once on one project: two zat2kor processes converting the same project
// together, and a reader process opening the .krp again and again while zat2kor replaces it.
// The copy of the example is mapped as drive D: for every child.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;

constexpr int kRounds = 20;
// A reader stops after this many openings even if it is never told to stop.
constexpr int kMostReads = 200000;

const char* const kProject = "D:\\quarix\\motor.zat";
const char* const kInformation = "Brushless motor controller for the QX2 evaluation board";

// Children started together: each waits on the gate pipe until the parent closes it.
class Gate {
  public:
    Gate() {
        if (pipe(fds_) != 0) fds_[0] = fds_[1] = -1;
    }
    ~Gate() {
        closeEnd(0);
        closeEnd(1);
    }
    bool ok() const { return fds_[0] >= 0; }
    // In a child: blocks until the parent opens the gate.
    void wait() {
        closeEnd(1);
        char byte;
        while (read(fds_[0], &byte, 1) < 0) {
        }
        closeEnd(0);
    }
    void open() { closeEnd(1); }

  private:
    void closeEnd(int end) {
        if (fds_[end] >= 0) close(fds_[end]);
        fds_[end] = -1;
    }
    int fds_[2] = {-1, -1};
};

class ConcurrencyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(tmp.path() / "quarix");
        fs::copy_file(fs::path(Z2K_EXAMPLES_DIR) / "quarix" / "motor.zat", zatFile());
        zat = readBytes(zatFile());
        ASSERT_NE(zat.find(kInformation), std::string::npos);
    }

    fs::path zatFile() const { return tmp.path() / "quarix" / "motor.zat"; }
    fs::path krpFile() const { return tmp.path() / "quarix" / "motor.krp"; }
    fs::path krsFile() const { return tmp.path() / "quarix" / "ws.krs"; }

    std::vector<std::string> arguments() const {
        return {Z2K_CLI_PATH,  "single", "--drive", "D=" + tmp.path().string(),
                "--code-page", "single", kProject,  "ws"};
    }

    // Starts zat2kor with stdout and stderr in files of the capture folder; with a gate, the
    // program starts only when the gate opens. Returns the process id, or -1.
    pid_t startConverter(const std::string& name, Gate* gate) {
        const std::string out = (capture.path() / (name + ".out")).string();
        std::vector<std::string> args = arguments();
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        const pid_t child = fork();
        if (child != 0) return child;
        const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0 || dup2(fd, STDERR_FILENO) < 0) _exit(121);
        if (gate) gate->wait();
        execv(argv[0], argv.data());
        _exit(122);
    }

    // Waits for the child; its exit status, or -1 when it did not exit normally.
    static int finish(pid_t child) {
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child) return -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int convertAlone() { return finish(startConverter("alone", nullptr)); }

    // Puts bytes at the path the way a finished save does: whole, under the final name at once.
    static void replaceWhole(const fs::path& path, const std::string& bytes) {
        const fs::path temporary = path.string() + ".test-tmp";
        std::FILE* file = std::fopen(temporary.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        ASSERT_EQ(std::fclose(file), 0);
        fs::rename(temporary, path);
    }

    TempFolder tmp;
    TempFolder capture;
    std::string zat;
};

TEST_F(ConcurrencyTest, TwoConvertersAtOnceLeaveTheFileOfOneConversion) {
    ASSERT_EQ(convertAlone(), 0);
    const std::string krp = readBytes(krpFile());
    const std::string krs = readBytes(krsFile());
    ASSERT_NE(krp.find(kInformation), std::string::npos);
    ASSERT_FALSE(krs.empty());

    int failedRuns = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        // Start each round from a file that is neither the result nor empty.
        replaceWhole(krpFile(), "[ZATDBVersion]\r\n2.0\r\n[STALE]\r\n[END]\r\n");
        Gate gate;
        ASSERT_TRUE(gate.ok());
        const pid_t first = startConverter("first", &gate);
        const pid_t second = startConverter("second", &gate);
        gate.open();
        const int firstCode = finish(first);
        const int secondCode = finish(second);
        // Neither may crash; a run may lose the race for the file, but one of them converts it.
        EXPECT_TRUE(firstCode == 0 || firstCode == 1) << readBytes(capture.path() / "first.out");
        EXPECT_TRUE(secondCode == 0 || secondCode == 1) << readBytes(capture.path() / "second.out");
        EXPECT_TRUE(firstCode == 0 || secondCode == 0);
        failedRuns += (firstCode != 0) + (secondCode != 0);

        EXPECT_EQ(readBytes(krpFile()), krp) << "the .krp is not the file of one whole conversion";
        EXPECT_EQ(readBytes(krsFile()), krs) << "the .krs is not the file of one whole conversion";
        EXPECT_EQ(readBytes(zatFile()), zat) << "the .zat was changed";
        // No temporary file of a save is left behind.
        for (const auto& entry : fs::directory_iterator(tmp.path() / "quarix")) {
            const std::string name = entry.path().filename().string();
            EXPECT_FALSE(name.starts_with(".")) << name << " left in the project folder";
        }
        if (HasFailure()) break;
    }
    RecordProperty("failedRuns", failedRuns);
}

// The bytes of a database that was created and not yet saved.
const char* const kEmptyDatabase = "[ZATDBVersion]\r\n2.0\r\n[END]\r\n";

// The reader child: opens and reads the whole .krp until the stop file appears (at most
// kMostReads times) and writes one line per reading to the log: "old", "new", "missing",
// "empty database", or "other" followed by the bytes' size.
void readUntilStopped(const fs::path& krp, const fs::path& stop, const fs::path& log,
                      const std::string& oldBytes, const std::string& newBytes) {
    std::FILE* out = std::fopen(log.c_str(), "w");
    if (out == nullptr) _exit(3);
    std::string bytes;
    char buffer[65536];
    for (int i = 0; i < kMostReads && access(stop.c_str(), F_OK) != 0; ++i) {
        const int fd = ::open(krp.c_str(), O_RDONLY);
        if (fd < 0) {
            std::fputs("missing\n", out);
            continue;
        }
        bytes.clear();
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, n);
        close(fd);
        if (bytes == oldBytes) {
            std::fputs("old\n", out);
        } else if (bytes == newBytes) {
            std::fputs("new\n", out);
        } else if (bytes == kEmptyDatabase) {
            std::fputs("empty database\n", out);
        } else {
            std::fprintf(out, "other %zu\n", bytes.size());
        }
    }
    _exit(std::fclose(out) == 0 ? 0 : 4);
}

TEST_F(ConcurrencyTest, AReaderSeesTheOldOrTheNewFileWhole) {
    // The new file: the project as it is. The old one: the same project with another
    // information text, so the two differ in one line.
    ASSERT_EQ(convertAlone(), 0);
    const std::string newKrp = readBytes(krpFile());
    std::string oldZat = zat;
    oldZat.replace(oldZat.find(kInformation), std::string(kInformation).size(),
                   "Motor controller, old board");
    replaceWhole(zatFile(), oldZat);
    ASSERT_EQ(convertAlone(), 0);
    const std::string oldKrp = readBytes(krpFile());
    replaceWhole(zatFile(), zat);
    ASSERT_NE(oldKrp, newKrp);
    ASSERT_NE(oldKrp.find("Motor controller, old board"), std::string::npos);

    std::map<std::string, int> seen;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        replaceWhole(krpFile(), oldKrp);
        const fs::path stop = capture.path() / "stop";
        const fs::path log = capture.path() / "reads";
        fs::remove(stop);
        const pid_t reader = fork();
        ASSERT_GE(reader, 0);
        if (reader == 0) readUntilStopped(krpFile(), stop, log, oldKrp, newKrp);

        EXPECT_EQ(convertAlone(), 0);
        std::FILE* stopFile = std::fopen(stop.c_str(), "w");
        ASSERT_NE(stopFile, nullptr);
        std::fclose(stopFile);
        ASSERT_EQ(finish(reader), 0);

        EXPECT_EQ(readBytes(krpFile()), newKrp);
        std::string lines = readBytes(log);
        for (std::size_t start = 0, end; start < lines.size(); start = end + 1) {
            end = lines.find('\n', start);
            if (end == std::string::npos) end = lines.size();
            ++seen[lines.substr(start, end - start)];
        }
        if (HasFailure()) break;
    }
    std::string others;
    for (const auto& [what, count] : seen)
        if (what != "old" && what != "new") others += what + " (" + std::to_string(count) + " times)\n";
    EXPECT_EQ(others, "") << "the reader saw a file that is neither the old nor the new one whole";
    EXPECT_GT(seen["old"] + seen["new"], 0);
}

}  // namespace
}  // namespace z2k
