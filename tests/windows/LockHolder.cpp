// Takes the shared lock of a database path and holds it until its stdin ends:
//   lock_holder read|write PATH
// It says "held" once it has the lock and "released" once it gave it back, each on a line.
#include <cstdio>
#include <cstring>
#include <memory>

#include "textdb/SharedLock.h"

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "read") != 0 && std::strcmp(argv[1], "write") != 0)) return 2;
    const bool write = std::strcmp(argv[1], "write") == 0;
    std::unique_ptr<z2k::SharedLock> lock =
        write ? z2k::SharedLock::acquireWrite(argv[2]) : z2k::SharedLock::acquireRead(argv[2]);
    if (!lock) return 1;
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    lock.reset();
    std::puts("released");
    std::fflush(stdout);
    return 0;
}
