#pragma once
// Alerts shown as modal message boxes with an OK button.
#include "platform/Displays.h"

class QWidget;

namespace z2k {

class MessageBoxAlerts : public Alerts {
  public:
    // The window the boxes belong to (none: application-modal boxes of their own).
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    // An empty title gives the application's title.
    void show(std::string_view text, std::string_view title, AlertIcon icon) override;

  private:
    QWidget* parent_ = nullptr;
};

}  // namespace z2k
