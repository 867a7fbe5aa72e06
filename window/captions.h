// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QStaticText>
#include <QString>

#include <array>
#include <vector>

#include "window/layout.h"

namespace window {

// A fixed text of the window: the rows' "面值：", "元" and "张", the headings,
// the units and the credit line. The window draws them itself, which opens
// it much sooner than a label widget each would; screen readers still find
// each as a label (window_accessible.h).
struct Caption {
    QStaticText text;  // laid out once, when first drawn
    QRect at;          // in the window, in pixels
    layout::Font font;
    bool centred;  // else drawn from the top left of its box
};

// Every caption of the layout tables, in their order.
std::vector<Caption> LayoutCaptions();

// Draws the captions that meet `region`, each in its font, cut at its box as a label would be.
void DrawCaptions(QPainter& painter, const std::vector<Caption>& captions,
                  const std::array<QFont, layout::kFonts.size()>& fonts, const QRegion& region);

}  // namespace window
