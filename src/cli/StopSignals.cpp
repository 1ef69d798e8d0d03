#include "cli/StopSignals.h"

#include <csignal>

#include "platform/ProcessSetup.h"

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
    installStopHandler(onStopSignal);
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
