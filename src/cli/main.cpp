#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/StopSignals.h"
#include "platform/AllocatorTuning.h"
#include "platform/ProcessSetup.h"

int main(int argc, char** argv) {
    z2k::holdClosedStandardStreams();
    z2k::useConsoleForStandardStreams();
    z2k::StopSignals::install();
    z2k::keepLargeBlocksInHeap();
    std::vector<std::string> arguments = z2k::hostArguments(argc, argv);
    std::vector<char*> hostArgv;
    for (std::string& argument : arguments) hostArgv.push_back(argument.data());
    hostArgv.push_back(nullptr);
    z2k::CommandLine commandLine(std::cout, std::cerr, z2k::standardErrorColumns());
    return commandLine.run(argc, hostArgv.data());
}
