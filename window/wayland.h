// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

class QWidget;

namespace window {

// Whether the program runs on a Wayland compositor (any of Qt's Wayland platform variants).
bool OnWayland();

// The window has a fixed size. On Wayland, though, Qt's own title bar offers
// maximise and full screen whatever the window asks for, and then the window
// must take the size the compositor gives, or the compositor ends the
// connection. So there it only has a minimum size, and KeepSize (from its
// resizeEvent) returns it to its own size in the normal state; the controls
// stay where they are on the white background meanwhile.
void FixSize(QWidget* window, QSize size);
void KeepSize(QWidget* window, QSize size);

}  // namespace window
