// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt_versions.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMouseEvent>

namespace window {

#if QT_VERSION_MAJOR >= 6

void ScaleWithTheScreen() {}

QPoint MousePosition(const QMouseEvent& event)
{
    return event.position().toPoint();
}

QStringList FontFamilies()
{
    return QFontDatabase::families();
}

#else

void ScaleWithTheScreen()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

QPoint MousePosition(const QMouseEvent& event)
{
    return event.pos();
}

QStringList FontFamilies()
{
    return QFontDatabase().families();
}

#endif

}  // namespace window
