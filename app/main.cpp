// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include <memory>

#include "app/command_line.h"
#include "app/display_guard.h"
#include "window/identity.h"
#include "window/look.h"
#include "window/main_window.h"
#include "window/showing.h"

int main(int argc, char* argv[])
{
    window::DescribeApplication();
    if (const std::optional<int> exitCode = app::HandleCommandLine(argc, argv)) return *exitCode;

    window::ScaleForTheScreen();
    std::unique_ptr<QApplication> application;
    {
        const app::DisplayGuard guard;
        application = std::make_unique<QApplication>(argc, argv);
    }
    window::InstallLook();
    window::MainWindow mainWindow;
    window::ShowMainWindow(mainWindow);
    return QApplication::exec();
}
