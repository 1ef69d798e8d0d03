#pragma once
// Finds the window's controls by a short name, so that tests can list them in tables.
#include <QString>

class QWidget;

namespace z2k {
class CZatToKorPropertySheet;
}

namespace z2k::test {

// Names: single.projectFile, single.browse, single.workspaceName, single.progress,
// single.results, multi.directory, multi.browse, multi.workspaceName, multi.family,
// multi.current, multi.total, multi.status, multi.results. Null for an unknown name.
QWidget* pageControl(const CZatToKorPropertySheet& sheet, const QString& name);
// 0 for single.*, 1 for multi.*.
int pageOf(const QString& name);

}  // namespace z2k::test
