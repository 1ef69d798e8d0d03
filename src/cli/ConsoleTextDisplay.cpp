#include "cli/ConsoleTextDisplay.h"

namespace z2k {

void ConsoleTextDisplay::clear() {
    buffer_.clear();
}

void ConsoleTextDisplay::replace(std::string_view text) {
    buffer_.replace(text);
    show(text);
}

void ConsoleTextDisplay::appendLine(std::string_view line) {
    buffer_.appendLine(line);
    show(line);
}

std::string ConsoleTextDisplay::lines() const {
    const std::string& text = buffer_.text();
    std::string out;
    out.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out;
}

void ConsoleTextDisplay::show(std::string_view text) {
    if (echoOn_) {
        if (live_ != nullptr) live_->clear();
        echo_ << label_ << ": " << text << '\n' << std::flush;
    } else if (live_ != nullptr) {
        live_->text(text);
    }
}

}  // namespace z2k
