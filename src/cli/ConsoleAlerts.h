#pragma once
// Message boxes on the console: each one is a line "zat2kor: error: TEXT" on the error stream.
#include <ostream>
#include <string_view>

#include "cli/LiveLine.h"
#include "platform/Displays.h"

namespace z2k {

class ConsoleAlerts : public Alerts {
  public:
    // live: not owned, may be null; cleared before each message.
    explicit ConsoleAlerts(std::ostream& err, LiveLine* live = nullptr) : err_(err), live_(live) {}
    void show(std::string_view text, std::string_view title, AlertIcon icon) override;
    int count() const { return count_; }

  private:
    std::ostream& err_;
    LiveLine* live_;
    int count_ = 0;
};

}  // namespace z2k
