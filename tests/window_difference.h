#pragma once

// The check every window test and every step of the random user end with.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <sstream>
#include <string>

#include "window/main_window.h"
#include "window/qt_text.h"
#include "window/shown_values.h"
#include "window/text_box.h"

namespace window {

// The first control that shows something else than the sheet and the keypad hold (its object name, what differs
// and both values); "" when none.
inline std::string Difference(const MainWindow& window)
{
    const ledger::ReceiptSheet& sheet = window.Sheet();
    std::string first;
    const auto check = [&first](const QObject* control, const char* what, const auto& shown, const auto& held) {
        if (shown == held || !first.empty()) return;
        std::ostringstream out;
        out << control->objectName().toStdString() << ": " << what << " shows " << shown << ", the model holds "
            << held;
        first = out.str();
    };
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const ledger::BoxKind kind : {ledger::BoxKind::Face, ledger::BoxKind::Count}) {
            const TextBox* box = kind == ledger::BoxKind::Face ? window.InputMoney1(row) : window.Text1(row);
            const ledger::EntryBox& model = sheet.Box({kind, row});
            const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
            const std::size_t caret = CharIndex(box->text(), start);
            check(box, "text", box->text().toStdString(), model.text);
            check(box, "caret", caret, model.selStart);
            check(box, "selection", CharIndex(box->text(), start + box->selectionLength()) - caret, model.selLength);
            check(box, "background", box->palette().color(QPalette::Base).name().toStdString(),
                  ToColor(sheet.Colour({kind, row})).name().toStdString());
        }
        check(window.C1(row), "tick", window.C1(row)->isChecked() ? 1 : 0, sheet.FuelMark(row));  // the Value, 0 or 1
    }
    for (const ledger::ResultField field : ledger::kResultFields) {
        check(window.Result(field), "text", window.Result(field)->text().toStdString(), sheet.Result(field));
    }
    const auto* label9 = window.findChild<QLabel*>(QStringLiteral("Label9"));
    check(label9, "text", label9->text().toStdString(), sheet.PreviousTotals());
    const entry::Keypad& keypad = window.KeypadState();
    for (int key = 0; key < entry::kKeyCount; ++key) {
        check(window.Command3(key), "enabled", window.Command3(key)->isEnabled(), keypad.KeyEnabled(key));
    }
    check(window.Command2(), "enabled", window.Command2()->isEnabled(), keypad.BackspaceEnabled());
    return first;
}

}  // namespace window
