// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/display_guard.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace app {
namespace {

QtMessageHandler previous = nullptr;

QByteArray DisplayName()
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return qgetenv("WAYLAND_DISPLAY");
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) return qgetenv("DISPLAY");
    return {};
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        // The platform plugins' complaints on the way to the fatal one.
        if (!QByteArray(context.category).startsWith("qt.qpa")) previous(type, context, message);
        return;
    }
    const QByteArray program = QCoreApplication::applicationName().toLocal8Bit();
    const QByteArray display = DisplayName();
    if (display.isEmpty()) {
        std::fprintf(stderr, "%s: no display to open the window on (DISPLAY is not set)\n", program.constData());
    } else {
        std::fprintf(stderr, "%s: cannot open the display %s\n", program.constData(), display.constData());
    }
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

DisplayGuard::DisplayGuard()
{
    previous = qInstallMessageHandler(Handle);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previous);
}

}  // namespace app
