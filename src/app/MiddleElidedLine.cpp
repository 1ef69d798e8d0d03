#include "MiddleElidedLine.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

namespace z2k {

MiddleElidedLine::MiddleElidedLine(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
}

void MiddleElidedLine::setFullText(const QString& text) {
    full_ = text;
    setToolTip(text);
    elide();
}

void MiddleElidedLine::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    elide();
}

void MiddleElidedLine::elide() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    // QLineEdit keeps two pixels free on either side of its text.
    const int width = inside.width() - margins.left() - margins.right() - 4;
    setText(fontMetrics().elidedText(full_, Qt::ElideMiddle, width));
    setCursorPosition(0);
}

}  // namespace z2k
