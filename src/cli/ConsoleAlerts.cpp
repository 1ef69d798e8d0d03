#include "cli/ConsoleAlerts.h"

namespace z2k {

void ConsoleAlerts::show(std::string_view text, std::string_view /*title*/, AlertIcon /*icon*/) {
    ++count_;
    err_ << "error: " << text << '\n' << std::flush;
}

}  // namespace z2k
