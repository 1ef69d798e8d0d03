#pragma once
// Progress on a terminal as one line redrawn in place: "[12/250] D:\tree\a.zat  Writing
// recordset [OPTIONS_Release]", cut to the terminal's width so that it never wraps. Every line
// that must stay (an error, a note) clears it first; the next change draws it again.
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace z2k {

class LiveLine {
  public:
    // columns: the terminal's width; page: the code page the paths and texts are in.
    LiveLine(std::ostream& terminal, std::size_t columns, CodePage page)
        : terminal_(terminal), columns_(columns), page_(page) {}
    LiveLine(const LiveLine&) = delete;
    LiveLine& operator=(const LiveLine&) = delete;
    ~LiveLine() { clear(); }

    void project(std::size_t index, std::size_t total, std::string_view path);
    void text(std::string_view text);
    // Erases the line when it is shown.
    void clear();

  private:
    void draw();

    std::ostream& terminal_;
    std::size_t columns_;
    CodePage page_;
    std::string project_;
    std::string text_;
    bool shown_ = false;
};

}  // namespace z2k
