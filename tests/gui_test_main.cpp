// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// GoogleTest in a QApplication with the program's look, offscreen unless a platform is given (on Windows, windows).
#include <QApplication>
#include <QPalette>
#include <QSysInfo>

#include <gtest/gtest.h>

#include "window/look.h"
#include "window/showing.h"

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && QSysInfo::kernelType() != QLatin1String("winnt")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    window::ScaleForTheScreen();  // as the program does
    QApplication app(argc, argv);
    app.setProperty("desktopPalette", QApplication::palette());  // before the program's own scheme
    window::InstallLook();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
