#pragma once

// What must hold of the sheet and the keypad whatever the user did, shared by
// the fuzz targets and the random-user test. Each check returns a
// description of the first broken invariant, or nothing.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "entry/keypad.h"
#include "ledger/calculate.h"
#include "ledger/characters.h"
#include "ledger/message.h"
#include "ledger/number_rules.h"
#include "ledger/receipt_sheet.h"

namespace invariants {

using Problem = std::optional<std::string>;

inline bool ReadsBack(const std::string& amount)
{
    const auto number = ledger::ParseDecimal(amount);
    return number && amount.find_first_of("eE") == std::string::npos && amount != "-0" &&
           ledger::AmountText(ledger::CountValue(*number)) == amount;
}

// At most one current box, and the keys enabled as the current box allows.
inline Problem CheckKeypad(const entry::Keypad& keypad)
{
    const auto valid = [](std::int16_t p) { return p == entry::kNoBox || (p >= 0 && p < ledger::kRowCount); };
    if (!valid(keypad.NowP()) || !valid(keypad.NowP2())) return "NowP or NowP2 out of range";
    if (keypad.NowP() < entry::kNoBox && keypad.NowP2() < entry::kNoBox) return "two current boxes";
    const bool face = keypad.NowP() < entry::kNoBox;
    const bool count = keypad.NowP2() < entry::kNoBox;
    for (int key = 0; key < entry::kPointKey; ++key) {
        if (keypad.KeyEnabled(key) != (face || count)) return "digit key " + std::to_string(key) + " enabled wrongly";
    }
    if (keypad.KeyEnabled(entry::kPointKey) != face) return "point key enabled wrongly";
    if (!face && !count && keypad.BackspaceEnabled()) return "backspace enabled with no current box";
    return std::nullopt;
}

// Carets and selections inside their texts.
inline Problem CheckBoxes(const ledger::ReceiptSheet& sheet)
{
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const ledger::BoxKind kind : {ledger::BoxKind::Face, ledger::BoxKind::Count}) {
            const ledger::EntryBox& box = sheet.Box({kind, row});
            if (box.selStart + box.selLength > ledger::CharCount(box.text)) {
                return "selection outside the text of row " + std::to_string(row);
            }
        }
    }
    return std::nullopt;
}

// Runs the calculation and checks what it did against the sheet before it.
inline Problem CalculateAndCheck(ledger::ReceiptSheet& sheet, ledger::Message* shown = nullptr)
{
    const ledger::ReceiptSheet before = sheet;
    (void)sheet.TakeWrites();
    const ledger::Message message = ledger::Calculate(sheet);
    if (shown != nullptr) *shown = message;
    const ledger::Writes writes = sheet.TakeWrites();

    // Every text the calculation writes is a number.
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const ledger::BoxKind kind : {ledger::BoxKind::Face, ledger::BoxKind::Count}) {
            if (writes.HasText({kind, row}) && sheet.Text({kind, row}) != "0") return "wrote a row text other than 0";
        }
        if (writes.HasFuelMark(row)) return "the calculation wrote a fuel mark";
    }
    std::array<std::string, 4> repaired;
    for (const ledger::ResultField field : ledger::kResultFields) {
        const std::string& old = before.Result(field);
        repaired[static_cast<std::size_t>(field)] = ledger::IsNumeric(old) ? old : "0";
        if (!ledger::IsNumeric(sheet.Result(field))) return "a result field is not a number";
    }

    if (message.title == ledger::texts::kErrorTitle) {
        for (const ledger::ResultField field : ledger::kResultFields) {
            if (sheet.Result(field) != repaired[static_cast<std::size_t>(field)]) {
                return "a failed calculation changed a result field";
            }
        }
        if (message.text == ledger::texts::kOutOfRangeText) {
            for (int row = 0; row < ledger::kRowCount; ++row) {
                for (const ledger::BoxKind kind : {ledger::BoxKind::Face, ledger::BoxKind::Count}) {
                    if (writes.HasText({kind, row}) || writes.HasColour({kind, row})) {
                        return "an out-of-range calculation marked a row";
                    }
                }
            }
        } else if (message.text != ledger::texts::kInvalidInputText) {
            return "unknown failure text";
        }
        return std::nullopt;
    }
    if (message.title != ledger::texts::kResultTitle) return "unknown message title";

    for (const ledger::ResultField field : {ledger::ResultField::Output1, ledger::ResultField::Road1, ledger::ResultField::O1}) {
        if (!ReadsBack(sheet.Result(field))) return "amount text does not read back: " + sheet.Result(field);
    }
    // The pass adds the same amounts to the money total as to toll plus fuel.
    const auto value = [](const std::string& text, bool twoPlace) {
        const ledger::Decimal number = *ledger::ParseDecimal(text);
        return twoPlace ? ledger::TwoPlaceValue(number) : ledger::CountValue(number);
    };
    const auto at = [](const ledger::ReceiptSheet& s, ledger::ResultField f) { return s.Result(f); };
    const double m0 = value(repaired[0], true), t0 = value(repaired[2], true), f0 = value(repaired[3], true);
    const double m1 = value(at(sheet, ledger::ResultField::Output1), false);
    const double t1 = value(at(sheet, ledger::ResultField::Road1), false);
    const double f1 = value(at(sheet, ledger::ResultField::O1), false);
    double scale = std::fabs(m0) + std::fabs(t0) + std::fabs(f0);
    for (int row = 0; row < ledger::kRowCount; ++row) {
        const auto face = ledger::ParseDecimal(before.Text({ledger::BoxKind::Face, row}));
        const auto count = ledger::ParseDecimal(before.Text({ledger::BoxKind::Count, row}));
        scale += std::fabs(ledger::TwoPlaceValue(*face) * ledger::CountValue(*count));
    }
    const double drift = (m1 - t1 - f1) - (m0 - t0 - f0);
    if (std::fabs(drift) > 1e-9 * scale + 1e-300) {
        return "money no longer equals toll plus fuel: drift " + std::to_string(drift);
    }
    return std::nullopt;
}

}  // namespace invariants
