// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The check every window test and every step of the random user end with.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <sstream>
#include <string>

#include "window/geometry.h"
#include "window/main_window.h"
#include "window/qt_text.h"
#include "window/shown_values.h"
#include "window/text_box.h"

namespace window {

// The first control that shows something else than the sheet and the keypad hold (its object name, what differs
// and both values); "" when none. Every control the window binds is in the Tab order, and Label9 besides.
inline std::string Difference(const MainWindow& window)
{
    const ledger::ReceiptSheet& sheet = window.Sheet();
    const entry::Keypad& keypad = window.KeypadState();
    std::string first;
    const auto check = [&first](const QObject* control, const char* what, const auto& shown, const auto& held) {
        if (shown == held || !first.empty()) return;
        std::ostringstream out;
        out << control->objectName().toStdString() << ": " << what << " shows " << shown << ", the model holds "
            << held;
        first = out.str();
    };
    const auto showsTheModel = [&](const QWidget* control) {  // by what `control` binds
        return layout::ForEachKind{
            [&, control](ledger::BoxId id) {
                const auto* box = static_cast<const TextBox*>(control);
                const ledger::EntryBox& model = sheet.Box(id);
                const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
                const std::size_t caret = CharIndex(box->text(), start);
                check(box, "text", box->text().toStdString(), model.text);
                check(box, "caret", caret, model.selStart);
                check(box, "selection", CharIndex(box->text(), start + box->selectionLength()) - caret,
                      model.selLength);
                check(box, "background", box->palette().color(QPalette::Base).name().toStdString(),
                      ToColor(sheet.Colour(id)).name().toStdString());
            },
            [&, control](layout::FuelMark mark) {
                check(control, "tick", static_cast<const QCheckBox*>(control)->isChecked() ? 1 : 0,
                      sheet.FuelMark(mark.row));
            },
            [&, control](ledger::ResultField field) {
                check(control, "text", static_cast<const TextBox*>(control)->text().toStdString(), sheet.Result(field));
            },
            [&, control](layout::Key key) {
                check(control, "enabled", control->isEnabled(),
                      key.index == layout::kBackspaceKey ? keypad.BackspaceEnabled() : keypad.KeyEnabled(key.index));
            },
            [](layout::Operation) {},
            [](std::monostate) {}};  // a button shows nothing the sheet holds
    };
    for (const layout::Binding& binding : layout::TabOrder()) {
        const QWidget* control = window.Widget(binding);
        const QRect at(control->mapTo(&window, QPoint()), control->size());  // where the Windows check clicks too
        check(control, "place as laid out", at == PixelRect(layout::InWindow(binding)), true);
        std::visit(showsTheModel(control), binding);
    }
    check(window.Label9(), "text", window.Label9()->text().toStdString(), sheet.PreviousTotals());
    return first;
}

}  // namespace window
