#include "window/captions.h"

#include "window/geometry.h"
#include "window/qt_text.h"

namespace window {

std::vector<Caption> LayoutCaptions()
{
    std::vector<Caption> captions;
    const auto add = [&captions](QString name, std::string_view text, const layout::Twips& at, layout::Font font,
                                 layout::Align align) {
        QStaticText shown(ToQString(text));
        shown.setTextFormat(Qt::PlainText);
        captions.push_back({std::move(name), std::move(shown), PixelRect(at), font, align == layout::Align::TopCentre});
    };
    for (const layout::Control& control : layout::kControls) {
        if (control.kind == layout::Kind::Caption)
            add(ToQString(control.name), control.text, control.at, control.font, control.align);
    }
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const layout::RowControl& control : layout::kRowControls) {
            if (control.kind != layout::Kind::Caption) continue;
            add(QStringLiteral("%1(%2)").arg(ToQString(control.name)).arg(row), control.text,
                layout::RowControlAt(control, row), layout::Font::Song12Bold, layout::Align::TopLeft);
        }
    }
    return captions;
}

}  // namespace window
