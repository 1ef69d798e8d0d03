#pragma once
#include <QObject>

namespace z2k::test {

// The displays bound to the window's controls, the message boxes, and the text and path
// conversions between the system and the window.
class DisplayBindingTest : public QObject {
    Q_OBJECT
  private slots:
    void resultsBoxShowsAppendedLinesAndScrolls();
    void oneLineEditShowsReplacedText();
    void progressBarHoldsItsPositionWithin0To100();
    void messageBoxesAreModalWithTitleAndIcon_data();
    void messageBoxesAreModalWithTitleAndIcon();
    void typedFieldsBecomeSystemPaths_data();
    void typedFieldsBecomeSystemPaths();
    void typedFoldersBecomeHostFolders();
    void codePageTextRoundTrips_data();
    void codePageTextRoundTrips();
};

}  // namespace z2k::test
