// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/showing.h"

#include <QWidget>

#include "window/qt_versions.h"

namespace window {

void ScaleForTheScreen()
{
    ScaleWithTheScreen();
}

void ShowMainWindow(QWidget& window)
{
    window.show();
}

}  // namespace window
