// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/keypad.h"

#include <stdexcept>

#include "entry/box_edit.h"
#include "ledger/number_rules.h"

namespace entry {
namespace {

using ledger::BoxId;
using ledger::BoxKind;

// Throws away what the next key should not add to: text that is not a
// number, and a number of 0 or below such as the placeholder "0". Before a
// point a 0 or below becomes "0", so the box then reads ".0".
void CleanUp(ledger::ReceiptSheet& sheet, BoxId box, int key)
{
    const auto number = ledger::ParseDecimal(sheet.Text(box));
    if (!number) {
        sheet.SetText(box, "");
    } else if (!ledger::IsAboveZero(*number)) {
        sheet.SetText(box, "");
        if (key == kPointKey) sheet.SetText(box, "0");
    }
}

void CheckRow(int row)
{
    if (row < 0 || row >= ledger::kRowCount) throw std::out_of_range("no such receipt row");
}

}  // namespace

std::optional<BoxId> Keypad::CurrentBox() const
{
    if (nowP_ < kNoBox) return BoxId{BoxKind::Face, nowP_};
    if (nowP2_ < kNoBox) return BoxId{BoxKind::Count, nowP2_};
    return std::nullopt;
}

void Keypad::EnableKeys(bool pointKey, bool backspace)
{
    keys_.fill(true);
    keys_[kPointKey] = pointKey;
    backspace_ = backspace;
}

void Keypad::SelectBox(ledger::ReceiptSheet& sheet, BoxId box)
{
    CheckRow(box.row);
    const bool faceBox = box.kind == BoxKind::Face;
    nowP_ = faceBox ? static_cast<std::int16_t>(box.row) : kNoBox;
    nowP2_ = faceBox ? kNoBox : static_cast<std::int16_t>(box.row);
    if (!ledger::IsNumeric(sheet.Text(box))) sheet.SetText(box, "");
    EnableKeys(faceBox, !sheet.Text(box).empty());  // counts are whole numbers: no point
}

FocusRequest Keypad::PressKey(ledger::ReceiptSheet& sheet, int key)
{
    const std::optional<BoxId> box = CurrentBox();
    if (!KeyEnabled(key) || !box) return std::nullopt;  // a key beyond the keypad throws, as a row beyond the sheet

    const bool faceBox = box->kind == BoxKind::Face;
    if (faceBox && key == kPointKey) {
        // A decimal amount is a fuel invoice: one receipt, booked as fuel.
        sheet.SetText({BoxKind::Count, box->row}, "1");
        sheet.SetFuelMark(box->row, 1);
    }
    CleanUp(sheet, *box, key);
    Edited edited = InsertAtCaret(sheet.Box(*box), kKeyCaptions[static_cast<std::size_t>(key)]);
    sheet.SetEdited(*box, std::move(edited.text), edited.caret);
    EnableKeys(faceBox, !sheet.Text(*box).empty());
    return box;
}

FocusRequest Keypad::PressBackspace(ledger::ReceiptSheet& sheet)
{
    const std::optional<BoxId> box = CurrentBox();
    if (!backspace_ || !box) return std::nullopt;

    Edited edited = DeleteBeforeCaret(sheet.Box(*box));
    if (edited.text.empty()) {
        sheet.SetText(*box, "0");  // backspace never leaves a box empty
    } else {
        sheet.SetEdited(*box, std::move(edited.text), edited.caret);
    }
    // A face value without a point is a toll receipt again.
    if (box->kind == BoxKind::Face && sheet.Text(*box).find('.') == std::string::npos) {
        sheet.SetFuelMark(box->row, 0);
    }
    return box;
}

}  // namespace entry
