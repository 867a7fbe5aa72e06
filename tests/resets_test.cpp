#include "ledger/resets.h"

#include <gtest/gtest.h>

#include "box_ids.h"

#include "ledger/calculate.h"

namespace ledger {
namespace {


void ExpectRowDefaultsAndPlainColours(const ReceiptSheet& sheet)
{
    for (int row = 0; row < kRowCount; ++row) {
        const RowDefault& preset = kRowDefaults[static_cast<std::size_t>(row)];
        EXPECT_EQ(sheet.Text(Face(row)), preset.face) << row;
        EXPECT_EQ(sheet.Text(Count(row)), preset.count) << row;
        EXPECT_EQ(sheet.Box(Face(row)).selStart, 0u) << row;
        EXPECT_EQ(sheet.Box(Count(row)).selLength, 0u) << row;
        EXPECT_EQ(sheet.Colour(Face(row)), preset.common ? BackColour::CommonGrey : BackColour::White) << row;
        EXPECT_EQ(sheet.Colour(Count(row)), BackColour::White) << row;
    }
}

// A sheet after a pass with pink and green marks, ticks and edited boxes.
ReceiptSheet UsedSheet()
{
    ReceiptSheet sheet;
    sheet.SetText(Count(1), "3");
    sheet.SetText(Face(23), "56.5");
    sheet.SetFuelMark(23, 1);
    sheet.SetFuelMark(2, 1);
    Calculate(sheet);
    sheet.SetText(Face(7), "abc");
    sheet.SetText(Count(9), "");
    Calculate(sheet);  // fails: row 7 and 9 pink
    sheet.MirrorBox(Face(1), "2000", 2, 1);
    return sheet;
}

TEST(FirstStepReset, RestoresRowsAndKeepsTotals)
{
    ReceiptSheet sheet = UsedSheet();
    const std::string line = sheet.PreviousTotals();
    const Message message = FirstStepReset(sheet);
    EXPECT_EQ(message.title, "重置第一步数据");
    EXPECT_EQ(message.text, "系统提示：成功，已把第一步里所有数据重置！");
    ExpectRowDefaultsAndPlainColours(sheet);
    EXPECT_EQ(sheet.Result(ResultField::Output1), "116.5");
    EXPECT_EQ(sheet.Result(ResultField::Output2), "4");
    EXPECT_EQ(sheet.Result(ResultField::Road1), "60");
    EXPECT_EQ(sheet.Result(ResultField::O1), "56.5");
    EXPECT_EQ(sheet.PreviousTotals(), line);
    EXPECT_EQ(sheet.FuelMark(23), 1);
    EXPECT_EQ(sheet.FuelMark(2), 1);
}

TEST(FullReset, RestoresRowsAndZeroesTotals)
{
    ReceiptSheet sheet = UsedSheet();
    sheet.MirrorResult(ResultField::Road1, "typed by hand");
    const std::string line = sheet.PreviousTotals();
    const Message message = FullReset(sheet);
    EXPECT_EQ(message.title, "重置第一步数据");
    EXPECT_EQ(message.text, "系统提示：成功，已把所有数据及程序变量重置！");
    ExpectRowDefaultsAndPlainColours(sheet);
    for (const ResultField field : kResultFields) EXPECT_EQ(sheet.Result(field), "0");
    EXPECT_EQ(sheet.PreviousTotals(), line);
    EXPECT_EQ(sheet.FuelMark(23), 1);
}

TEST(Resets, FirstStepResetRightAfterStartChangesNoTextButPaintsWhite)
{
    ReceiptSheet sheet;
    FirstStepReset(sheet);
    ExpectRowDefaultsAndPlainColours(sheet);
    const Writes writes = sheet.TakeWrites();
    for (int row = 0; row < kRowCount; ++row) {
        EXPECT_TRUE(writes.HasText(Face(row)) && writes.HasText(Count(row))) << row;
        EXPECT_FALSE(writes.HasFuelMark(row)) << row;
    }
    EXPECT_FALSE(writes.HasPreviousTotals());
    EXPECT_FALSE(writes.HasResult(ResultField::Output1));
}

TEST(Resets, CarryOrRestartTheTotals)
{
    for (const bool full : {false, true}) {
        ReceiptSheet sheet;
        sheet.SetText(Count(19), "2");  // 50 x 2 = 100 in 2 sheets
        sheet.SetText(Face(14), "0.5");
        sheet.SetText(Count(14), "0");
        sheet.SetText(Count(3), "3");  // 2 x 3 = 6 ... total 106 in 5
        Calculate(sheet);
        ASSERT_EQ(sheet.Result(ResultField::Output1), "106");
        full ? FullReset(sheet) : FirstStepReset(sheet);
        sheet.SetText(Count(4), "2");  // 25 x 2 = 50 in 2 sheets
        sheet.SetFuelMark(4, 1);
        Calculate(sheet);
        EXPECT_EQ(sheet.Result(ResultField::Output1), full ? "50" : "156");
        EXPECT_EQ(sheet.Result(ResultField::Output2), full ? "2" : "7");
        EXPECT_EQ(sheet.Result(ResultField::Road1), full ? "0" : "106");
        EXPECT_EQ(sheet.Result(ResultField::O1), "50");
        EXPECT_EQ(sheet.PreviousTotals(), full ? "" : "相加上次数据，总金额106元；共5张；总路费106元；");
    }
}

TEST(Resets, RepeatingGivesTheSameSheetAndMessage)
{
    ReceiptSheet sheet = UsedSheet();
    const Message first = FullReset(sheet);
    const Message second = FullReset(sheet);
    EXPECT_EQ(first, second);
    ExpectRowDefaultsAndPlainColours(sheet);
    EXPECT_EQ(FirstStepReset(sheet), FirstStepReset(sheet));
}

}  // namespace
}  // namespace ledger
