#pragma once

#include <QProxyStyle>

namespace window {

// The desktop's own style, but for the text boxes' panels: each is drawn once
// for its size, state and colours and copied from then on. The window has 52
// boxes and a calculation repaints them all, while a box's panel, with its
// antialiased frame, costs a style far more to draw than to copy.
class BoxFrameStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace window
