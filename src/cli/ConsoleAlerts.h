#pragma once
// Message boxes on the console: each one is a line "error: TEXT" on the error stream.
#include <ostream>
#include <string_view>

#include "platform/Displays.h"

namespace z2k {

class ConsoleAlerts : public Alerts {
  public:
    explicit ConsoleAlerts(std::ostream& err) : err_(err) {}
    void show(std::string_view text, std::string_view title, AlertIcon icon) override;
    int count() const { return count_; }

  private:
    std::ostream& err_;
    int count_ = 0;
};

}  // namespace z2k
