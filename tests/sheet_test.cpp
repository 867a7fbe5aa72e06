#include "ledger/receipt_sheet.h"

#include <gtest/gtest.h>

#include "sheet_script.h"

namespace ledger {
namespace {

// The writes to boxes are checked box by box with every calculation pass; here the other fields, and what
// the user did, which the control already shows and the sheet does not mark.
TEST(ReceiptSheet, RecordsExactlyTheFieldsWrittenAndKeepsCaretsInside)
{
    ReceiptSheet sheet;
    sheet.SetResult(ResultField::Road1, "5");
    sheet.SetPreviousTotals("x");
    sheet.SetFuelMark(23, 1);
    sheet.MirrorBox(Face(4), "面值", 5, 3);
    sheet.MirrorFuelMark(0, 1);
    sheet.MirrorResult(ResultField::O1, "3");
    const Writes writes = sheet.TakeWrites();
    EXPECT_TRUE(writes.HasResult(ResultField::Road1) && writes.HasPreviousTotals() && writes.HasFuelMark(23));
    EXPECT_FALSE(writes.HasResult(ResultField::O1) || writes.HasText(Face(4)) || writes.HasFuelMark(0) || writes.HasFuelMark(22));
    EXPECT_TRUE(sheet.TakeWrites().None());
    EXPECT_EQ(Results(sheet), "0|0|5|3");
    const auto caret = [&sheet] { return std::pair(sheet.Box(Face(4)).selStart, sheet.Box(Face(4)).selLength); };
    EXPECT_EQ(caret(), std::pair(std::size_t{2}, std::size_t{0}));  // kept inside the text
    sheet.MirrorSelection(Face(4), 1, 9);
    EXPECT_EQ(caret(), std::pair(std::size_t{1}, std::size_t{1}));
    sheet.SetText(Face(4), "20");
    EXPECT_EQ(caret(), std::pair(std::size_t{0}, std::size_t{0}));
    EXPECT_THROW(sheet.SetFuelMark(24, 1), std::out_of_range);
}

TEST(Resets, PutTheRowsBackAndKeepOrClearTheTotals)
{
    for (const bool full : {false, true}) {
        ReceiptSheet sheet;
        Play(sheet, "f0=5 c1=3 f23=56.5 t23 t2 calc f7=abc c9= calc");  // edited, green, pink, ticked
        sheet.MirrorBox(Face(1), "2000", 2, 1);
        const std::string line = sheet.PreviousTotals();
        const Message message = full ? FullReset(sheet) : FirstStepReset(sheet);
        EXPECT_EQ(message, Message({"重置第一步数据", full ? "系统提示：成功，已把所有数据及程序变量重置！"
                                                            : "系统提示：成功，已把第一步里所有数据重置！"}));
        EXPECT_EQ(std::tuple(Results(sheet), sheet.PreviousTotals(), sheet.FuelMark(23) + sheet.FuelMark(2)),
                  std::tuple(full ? "0|0|0|0" : "116.5|4|60|56.5", line, 2));
        for (int row = 0; row < kRowCount; ++row) {
            const RowDefault& preset = kRowDefaults[static_cast<std::size_t>(row)];
            EXPECT_EQ(sheet.Text(Face(row)) + "|" + sheet.Text(Count(row)), std::string(preset.face) + "|" + std::string(preset.count));
            EXPECT_EQ(sheet.Box(Face(row)).selStart + sheet.Box(Face(row)).selLength, 0u);
            EXPECT_EQ(std::pair(sheet.Colour(Face(row)), sheet.Colour(Count(row))),
                      std::pair(preset.common ? BackColour::CommonGrey : BackColour::White, BackColour::White)) << row;
        }
        Play(sheet, "c4=2 t4 calc");
        EXPECT_EQ(Results(sheet), full ? "50|2|0|50" : "166.5|6|60|106.5");
    }
}

}  // namespace
}  // namespace ledger
