#pragma once
// Dialog units: a layout measured in quarters of the dialog font's average character width and
// eighths of its character height, converted to pixels for that font.
#include <QFont>
#include <QRect>

namespace z2k {

class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    int baseWidth() const { return baseWidth_; }
    int baseHeight() const { return baseHeight_; }
    // Horizontal units to pixels: x * baseWidth / 4, rounded.
    int x(int units) const;
    // Vertical units to pixels: y * baseHeight / 8, rounded.
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;

  private:
    int baseWidth_;
    int baseHeight_;
};

}  // namespace z2k
