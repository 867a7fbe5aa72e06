// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/captions.h"

#include "window/geometry.h"
#include "window/qt_text.h"

namespace window {
namespace {

QStaticText Shown(std::string_view text)
{
    QStaticText shown(ToQString(text));
    shown.setTextFormat(Qt::PlainText);
    return shown;
}

}  // namespace

std::vector<Caption> LayoutCaptions()
{
    std::vector<Caption> captions;
    for (const layout::Control& control : layout::kControls) {
        if (control.kind != layout::Kind::Caption) continue;
        captions.push_back(
            {Shown(control.text), PixelRect(control.at), control.font, control.align == layout::Align::TopCentre});
    }
    // One text for each row caption, shared by the rows' copies: it is laid out once.
    std::vector<QStaticText> rowTexts;
    for (const layout::RowControl& control : layout::kRowControls) rowTexts.push_back(Shown(control.text));
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (std::size_t i = 0; i < std::size(layout::kRowControls); ++i) {
            const layout::RowControl& control = layout::kRowControls[i];
            if (control.kind != layout::Kind::Caption) continue;
            captions.push_back({rowTexts[i], PixelRect(layout::RowControlAt(control, row)), control.font, false});
        }
    }
    return captions;
}

void DrawCaptions(QPainter& painter, const std::vector<Caption>& captions,
                  const std::array<QFont, layout::kFonts.size()>& fonts, const QRegion& region)
{
    for (const Caption& caption : captions) {
        if (!region.intersects(caption.at)) continue;
        painter.setFont(fonts[static_cast<std::size_t>(caption.font)]);
        QPoint at = caption.at.topLeft();
        if (caption.centred) {
            at.rx() += (caption.at.width() - painter.fontMetrics().horizontalAdvance(caption.text.text())) / 2;
        }
        painter.setClipRect(caption.at);  // as a label does
        painter.drawStaticText(at, caption.text);
    }
    painter.setClipping(false);
}

}  // namespace window
