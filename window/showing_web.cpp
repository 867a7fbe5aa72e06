// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/showing.h"

#include <QByteArray>
#include <QScreen>
#include <QWidget>

#include <emscripten/val.h>

#include <algorithm>

#include "window/layout.h"

namespace window {

void ScaleForTheScreen()
{
    // The whole window at the page's width or height, whichever is the smaller: Qt scales everything it draws and
    // every pointer and touch position by this factor, read once, as it starts.
    const emscripten::val page = emscripten::val::global("window");
    const double factor = std::min(page["innerWidth"].as<double>() / layout::Pixels(layout::kClientWidth),
                                   page["innerHeight"].as<double>() / layout::Pixels(layout::kClientHeight));
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 6));
}

void ShowMainWindow(QWidget& window)
{
    window.setWindowFlag(Qt::FramelessWindowHint);  // the page is its frame, its title the page's
    const auto centre = [&window](const QRect& page) { window.move(page.center() - window.rect().center()); };
    QObject::connect(window.screen(), &QScreen::geometryChanged, &window, centre);
    centre(window.screen()->geometry());
    window.show();
}

}  // namespace window
