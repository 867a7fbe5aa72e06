// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the program's window is shown: on a desktop, as a window of its own that the window manager places
// (showing_desktop.cpp); in a browser, as the page itself, without a title bar, in the middle of the page and
// scaled as a whole to fit it (showing_web.cpp).

class QWidget;

namespace window {

void ScaleForTheScreen();  // before the application object exists
void ShowMainWindow(QWidget& window);

}  // namespace window
