#include "window/shown_values.h"

#include <QSignalBlocker>

#include "window/entry_box.h"
#include "window/qt_text.h"

namespace window {

QColor ToColor(ledger::BackColour colour)
{
    const std::uint32_t bgr = ledger::Bgr(colour);
    return {ledger::Red(bgr), ledger::Green(bgr), ledger::Blue(bgr)};
}

void ShowColour(QWidget* box, ledger::BackColour colour)
{
    if (box->palette().color(QPalette::Base) == ToColor(colour)) return;
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, ToColor(colour));
    box->setPalette(palette);
}

void ShowText(EntryBox* widget, const ledger::EntryBox& box)
{
    const QSignalBlocker block(widget);
    const QString text = QString::fromStdString(box.text);
    widget->setText(text);
    widget->setCursorPosition(Utf16Index(text, box.selStart));
}

}  // namespace window
