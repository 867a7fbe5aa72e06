// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace window {

// A single-line text box that behaves like the boxes the sheet expects:
// no length limit, no input method (it takes numbers), a `clicked` signal
// for a mouse click into it (after the click has placed the caret; never
// for keyboard focus), and a selection that survives losing the focus.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool pressedInside_ = false;
};

}  // namespace window
