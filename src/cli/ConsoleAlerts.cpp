#include "cli/ConsoleAlerts.h"

namespace z2k {

void ConsoleAlerts::show(std::string_view text, std::string_view /*title*/, AlertIcon /*icon*/) {
    ++count_;
    if (live_ != nullptr) live_->clear();
    err_ << "zat2kor: error: " << text << '\n' << std::flush;
}

}  // namespace z2k
