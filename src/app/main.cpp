// zat2kor-gui: the converter window. It takes no arguments of its own and remembers only the
// choices of its options row; closing the window ends the program.
#include <QApplication>
#include <QIcon>

#include "ConverterWindow.h"
#include "DialogFilePickers.h"
#include "MessageBoxAlerts.h"
#include "platform/AllocatorTuning.h"
#include "platform/HostSettings.h"

int main(int argc, char** argv) {
    z2k::keepLargeBlocksInHeap();
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zat2kor")));
    // The name of the desktop entry, so that a dock matches the window with its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("zat2kor"));
    const z2k::HostSettings settings = z2k::hostSettingsFor(z2k::readProcessLocale());
    z2k::DialogFilePickers pickers;
    z2k::MessageBoxAlerts alerts(settings.codePage);
    z2k::ConverterWindow window(pickers, alerts, settings);
    alerts.setParentWidget(&window);
    window.exec();
    return 0;
}
