// zat2kor-gui: the converter window. It takes no arguments of its own (--help and --version
// aside) and remembers only the choices of its options row; closing the window ends the program.
#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <string_view>

#include "ConverterWindow.h"
#include "DialogFilePickers.h"
#include "MessageBoxAlerts.h"
#include "platform/AllocatorTuning.h"
#include "platform/HostSettings.h"

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they work without a display (the manual page is made
    // from them).
    const std::string_view argument = argc == 2 ? argv[1] : "";
    if (argument == "--version" || argument == "--help") {
        std::fputs(argument == "--version" ? "zat2kor-gui " ZAT2KOR_VERSION "\n"
                                           : "Usage: zat2kor-gui [--help | --version]\n"
                                             "Opens the converter window: converts one ZAT project, or every ZAT project\n"
                                             "of one CPU family below a folder, into KOR projects and a KOR workspace.\n"
                                             "\n"
                                             "Options:\n"
                                             "  --help     Prints this help and exits\n"
                                             "  --version  Prints the version and exits\n",
                   stdout);
        return 0;
    }
    z2k::keepLargeBlocksInHeap();
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zat2kor")));
    // The name of the desktop entry, so that a dock matches the window with its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.zat2kor.Zat2kor"));
    const z2k::HostSettings settings = z2k::hostSettingsFor(z2k::readProcessLocale());
    z2k::DialogFilePickers pickers;
    z2k::MessageBoxAlerts alerts(settings.codePage);
    z2k::ConverterWindow window(pickers, alerts, settings);
    alerts.setParentWidget(&window);
    window.exec();
    return 0;
}
