#pragma once

#include <QRect>
#include <QStaticText>
#include <QString>

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

}  // namespace window
