#include "window/application.h"

#include <QApplication>

#include "window/box_frame_style.h"
#include "window/fonts.h"
#include "window/identity.h"
#include "window/light_scheme.h"
#include "window/qt_text.h"
#include "window/window_accessible.h"

namespace window {

void DescribeApplication()
{
    QCoreApplication::setApplicationName(ToQString(identity::kProgram));
    QCoreApplication::setApplicationVersion(ToQString(identity::kVersion));
    QGuiApplication::setDesktopFileName(ToQString(identity::kDesktopId));
}

void InstallLook()
{
    QApplication::setStyle(new BoxFrameStyle);  // before the scheme, which it would otherwise replace
    InstallFonts();
    InstallLightScheme();
    InstallWindowAccessibility();
}

}  // namespace window
