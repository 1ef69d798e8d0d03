#pragma once
// A TextDisplay bound to a one-line edit (the "Status:" line, the single page's "Results:") or a
// multi-line box (the multiple page's "Results:"). Every change is painted at once, so that a long
// run of changes queued by the conversion's thread shows each one.
#include <QString>
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/Displays.h"

class QLineEdit;
class QPlainTextEdit;

namespace z2k {

class WidgetTextDisplay : public TextDisplay {
  public:
    // The text shown is in the code page `page`.
    WidgetTextDisplay(QLineEdit* line, CodePage page);
    WidgetTextDisplay(QPlainTextEdit* box, CodePage page);

    void clear() override;
    void replace(std::string_view text) override;
    void appendLine(std::string_view line) override;

    // The code page of the texts shown from now on.
    void setCodePage(CodePage page) { page_ = page; }
    // The text as the system wrote it (code-page bytes, lines joined by CR LF).
    const std::string& text() const { return buffer_.text(); }

  private:
    // Code-page text as the controls show it: CR LF as one line break.
    QString shownText(std::string_view text) const;
    // Shows the whole text (replace and clear; every change of a one-line edit).
    void show();
    void scrollDownAndPaint();

    CodePage page_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* box_ = nullptr;
    TextDisplayBuffer buffer_;
};

}  // namespace z2k
