// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/wayland.h"

#include <QGuiApplication>
#include <QWidget>

namespace window {

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

void FixSize(QWidget* window, QSize size)
{
    if (OnWayland()) {
        window->setMinimumSize(size);
    } else {
        window->setFixedSize(size);
    }
}

void KeepSize(QWidget* window, QSize size)
{
    const bool normal = !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (normal && window->size() != size) window->resize(size);
}

}  // namespace window
