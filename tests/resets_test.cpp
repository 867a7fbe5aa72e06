#include "ledger/resets.h"

#include <gtest/gtest.h>

#include "sheet_script.h"

namespace ledger {
namespace {

// A reset puts every row back as it starts, white where it was painted, and keeps the fuel marks and the
// previous-totals line; the first-step reset keeps the totals, the full one sets them to 0.
TEST(Resets, PutTheRowsBackAsTheyStart)
{
    const ReceiptSheet start;
    for (const bool full : {false, true}) {
        ReceiptSheet sheet;
        RunScript(sheet, "c1=3 t5 calc f0=x calc c3=2 t7");  // a green row, a pink box, a count typed since
        const ReceiptSheet before = sheet;
        const Message said{"重置第一步数据", full ? "系统提示：成功，已把所有数据及程序变量重置！"
                                                  : "系统提示：成功，已把第一步里所有数据重置！"};
        EXPECT_EQ(full ? FullReset(sheet) : FirstStepReset(sheet), said);
        EXPECT_EQ(Results(sheet), full ? "0|0|0|0" : "60|3|60|0");
        EXPECT_EQ(sheet.PreviousTotals(), "相加上次数据，总金额60元；共3张；总路费60元；");
        for (int row = 0; row < kRowCount; ++row) {
            EXPECT_EQ(sheet.FuelMark(row), before.FuelMark(row)) << row;
            for (const BoxId box : {Face(row), Count(row)}) {
                const BackColour plain =
                    start.Colour(box) == BackColour::Standard ? BackColour::White : start.Colour(box);
                EXPECT_EQ(std::pair(sheet.Text(box), sheet.Colour(box)), std::pair(start.Text(box), plain)) << row;
            }
        }
    }
}

}  // namespace
}  // namespace ledger
