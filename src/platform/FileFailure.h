#pragma once
// Why an operation on a file failed: the path it failed on and the reason in words (the system's
// own description of the error, or what is wrong with the file). Front ends show it as
// "PATH: REASON" beside the failure message, so no failure leaves the user guessing.
#include <string>

namespace z2k {

struct FileFailure {
    std::string path;    // as the system names it (a database path, or a host path of a lock)
    std::string reason;  // empty: nothing failed

    bool empty() const { return reason.empty(); }
    std::string text() const { return path + ": " + reason; }
};

}  // namespace z2k
