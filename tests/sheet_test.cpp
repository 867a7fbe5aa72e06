#include "ledger/receipt_sheet.h"

#include <gtest/gtest.h>

#include "sheet_script.h"

namespace ledger {
namespace {

TEST(ReceiptSheet, RecordsExactlyTheFieldsWrittenAndKeepsCaretsInside)
{
    for (int row = 0; row < kRowCount; ++row) {  // each field alone, so that no two share a bit
        for (const BoxId box : {Face(row), Count(row)}) {
            ReceiptSheet sheet;
            sheet.SetText(box, "7");
            sheet.SetColour(box.kind == BoxKind::Face ? Count(row) : Face(row), BackColour::ErrorPink);
            sheet.SetFuelMark(row, 1);
            const Writes writes = sheet.TakeWrites();
            for (int other = 0; other < kRowCount; ++other) {
                for (const BoxId seen : {Face(other), Count(other)}) {
                    EXPECT_EQ(writes.HasText(seen), seen == box) << row << " " << other;
                    EXPECT_EQ(writes.HasColour(seen), other == row && seen.kind != box.kind) << row << " " << other;
                }
                EXPECT_EQ(writes.HasFuelMark(other), other == row);
            }
        }
    }
    ReceiptSheet sheet;
    sheet.SetResult(ResultField::Road1, "5");
    sheet.SetPreviousTotals("x");
    sheet.MirrorBox(Face(4), "面值", 5, 3);  // what the user did: the control shows it already
    sheet.MirrorFuelMark(7, 1);
    sheet.MirrorResult(ResultField::O1, "3");
    const Writes writes = sheet.TakeWrites();
    EXPECT_TRUE(writes.HasResult(ResultField::Road1) && writes.HasPreviousTotals());
    EXPECT_FALSE(writes.HasResult(ResultField::O1) || writes.HasText(Face(4)) || writes.HasFuelMark(7));
    EXPECT_EQ(Results(sheet), "0|0|5|3");
    EXPECT_TRUE(sheet.TakeWrites().None());
    EXPECT_EQ(sheet.Box(Face(4)).selStart * 10 + sheet.Box(Face(4)).selLength, 20u);
    sheet.MirrorSelection(Face(4), 1, 9);
    EXPECT_EQ(sheet.Box(Face(4)).selLength, 1u);
    sheet.SetText(Face(4), "20");
    EXPECT_EQ(sheet.Box(Face(4)).selStart + sheet.Box(Face(4)).selLength, 0u);
    EXPECT_THROW(sheet.SetFuelMark(24, 1), std::out_of_range);
}

TEST(Resets, PutTheRowsBackAndKeepOrClearTheTotals)
{
    for (const bool full : {false, true}) {
        ReceiptSheet sheet;
        Play(sheet, "c1=3 f23=56.5 t23 t2 calc f7=abc c9= calc");  // green, pink and ticked rows
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
            EXPECT_EQ(sheet.Text(Face(row)) + "|" + sheet.Text(Count(row)), std::string(preset.face) + "|" + std::string(preset.count));
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
