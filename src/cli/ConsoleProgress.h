#pragma once
// A progress bar on the console: keeps its position and, when echo is on (--verbose), writes
// one line per change.
#include <ostream>
#include <string>

#include "platform/Displays.h"

namespace z2k {

class ConsoleProgress : public ProgressDisplay {
  public:
    ConsoleProgress(std::string label, std::ostream& echo, bool echoOn)
        : label_(std::move(label)), echo_(echo), echoOn_(echoOn) {}
    void reset() override;
    void set(int position) override;
    void step(int delta) override;
    int position() const { return value_.position(); }

  private:
    void show();

    std::string label_;
    std::ostream& echo_;
    bool echoOn_;
    ProgressValue value_;
};

}  // namespace z2k
