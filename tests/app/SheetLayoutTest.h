#pragma once
#include <QObject>

namespace z2k::test {

// The window as a person sees it: title, tabs, buttons, controls, labels, limits and layout.
class SheetLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void titleTabsAndFlags();
    void onlyConvertAndCloseAtBottomRight();
    void dialogFontIsEightPointSansSerif();
    void controlsStandAtTheirDialogUnits_data();
    void controlsStandAtTheirDialogUnits();
    void labelsStandBesideTheirControls_data();
    void labelsStandBesideTheirControls();
    void controlsDoNotOverlap();
    void separatorsAreSunkenLinesAcrossThePage();
    void typingStopsAtTheFieldLimits_data();
    void typingStopsAtTheFieldLimits();
    void resultAndStatusBoxesAreReadOnly();
    void progressBarsRunFrom0To100WithoutText();
    void cpuFamilyListIsFilledSortedOnFirstShow();
    void screenshotsOfBothPages();
    void closeEndsTheWindow();
};

}  // namespace z2k::test
