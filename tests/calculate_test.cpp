// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/calculate.h"

#include <gtest/gtest.h>

#include <functional>

#include "sheet_script.h"

namespace ledger {
namespace {

const std::string kHint =
    "张！(提示，如果您还有填不下的发票要加进去，请不要点下面的“全部重置”，点上面第一步的“重置”，"
    "再填写其它发票的面值和数量，再点计算得到的结果会把上次的结果也相加起来。相反，进行全新的计算，要“全部重置”)";
const Message kInvalid{
    "发现错误", "系统提示：您的输入有误，所有的输入框内必须全部输入数字，有问题的输入已置零，背景变为粉红色，请检查！"};
const Message kOutOfRange{
    "发现错误",
    "系统提示：数值超出计算范围，发票张数须在-32768到32767之间，金额不能过大，本次计算未生效，请检查输入！"};
constexpr const char* kTypicalLine = "相加上次数据，总金额316.5元；共6张；总路费260元；总油费56.5元；";

// The boxes for which `holds` holds, row by row, as "f3 c7" (f: the face value, c: the count).
std::string Boxes(const std::function<bool(BoxId)>& holds)
{
    std::string boxes;
    for (int row = 0; row < kRowCount; ++row) {
        for (const BoxId box : {Face(row), Count(row)}) {
            if (holds(box)) boxes += (box.kind == BoxKind::Face ? " f" : " c") + std::to_string(row);
        }
    }
    return boxes.empty() ? boxes : boxes.substr(1);
}

// A calculation that adds: the result fields and line after it, the boxes it paints green; it says so, changes no text.
struct Sum {
    const char *name, *script, *results, *line, *green;
};
const Sum kSums[] = {
    {"nothing entered", "", "0|0|0|0", "", ""},
    {"the typical pass: 3 × 20 yuan, 2 × 100 yuan, 56.5 yuan of fuel", "c1=3 c22=2 f23=56.5 t23", "316.5|6|260|56.5",
     "", "f1 c1 f22 c22 f23 c23"},
    {"the typical pass twice", "c1=3 c22=2 f23=56.5 t23 calc", "633|12|520|113", kTypicalLine, "f1 c1 f22 c22 f23 c23"},
    {"numbers as written", "f0=5. f1=.5 f2=-3 f3=+3 f4=007 f5=_12_ f6=-0 f7=-.5 f8=+5. f9=9^40", "0|0|0|0", "", ""},
    {"a face value to two places", "f0=2.555 c0=2", "5.12|2|5.12|0", "", "f0 c0"},
    {"half counts", "c15=2.5 c18=2.5", "62.5|4|62.5|0", "", "f15 c15 f18 c18"},
    {"a free row at 0 yuan", "f14=0 c14=5", "0|0|0|0", "", ""},
    {"a negative count", "c6=-2", "-10|-2|-10|0", "", ""},
    {"a negative face value", "f0=-5 c0=2", "-10|0|-10|0", "", ""},
    {"a fuel row", "c2=1 t2", "150|1|0|150", "", "f2 c2"},
    {"a count below a cent", "c0=0.001", "0.001|0|0.001|0", "", ""},
    {"a count of an eighth", "c0=0.125", "0.125|0|0.125|0", "", "f0 c0"},
    {"a face value below a cent", "f0=0.004 c0=3", "0|0|0|0", "", ""},
    {"previous totals to two places", "r=x|2.5|0.125|", "0|2|0.13|0", "相加上次数据，共2张；总路费0.13元；", ""},
    {"negative previous totals", "r=-5|-3|-1|-0.001", "-5|-3|-1|0", "", ""},
    {"a sheet total rounded up", "r=0|3.5|0|0", "0|4|0|0", "相加上次数据，共4张；", ""},
    {"a sheet total just above a half", "r=0|2.5000001|0|0", "0|3|0|0", "相加上次数据，共3张；", ""},
    {"the lowest sheet total", "r=0|-32768.5|0|0", "0|-32768|0|0", "", ""},
    {"a previous fuel total", "r=0|1|0|7.5", "0|1|0|7.5", "相加上次数据，共1张；总油费7.5元；", ""},
    {"previous money to two places", "r=1.005|3|1.005|0", "1.01|3|1.01|0",
     "相加上次数据，总金额1.01元；共3张；总路费1.01元；", ""},
    {"15 digits", "r=9^15|0|9^15|0 f14=1", "10^15|1|10^15|0",
     "相加上次数据，总金额999999999999999元；总路费999999999999999元；", "f14 c14"},
    {"common rows after a failure", "c5=1 c6=1 c9=1 c11=1 c15=1 calc c5=0 c6=0 c9=0 c11=0 c15=0 f5=x f9=y calc",
     "477|5|477|0", "相加上次数据，总金额477元；共5张；总路费477元；", ""},
    {"after a first-step reset", "c22=1 f6=-5 c6=-4 c7=4 calc reset c1=1 f23=12.34 t23", "272.34|7|260|12.34",
     "相加上次数据，总金额240元；共5张；总路费240元；", "f1 c1 f23 c23"},
    {"the highest sheet total", "r=0|32766|0|0 c15=1", "10|32767|10|0", "相加上次数据，共32766张；", "f15 c15"},
    {"the lowest sheet total reached", "r=0|-32767|0|0 c15=-1", "-10|-32768|-10|0", "", ""},
};

TEST(Calculate, Sums)
{
    for (const Sum& sum : kSums) {
        SCOPED_TRACE(sum.name);
        ReceiptSheet sheet;
        RunScript(sheet, sum.script);
        const ReceiptSheet before = sheet;
        const Message message = Calculate(sheet);
        const auto green = [&sheet](BoxId box) { return sheet.Colour(box) == BackColour::CountedGreen; };
        const auto changed = [&](BoxId box) { return sheet.Text(box) != before.Text(box); };
        EXPECT_EQ(std::tuple(Results(sheet), sheet.PreviousTotals(), Boxes(green), Boxes(changed)),
                  std::tuple(Expand(sum.results), Expand(sum.line), std::string(sum.green), std::string()));
        using enum ResultField;
        EXPECT_EQ(message,
                  (Message{"计算结果", "系统提示：恭喜，算出发票金额共：" + sheet.Result(Output1) +
                                           "元，其中过路过桥费共：" + sheet.Result(Road1) + "元，加油发票共" +
                                           sheet.Result(O1) + "元。全部发票共有" + sheet.Result(Output2) + kHint}));
    }
}

// One that adds nothing: the fields and line after it; bad input sets the boxes listed pink and "0", and no other.
struct Refusal {
    const char *name, *script, *results, *line, *pink;
    const Message& message;
};
const Refusal kRefusals[] = {
    {"after the typical pass", "c1=3 c22=2 f23=56.5 t23 calc c3= f7=abc c7=2", "316.5|6|260|56.5", kTypicalLine,
     "c3 f7", kInvalid},
    {"letters and blanks", "f0=x c0=_ f1=1.2.3 c2=1e3 f3=5元 c4=-", "0|0|0|0", "", "f0 c0 f1 c2 f3 c4", kInvalid},
    {"signs and points", "f0= f1=. f2=+ f3=-. f4=1a f5=56.5. f6=1,000 f7=--5 f8=+-5", "0|0|0|0", "",
     "f0 f1 f2 f3 f4 f5 f6 f7 f8", kInvalid},
    {"not numbers as written", "c0=-_5 c1=5- c2=1_2 c3=５ c4=¥5 c5=0x10 c6=inf c7=nan", "0|0|0|0", "",
     "c0 c1 c2 c3 c4 c5 c6 c7", kInvalid},
    {"a bad previous total", "r=50|0|0|zz c0=a", "50|0|0|0", "相加上次数据，总金额50元；", "c0", kInvalid},
    {"a sheet total above range", "r=0|32767.5|0|0", "0|32767.5|0|0", "", "", kOutOfRange},
    {"a sheet total below range", "r=0|-32768.6|0|0", "0|-32768.6|0|0", "", "", kOutOfRange},
    {"a count above range, before bad input", "c15=32768 c0=abc", "0|0|0|0", "", "", kOutOfRange},
    {"a sheet total that would pass the top", "r=0|32766|bad|0 c15=2", "0|32766|0|0", "相加上次数据，共32766张；", "",
     kOutOfRange},
    {"a sheet total that would pass the bottom", "r=0|-32767|0|0 c15=-2", "0|-32767|0|0", "", "", kOutOfRange},
    {"half a receipt at the top", "r=0|32767|0|0 c15=0.5", "0|32767|0|0", "相加上次数据，共32767张；", "", kOutOfRange},
    {"a previous sheet total of 40000", "r=50|0|0|0 calc r=0|40000|0|0", "0|40000|0|0", "相加上次数据，总金额50元；",
     "", kOutOfRange},
    {"a count of 400 digits", "f14=0 c14=9^400", "0|0|0|0", "", "", kOutOfRange},
    {"a face value of 400 digits", "f14=9^400", "0|0|0|0", "", "", kOutOfRange},
    {"a product beyond doubles", "f14=10^300 c14=-10^10", "0|0|0|0", "", "", kOutOfRange},
    {"previous money beyond doubles", "r=1797693134862315700^291|0|0|0", "1797693134862315700^291|0|0|0", "", "",
     kOutOfRange},
    {"a previous fuel total beyond doubles", "r=0|0|0|1797693134862315700^291", "0|0|0|1797693134862315700^291", "", "",
     kOutOfRange},
    {"a sum beyond doubles", "r=1797693134862310^294|0|0|0 f14=10^294", "1797693134862310^294|0|0|0",
     "相加上次数据，总金额1797693134862310^294元；", "", kOutOfRange},
};

TEST(Calculate, Refusals)
{
    for (const Refusal& refusal : kRefusals) {
        SCOPED_TRACE(refusal.name);
        ReceiptSheet sheet;
        RunScript(sheet, refusal.script);
        (void)sheet.TakeWrites();
        EXPECT_EQ(Calculate(sheet), refusal.message);
        const Writes writes = sheet.TakeWrites();
        const auto written = [&writes](BoxId box) { return writes.HasColour(box) || writes.HasText(box); };
        const auto pink = [&sheet](BoxId box) { return sheet.Colour(box) == BackColour::ErrorPink; };
        const auto notZero = [&](BoxId box) { return written(box) && sheet.Text(box) != "0"; };
        EXPECT_EQ(std::tuple(Results(sheet), sheet.PreviousTotals(), Boxes(written), Boxes(pink), Boxes(notZero)),
                  std::tuple(Expand(refusal.results), Expand(refusal.line), std::string(refusal.pink),
                             std::string(refusal.pink), std::string()));
    }
}

// Both resets put the rows back as they start (the free rows 14, 17, 20, 23 "0" with a count of "1", the common
// face values grey, every other box white), marks kept; the first-step reset keeps the result fields and the
// previous-totals line, the full reset sets the fields to "0".
TEST(Calculate, Resets)
{
    const char* const faces[] = {"1", "20", "150", "2",  "25", "180", "5",  "30", "200", "7",  "35",  "275",
                                 "8", "40", "0",   "10", "45", "0",   "15", "50", "0",   "18", "100", "0"};
    const std::string counts = "000000000000001001001001", line = "相加上次数据，总金额60元；共3张；总路费60元；";
    for (const auto& [reset, results, said] :
         {std::tuple(&FirstStepReset, "60|3|60|0", "系统提示：成功，已把第一步里所有数据重置！"),
          std::tuple(&FullReset, "0|0|0|0", "系统提示：成功，已把所有数据及程序变量重置！")}) {
        ReceiptSheet sheet;
        RunScript(sheet, "c1=3 t5 calc f0=x calc c3=2 t7");
        EXPECT_EQ(reset(sheet), (Message{"重置第一步数据", said}));
        EXPECT_EQ(std::pair(Results(sheet), sheet.PreviousTotals()), std::pair(std::string(results), line));
        for (int row = 0; row < kRowCount; ++row) {
            EXPECT_EQ(std::tuple(sheet.Text(Face(row)), sheet.Text(Count(row)), sheet.FuelMark(row)),
                      std::tuple(std::string(faces[row]), counts.substr(row, 1), row == 5 || row == 7 ? 1 : 0));
        }
        const auto grey = [&sheet](BoxId box) { return sheet.Colour(box) == BackColour::CommonGrey; };
        const auto white = [&sheet](BoxId box) { return sheet.Colour(box) == BackColour::White; };
        EXPECT_EQ(std::pair(Boxes(grey), Boxes([&](BoxId box) { return !grey(box) && !white(box); })),
                  std::pair(std::string("f5 f6 f9 f11 f15"), std::string()));  // no green, no pink
    }
    ReceiptSheet carried;  // the random user tells sheets apart by their previous-totals line too
    carried.SetPreviousTotals("x");
    EXPECT_NE(carried, ReceiptSheet());
}

}  // namespace
}  // namespace ledger
