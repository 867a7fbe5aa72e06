// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up time and memory: a bare Qt window of the
// program's size with one Chinese label, nothing else.
#include <QApplication>
#include <QLabel>

#include "window/identity.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QString::fromUtf8(window::identity::kTitle.data(), window::identity::kTitle.size()));
    label.setFixedSize(794, 534);
    label.show();
    return QApplication::exec();
}
