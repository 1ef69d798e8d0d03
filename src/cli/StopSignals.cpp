#include "cli/StopSignals.h"

#include <signal.h>

namespace z2k {

namespace {

std::atomic<bool> stopFlag{false};
std::atomic<int> firstSignal{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "a signal handler may only touch lock-free atomics");

void onStopSignal(int number) {
    int none = 0;
    firstSignal.compare_exchange_strong(none, number);
    stopFlag.store(true);
}

}  // namespace

void StopSignals::install() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, nullptr);

    struct sigaction stop {};
    stop.sa_handler = onStopSignal;
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

const std::atomic<bool>& StopSignals::stopRequested() {
    return stopFlag;
}

int StopSignals::signal() {
    return firstSignal.load();
}

const char* StopSignals::signalName() {
    switch (signal()) {
        case SIGINT:
            return "SIGINT";
        case SIGTERM:
            return "SIGTERM";
        default:
            return "no signal";
    }
}

}  // namespace z2k
