#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "window/fonts.h"
#include "window/main_window.h"

namespace {

bool Set(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

}  // namespace

int main(int argc, char* argv[])
{
    // Without a display Qt would abort with a long message; say it in one line.
    if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY") && !Set("QT_QPA_PLATFORM")) {
        std::fputs("receipt-calculator: no display to open the window on (DISPLAY is not set)\n", stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    window::InstallFonts();
    window::MainWindow mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
