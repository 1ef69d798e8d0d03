#pragma once
// The converter window on the offscreen platform, with pickers that answer from a script in
// place of a person and an alert recorder in place of message boxes.
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <optional>

#include "ConverterWindow.h"
#include "FilePickers.h"
#include "support/TestSupport.h"

namespace z2k::test {

class FakePickers : public FilePickers {
  public:
    std::optional<QString> pickProjectFile(QWidget*) override { return projectAnswer; }
    std::optional<QString> pickWorkspaceDirectory(QWidget*, const QString& startFolder) override {
        startFolders << startFolder;
        return directoryAnswer;
    }

    std::optional<QString> projectAnswer;
    std::optional<QString> directoryAnswer;
    QStringList startFolders;
};

struct WindowHarness {
    // The window runs with these settings, in the UTF-8 code page.
    explicit WindowHarness(HostSettings settings = HostSettings{})
        : window(std::make_unique<ConverterWindow>(pickers, alerts, inUtf8(std::move(settings)))) {}

    // Shows the window with the given page (0 single, 1 multiple) in front.
    bool showPage(int index) {
        window->tabs()->setCurrentIndex(index);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    FakePickers pickers;
    RecordingAlerts alerts;
    std::unique_ptr<ConverterWindow> window;

  private:
    static HostSettings inUtf8(HostSettings settings) {
        settings.codePage = CodePage::Utf8;
        return settings;
    }
};

}  // namespace z2k::test
