#pragma once
#include <QObject>

namespace z2k::test {

// The Browse buttons and the two pickers.
class BrowseTest : public QObject {
    Q_OBJECT
  private slots:
    void projectPickerReplacesTheFieldOrLeavesIt_data();
    void projectPickerReplacesTheFieldOrLeavesIt();
    void directoryPickerOpensAtTheTypedFolder_data();
    void directoryPickerOpensAtTheTypedFolder();
    void browsedHostPathsPassTheChecks();
    void projectFileDialogIsSetUp();
    void projectFileDialogListsZatFilesInAnyCase();
    void directoryDialogIsSetUp();
    void realPickersReturnTheChosenPathOrNothing();
};

}  // namespace z2k::test
