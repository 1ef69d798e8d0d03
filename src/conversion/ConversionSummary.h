#pragma once
// What one run of the conversion driver did, for front ends that need an outcome (the command
// line's exit status). The window does not look at it.
#include <string>
#include <vector>

namespace z2k {

struct ConversionSummary {
    int found = 0;      // projects the search found (single mode: the one project)
    int matched = 0;    // projects that went through the conversion (single mode: 1)
    int converted = 0;  // projects converted successfully
    int failed = 0;     // matched projects whose read, translation or write failed
    bool workspaceWritten = false;
    bool cancelled = false;  // the request's cancel flag stopped the run before its last project
    int otherFamilies = 0;   // projects read whose CPU family is not the one asked for
    int unreadable = 0;      // projects whose CPU family could not be read
    // What the search had to leave out: "folder PATH: REASON" or "file PATH: REASON".
    std::vector<std::string> skipped;
};

}  // namespace z2k
