#include "PageControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "CPropertyPageMulti.h"
#include "CZatToKorPropertyPage.h"
#include "CZatToKorPropertySheet.h"

namespace z2k::test {

QWidget* pageControl(const CZatToKorPropertySheet& sheet, const QString& name) {
    const CZatToKorPropertyPage& single = *sheet.singlePage();
    const CPropertyPageMulti& multi = *sheet.multiplePage();
    if (name == QLatin1String("single.projectFile")) return single.projectFileEdit();
    if (name == QLatin1String("single.browse")) return single.browseButton();
    if (name == QLatin1String("single.workspaceName")) return single.workspaceNameEdit();
    if (name == QLatin1String("single.progress")) return single.totalProgressBar();
    if (name == QLatin1String("single.results")) return single.resultsEdit();
    if (name == QLatin1String("multi.directory")) return multi.workspaceDirectoryEdit();
    if (name == QLatin1String("multi.browse")) return multi.browseButton();
    if (name == QLatin1String("multi.workspaceName")) return multi.workspaceNameEdit();
    if (name == QLatin1String("multi.family")) return multi.cpuFamilyList();
    if (name == QLatin1String("multi.current")) return multi.currentProgressBar();
    if (name == QLatin1String("multi.total")) return multi.totalProgressBar();
    if (name == QLatin1String("multi.status")) return multi.statusEdit();
    if (name == QLatin1String("multi.results")) return multi.resultsBox();
    return nullptr;
}

int pageOf(const QString& name) {
    return name.startsWith(QLatin1String("single.")) ? 0 : 1;
}

}  // namespace z2k::test
