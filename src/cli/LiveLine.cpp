#include "cli/LiveLine.h"

namespace z2k {

namespace {

constexpr const char* kEraseToEnd = "\x1b[K";

}  // namespace

void LiveLine::project(std::size_t index, std::size_t total, std::string_view path) {
    project_ = '[' + std::to_string(index) + '/' + std::to_string(total) + "] ";
    project_ += path;
    text_.clear();
    draw();
}

void LiveLine::text(std::string_view text) {
    // Only the first line of a text: a line break would leave the line behind.
    text_ = text.substr(0, text.find_first_of("\r\n"));
    draw();
}

void LiveLine::clear() {
    if (!shown_) return;
    terminal_ << '\r' << kEraseToEnd << std::flush;
    shown_ = false;
}

void LiveLine::draw() {
    std::string line = project_;
    if (!line.empty() && !text_.empty()) line += "  ";
    line += text_;
    // One column less than the width: a full line would move the cursor to the next one.
    std::size_t characters = 0;
    std::size_t end = 0;
    while (end < line.size() && characters + 1 < columns_) {
        end += charLength(line, end, page_);
        ++characters;
    }
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    terminal_ << '\r' << std::string_view(line).substr(0, end) << kEraseToEnd << std::flush;
    shown_ = true;
}

}  // namespace z2k
