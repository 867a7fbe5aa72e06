#pragma once

// Whether the window shows exactly what the sheet and the keypad hold: the
// check every window test and the random user end each step with.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <sstream>
#include <string>

#include "ledger/characters.h"
#include "window/entry_box.h"
#include "window/main_window.h"
#include "window/qt_text.h"

namespace window {

inline QColor BaseColour(const QWidget* widget)
{
    return widget->palette().color(QPalette::Base);
}

// "" when `shown` and `held` agree; else the control's object name, what differs, and both values.
template <typename T>
std::string Mismatch(const QObject* control, const char* what, const T& shown, const T& held)
{
    if (shown == held) return "";
    std::ostringstream out;
    out << control->objectName().toStdString() << ": " << what << " shows " << shown << ", the model holds " << held;
    return out.str();
}

inline std::string ColourName(const QColor& colour)
{
    return colour.name().toStdString();
}

// The first control that shows something else than the sheet and the keypad hold, or a keypad that allows
// keys its current box does not, named with what differs; "" when none.
inline std::string Difference(const MainWindow& window)
{
    const ledger::ReceiptSheet& sheet = window.Sheet();
    std::string found;
    const auto check = [&found](std::string mismatch) {
        if (found.empty()) found = std::move(mismatch);
    };
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const ledger::BoxKind kind : {ledger::BoxKind::Face, ledger::BoxKind::Count}) {
            const EntryBox* box = kind == ledger::BoxKind::Face ? window.InputMoney1(row) : window.Text1(row);
            const ledger::EntryBox& model = sheet.Box({kind, row});
            const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
            const std::size_t first = CharIndex(box->text(), start);
            const std::size_t length = CharIndex(box->text(), start + box->selectionLength()) - first;
            const std::uint32_t bgr = ledger::Bgr(sheet.Colour({kind, row}));
            const QColor colour(ledger::Red(bgr), ledger::Green(bgr), ledger::Blue(bgr));
            check(Mismatch(box, "text", box->text().toStdString(), model.text));
            check(Mismatch(box, "selection start", first, model.selStart));
            check(Mismatch(box, "selection length", length, model.selLength));
            check(Mismatch(box, "selection end within", true,
                           model.selStart + model.selLength <= ledger::CharCount(model.text)));
            check(Mismatch(box, "background", ColourName(BaseColour(box)), ColourName(colour)));
        }
        check(Mismatch(window.C1(row), "tick", window.C1(row)->isChecked(), sheet.FuelMark(row) == 1));
    }
    for (const ledger::ResultField field : ledger::kResultFields) {
        check(Mismatch(window.Result(field), "text", window.Result(field)->text().toStdString(), sheet.Result(field)));
    }
    const auto* label9 = window.findChild<QLabel*>(QStringLiteral("Label9"));
    check(Mismatch(label9, "text", label9->text().toStdString(), sheet.PreviousTotals()));
    const entry::Keypad& keypad = window.KeypadState();
    for (int key = 0; key < entry::kKeyCount; ++key) {
        const bool allowed = key == entry::kPointKey ? keypad.NowP() < entry::kNoBox : keypad.CurrentBox().has_value();
        check(Mismatch(window.Command3(key), "enabled", window.Command3(key)->isEnabled(), keypad.KeyEnabled(key)));
        check(Mismatch(window.Command3(key), "enabled for the current box", keypad.KeyEnabled(key), allowed));
    }
    check(Mismatch(window.Command2(), "enabled", window.Command2()->isEnabled(), keypad.BackspaceEnabled()));
    return found;
}

}  // namespace window
