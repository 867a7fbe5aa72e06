// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/receipt_sheet.h"

#include <algorithm>
#include <utility>

#include "ledger/characters.h"

namespace ledger {

BackColour PaintedColour(BoxId box, bool counted)
{
    if (counted) return BackColour::CountedGreen;
    const bool common = box.kind == BoxKind::Face && kRowDefaults.at(static_cast<std::size_t>(box.row)).common;
    return common ? BackColour::CommonGrey : BackColour::White;
}

ReceiptSheet::ReceiptSheet()
{
    for (int i = 0; i < kRowCount; ++i) {
        const RowDefault& preset = kRowDefaults[static_cast<std::size_t>(i)];
        Row& row = RowAt(i);
        row.face.text = preset.face;
        row.count.text = preset.count;
        // Unpainted yet: the standard background where a reset would paint white.
        const BackColour painted = PaintedColour({BoxKind::Face, i}, false);
        row.faceColour = painted == BackColour::White ? BackColour::Standard : painted;
    }
    results_.fill("0");
}

ReceiptSheet::Row& ReceiptSheet::RowAt(int row)
{
    return rows_.at(static_cast<std::size_t>(row));
}

const ReceiptSheet::Row& ReceiptSheet::RowAt(int row) const
{
    return rows_.at(static_cast<std::size_t>(row));
}

EntryBox& ReceiptSheet::BoxAt(BoxId box)
{
    Row& row = RowAt(box.row);
    return box.kind == BoxKind::Face ? row.face : row.count;
}

const EntryBox& ReceiptSheet::Box(BoxId box) const
{
    const Row& row = RowAt(box.row);
    return box.kind == BoxKind::Face ? row.face : row.count;
}

void ReceiptSheet::SetText(BoxId box, std::string text)
{
    SetEdited(box, std::move(text), 0);
}

void ReceiptSheet::SetEdited(BoxId box, std::string text, std::size_t caret)
{
    EntryBox& entry = BoxAt(box);
    entry.text = std::move(text);
    entry.selStart = std::min(caret, CharCount(entry.text));
    entry.selLength = 0;
    writes_.MarkText(box);
}

void ReceiptSheet::MirrorBox(BoxId box, std::string text, std::size_t selStart, std::size_t selLength)
{
    BoxAt(box).text = std::move(text);
    MirrorSelection(box, selStart, selLength);
}

void ReceiptSheet::MirrorSelection(BoxId box, std::size_t selStart, std::size_t selLength)
{
    EntryBox& entry = BoxAt(box);
    const std::size_t length = CharCount(entry.text);
    entry.selStart = std::min(selStart, length);
    entry.selLength = std::min(selLength, length - entry.selStart);
}

BackColour ReceiptSheet::Colour(BoxId box) const
{
    const Row& row = RowAt(box.row);
    return box.kind == BoxKind::Face ? row.faceColour : row.countColour;
}

void ReceiptSheet::SetColour(BoxId box, BackColour colour)
{
    Row& row = RowAt(box.row);
    (box.kind == BoxKind::Face ? row.faceColour : row.countColour) = colour;
    writes_.MarkColour(box);
}

int ReceiptSheet::FuelMark(int row) const
{
    return RowAt(row).fuelMark;
}

void ReceiptSheet::SetFuelMark(int row, int mark)
{
    MirrorFuelMark(row, mark);
    writes_.MarkFuelMark(row);
}

void ReceiptSheet::MirrorFuelMark(int row, int mark)
{
    RowAt(row).fuelMark = mark != 0 ? 1 : 0;
}

const std::string& ReceiptSheet::Result(ResultField field) const
{
    return results_.at(static_cast<std::size_t>(field));
}

void ReceiptSheet::SetResult(ResultField field, std::string text)
{
    MirrorResult(field, std::move(text));
    writes_.MarkResult(field);
}

void ReceiptSheet::MirrorResult(ResultField field, std::string text)
{
    results_.at(static_cast<std::size_t>(field)) = std::move(text);
}

void ReceiptSheet::SetPreviousTotals(std::string text)
{
    previousTotals_ = std::move(text);
    writes_.MarkPreviousTotals();
}

Writes ReceiptSheet::TakeWrites()
{
    return std::exchange(writes_, Writes{});
}

}  // namespace ledger
