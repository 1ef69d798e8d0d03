#include "WidgetTextDisplay.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include "CodePageText.h"
#include "MiddleElidedLine.h"

namespace z2k {

WidgetTextDisplay::WidgetTextDisplay(QLineEdit* line, CodePage page) : page_(page), line_(line) {}

WidgetTextDisplay::WidgetTextDisplay(QPlainTextEdit* box, CodePage page) : page_(page), box_(box) {}

void WidgetTextDisplay::clear() {
    buffer_.clear();
    show();
}

void WidgetTextDisplay::replace(std::string_view text) {
    buffer_.replace(text);
    show();
}

void WidgetTextDisplay::appendLine(std::string_view line) {
    buffer_.appendLine(line);
    if (box_ == nullptr) {
        show();
        return;
    }
    // Only the new line goes into the box, so a long run of lines costs time in proportion.
    QTextCursor end(box_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("\n") + shownText(line));
    scrollDownAndPaint();
}

QString WidgetTextDisplay::shownText(std::string_view text) const {
    QString shown = codePageToQString(text, page_);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void WidgetTextDisplay::scrollDownAndPaint() {
    // Scrolled down so that the last line is visible.
    QScrollBar* bar = box_->verticalScrollBar();
    bar->setValue(bar->maximum());
    box_->repaint();
}

void WidgetTextDisplay::show() {
    QString text = shownText(buffer_.text());
    if (box_ != nullptr) {
        box_->setPlainText(text);
        scrollDownAndPaint();
    } else if (line_ != nullptr) {
        // A one-line edit shows a line break as a blank.
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (auto* elided = qobject_cast<MiddleElidedLine*>(line_)) {
            elided->setFullText(text);
        } else {
            line_->setText(text);
            line_->setCursorPosition(0);
        }
        line_->repaint();
    }
}

}  // namespace z2k
