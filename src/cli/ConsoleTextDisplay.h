#pragma once
// A text control on the console: keeps its text with the append-line rule and, when echo is on
// (stderr is a terminal), writes each change as one line.
#include <ostream>
#include <string>
#include <string_view>

#include "platform/Displays.h"

namespace z2k {

class ConsoleTextDisplay : public TextDisplay {
  public:
    ConsoleTextDisplay(std::string label, std::ostream& echo, bool echoOn)
        : label_(std::move(label)), echo_(echo), echoOn_(echoOn) {}
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
    TextDisplayBuffer buffer_;
};

}  // namespace z2k
