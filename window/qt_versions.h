// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What differs between the two Qts the program is built with: Qt 6 on Linux, and Qt 5.15 on Windows, the last Qt
// that runs on Windows 7 and 8.1. Everything else is written for both.

#include <QPoint>
#include <QStringList>

class QMouseEvent;

namespace window {

// Before the application object exists: the window scales as a whole by the screen's factor, 125 % and 150 %
// included, as Qt 6 always does.
void ScaleWithTheScreen();

QPoint MousePosition(const QMouseEvent& event);  // in the widget's coordinates
QStringList FontFamilies();                      // every installed family

}  // namespace window
