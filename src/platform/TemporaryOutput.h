#pragma once
// The temporary file that a replaced file is written to before it is moved over its path.
//
// Where the file system allows it the file has no name (O_TMPFILE) until it is complete, so a
// writer killed meanwhile leaves nothing behind. Elsewhere, and for the instant between giving
// the finished file a name and renaming it, the name is ".z2k-PID-XXXXXX" in the target's
// folder, and the file carries a lock for as long as its writer has it open. Before a run's
// first replace in a folder, removeStaleTemporaryFiles() takes away such files of writers that are gone: only
// regular files of the running user with that form of name, whose process no longer exists and
// whose lock can be taken.
#include <string>

namespace z2k {

class TemporaryOutput {
  public:
    explicit TemporaryOutput(std::string hostFolder) : folder_(std::move(hostFolder)) {}
    ~TemporaryOutput();
    TemporaryOutput(const TemporaryOutput&) = delete;
    TemporaryOutput& operator=(const TemporaryOutput&) = delete;

    // Creates the file (mode 0600): unnamed where the file system allows it, else named. 0 or errno.
    int open();
    // The file system has no unnamed files: always the named form.
    int openNamed();
    int fd() const { return fd_; }
    // Moves the written file to target (a host path in the same folder): linked in place when
    // the target did not exist, else named and renamed over it. 0 or errno.
    int moveTo(const std::string& target, bool targetExists);

  private:
    int linkAs(const std::string& path);
    std::string folder_;
    int fd_ = -1;
    std::string name_;  // the host path while the file has a name that is not the target's
};

// Removes the temporary files in the host folder whose writer is gone (see above).
void removeStaleTemporaryFiles(const std::string& hostFolder);

}  // namespace z2k
