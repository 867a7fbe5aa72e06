// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/calculate.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "sheet_script.h"

namespace ledger {
namespace {

const std::string kHint =
    "张！(提示，如果您还有填不下的发票要加进去，请不要点下面的“全部重置”，点上面第一步的“重置”，"
    "再填写其它发票的面值和数量，再点计算得到的结果会把上次的结果也相加起来。相反，进行全新的计算，要“全部重置”)";
const std::string kInvalid =
    "系统提示：您的输入有误，所有的输入框内必须全部输入数字，有问题的输入已置零，背景变为粉红色，请检查！";
const std::string kOutOfRange =
    "系统提示：数值超出计算范围，发票张数须在-32768到32767之间，金额不能过大，本次计算未生效，请检查输入！";
constexpr const char* kTypicalLine = "相加上次数据，总金额316.5元；共6张；总路费260元；总油费56.5元；";
// The face values as the rows start and a reset leaves them; the free rows' counts are "1", the others' "0".
const char* const kFaces[] = {"1", "20", "150", "2",  "25", "180", "5",  "30", "200", "7",  "35",  "275",
                              "8", "40", "0",   "10", "45", "0",   "15", "50", "0",   "18", "100", "0"};
const std::set<int> kFreeRows{14, 17, 20, 23}, kCommonRows{5, 6, 9, 11, 15};  // the common ones on grey

// The sheet before, the result fields and previous-totals line after, the outcome (R result, I invalid input, O out
// of range; F, A the first-step, full reset instead) and what it marked: R the rows green, I the boxes pink.
struct Pass {
    const char *script, *results, *line;
    char outcome;
    const char* marked;
};

const Pass kPasses[] = {
    {"", "0|0|0|0", "", 'R', ""},
    {"c1=3 c22=2 f23=56.5 t23", "316.5|6|260|56.5", "", 'R', "1 22 23"},
    {"c1=3 c22=2 f23=56.5 t23 calc", "633|12|520|113", kTypicalLine, 'R', "1 22 23"},
    {"c1=3 c22=2 f23=56.5 t23 calc c3= f7=abc c7=2", "316.5|6|260|56.5", kTypicalLine, 'I', "c3 f7"},
    {"f0=x c0=_ f1=1.2.3 c2=1e3 f3=5元 c4=-", "0|0|0|0", "", 'I', "f0 c0 f1 c2 f3 c4"},
    {"f0= f1=. f2=+ f3=-. f4=1a f5=56.5. f6=1,000 f7=--5 f8=+-5", "0|0|0|0", "", 'I', "f0 f1 f2 f3 f4 f5 f6 f7 f8"},
    {"c0=-_5 c1=5- c2=1_2 c3=５ c4=¥5 c5=0x10 c6=inf c7=nan", "0|0|0|0", "", 'I', "c0 c1 c2 c3 c4 c5 c6 c7"},
    {"f0=5. f1=.5 f2=-3 f3=+3 f4=007 f5=_12_ f6=-0 f7=-.5 f8=+5. f9=9^40", "0|0|0|0", "", 'R', ""},
    {"f0=2.555 c0=2", "5.12|2|5.12|0", "", 'R', "0"},
    {"c15=2.5 c18=2.5", "62.5|4|62.5|0", "", 'R', "15 18"},
    {"f14=0 c14=5", "0|0|0|0", "", 'R', ""},
    {"c6=-2", "-10|-2|-10|0", "", 'R', ""},
    {"f0=-5 c0=2", "-10|0|-10|0", "", 'R', ""},
    {"c2=1 t2", "150|1|0|150", "", 'R', "2"},
    {"c0=0.001", "0.001|0|0.001|0", "", 'R', ""},
    {"c0=0.125", "0.125|0|0.125|0", "", 'R', "0"},
    {"f0=0.004 c0=3", "0|0|0|0", "", 'R', ""},
    {"r=x|2.5|0.125|", "0|2|0.13|0", "相加上次数据，共2张；总路费0.13元；", 'R', ""},
    {"r=-5|-3|-1|-0.001", "-5|-3|-1|0", "", 'R', ""},
    {"r=0|3.5|0|0", "0|4|0|0", "相加上次数据，共4张；", 'R', ""},
    {"r=0|2.5000001|0|0", "0|3|0|0", "相加上次数据，共3张；", 'R', ""},
    {"r=0|32767.5|0|0", "0|32767.5|0|0", "", 'O', ""},
    {"r=0|-32768.5|0|0", "0|-32768|0|0", "", 'R', ""},
    {"r=0|-32768.6|0|0", "0|-32768.6|0|0", "", 'O', ""},
    {"r=0|1|0|7.5", "0|1|0|7.5", "相加上次数据，共1张；总油费7.5元；", 'R', ""},
    {"r=1.005|3|1.005|0", "1.01|3|1.01|0", "相加上次数据，总金额1.01元；共3张；总路费1.01元；", 'R', ""},
    {"r=50|0|0|zz c0=a", "50|0|0|0", "相加上次数据，总金额50元；", 'I', "c0"},
    {"r=9^15|0|9^15|0 f14=1", "10^15|1|10^15|0", "相加上次数据，总金额999999999999999元；总路费999999999999999元；",
     'R', "14"},
    {"c5=1 c6=1 c9=1 c11=1 c15=1 calc c5=0 c6=0 c9=0 c11=0 c15=0 f5=x f9=y calc", "477|5|477|0",
     "相加上次数据，总金额477元；共5张；总路费477元；", 'R', ""},
    {"c22=1 f6=-5 c6=-4 c7=4 calc reset c1=1 f23=12.34 t23", "272.34|7|260|12.34",
     "相加上次数据，总金额240元；共5张；总路费240元；", 'R', "1 23"},
    {"r=0|32766|0|0 c15=1", "10|32767|10|0", "相加上次数据，共32766张；", 'R', "15"},
    {"r=0|-32767|0|0 c15=-1", "-10|-32768|-10|0", "", 'R', ""},
    {"c15=32768 c0=abc", "0|0|0|0", "", 'O', ""},
    {"r=0|32766|bad|0 c15=2", "0|32766|0|0", "相加上次数据，共32766张；", 'O', ""},
    {"r=0|-32767|0|0 c15=-2", "0|-32767|0|0", "", 'O', ""},
    {"r=0|32767|0|0 c15=0.5", "0|32767|0|0", "相加上次数据，共32767张；", 'O', ""},
    {"r=50|0|0|0 calc r=0|40000|0|0", "0|40000|0|0", "相加上次数据，总金额50元；", 'O', ""},
    {"f14=0 c14=9^400", "0|0|0|0", "", 'O', ""},
    {"f14=9^400", "0|0|0|0", "", 'O', ""},
    {"f14=10^300 c14=-10^10", "0|0|0|0", "", 'O', ""},
    {"r=1797693134862315700^291|0|0|0", "1797693134862315700^291|0|0|0", "", 'O', ""},
    {"r=0|0|0|1797693134862315700^291", "0|0|0|1797693134862315700^291", "", 'O', ""},
    {"r=1797693134862310^294|0|0|0 f14=10^294", "1797693134862310^294|0|0|0",
     "相加上次数据，总金额1797693134862310^294元；", 'O', ""},
    {"c1=3 t5 calc f0=x calc c3=2 t7", "60|3|60|0", "相加上次数据，总金额60元；共3张；总路费60元；", 'F', ""},
    {"c1=3 t5 calc f0=x calc c3=2 t7", "0|0|0|0", "相加上次数据，总金额60元；共3张；总路费60元；", 'A', ""},
};

TEST(Calculate, Passes)
{
    for (const Pass& pass : kPasses) {
        SCOPED_TRACE(pass.script);
        ReceiptSheet sheet;
        RunScript(sheet, pass.script);
        const ReceiptSheet before = sheet;
        (void)sheet.TakeWrites();
        const bool failed = pass.outcome == 'I' || pass.outcome == 'O',
                   reset = pass.outcome == 'F' || pass.outcome == 'A';
        const Message message = pass.outcome == 'F'   ? FirstStepReset(sheet)
                                : pass.outcome == 'A' ? FullReset(sheet)
                                                      : Calculate(sheet);
        const Writes writes = sheet.TakeWrites();
        const auto listed = [&pass](const std::string& item) {
            return (' ' + std::string(pass.marked) + ' ').find(' ' + item + ' ') != std::string::npos;
        };
        EXPECT_EQ(std::pair(Results(sheet), sheet.PreviousTotals()),
                  std::pair(Expand(pass.results), Expand(pass.line)));
        const std::string said = "系统提示：恭喜，算出发票金额共：" + sheet.Result(ResultField::Output1) +
                                 "元，其中过路过桥费共：" + sheet.Result(ResultField::Road1) + "元，加油发票共" +
                                 sheet.Result(ResultField::O1) + "元。全部发票共有" +
                                 sheet.Result(ResultField::Output2);
        const std::map<char, Message> messages{
            {'R', {"计算结果", said + kHint}},
            {'I', {"发现错误", kInvalid}},
            {'O', {"发现错误", kOutOfRange}},
            {'F', {"重置第一步数据", "系统提示：成功，已把第一步里所有数据重置！"}},
            {'A', {"重置第一步数据", "系统提示：成功，已把所有数据及程序变量重置！"}}};
        EXPECT_EQ(message, messages.at(pass.outcome));
        for (int row = 0; row < kRowCount; ++row) {
            EXPECT_EQ(sheet.FuelMark(row), before.FuelMark(row));
            for (const BoxId box : {Face(row), Count(row)}) {
                const bool face = box.kind == BoxKind::Face;
                const std::string name = (face ? "f" : "c") + std::to_string(row);
                const bool pink = failed && listed(name);
                const BackColour painted = listed(std::to_string(row))         ? BackColour::CountedGreen
                                           : face && kCommonRows.contains(row) ? BackColour::CommonGrey
                                                                               : BackColour::White;
                const std::string preset = face ? kFaces[row] : kFreeRows.contains(row) ? "1" : "0";
                const BackColour colour = pink ? BackColour::ErrorPink : failed ? before.Colour(box) : painted;
                const std::string text = pink ? "0" : reset ? preset : before.Text(box);
                EXPECT_EQ(std::pair(sheet.Colour(box), sheet.Text(box)), std::pair(colour, text)) << name;
                if (failed) {  // a failure marks the pink boxes and nothing else
                    EXPECT_EQ(writes.HasColour(box) || writes.HasText(box), pink) << name;
                }
            }
        }
    }
}

}  // namespace
}  // namespace ledger
