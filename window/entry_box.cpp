#include "window/entry_box.h"

#include <QMouseEvent>

#include <limits>

namespace window {

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void EntryBox::mousePressEvent(QMouseEvent* event)
{
    pressedInside_ = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void EntryBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    const bool click = pressedInside_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (click) emit clicked();
}

void EntryBox::focusOutEvent(QFocusEvent* event)
{
    // QLineEdit drops its selection when the focus moves on; the keypad
    // types over the selection, so keep it.
    const int start = selectionStart();
    const int length = selectionLength();
    const bool caretAtStart = cursorPosition() == start;
    QLineEdit::focusOutEvent(event);
    if (length > 0 && !hasSelectedText()) {
        if (caretAtStart) {
            setSelection(start + length, -length);
        } else {
            setSelection(start, length);
        }
    }
}

}  // namespace window
