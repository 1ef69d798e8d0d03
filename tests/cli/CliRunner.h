#pragma once
// Runs the built zat2kor as a child process and collects what it printed and its exit status.
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace z2k::test {

struct CliRun {
    int exitCode = -1;  // -1: did not exit normally
    std::string out;
    std::string err;
};

enum class CliStdout { Captured, Closed, BrokenPipe, DevFull };

struct CliOptions {
    std::filesystem::path workingDirectory;  // empty: the test's own
    bool errOnTerminal = false;              // stderr on a pseudo terminal
    CliStdout out = CliStdout::Captured;
    std::vector<std::string> environment;  // "NAME=VALUE" sets, "NAME" unsets
    // With errOnTerminal: called with the child and what it printed so far, after each read.
    std::function<void(pid_t, const std::string&)> onErr;
};

// stdout and stderr go to files in a fresh temporary folder (or stderr to a pseudo terminal),
// so a full pipe can never block the child.
inline CliRun runCli(const std::vector<std::string>& args, const CliOptions& options = {}) {
    TempFolder capture;
    const std::string outPath = (capture.path() / "out").string();
    const std::string errPath = (capture.path() / "err").string();
    int master = -1;
    int slave = -1;
    if (options.errOnTerminal && openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return {};
    int gone[2] = {-1, -1};  // a pipe whose reader is closed before the child writes
    if (options.out == CliStdout::BrokenPipe && pipe(gone) != 0) return {};
    std::vector<std::string> copies{Z2K_CLI_PATH};
    copies.insert(copies.end(), args.begin(), args.end());
    std::vector<char*> argv{};
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0) return {};
    if (child == 0) {
        if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0) _exit(120);
        for (const std::string& entry : options.environment) {
            const std::size_t equals = entry.find('=');
            if (equals == std::string::npos)
                unsetenv(entry.c_str());
            else
                setenv(entry.substr(0, equals).c_str(), entry.c_str() + equals + 1, 1);
        }
        const int out = options.out == CliStdout::BrokenPipe ? gone[1]
                        : options.out == CliStdout::DevFull
                            ? open("/dev/full", O_WRONLY)
                            : open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err =
            options.errOnTerminal ? slave : open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0) _exit(121);
        if (options.out == CliStdout::Closed) close(STDOUT_FILENO);
        for (int fd : {gone[0], master})
            if (fd >= 0) close(fd);
        signal(SIGPIPE, SIG_DFL);
        execv(argv[0], argv.data());
        _exit(122);
    }
    for (int fd : {slave, gone[0], gone[1]})
        if (fd >= 0) close(fd);
    CliRun run;
    // Read the terminal until the child closed its side; it shows each line end as CR LF.
    char buffer[4096];
    for (ssize_t n; master >= 0 && (n = read(master, buffer, sizeof buffer)) > 0;) {
        for (ssize_t i = 0; i < n; ++i)
            if (buffer[i] != '\r') run.err += buffer[i];
        if (options.onErr) options.onErr(child, run.err);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return {};
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readBytes(outPath);
    if (master >= 0)
        close(master);
    else
        run.err = readBytes(errPath);
    return run;
}

// The command (its first word the mode) with the folder mapped as D: and the single-byte code page.
inline std::vector<std::string> onDriveD(const std::filesystem::path& folder,
                                         std::vector<std::string> command) {
    const std::vector<std::string> mapping = {"--drive", "D=" + folder.string(), "--code-page", "single"};
    command.insert(command.begin() + (command.empty() ? 0 : 1), mapping.begin(), mapping.end());
    return command;
}

// Copies the bundled examples into the folder, over any earlier copy.
inline void copyExamples(const std::filesystem::path& folder) {
    std::filesystem::copy(
        Z2K_EXAMPLES_DIR, folder,
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

}  // namespace z2k::test
