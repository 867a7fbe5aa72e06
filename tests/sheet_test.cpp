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
    EXPECT_FALSE(writes.HasResult(ResultField::O1) || writes.HasText(Face(4)) || writes.HasFuelMark(0) ||
                 writes.HasFuelMark(22));
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

}  // namespace
}  // namespace ledger
