#include <unistd.h>

#include <iostream>

#include "cli/CommandLine.h"
#include "platform/AllocatorTuning.h"

int main(int argc, char** argv) {
    z2k::keepLargeBlocksInHeap();
    z2k::CommandLine commandLine(std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
    return commandLine.run(argc, argv);
}
