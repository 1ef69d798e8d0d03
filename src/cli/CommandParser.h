#pragma once
// The command line's grammar: the two commands, their options and their help, and the usage
// errors a person meets (an unknown command or option is named, with the closest one known).
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace z2k {

// What the command line was given, as typed.
struct CommandArguments {
    bool single = false;  // the "single" command; else "multiple"
    std::vector<std::string> drives;
    std::string codePage;
    bool noBackup = false;
    bool dryRun = false;
    bool quiet = false;    // errors and warnings only
    bool verbose = false;  // every display change as a line, and how the paths were formed
    std::string reportFile;
    double lockTimeout = -1;  // seconds; negative: wait as long as it takes
    std::string path;         // ZAT_FILE or DIRECTORY
    std::string workspaceName;
    std::string family;
};

// Nothing when the run goes on with args filled in; else the exit status after printing the
// help, the version or the usage error.
std::optional<int> parseCommand(int argc, char** argv, CommandArguments& args, std::ostream& out,
                                std::ostream& err);

// The candidate closest to word by edit distance, when it is close enough to be a slip of the
// keyboard; else empty.
std::string closestMatch(std::string_view word, const std::vector<std::string>& candidates);

}  // namespace z2k
