#include "ledger/receipt_sheet.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "sheet_script.h"

namespace ledger {
namespace {

TEST(ReceiptSheet, RecordsExactlyTheFieldsWritten)
{
    // Every field alone, so that no two share a bit.
    for (int row = 0; row < kRowCount; ++row) {
        for (const BoxId box : {Face(row), Count(row)}) {
            ReceiptSheet sheet;
            sheet.SetText(box, "7");
            Writes writes = sheet.TakeWrites();
            for (int other = 0; other < kRowCount; ++other) {
                for (const BoxId seen : {Face(other), Count(other)}) {
                    EXPECT_EQ(writes.HasText(seen), seen == box) << row << " " << other;
                    EXPECT_FALSE(writes.HasColour(seen));
                }
                EXPECT_FALSE(writes.HasFuelMark(other));
            }
            sheet.SetColour(box, BackColour::ErrorPink);
            writes = sheet.TakeWrites();
            EXPECT_TRUE(writes.HasColour(box) && !writes.HasText(box));
            EXPECT_FALSE(writes.HasColour(box.kind == BoxKind::Face ? Count(row) : Face(row)));
        }
        ReceiptSheet sheet;
        sheet.SetFuelMark(row, 1);
        const Writes writes = sheet.TakeWrites();
        EXPECT_TRUE(writes.HasFuelMark(row) && !writes.HasPreviousTotals() && !writes.HasResult(ResultField::O1));
        EXPECT_FALSE(writes.HasText(Count(row)) || writes.HasColour(Count(row)));
    }
    ReceiptSheet sheet;
    sheet.SetResult(ResultField::Road1, "5");
    sheet.SetPreviousTotals("x");
    sheet.MirrorBox(Face(4), "9", 1, 0);  // what the user did: the control shows it already
    sheet.MirrorFuelMark(7, 1);
    sheet.MirrorResult(ResultField::O1, "3");
    const Writes writes = sheet.TakeWrites();
    EXPECT_TRUE(writes.HasResult(ResultField::Road1) && writes.HasPreviousTotals());
    EXPECT_FALSE(writes.HasResult(ResultField::O1) || writes.HasResult(ResultField::Output2));
    EXPECT_FALSE(writes.HasText(Face(4)) || writes.HasFuelMark(7));
    EXPECT_EQ(Results(sheet), "0|0|5|3");
    EXPECT_TRUE(sheet.TakeWrites().None());
}

TEST(ReceiptSheet, CaretsStayInsideTheText)
{
    ReceiptSheet sheet;
    sheet.MirrorBox(Face(1), "面值", 5, 3);
    EXPECT_EQ(sheet.Box(Face(1)).selStart, 2u);
    EXPECT_EQ(sheet.Box(Face(1)).selLength, 0u);
    sheet.MirrorSelection(Face(1), 1, 9);
    EXPECT_EQ(sheet.Box(Face(1)).selLength, 1u);
    sheet.SetText(Face(1), "20");
    EXPECT_EQ(sheet.Box(Face(1)).selStart + sheet.Box(Face(1)).selLength, 0u);
    EXPECT_THROW(sheet.Text(Face(24)), std::out_of_range);
    EXPECT_THROW(sheet.SetFuelMark(-1, 1), std::out_of_range);
}

TEST(Resets, PutTheRowsBackAndKeepOrClearTheTotals)
{
    for (const bool full : {false, true}) {
        ReceiptSheet sheet;
        Play(sheet, "c1=3 f23=56.5 t23 t2 calc f7=abc c9= calc");  // green, pink, ticks
        sheet.MirrorBox(Face(1), "2000", 2, 1);
        const std::string line = sheet.PreviousTotals();
        const Message message = full ? FullReset(sheet) : FirstStepReset(sheet);
        EXPECT_EQ(message.title, "重置第一步数据");
        EXPECT_EQ(message.text, full ? "系统提示：成功，已把所有数据及程序变量重置！" : "系统提示：成功，已把第一步里所有数据重置！");
        EXPECT_EQ(Results(sheet), full ? "0|0|0|0" : "116.5|4|60|56.5");
        EXPECT_EQ(sheet.PreviousTotals(), line);
        EXPECT_EQ(sheet.FuelMark(23) + sheet.FuelMark(2), 2);
        for (int row = 0; row < kRowCount; ++row) {
            const RowDefault& preset = kRowDefaults[static_cast<std::size_t>(row)];
            EXPECT_EQ(sheet.Text(Face(row)), preset.face);
            EXPECT_EQ(sheet.Text(Count(row)), preset.count);
            EXPECT_EQ(sheet.Box(Face(row)).selStart + sheet.Box(Face(row)).selLength, 0u);
            EXPECT_EQ(sheet.Colour(Face(row)), preset.common ? BackColour::CommonGrey : BackColour::White) << row;
            EXPECT_EQ(sheet.Colour(Count(row)), BackColour::White) << row;
        }
        Play(sheet, "c4=2 t4 calc");
        EXPECT_EQ(Results(sheet), full ? "50|2|0|50" : "166.5|6|60|106.5");
    }
}

}  // namespace
}  // namespace ledger
