#pragma once
// Alerts shown as modal message boxes with an OK button.
#include "platform/CodePage.h"
#include "platform/Displays.h"

class QWidget;

namespace z2k {

class MessageBoxAlerts : public Alerts {
  public:
    // Texts shown are in the code page `page`.
    explicit MessageBoxAlerts(CodePage page) : page_(page) {}
    // The window the boxes belong to (none: application-modal boxes of their own).
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    // An empty title gives the application's title.
    void show(std::string_view text, std::string_view title, AlertIcon icon) override;

  private:
    CodePage page_;
    QWidget* parent_ = nullptr;
};

}  // namespace z2k
