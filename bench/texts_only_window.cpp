// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// A second yardstick for start-up: the window's texts in the window's fonts, drawn by one widget with no
// controls. What it takes beyond the bare window is the price of showing these texts in these fonts (font
// engines, glyphs), which no arrangement of the controls around them can save.
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <array>

#include "ledger/receipt_sheet.h"
#include "window/look.h"
#include "window/fonts.h"
#include "window/layout.h"
#include "window/qt_text.h"
#include "window/showing.h"

namespace {

using window::layout::Font, window::layout::Twips;
namespace layout = window::layout;

class TextsOnly : public QWidget {
public:
    // Made once, as the window makes its fonts once, so that painting pays only for drawing.
    TextsOnly()
    {
        for (const layout::FontStyle& style : layout::kFonts)
            fonts_[static_cast<std::size_t>(style.font)] = window::MakeFont(style.font);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const auto draw = [this, &painter](Font font, const Twips& at, const QString& text) {
            painter.setFont(fonts_[static_cast<std::size_t>(font)]);
            painter.drawText(QRect(layout::Pixels(at.left), layout::Pixels(at.top), layout::Pixels(at.width),
                                   layout::Pixels(at.height)),
                             Qt::AlignLeft | Qt::AlignVCenter, text);
        };
        const ledger::ReceiptSheet sheet;
        for (const layout::Control& control : layout::kControls) {
            draw(control.font, control.at, window::ToQString(control.text));
            if (control.kind == layout::Kind::TextBox) draw(control.font, control.at, QStringLiteral("0"));
        }
        for (int row = 0; row < ledger::kRowCount; ++row) {
            for (const layout::RowControl& control : layout::kRowControls) {
                draw(control.font, layout::RowControlAt(control, row),
                     control.box ? QString::fromStdString(sheet.Text({*control.box, row}))
                                 : window::ToQString(control.text));
            }
        }
        for (int key = 0; key <= layout::kBackspaceKey; ++key) {
            draw(layout::KeyFont(key), layout::InWindow(layout::Key{key}), window::ToQString(layout::KeyCaption(key)));
        }
    }

private:
    std::array<QFont, layout::kFonts.size()> fonts_;
};

}  // namespace

int main(int argc, char* argv[])
{
    window::ScaleForTheScreen();
    QApplication application(argc, argv);
    window::InstallLook();
    TextsOnly texts;
    texts.setFixedSize(layout::Pixels(layout::kClientWidth), layout::Pixels(layout::kClientHeight));
    texts.setWindowTitle(window::ToQString(layout::kWindowTitle));
    window::ShowMainWindow(texts);
    return QApplication::exec();
}
