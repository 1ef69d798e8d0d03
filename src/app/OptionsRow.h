#pragma once
// The row of the window with the settings that the command line has as options: the code page of
// the projects (the locale's unless one is chosen), dry run and keeping backups. They are
// remembered between runs of the program.
#include <QWidget>

#include "platform/HostSettings.h"

class QCheckBox;
class QComboBox;

namespace z2k {

class OptionsRow : public QWidget {
    Q_OBJECT
  public:
    // Shows the choices remembered from the last run (defaults: the locale's code page, files
    // written, backups kept) and remembers every change.
    explicit OptionsRow(QWidget* parent = nullptr);

    // The settings of a conversion: the locale's settings with the choices of the row.
    HostSettings applied(const HostSettings& locale) const;
    bool dryRun() const;

    QComboBox* codePageList() const { return codePage_; }
    QCheckBox* dryRunBox() const { return dryRun_; }
    QCheckBox* keepBackupsBox() const { return keepBackups_; }

  private:
    void remember() const;

    QComboBox* codePage_;
    QCheckBox* dryRun_;
    QCheckBox* keepBackups_;
};

}  // namespace z2k
