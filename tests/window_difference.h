#pragma once

// Whether the window shows exactly what the sheet and the keypad hold: the
// check every window test and the random user end each step with.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <string>

#include "ledger/characters.h"
#include "window/entry_box.h"
#include "window/main_window.h"
#include "window/qt_text.h"

namespace window {

inline QColor BaseColour(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

// The first control that shows something else than the sheet and the keypad hold, or a keypad that allows
// keys its current box does not; "" when none.
inline std::string Difference(const MainWindow& window)
{
    const ledger::ReceiptSheet& sheet = window.Sheet();
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (EntryBox* box : {window.InputMoney1(row), window.Text1(row)}) {
            const ledger::BoxId id{box == window.Text1(row) ? ledger::BoxKind::Count : ledger::BoxKind::Face, row};
            const ledger::EntryBox& model = sheet.Box(id);
            const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
            const std::size_t first = CharIndex(box->text(), start);
            const std::uint32_t bgr = ledger::Bgr(sheet.Colour(id));
            if (box->text().toStdString() != model.text || first != model.selStart ||
                CharIndex(box->text(), start + box->selectionLength()) - first != model.selLength ||
                model.selStart + model.selLength > ledger::CharCount(model.text) ||
                BaseColour(box) != QColor(ledger::Red(bgr), ledger::Green(bgr), ledger::Blue(bgr))) {
                return box->objectName().toStdString();
            }
        }
        if (window.C1(row)->isChecked() != (sheet.FuelMark(row) == 1)) return "C1";
    }
    for (const ledger::ResultField field : ledger::kResultFields) {
        if (window.Result(field)->text().toStdString() != sheet.Result(field)) return "a result field";
    }
    if (window.findChild<QLabel*>(QStringLiteral("Label9"))->text().toStdString() != sheet.PreviousTotals()) return "Label9";
    const entry::Keypad& keypad = window.KeypadState();
    for (int key = 0; key < entry::kKeyCount; ++key) {
        const bool allowed = key == entry::kPointKey ? keypad.NowP() < entry::kNoBox : keypad.CurrentBox().has_value();
        if (window.Command3(key)->isEnabled() != keypad.KeyEnabled(key) || keypad.KeyEnabled(key) != allowed) return "a key";
    }
    return window.Command2()->isEnabled() != keypad.BackspaceEnabled() ? "Command2" : "";
}

}  // namespace window
