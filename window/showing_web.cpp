// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/showing.h"

#include <QByteArray>
#include <QWidget>

#include <emscripten/val.h>

#include <algorithm>
#include <string>

#include "window/layout.h"

namespace window {

void ScaleForTheScreen()
{
    using emscripten::val;
    const val page = val::global("window");
    double across = page["innerWidth"].as<double>(), down = page["innerHeight"].as<double>();
    // A phone or a tablet turns, but Qt reads the scale once, as it starts: one that fits either way up.
    if (page.call<val>("matchMedia", std::string("(pointer: coarse)"))["matches"].as<bool>()) {
        across = down = std::min(across, down);
    }
    const double width = layout::Pixels(layout::kClientWidth), height = layout::Pixels(layout::kClientHeight);
    // The whole window at the page's width or height, whichever is the smaller; not below one device pixel a
    // pixel, where the browser's Qt draws a window's controls no more.
    const double scale = std::max(std::min(across / width, down / height), 1 / page["devicePixelRatio"].as<double>());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'g', 17));
    // The canvas the page gives the window, which it keeps in its middle: the window's size.
    val style = val::module_property("qtContainerElements")[0]["style"];
    style.set("width", std::to_string(width * scale) + "px");
    style.set("height", std::to_string(height * scale) + "px");
}

void ShowMainWindow(QWidget& window)
{
    window.setWindowFlag(Qt::FramelessWindowHint);  // the page is its frame, its title the page's
    window.move(0, 0);                              // and its screen just its size
    window.show();
}

}  // namespace window
