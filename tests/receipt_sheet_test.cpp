#include "ledger/receipt_sheet.h"

#include <gtest/gtest.h>

#include "box_ids.h"

#include <stdexcept>

namespace ledger {
namespace {


TEST(ReceiptSheet, StartsWithTheRowDefaults)
{
    const ReceiptSheet sheet;
    EXPECT_EQ(sheet.Text(Face(0)), "1");
    EXPECT_EQ(sheet.Text(Count(0)), "0");
    EXPECT_EQ(sheet.Text(Face(22)), "100");
    for (const int row : {14, 17, 20, 23}) {
        EXPECT_EQ(sheet.Text(Face(row)), "0") << row;
        EXPECT_EQ(sheet.Text(Count(row)), "1") << row;
    }
    const char* const faces[kRowCount] = {"1",  "20", "150", "2",  "25", "180", "5",  "30",
                                          "200", "7", "35",  "275", "8", "40",  "0",  "10",
                                          "45", "0",  "15",  "50", "0",  "18",  "100", "0"};
    for (int row = 0; row < kRowCount; ++row) {
        EXPECT_EQ(sheet.Text(Face(row)), faces[row]) << row;
        EXPECT_EQ(sheet.FuelMark(row), 0) << row;
        EXPECT_EQ(sheet.Colour(Count(row)), BackColour::Standard) << row;
        const bool common = row == 5 || row == 6 || row == 9 || row == 11 || row == 15;
        EXPECT_EQ(sheet.Colour(Face(row)), common ? BackColour::CommonGrey : BackColour::Standard) << row;
        EXPECT_EQ(sheet.Box(Face(row)).selStart, 0u);
    }
    for (const ResultField field : kResultFields) EXPECT_EQ(sheet.Result(field), "0");
    EXPECT_EQ(sheet.PreviousTotals(), "");
}

TEST(ReceiptSheet, AcceptsAnyText)
{
    ReceiptSheet sheet;
    sheet.SetText(Face(3), "");
    sheet.SetText(Count(3), "abc 面值");
    EXPECT_EQ(sheet.Text(Face(3)), "");
    EXPECT_EQ(sheet.Text(Count(3)), "abc 面值");
}

TEST(ReceiptSheet, ReplacingATextPutsTheCaretAtZero)
{
    ReceiptSheet sheet;
    sheet.MirrorBox(Face(1), "2000", 1, 2);
    sheet.SetText(Face(1), "20");
    EXPECT_EQ(sheet.Box(Face(1)).selStart, 0u);
    EXPECT_EQ(sheet.Box(Face(1)).selLength, 0u);
}

TEST(ReceiptSheet, MirroredSelectionsAreKeptInsideTheText)
{
    ReceiptSheet sheet;
    sheet.MirrorBox(Face(1), "面值", 5, 3);
    EXPECT_EQ(sheet.Box(Face(1)).selStart, 2u);
    EXPECT_EQ(sheet.Box(Face(1)).selLength, 0u);
    sheet.MirrorSelection(Face(1), 1, 9);
    EXPECT_EQ(sheet.Box(Face(1)).selStart, 1u);
    EXPECT_EQ(sheet.Box(Face(1)).selLength, 1u);
}

TEST(ReceiptSheet, RecordsExactlyWhatWasWritten)
{
    ReceiptSheet sheet;
    EXPECT_TRUE(sheet.TakeWrites().None());

    sheet.SetText(Face(1), "20");  // the same text still counts as written
    sheet.SetColour(Count(23), BackColour::ErrorPink);
    sheet.SetFuelMark(2, 1);
    sheet.SetResult(ResultField::Road1, "5");
    sheet.SetPreviousTotals("x");
    sheet.MirrorBox(Face(4), "9", 1, 0);
    sheet.MirrorFuelMark(7, 1);
    sheet.MirrorResult(ResultField::O1, "3");

    const Writes writes = sheet.TakeWrites();
    EXPECT_TRUE(writes.HasText(Face(1)));
    EXPECT_FALSE(writes.HasText(Count(1)));
    EXPECT_FALSE(writes.HasColour(Face(1)));
    EXPECT_TRUE(writes.HasColour(Count(23)));
    EXPECT_FALSE(writes.HasColour(Face(23)));
    EXPECT_TRUE(writes.HasFuelMark(2));
    EXPECT_TRUE(writes.HasResult(ResultField::Road1));
    EXPECT_FALSE(writes.HasResult(ResultField::O1));
    EXPECT_TRUE(writes.HasPreviousTotals());
    EXPECT_FALSE(writes.HasText(Face(4)));
    EXPECT_FALSE(writes.HasFuelMark(7));

    EXPECT_EQ(sheet.Text(Face(4)), "9");
    EXPECT_EQ(sheet.FuelMark(7), 1);
    EXPECT_EQ(sheet.Result(ResultField::O1), "3");
    EXPECT_TRUE(sheet.TakeWrites().None());
}

TEST(ReceiptSheet, FuelMarkIsZeroOrOne)
{
    ReceiptSheet sheet;
    sheet.SetFuelMark(2, 1);
    EXPECT_EQ(sheet.FuelMark(2), 1);
    sheet.SetFuelMark(2, 0);
    EXPECT_EQ(sheet.FuelMark(2), 0);
}

TEST(ReceiptSheet, RowIndexOutsideTheSheetThrows)
{
    ReceiptSheet sheet;
    EXPECT_THROW(sheet.Text(Face(24)), std::out_of_range);
    EXPECT_THROW(sheet.SetFuelMark(-1, 1), std::out_of_range);
}

}  // namespace
}  // namespace ledger
