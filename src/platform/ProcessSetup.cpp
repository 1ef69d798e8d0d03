#include "platform/ProcessSetup.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace z2k {

void holdClosedStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1) continue;
        const int held = open("/dev/null", O_RDONLY);
        if (held >= 0 && held != fd) {
            dup2(held, fd);
            close(held);
        }
    }
}

std::size_t standardErrorColumns() {
    if (isatty(STDERR_FILENO) != 1) return 0;
    winsize size{};
    // A terminal that does not tell its width gets the usual 80 columns.
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return 80;
    return size.ws_col;
}

void installStopHandler(void (*onStop)(int)) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, nullptr);

    struct sigaction stop {};
    stop.sa_handler = onStop;
    sigemptyset(&stop.sa_mask);
    // Interrupted system calls resume: every file operation runs to its end as usual.
    stop.sa_flags = SA_RESTART;
    for (int number : {SIGINT, SIGTERM}) {
        struct sigaction before {};
        // A signal the caller ignores (a job started in the background) stays ignored.
        if (sigaction(number, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        sigaction(number, &stop, nullptr);
    }
}

std::vector<std::string> hostArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void useConsoleForStandardStreams() {}

}  // namespace z2k
