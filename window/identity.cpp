// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/identity.h"

#include <QGuiApplication>

#include "window/qt_text.h"

namespace window {

void DescribeApplication()
{
    QCoreApplication::setApplicationName(ToQString(identity::kProgram));
    QCoreApplication::setApplicationVersion(ToQString(identity::kVersion));
    QGuiApplication::setDesktopFileName(ToQString(identity::kDesktopId));
}

}  // namespace window
