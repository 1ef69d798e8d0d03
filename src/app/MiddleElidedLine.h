#pragma once
// A read-only line that shows a text too long for it with its middle left out ("D:\tree\...\a.zat"),
// so that both the start and the end of a path stay in sight; it elides again when resized.
#include <QLineEdit>

namespace z2k {

class MiddleElidedLine : public QLineEdit {
    Q_OBJECT
  public:
    explicit MiddleElidedLine(QWidget* parent = nullptr);

    // The whole text, also shown as the tool tip; text() is what fits.
    void setFullText(const QString& text);
    const QString& fullText() const { return full_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void elide();

    QString full_;
};

}  // namespace z2k
