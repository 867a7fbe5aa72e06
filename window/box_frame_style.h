// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace window {

// The desktop's own style, but where it is Fusion (Linux without a desktop
// style of its own) the text boxes' panels are drawn once for each size,
// state and colours and copied from then on. The window has 52 boxes and a
// calculation repaints them all, while a panel, with its antialiased frame,
// costs Fusion far more to draw than to copy.
class BoxFrameStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace window
