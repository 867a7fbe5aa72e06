// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up time and memory: a bare Qt window of the
// program's size with one Chinese label, nothing else, shown as the program
// shows its window (in a browser, scaled to fit the page). Where the platform
// gives no fonts (a browser), it brings the program's faces.
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>

#include "window/identity.h"
#include "window/qt_versions.h"
#include "window/showing.h"

int main(int argc, char* argv[])
{
    window::ScaleForTheScreen();
    QApplication app(argc, argv);
    if (window::FontFamilies().isEmpty()) {
        for (const QString& face : QDir(QStringLiteral(":/fonts")).entryList()) {
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + face);
        }
    }
    QLabel label(QString::fromUtf8(window::identity::kTitle.data(), window::identity::kTitle.size()));
    label.setFixedSize(794, 534);
    window::ShowMainWindow(label);
    return QApplication::exec();
}
