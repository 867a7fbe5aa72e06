// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shown_values.h"

#include <QSignalBlocker>

#include "window/qt_text.h"
#include "window/text_box.h"

namespace window {

QColor ToColor(ledger::BackColour colour)
{
    const ledger::Rgb rgb = ledger::ColourOf(colour);
    return {rgb.red, rgb.green, rgb.blue};
}

void ShowColour(QWidget* box, ledger::BackColour colour)
{
    if (box->palette().color(QPalette::Base) == ToColor(colour)) return;
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, ToColor(colour));
    box->setPalette(palette);
}

void ShowText(TextBox* widget, const ledger::EntryBox& box)
{
    const QSignalBlocker block(widget);
    const QString text = QString::fromStdString(box.text);
    widget->setText(text);
    widget->setCursorPosition(Utf16Index(text, box.selStart));
}

}  // namespace window
