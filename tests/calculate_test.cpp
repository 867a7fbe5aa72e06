#include "ledger/calculate.h"

#include <gtest/gtest.h>

#include "box_ids.h"

#include <string>

#include "ledger/resets.h"

namespace ledger {
namespace {


const std::string kHint =
    "张！(提示，如果您还有填不下的发票要加进去，请不要点下面的“全部重置”，点上面第一步的“重置”，"
    "再填写其它发票的面值和数量，再点计算得到的结果会把上次的结果也相加起来。相反，进行全新的计算，要“全部重置”)";
const std::string kInvalid =
    "系统提示：您的输入有误，所有的输入框内必须全部输入数字，有问题的输入已置零，背景变为粉红色，请检查！";
const std::string kOutOfRange =
    "系统提示：数值超出计算范围，发票张数须在-32768到32767之间，金额不能过大，本次计算未生效，请检查输入！";

bool IsCommon(int row) { return row == 5 || row == 6 || row == 9 || row == 11 || row == 15; }

std::string Results(const ReceiptSheet& sheet)
{
    return sheet.Result(ResultField::Output1) + "|" + sheet.Result(ResultField::Output2) + "|" +
           sheet.Result(ResultField::Road1) + "|" + sheet.Result(ResultField::O1);
}

void SetResults(ReceiptSheet& sheet, std::string money, std::string sheets, std::string toll, std::string fuel)
{
    sheet.SetResult(ResultField::Output1, std::move(money));
    sheet.SetResult(ResultField::Output2, std::move(sheets));
    sheet.SetResult(ResultField::Road1, std::move(toll));
    sheet.SetResult(ResultField::O1, std::move(fuel));
}

// The typical first pass: three 20-yuan tolls, two 100-yuan tolls and one
// fuel invoice of 56.5 in the free row 23.
void FillTypicalPass(ReceiptSheet& sheet)
{
    sheet.SetText(Count(1), "3");
    sheet.SetText(Count(22), "2");
    sheet.SetText(Face(23), "56.5");
    sheet.SetFuelMark(23, 1);
}

TEST(Calculate, StartStateAddsNothing)
{
    ReceiptSheet sheet;
    const Message message = Calculate(sheet);
    EXPECT_EQ(message.title, "计算结果");
    EXPECT_EQ(message.text,
              "系统提示：恭喜，算出发票金额共：0元，其中过路过桥费共：0元，加油发票共0元。全部发票共有0" + kHint);
    EXPECT_EQ(Results(sheet), "0|0|0|0");
    EXPECT_EQ(sheet.PreviousTotals(), "");
    for (int row = 0; row < kRowCount; ++row) {
        EXPECT_EQ(sheet.Colour(Face(row)), IsCommon(row) ? BackColour::CommonGrey : BackColour::White) << row;
        EXPECT_EQ(sheet.Colour(Count(row)), BackColour::White) << row;
    }
}

TEST(Calculate, TypicalPassThenTheSameClickAgain)
{
    ReceiptSheet sheet;
    FillTypicalPass(sheet);
    Message message = Calculate(sheet);
    EXPECT_EQ(Results(sheet), "316.5|6|260|56.5");
    EXPECT_EQ(sheet.PreviousTotals(), "");
    EXPECT_EQ(message.title, "计算结果");
    EXPECT_EQ(message.text,
              "系统提示：恭喜，算出发票金额共：316.5元，其中过路过桥费共：260元，加油发票共56.5元。全部发票共有6" +
                  kHint);
    for (int row = 0; row < kRowCount; ++row) {
        const bool counted = row == 1 || row == 22 || row == 23;
        const BackColour plainFace = IsCommon(row) ? BackColour::CommonGrey : BackColour::White;
        EXPECT_EQ(sheet.Colour(Face(row)), counted ? BackColour::CountedGreen : plainFace) << row;
        EXPECT_EQ(sheet.Colour(Count(row)), counted ? BackColour::CountedGreen : BackColour::White) << row;
    }

    message = Calculate(sheet);
    EXPECT_EQ(Results(sheet), "633|12|520|113");
    EXPECT_EQ(sheet.PreviousTotals(), "相加上次数据，总金额316.5元；共6张；总路费260元；总油费56.5元；");
    EXPECT_EQ(message.text,
              "系统提示：恭喜，算出发票金额共：633元，其中过路过桥费共：520元，加油发票共113元。全部发票共有12" +
                  kHint);
}

TEST(Calculate, BadBoxesBecomePinkZerosAndNoTotalChanges)
{
    ReceiptSheet sheet;
    FillTypicalPass(sheet);
    Calculate(sheet);  // rows 1, 22, 23 green
    sheet.SetText(Count(3), "");
    sheet.SetText(Face(7), "abc");
    sheet.SetText(Count(7), "2");
    sheet.TakeWrites();

    const Message message = Calculate(sheet);
    EXPECT_EQ(message.title, "发现错误");
    EXPECT_EQ(message.text, kInvalid);
    EXPECT_EQ(Results(sheet), "316.5|6|260|56.5");
    EXPECT_EQ(sheet.Text(Count(3)), "0");
    EXPECT_EQ(sheet.Text(Face(7)), "0");
    EXPECT_EQ(sheet.Text(Count(7)), "2");
    EXPECT_EQ(sheet.Colour(Count(3)), BackColour::ErrorPink);
    EXPECT_EQ(sheet.Colour(Face(7)), BackColour::ErrorPink);
    EXPECT_EQ(sheet.Colour(Face(3)), BackColour::White);
    EXPECT_EQ(sheet.Colour(Count(7)), BackColour::White);
    EXPECT_EQ(sheet.Colour(Face(1)), BackColour::CountedGreen);  // other rows keep their colours
    EXPECT_EQ(sheet.Colour(Face(6)), BackColour::CommonGrey);
    // The line still tells what the result fields hold.
    EXPECT_EQ(sheet.PreviousTotals(), "相加上次数据，总金额316.5元；共6张；总路费260元；总油费56.5元；");

    const Writes writes = sheet.TakeWrites();
    EXPECT_TRUE(writes.HasText(Count(3)));
    EXPECT_TRUE(writes.HasText(Face(7)));
    EXPECT_FALSE(writes.HasText(Count(7)));
    EXPECT_FALSE(writes.HasColour(Face(1)));
    EXPECT_FALSE(writes.HasResult(ResultField::Output1));
}

TEST(Calculate, EveryBadBoxIsMarkedInOnePass)
{
    ReceiptSheet sheet;
    for (int row = 0; row < kRowCount; ++row) {
        sheet.SetText(Face(row), row % 2 == 0 ? "x" : "5");
        sheet.SetText(Count(row), row % 3 == 0 ? " " : "1");
    }
    EXPECT_EQ(Calculate(sheet).text, kInvalid);
    for (int row = 0; row < kRowCount; ++row) {
        EXPECT_EQ(sheet.Colour(Face(row)) == BackColour::ErrorPink, row % 2 == 0) << row;
        EXPECT_EQ(sheet.Colour(Count(row)) == BackColour::ErrorPink, row % 3 == 0) << row;
    }
    // Once repaired by the failure, the next pass succeeds and clears the marks.
    EXPECT_EQ(Calculate(sheet).title, "计算结果");
    EXPECT_EQ(sheet.Colour(Face(0)), BackColour::White);
}

TEST(Calculate, RowArithmetic)
{
    struct Case {
        const char* name;
        int row;
        std::string face;
        std::string count;
        int fuelMark;
        std::string results;
        bool green;
    };
    const Case cases[] = {
        {"face rounds half away from zero", 0, "2.555", "2", 0, "5.12|2|5.12|0", true},
        {"face 2.675 is 2.68", 0, "2.675", "1", 0, "2.68|1|2.68|0", true},
        {"count 2.5 adds 2 sheets", 15, "10", "2.5", 0, "25|2|25|0", true},
        {"zero face adds nothing", 14, "0", "5", 0, "0|0|0|0", false},
        {"negative count subtracts", 6, "5", "-2", 0, "-10|-2|-10|0", false},
        {"negative face adds no sheets", 0, "-5", "2", 0, "-10|0|-10|0", false},
        {"fuel row goes to the fuel total", 2, "150", "1", 1, "150|1|0|150", true},
        {"tiny count adds money but is not green", 0, "1", "0.001", 0, "0.001|0|0.001|0", false},
        {"count is taken at full precision", 0, "1", "0.125", 0, "0.125|0|0.125|0", true},
        {"blanks around numbers", 0, " 3 ", "\t2", 0, "6|2|6|0", true},
        {"5. and .5", 0, "5.", ".5", 0, "2.5|0|2.5|0", true},
        {"plus sign", 0, "+4", "+1", 0, "4|1|4|0", true},
        {"face rounding to zero adds no sheets", 0, "0.004", "3", 0, "0|0|0|0", false},
    };
    for (const Case& c : cases) {
        ReceiptSheet sheet;
        sheet.SetText(Face(c.row), c.face);
        sheet.SetText(Count(c.row), c.count);
        sheet.SetFuelMark(c.row, c.fuelMark);
        EXPECT_EQ(Calculate(sheet).title, "计算结果") << c.name;
        EXPECT_EQ(Results(sheet), c.results) << c.name;
        EXPECT_EQ(sheet.Colour(Face(c.row)) == BackColour::CountedGreen, c.green) << c.name;
        EXPECT_EQ(sheet.Colour(Count(c.row)) == BackColour::CountedGreen, c.green) << c.name;
    }
}

TEST(Calculate, SheetTotalIsRoundedAfterEveryRow)
{
    ReceiptSheet sheet;
    sheet.SetText(Count(15), "2.5");  // 0 + 2.5 -> 2
    sheet.SetText(Count(18), "2.5");  // 2 + 2.5 -> 4, never 5
    Calculate(sheet);
    EXPECT_EQ(Results(sheet), "62.5|4|62.5|0");
}

TEST(Calculate, PreviousTotalsAreReadFromTheResultFields)
{
    ReceiptSheet sheet;
    SetResults(sheet, "x", "2.5", "0.125", "");
    Calculate(sheet);
    // A letter counts as 0, 2.5 sheets are 2, 0.125 is taken as 0.13.
    EXPECT_EQ(Results(sheet), "0|2|0.13|0");
    EXPECT_EQ(sheet.PreviousTotals(), "相加上次数据，共2张；总路费0.13元；");
}

TEST(Calculate, PreviousTotalsLineHasOnlyTotalsAboveZero)
{
    struct Case {
        std::string money, sheets, toll, fuel, line;
    };
    const Case cases[] = {
        {"0", "0", "0", "0", ""},
        {"-5", "-3", "-1", "-0.001", ""},
        {"0", "0", "0", "7.5", "相加上次数据，总油费7.5元；"},
        {"0.004", "0.4", "0", "0", ""},
        {"50", "0", "0", "0", "相加上次数据，总金额50元；"},
        {"1.005", "3", "1.005", "0", "相加上次数据，总金额1.01元；共3张；总路费1.01元；"},
    };
    for (const Case& c : cases) {
        ReceiptSheet sheet;
        SetResults(sheet, c.money, c.sheets, c.toll, c.fuel);
        Calculate(sheet);
        EXPECT_EQ(sheet.PreviousTotals(), c.line) << c.money << " " << c.sheets << " " << c.toll << " " << c.fuel;
    }
}

TEST(Calculate, FailedPassStillShowsThePreviousTotals)
{
    ReceiptSheet sheet;
    SetResults(sheet, "50", "0", "0", "zz");
    sheet.SetText(Count(0), "a");
    EXPECT_EQ(Calculate(sheet).text, kInvalid);
    EXPECT_EQ(sheet.PreviousTotals(), "相加上次数据，总金额50元；");
    EXPECT_EQ(Results(sheet), "50|0|0|0");
}

TEST(Calculate, MoneyStaysTollPlusFuel)
{
    ReceiptSheet sheet;
    sheet.SetText(Face(14), "0.1");
    sheet.SetText(Face(17), "0.2");
    sheet.SetFuelMark(17, 1);
    Calculate(sheet);
    EXPECT_EQ(Results(sheet), "0.3|2|0.1|0.2");
}

TEST(Calculate, LargeTotalsAreWrittenInPlainDigitsAndReadBackUnchanged)
{
    ReceiptSheet sheet;
    SetResults(sheet, "999999999999999", "0", "999999999999999", "0");
    sheet.SetText(Face(14), "1");
    Calculate(sheet);
    EXPECT_EQ(Results(sheet), "1000000000000000|1|1000000000000000|0");
    sheet.SetText(Count(14), "0");
    Calculate(sheet);
    EXPECT_EQ(Results(sheet), "1000000000000000|1|1000000000000000|0");
}

struct OutOfRangeCase {
    const char* name;
    int row;
    std::string face;
    std::string count;
    std::string previousSheets;
    std::string previousMoney;
};

void PrintTo(const OutOfRangeCase& c, std::ostream* out) { *out << c.name; }

class CalculateOutOfRange : public testing::TestWithParam<OutOfRangeCase> {};

TEST_P(CalculateOutOfRange, WritesNothingButTheRepair)
{
    const OutOfRangeCase& c = GetParam();
    ReceiptSheet sheet;
    SetResults(sheet, c.previousMoney, c.previousSheets, "bad", "4");
    sheet.SetText(Face(c.row), c.face);
    sheet.SetText(Count(c.row), c.count);
    sheet.SetText(Count(0), "abc");  // a bad box elsewhere is not marked either
    sheet.TakeWrites();

    const Message message = Calculate(sheet);
    EXPECT_EQ(message.title, "发现错误");
    EXPECT_EQ(message.text, kOutOfRange);
    EXPECT_EQ(sheet.Result(ResultField::Output1), c.previousMoney);
    EXPECT_EQ(sheet.Result(ResultField::Output2), c.previousSheets);
    EXPECT_EQ(sheet.Result(ResultField::Road1), "0");  // repaired
    EXPECT_EQ(sheet.Result(ResultField::O1), "4");
    EXPECT_EQ(sheet.Text(Count(0)), "abc");
    EXPECT_EQ(sheet.Text(Face(c.row)), c.face);

    const Writes writes = sheet.TakeWrites();
    for (int row = 0; row < kRowCount; ++row) {
        EXPECT_FALSE(writes.HasText(Face(row)) || writes.HasText(Count(row))) << row;
        EXPECT_FALSE(writes.HasColour(Face(row)) || writes.HasColour(Count(row))) << row;
    }
    EXPECT_TRUE(writes.HasResult(ResultField::Road1));
    EXPECT_FALSE(writes.HasResult(ResultField::Output1));
    EXPECT_FALSE(writes.HasResult(ResultField::Output2));
}

const std::string k400Digits(400, '9');

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculateOutOfRange,
    testing::Values(OutOfRangeCase{"count_over_16_bits", 15, "10", "32768", "0", "0"},
                    OutOfRangeCase{"sum_over_16_bits", 15, "10", "2", "32766", "0"},
                    OutOfRangeCase{"sum_under_16_bits", 15, "10", "-2", "-32767", "0"},
                    OutOfRangeCase{"half_rounds_over", 15, "10", "0.5", "32767", "0"},
                    OutOfRangeCase{"previous_sheets_over", 15, "10", "1", "32768", "0"},
                    OutOfRangeCase{"previous_sheets_under", 15, "10", "1", "-32769", "0"},
                    OutOfRangeCase{"count_of_400_digits", 15, "10", k400Digits, "0", "0"},
                    OutOfRangeCase{"zero_face_times_400_digits", 14, "0", k400Digits, "0", "0"},
                    OutOfRangeCase{"face_of_400_digits", 14, k400Digits, "1", "0", "0"},
                    OutOfRangeCase{"product_beyond_double", 14, "1" + std::string(300, '0'), "-1" + std::string(10, '0'),
                                   "0", "0"},
                    OutOfRangeCase{"sum_beyond_double", 14, "1" + std::string(308, '0'), "1", "0",
                                   "1" + std::string(308, '0')},
                    OutOfRangeCase{"previous_money_of_400_digits", 14, "0", "1", "0", k400Digits},
                    OutOfRangeCase{"previous_money_at_the_double_maximum", 14, "0", "1", "0",
                                   "179769313486231570" + std::string(291, '0')},
                    OutOfRangeCase{"sum_just_past_the_largest_amount", 14, "1" + std::string(294, '0'), "1", "0",
                                   "179769313486231" + std::string(294, '0')}),
    [](const testing::TestParamInfo<OutOfRangeCase>& info) { return info.param.name; });

TEST(Calculate, SixteenBitLimitsThemselvesAreFine)
{
    ReceiptSheet sheet;
    SetResults(sheet, "0", "32766", "0", "0");
    sheet.SetText(Count(15), "1");
    EXPECT_EQ(Calculate(sheet).title, "计算结果");
    EXPECT_EQ(sheet.Result(ResultField::Output2), "32767");

    SetResults(sheet, "0", "-32767", "0", "0");
    sheet.SetText(Count(15), "-1");
    EXPECT_EQ(Calculate(sheet).title, "计算结果");
    EXPECT_EQ(sheet.Result(ResultField::Output2), "-32768");
}

TEST(Calculate, OutOfRangeKeepsTheRebuiltPreviousTotalsLine)
{
    ReceiptSheet sheet;
    SetResults(sheet, "50", "3", "0", "0");
    sheet.SetText(Count(15), "40000");
    EXPECT_EQ(Calculate(sheet).text, kOutOfRange);
    EXPECT_EQ(sheet.PreviousTotals(), "相加上次数据，总金额50元；共3张；");
}

TEST(Calculate, NeverTouchesFuelMarks)
{
    ReceiptSheet sheet;
    sheet.SetFuelMark(2, 1);
    sheet.SetText(Face(3), "bad");
    sheet.TakeWrites();
    Calculate(sheet);
    FillTypicalPass(sheet);
    sheet.TakeWrites();
    Calculate(sheet);
    const Writes writes = sheet.TakeWrites();
    for (int row = 0; row < kRowCount; ++row) EXPECT_FALSE(writes.HasFuelMark(row)) << row;
    EXPECT_EQ(sheet.FuelMark(2), 1);
}

TEST(Calculate, SeveralPassesWithBothResetsInBetween)
{
    ReceiptSheet sheet;
    sheet.SetText(Count(22), "1");  // 100 in 1 sheet
    sheet.SetText(Face(6), "-5");
    sheet.SetText(Count(6), "-4");  // -5 x -4 = 20, no sheets since the face is negative
    sheet.SetText(Count(7), "4");   // 30 x 4 = 120 in 4 sheets
    Calculate(sheet);
    EXPECT_EQ(Results(sheet), "240|5|240|0");

    FirstStepReset(sheet);
    sheet.SetText(Count(1), "1");
    sheet.SetText(Face(23), "12.34");
    sheet.SetFuelMark(23, 1);
    Calculate(sheet);
    EXPECT_EQ(Results(sheet), "272.34|7|260|12.34");
    EXPECT_EQ(sheet.PreviousTotals(), "相加上次数据，总金额240元；共5张；总路费240元；");

    FullReset(sheet);
    sheet.SetText(Count(0), "7");
    Calculate(sheet);
    EXPECT_EQ(Results(sheet), "7|7|7|0");  // the free rows are back to face value 0
    EXPECT_EQ(sheet.PreviousTotals(), "");
}

}  // namespace
}  // namespace ledger
