#pragma once
// A text control on the console: keeps its text with the append-line rule and, when echo is on,
// writes each change as one line, or else shows it on the live line of a terminal when it has one.
#include <ostream>
#include <string>
#include <string_view>

#include "cli/LiveLine.h"
#include "platform/Displays.h"

namespace z2k {

class ConsoleTextDisplay : public TextDisplay {
  public:
    // live: not owned, may be null; an echoed line clears it first.
    ConsoleTextDisplay(std::string label, std::ostream& echo, bool echoOn, LiveLine* live = nullptr)
        : label_(std::move(label)), echo_(echo), echoOn_(echoOn), live_(live) {}
    void clear() override;
    void replace(std::string_view text) override;
    void appendLine(std::string_view line) override;
    const std::string& text() const { return buffer_.text(); }
    // The text with every CR LF shown as LF, ending in LF when it is not empty.
    std::string lines() const;

  private:
    void show(std::string_view text);

    std::string label_;
    std::ostream& echo_;
    bool echoOn_;
    LiveLine* live_;
    TextDisplayBuffer buffer_;
};

}  // namespace z2k
