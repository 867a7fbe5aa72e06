#include "ledger/number_rules.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>

#include "ledger/characters.h"
#include "sheet_script.h"

namespace ledger {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberRules, NumericTest)
{
    for (const char* text : {"5", "5.", ".5", "-3", "+3", "007", "_12_", "\t12\t", "-0", "-.5", "+5.", "9^40"}) {
        EXPECT_TRUE(IsNumeric(Expand(text))) << text;
    }
    for (const char* text : {"", "_", ".", "-", "+", "-.", "abc", "1a", "1.2.3", "56.5.", "1e3", "1,000", "--5", "+-5",
                             "-_5", "5-", "1_2", "５", "¥5", "0x10", "inf", "nan", "\n5", "5元"}) {
        EXPECT_FALSE(IsNumeric(Expand(text))) << text;
    }
}

TEST(NumberRules, TwoPlaceValueRoundsHalfAwayFromZeroOnTheDigits)
{
    const std::pair<const char*, double> cases[] = {
        {"2.555", 2.56}, {"2.675", 2.68}, {"1.005", 1.01}, {"-0.125", -0.13}, {"-2.675", -2.68}, {"2.554", 2.55},
        {"2.5549", 2.55}, {"0.999", 1.0}, {"99.999", 100.0}, {"0.0049999", 0.0}, {".5", 0.5}, {"000012.50", 12.5},
        {"12345678901234.565", 12345678901234.57}, {"9^400", kInf}, {"-9^400", -kInf}, {"0.9^400", 1.0},
        {"10^308", 1e308}, {"-0.004", 0.0}, {"-0", 0.0},
    };
    for (const auto& [text, value] : cases) {
        const double got = TwoPlaceValue(*ParseDecimal(Expand(text)));
        EXPECT_EQ(got, value) << text;
        EXPECT_FALSE(got == 0 && std::signbit(got)) << text << " gives -0";
    }
}

TEST(NumberRules, CountValueKeepsFullPrecisionWhateverTheLocale)
{
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    const bool commaLocale = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const std::pair<const char*, double> cases[] = {
        {"0.125", 0.125}, {"2.5", 2.5}, {"-2", -2.0}, {"0.001", 0.001}, {"0.1", 0.1}, {"9^400", kInf},
        {"0.0^400", 0.0}, {"-0", 0.0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(CountValue(*ParseDecimal(Expand(text))), value) << text;
    const std::string amount = AmountText(1234.5);
    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previous);
    EXPECT_TRUE(commaLocale) << "no German locale installed (locales-all)";
    EXPECT_EQ(amount, "1234.5");
}

TEST(NumberRules, AmountTextIsPlainAndReadsBack)
{
    const std::pair<double, const char*> cases[] = {
        {316.5, "316.5"}, {0, "0"}, {-0.0, "0"}, {0.1 + 0.2, "0.3"}, {-10, "-10"}, {1e15, "10^15"},
        {123456789012345678.0, "1234567890123460^3"}, {0.0000001, "0.0000001"}, {-0.0000001, "-0.0000001"},
        {2.0 / 3.0, "0.666666666666667"}, {12345678901234.56, "12345678901234.6"}, {99999999999999.99, "10^14"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(AmountText(value), Expand(text)) << value;
    for (const double value : {1e300, kLargestAmount, -kLargestAmount, 5e-324}) {
        const std::string text = AmountText(value);
        EXPECT_EQ(AmountText(CountValue(*ParseDecimal(text))), text) << value;
    }
    EXPECT_FALSE(IsWithinAmountRange(std::numeric_limits<double>::max()));
    EXPECT_FALSE(IsWithinAmountRange(std::nan("")));
}

TEST(NumberRules, SheetTotalsRoundHalfToEvenWithinSixteenBits)
{
    const std::pair<const char*, std::optional<std::int16_t>> cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"2.5000001", 3}, {"2.49999", 2}, {"-0.4", 0}, {"32767.4", 32767},
        {"32767.5", std::nullopt}, {"-32768.5", -32768}, {"-32768.6", std::nullopt}, {"9^400", std::nullopt},
    };
    for (const auto& [text, sheets] : cases) EXPECT_EQ(SheetTotalFromText(*ParseDecimal(Expand(text))), sheets) << text;
    EXPECT_EQ(AddCount(2, 2.5), 4);
    EXPECT_EQ(AddCount(32767, 0.5), std::nullopt);
    EXPECT_EQ(AddCount(-32768, -0.5), -32768);
    EXPECT_EQ(AddCount(0, kInf), std::nullopt);
    EXPECT_EQ(AddCount(0, std::nan("")), std::nullopt);
}

TEST(NumberRules, CharactersAreCodePoints)
{
    const std::pair<const char*, std::size_t> cases[] = {
        {"56.5", 4}, {"a面b", 3}, {"😀1", 2}, {"\xE9", 1}, {"\x80\x80", 2}, {"\xE9\x9D", 2}, {"\xC0\xAF", 2},
        {"\xE4" "AB", 3},
    };
    for (const auto& [text, count] : cases) EXPECT_EQ(CharCount(text), count) << text;
    EXPECT_EQ(ByteOffset("1面2", 2), 4u);
    EXPECT_EQ(ByteOffset("1面2", 99), 5u);
}

}  // namespace
}  // namespace ledger
