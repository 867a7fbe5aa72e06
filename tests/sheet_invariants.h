#pragma once

// What must hold of the sheet and the keypad whatever the user did, shared by
// the fuzz targets and the random-user test. Each check returns a
// description of the first broken invariant, or nothing.

#include <cmath>
#include <optional>
#include <string>

#include "entry/keypad.h"
#include "ledger/calculate.h"
#include "ledger/characters.h"
#include "ledger/number_rules.h"

namespace invariants {

using Problem = std::optional<std::string>;
using ledger::BoxKind;
using ledger::ResultField;

// An amount text the next calculation reads back unchanged.
inline bool ReadsBack(const std::string& amount)
{
    const auto number = ledger::ParseDecimal(amount);
    return number && amount != "-0" && ledger::AmountText(ledger::CountValue(*number)) == amount;
}

// At most one current box, the keys enabled as it allows, carets inside their texts.
inline Problem Check(const entry::Keypad& keypad, const ledger::ReceiptSheet& sheet)
{
    const bool face = keypad.NowP() < entry::kNoBox, count = keypad.NowP2() < entry::kNoBox;
    if ((face && count) || (face && keypad.NowP() >= ledger::kRowCount) || keypad.NowP2() > entry::kNoBox) {
        return "NowP and NowP2 disagree";
    }
    for (int key = 0; key < entry::kKeyCount; ++key) {
        if (keypad.KeyEnabled(key) != (key == entry::kPointKey ? face : face || count)) return "a key enabled wrongly";
    }
    if (!face && !count && keypad.BackspaceEnabled()) return "backspace enabled with no current box";
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
            const ledger::EntryBox& box = sheet.Box({kind, row});
            if (box.selStart + box.selLength > ledger::CharCount(box.text)) return "a selection outside its text";
        }
    }
    return std::nullopt;
}

// Runs the calculation and checks what it did against the sheet before it:
// a failure writes no total, a success writes totals that read back and adds
// as much to the money total as to toll plus fuel.
inline Problem CalculateAndCheck(ledger::ReceiptSheet& sheet, ledger::Message* shown = nullptr)
{
    const ledger::ReceiptSheet before = sheet;
    const ledger::Message message = ledger::Calculate(sheet);
    if (shown != nullptr) *shown = message;
    double was[4] = {}, is[4] = {}, scale = 0;
    for (const ResultField field : ledger::kResultFields) {
        const auto i = static_cast<std::size_t>(field);
        const std::string& old = before.Result(field);
        const std::string repaired = ledger::IsNumeric(old) ? old : "0";
        if (message.title != ledger::texts::kResultTitle && sheet.Result(field) != repaired) return "a failure wrote a total";
        if (message.title != ledger::texts::kResultTitle) continue;
        if (field != ResultField::Output2 && !ReadsBack(sheet.Result(field))) return "a total does not read back";
        was[i] = ledger::TwoPlaceValue(*ledger::ParseDecimal(repaired));
        is[i] = ledger::CountValue(*ledger::ParseDecimal(sheet.Result(field)));
        scale += std::fabs(was[i]) + std::fabs(is[i]);
    }
    for (int row = 0; row < ledger::kRowCount && message.title == ledger::texts::kResultTitle; ++row) {
        const auto face = ledger::ParseDecimal(before.Text({BoxKind::Face, row}));
        const auto count = ledger::ParseDecimal(before.Text({BoxKind::Count, row}));
        scale += std::fabs(ledger::TwoPlaceValue(*face) * ledger::CountValue(*count));
    }
    const double drift = (is[0] - is[2] - is[3]) - (was[0] - was[2] - was[3]);
    if (std::fabs(drift) > 1e-9 * scale + 1e-300) return "money no longer moves with toll plus fuel";
    return std::nullopt;
}

}  // namespace invariants
