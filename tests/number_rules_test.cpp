#include "ledger/number_rules.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace ledger {
namespace {

double TwoPlace(std::string_view text) { return TwoPlaceValue(ParseDecimal(text).value()); }
double Count(std::string_view text) { return CountValue(ParseDecimal(text).value()); }

TEST(NumericTest, AcceptsPlainDecimalsOnly)
{
    struct Case {
        std::string_view text;
        bool numeric;
    };
    const Case cases[] = {
        {"5", true},       {"5.", true},        {".5", true},       {"-3", true},        {"+3", true},
        {"0", true},       {"007", true},       {" 12 ", true},     {"\t12\t", true},    {"-0", true},
        {"1234567890123456789012345678901234567890", true},          {"-.5", true},       {"+5.", true},
        {"", false},       {" ", false},        {"   ", false},     {".", false},        {"-", false},
        {"+", false},      {"-.", false},       {"abc", false},     {"1a", false},       {"a1", false},
        {"1.2.3", false},  {"56.5.", false},    {"1e3", false},     {"1E3", false},      {"1,000", false},
        {"--5", false},    {"+-5", false},      {"- 5", false},     {"5-", false},       {"1 2", false},
        {"５", false},     {"１２", false},     {"¥5", false},      {"0x10", false},     {"inf", false},
        {"nan", false},    {"\n5", false},      {"5元", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsNumeric(c.text), c.numeric) << '"' << c.text << '"';
}

TEST(TwoPlaceValue, RoundsHalfAwayFromZeroOnTheDecimalDigits)
{
    struct Case {
        std::string_view text;
        double value;
    };
    const Case cases[] = {
        {"2.555", 2.56},   {"2.675", 2.68},  {"1.005", 1.01},    {"-0.125", -0.13},   {"-2.675", -2.68},
        {"2.554", 2.55},   {"2.5549", 2.55}, {"0.125", 0.13},    {"0.999", 1.0},      {"9.995", 10.0},
        {"99.999", 100.0}, {"0.005", 0.01},  {"0.0049999", 0.0}, {"56.5", 56.5},      {"5.", 5.0},
        {".5", 0.5},       {"20", 20.0},     {"+3.1", 3.1},      {" 7 ", 7.0},        {"000012.50", 12.5},
        {"0.1", 0.1},      {"123456789.015", 123456789.02},
    };
    for (const Case& c : cases) EXPECT_EQ(TwoPlace(c.text), c.value) << c.text;
}

TEST(TwoPlaceValue, IsNeverNegativeZero)
{
    for (const std::string_view text : {"-0.001", "-0", "-0.004", "-.00"}) {
        const double value = TwoPlace(text);
        EXPECT_EQ(value, 0.0) << text;
        EXPECT_FALSE(std::signbit(value)) << text;
    }
}

TEST(TwoPlaceValue, BeyondTheRangeOfADoubleIsInfinite)
{
    const std::string huge(400, '9');
    EXPECT_EQ(TwoPlace(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(TwoPlace("-" + huge), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(TwoPlace("0." + huge), 1.0);
    EXPECT_EQ(TwoPlace("1" + std::string(308, '0')), 1e308);
}

TEST(CountValue, KeepsFullPrecision)
{
    EXPECT_EQ(Count("0.125"), 0.125);
    EXPECT_EQ(Count("2.5"), 2.5);
    EXPECT_EQ(Count("-2"), -2.0);
    EXPECT_EQ(Count("0.001"), 0.001);
    EXPECT_EQ(Count("5."), 5.0);
    EXPECT_EQ(Count(".5"), 0.5);
    EXPECT_EQ(Count("0.1"), 0.1);
    EXPECT_FALSE(std::signbit(Count("-0")));
    EXPECT_EQ(Count(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Count("0." + std::string(400, '0') + "1"), 0.0);
}

// A locale whose decimal point is a comma, for the C++ side of the library.
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(CountValue, IgnoresTheProcessLocale)
{
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    const std::locale previousCpp = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    bool haveCommaLocale = false;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            haveCommaLocale = true;
            break;
        }
    }
    const double count = Count("2.5");
    const double twoPlace = TwoPlace("1234.567");
    const std::string amount = AmountText(1234.5);
    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previousCpp);

    EXPECT_TRUE(haveCommaLocale) << "no German or French locale installed (locales-all)";
    EXPECT_EQ(count, 2.5);
    EXPECT_EQ(twoPlace, 1234.57);
    EXPECT_EQ(amount, "1234.5");
}

TEST(IsAboveZero, DecidesOnTheDigits)
{
    struct Case {
        std::string_view text;
        bool above;
    };
    const Case cases[] = {
        {"0", false},  {"-0", false}, {"0.000", false}, {"-5", false}, {".", false}, {"5", true},
        {"0.001", true}, {".5", true}, {"+1", true},    {"-0.1", false},
    };
    for (const Case& c : cases) {
        const auto number = ParseDecimal(c.text);
        if (!number) continue;  // "." is not a number at all
        EXPECT_EQ(IsAboveZero(*number), c.above) << c.text;
    }
    EXPECT_TRUE(IsAboveZero(ParseDecimal("0." + std::string(400, '0') + "1").value()));
}

TEST(AmountText, WritesAtMostFifteenSignificantDigitsInPlainDecimal)
{
    struct Case {
        double value;
        std::string_view text;
    };
    const Case cases[] = {
        {316.5, "316.5"},
        {260, "260"},
        {0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {-10, "-10"},
        {5.12, "5.12"},
        {633, "633"},
        {1e15, "1000000000000000"},
        {1e20, "100000000000000000000"},
        {123456789012345678.0, "123456789012346000"},
        {0.001, "0.001"},
        {0.0000001, "0.0000001"},
        {-0.0000001, "-0.0000001"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {12345678901234.56, "12345678901234.6"},
        {99999999999999.99, "100000000000000"},  // the double is 99999999999999.984
        {999999999999999.9, "1000000000000000"},
        {0.30000000000000004, "0.3"},
        {1234.5, "1234.5"},
    };
    for (const Case& c : cases) EXPECT_EQ(AmountText(c.value), c.text) << c.value;
}

TEST(AmountText, IsReadBackUnchangedEvenAtTheEdgesOfTheRange)
{
    for (const double value : {1e15, 1e300, kLargestAmount, -kLargestAmount, -1e200, 1234567.89, 5e-324}) {
        const std::string text = AmountText(value);
        ASSERT_TRUE(IsNumeric(text)) << text;
        EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        EXPECT_EQ(AmountText(Count(text)), text);
    }
    EXPECT_EQ(AmountText(kLargestAmount).size(), 309u);
    // The largest double is written as 1.79769313486232e308, which is beyond the range.
    EXPECT_FALSE(IsWithinAmountRange(std::numeric_limits<double>::max()));
    EXPECT_FALSE(IsWithinAmountRange(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(IsWithinAmountRange(std::nan("")));
    EXPECT_EQ(Count(AmountText(std::numeric_limits<double>::max())), std::numeric_limits<double>::infinity());
}

TEST(SheetText, IsPlainDecimal)
{
    EXPECT_EQ(SheetText(6), "6");
    EXPECT_EQ(SheetText(-2), "-2");
    EXPECT_EQ(SheetText(0), "0");
    EXPECT_EQ(SheetText(32767), "32767");
    EXPECT_EQ(SheetText(-32768), "-32768");
}

TEST(SheetTotalFromText, RoundsHalfToEvenWithinSixteenBits)
{
    struct Case {
        std::string_view text;
        std::optional<std::int16_t> sheets;
    };
    const Case cases[] = {
        {"2.5", 2},          {"3.5", 4},          {"7", 7},           {"0.5", 0},         {"1.5", 2},
        {"-2.5", -2},        {"-3.5", -4},        {"2.51", 3},        {"2.5000001", 3},   {"2.49999", 2},
        {"-0.4", 0},         {"32767", 32767},    {"32767.4", 32767}, {"32767.5", std::nullopt},
        {"32768", std::nullopt}, {"-32768", -32768}, {"-32768.5", -32768}, {"-32769", std::nullopt},
        {"-32768.6", std::nullopt}, {"0000032767", 32767}, {"99999", std::nullopt}, {".5", 0}, {"5.", 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SheetTotalFromText(ParseDecimal(c.text).value()), c.sheets) << c.text;
    }
    EXPECT_EQ(SheetTotalFromText(ParseDecimal(std::string(400, '9')).value()), std::nullopt);
}

TEST(AddCount, RoundsEverySumHalfToEven)
{
    EXPECT_EQ(AddCount(0, 2.5), 2);
    EXPECT_EQ(AddCount(2, 2.5), 4);  // 4.5 goes to 4, never 5
    EXPECT_EQ(AddCount(0, 3.5), 4);
    EXPECT_EQ(AddCount(0, -2), -2);
    EXPECT_EQ(AddCount(0, 0.001), 0);
    EXPECT_EQ(AddCount(32766, 1), 32767);
    EXPECT_EQ(AddCount(32767, 1), std::nullopt);
    EXPECT_EQ(AddCount(32767, 0.5), std::nullopt);  // 32767.5 rounds to 32768
    EXPECT_EQ(AddCount(-32768, -1), std::nullopt);
    EXPECT_EQ(AddCount(-32768, -0.5), -32768);
    EXPECT_EQ(AddCount(0, std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(AddCount(0, std::nan("")), std::nullopt);
}

TEST(RoundHalfEven, GoesToTheEvenNeighbourOnlyAtExactHalves)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(2.4999999), 2);
    EXPECT_EQ(RoundHalfEven(-0.6), -1);
}

}  // namespace
}  // namespace ledger
