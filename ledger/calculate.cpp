// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/calculate.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "ledger/number_rules.h"

namespace ledger {
namespace {

struct Totals {
    double money = 0;
    std::int16_t sheets = 0;
    double toll = 0;
    double fuel = 0;
};

// A result field that is not a number counts as 0 (Calculate writes the 0 too).
double ReadAmount(const std::string& text)
{
    const std::optional<Decimal> number = ParseDecimal(text);
    return number ? TwoPlaceValue(*number) : 0;
}

// The totals the result fields hold; nothing when one is out of range.
std::optional<Totals> ReadPreviousTotals(const ReceiptSheet& sheet)
{
    Totals totals;
    totals.money = ReadAmount(sheet.Result(ResultField::Output1));
    totals.toll = ReadAmount(sheet.Result(ResultField::Road1));
    totals.fuel = ReadAmount(sheet.Result(ResultField::O1));
    const std::optional<Decimal> sheetsText = ParseDecimal(sheet.Result(ResultField::Output2));
    const auto sheets = sheetsText ? SheetTotalFromText(*sheetsText) : std::optional<std::int16_t>(0);
    if (!sheets || !IsWithinAmountRange(totals.money) || !IsWithinAmountRange(totals.toll) ||
        !IsWithinAmountRange(totals.fuel)) {
        return std::nullopt;
    }
    totals.sheets = *sheets;
    return totals;
}

std::string PreviousTotalsLine(const Totals& previous)
{
    std::string line;
    const auto appendAmount = [&line](std::string_view name, double amount) {
        if (amount > 0) line.append(name).append(AmountText(amount)).append(texts::kYuanEnd);
    };
    appendAmount(texts::kPreviousMoney, previous.money);
    if (previous.sheets > 0) {
        line.append(texts::kPreviousSheets).append(SheetText(previous.sheets)).append(texts::kSheetsEnd);
    }
    appendAmount(texts::kPreviousToll, previous.toll);
    appendAmount(texts::kPreviousFuel, previous.fuel);
    if (!line.empty()) line.insert(0, texts::kPreviousTotalsOpening);
    return line;
}

// Adds one valid row; false when a total leaves its range.
bool AddRow(Totals& totals, double face, double count, bool fuelRow)
{
    const double amount = face * count;
    totals.money += amount;
    if (face > 0) {
        const auto sheets = AddCount(totals.sheets, count);
        if (!sheets) return false;
        totals.sheets = *sheets;
    }
    (fuelRow ? totals.fuel : totals.toll) += amount;
    return std::isfinite(amount) && IsWithinAmountRange(totals.money) && IsWithinAmountRange(totals.toll) &&
           IsWithinAmountRange(totals.fuel);
}

// Which rows the repaint marks green: both texts numbers, and both taken to
// two places above 0 (so a count of 0.001 adds to the totals but is not green).
using RowFlags = std::array<bool, kRowCount>;

void RepaintRows(ReceiptSheet& sheet, const RowFlags& counted)
{
    for (int row = 0; row < kRowCount; ++row) {
        for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
            sheet.SetColour({kind, row}, PaintedColour({kind, row}, counted[static_cast<std::size_t>(row)]));
        }
    }
}

// Writes the totals into the result fields and returns the result message.
Message WriteTotals(ReceiptSheet& sheet, const Totals& totals)
{
    std::string money = AmountText(totals.money);
    std::string sheets = SheetText(totals.sheets);
    std::string toll = AmountText(totals.toll);
    std::string fuel = AmountText(totals.fuel);
    std::string text;
    text.append(texts::kResultOpening)
        .append(money)
        .append(texts::kResultTollPart)
        .append(toll)
        .append(texts::kResultFuelPart)
        .append(fuel)
        .append(texts::kResultSheetPart)
        .append(sheets)
        .append(texts::kResultHint);
    sheet.SetResult(ResultField::Output1, std::move(money));
    sheet.SetResult(ResultField::Output2, std::move(sheets));
    sheet.SetResult(ResultField::Road1, std::move(toll));
    sheet.SetResult(ResultField::O1, std::move(fuel));
    return {std::string(texts::kResultTitle), std::move(text)};
}

Message ErrorMessage(std::string_view text)
{
    return {std::string(texts::kErrorTitle), std::string(text)};
}

}  // namespace

Message Calculate(ReceiptSheet& sheet)
{
    // A result field that is not a number counts as 0, whatever follows.
    for (const ResultField field : kResultFields) {
        if (!IsNumeric(sheet.Result(field))) sheet.SetResult(field, "0");
    }

    const std::optional<Totals> previous = ReadPreviousTotals(sheet);
    if (!previous) return ErrorMessage(texts::kOutOfRangeText);
    sheet.SetPreviousTotals(PreviousTotalsLine(*previous));

    // Every row is checked, so that one pass marks every bad box; the marks
    // are written only once the whole pass is known to be in range.
    Totals totals = *previous;
    RowFlags badFace{};
    RowFlags badCount{};
    RowFlags counted{};
    bool valid = true;
    for (int row = 0; row < kRowCount; ++row) {
        const auto face = ParseDecimal(sheet.Text({BoxKind::Face, row}));
        const auto count = ParseDecimal(sheet.Text({BoxKind::Count, row}));
        if (!face || !count) {
            valid = false;
            badFace[static_cast<std::size_t>(row)] = !face;
            badCount[static_cast<std::size_t>(row)] = !count;
            continue;
        }
        const double faceValue = TwoPlaceValue(*face);
        if (!AddRow(totals, faceValue, CountValue(*count), sheet.FuelMark(row) == 1)) {
            return ErrorMessage(texts::kOutOfRangeText);
        }
        counted[static_cast<std::size_t>(row)] = faceValue > 0 && TwoPlaceValue(*count) > 0;
    }

    if (!valid) {
        for (int row = 0; row < kRowCount; ++row) {
            for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
                const auto& bad = kind == BoxKind::Face ? badFace : badCount;
                if (!bad[static_cast<std::size_t>(row)]) continue;
                sheet.SetText({kind, row}, "0");
                sheet.SetColour({kind, row}, BackColour::ErrorPink);
            }
        }
        return ErrorMessage(texts::kInvalidInputText);
    }

    Message result = WriteTotals(sheet, totals);
    RepaintRows(sheet, counted);
    return result;
}

}  // namespace ledger
