#pragma once
#include <QObject>

namespace z2k::test {

// Convert with fields that fail a check: the message box, its title and icon, the focus it
// leaves, the buttons enabled again, and no conversion started.
class FieldCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void singlePageChecks_data();
    void singlePageChecks();
    void multiplePageChecks_data();
    void multiplePageChecks();
    void checksAreOfThePageShowing();
    void focusStaysOnConvertWhenItWasClicked();
};

}  // namespace z2k::test
