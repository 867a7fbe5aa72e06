// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/text_box.h"

#include <QMouseEvent>

#include <limits>

#include "window/qt_versions.h"

namespace window {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

// Qt 6's line edit answers the platform's input method from its own enabled
// state, whatever the widget attribute says: the box answers itself.
QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    return query == Qt::ImEnabled ? QVariant(false) : QLineEdit::inputMethodQuery(query);
}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    pressedInside_ = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    const bool click = pressedInside_ && event->button() == Qt::LeftButton && rect().contains(MousePosition(*event));
    pressedInside_ = false;
    if (click) emit clicked();
}

void TextBox::focusOutEvent(QFocusEvent* event)
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
