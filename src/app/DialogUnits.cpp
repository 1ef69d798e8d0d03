#include "DialogUnits.h"

#include <QFontMetrics>

namespace z2k {

namespace {

// a * b / c rounded half away from zero, for non-negative operands.
int mulDiv(int a, int b, int c) {
    return (a * b + c / 2) / c;
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width of the 52 letters, rounded as dialog templates measure it.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseWidth_ = (letters / 26 + 1) / 2;
    baseHeight_ = metrics.height();
    if (baseWidth_ < 1) baseWidth_ = 1;
    if (baseHeight_ < 1) baseHeight_ = 1;
}

int DialogUnits::x(int units) const {
    return mulDiv(units, baseWidth_, 4);
}

int DialogUnits::y(int units) const {
    return mulDiv(units, baseHeight_, 8);
}

QRect DialogUnits::rect(int left, int top, int width, int height) const {
    return QRect(x(left), y(top), x(width), y(height));
}

}  // namespace z2k
