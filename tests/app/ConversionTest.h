#pragma once
#include <QObject>

namespace z2k::test {

// Conversions of the bundled examples through the window: the final texts and bar positions,
// the buttons and the cursor while the conversion runs, and the files written.
class ConversionTest : public QObject {
    Q_OBJECT
  private slots:
    void singleConversionOfTheMotorExample_data();
    void singleConversionOfTheMotorExample();
    void singleConversionThatCannotRead();
    void singleConversionStoppedByAMessageBox();
    void multipleConversionOfTheTreeExample_data();
    void multipleConversionOfTheTreeExample();
    void multipleConversionWithNoMatchingFamily();
    void screenshotAfterAMultipleConversion();
};

}  // namespace z2k::test
