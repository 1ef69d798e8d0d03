#include <fcntl.h>
#include <unistd.h>

#include <iostream>

#include "cli/CommandLine.h"
#include "cli/StopSignals.h"
#include "platform/AllocatorTuning.h"

namespace {

// A standard stream the caller closed gets /dev/null opened read-only in its place: no file the
// conversion opens can then take its number and receive the results, and writing to it still
// fails, so a closed stdout is reported like any other.
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

}  // namespace

int main(int argc, char** argv) {
    holdClosedStandardStreams();
    z2k::StopSignals::install();
    z2k::keepLargeBlocksInHeap();
    z2k::CommandLine commandLine(std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
    return commandLine.run(argc, argv);
}
