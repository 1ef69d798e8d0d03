#pragma once
// Character-aware text helpers of the option conversion. A match counts only when it starts and
// ends on whole characters of the active code page, so a CP932 trail byte that looks like '|',
// '[', ']' or '\' is never taken for one.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace z2k {

class OptionText {
  public:
    OptionText(std::string_view text, CodePage page);

    // True when byte pos starts a character (pos == size counts as a start).
    bool isStart(std::size_t pos) const { return pos <= text_.size() && (allStarts_ || starts_[pos]); }
    // First occurrence of needle at or after from that starts and ends on character boundaries,
    // or npos. An empty needle is never found.
    std::size_t find(std::string_view needle, std::size_t from = 0) const;

    std::string_view text() const { return text_; }

    // Every occurrence of from replaced by to (left to right, not overlapping).
    static std::string replaceAll(std::string_view text, std::string_view from, std::string_view to,
                                  CodePage page);
    // split at the single-byte character c; an empty text gives one empty element.
    static std::vector<std::string> split(std::string_view text, char c, CodePage page);
    static std::string join(const std::vector<std::string>& elements, std::string_view separator);
    // Every single-byte character from replaced by to.
    static std::string replaceChar(std::string_view text, char from, char to, CodePage page);
    // Trailing blank, TAB, CR, LF, VT, FF removed.
    static std::string trimRight(std::string_view text, CodePage page);
    // Number of double-quote characters.
    static std::size_t countQuotes(std::string_view text, CodePage page);

  private:
    std::string_view text_;
    bool allStarts_ = false;    // every byte starts a character: starts_ stays empty
    std::vector<bool> starts_;  // otherwise one flag per byte, and one for the end
};

}  // namespace z2k
