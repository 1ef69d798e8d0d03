// zat2kor-gui: the converter window. It takes no arguments of its own and keeps no settings;
// closing the window ends the program.
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
    const z2k::HostSettings settings = z2k::hostSettingsFor(z2k::readProcessLocale());
    z2k::DialogFilePickers pickers;
    z2k::MessageBoxAlerts alerts(settings.codePage);
    z2k::ConverterWindow window(pickers, alerts, settings);
    alerts.setParentWidget(&window);
    window.exec();
    return 0;
}
