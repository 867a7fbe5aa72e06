// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/number_rules.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <vector>

#include "ledger/characters.h"
#include "sheet_script.h"

namespace ledger {
namespace {

// Face values and previous totals to two places, halves away from zero on the digits; counts at full precision;
// either written back with up to 15 digits, plain, never -0; whatever the locale.
TEST(NumberRules, TwoPlaceAndCountValuesAsWritten)
{
    // A decimal comma: by its Linux name (locales-all), else by its Windows one.
    const char* const german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_TRUE(german != nullptr || std::setlocale(LC_NUMERIC, "German_Germany.1252") != nullptr);
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"2.675", "2.68", "2.675"},
        {"-0.125", "-0.13", "-0.125"},
        {"99.999", "100", "99.999"},
        {"0.0049999", "0", "0.0049999"},
        {"000012.50", "12.5", "12.5"},
        {"-0.004", "0", "-0.004"},
        {"-0.0^400", "0", "0"},
        {"0.9^400", "1", "1"},
        {"0.6^20", "0.67", "0.666666666666667"},
        {"-0.0000001", "0", "-0.0000001"},
        {"99999999999999.99", "10^14", "10^14"},
        {"9^14.995", "10^14", "10^14"},  // the cents carried into a new digit
        {"123456789012345678", "1234567890123460^3", "1234567890123460^3"},
        {"10^308", "10^308", "10^308"},
        {"9^400", "", ""},
        {"-9^400", "", ""},
    };
    const auto shown = [](double value) -> std::string { return IsWithinAmountRange(value) ? AmountText(value) : ""; };
    for (const auto& [text, twoPlace, count] : cases) {
        const std::string digits = Expand(text);
        const Decimal number = *ParseDecimal(digits);
        EXPECT_EQ(shown(TwoPlaceValue(number)), Expand(twoPlace)) << text;
        EXPECT_EQ(shown(CountValue(number)), Expand(count)) << text;
        for (const double value : {TwoPlaceValue(number), CountValue(number)}) {  // never -0
            EXPECT_EQ(std::signbit(value), value < 0) << text;
        }
    }
    EXPECT_EQ(TwoPlaceValue(*ParseDecimal("12345678901234.565")), 12345678901234.57);
    EXPECT_EQ(CountValue(*ParseDecimal("0." + std::string(400, '0') + "1")), 0.0);  // below the range of a double
    const char digits[] = "1559";  // a number's digits end where its view ends, whatever follows
    EXPECT_EQ(TwoPlaceValue({false, std::string_view(digits, 1), std::string_view(digits + 1, 2)}), 1.55);
    EXPECT_EQ(AmountText(0.1 + 0.2), "0.3");
    for (const double value : {1e300, kLargestAmount, -kLargestAmount, 5e-324}) {  // read back as written
        EXPECT_EQ(AmountText(CountValue(*ParseDecimal(AmountText(value)))), AmountText(value)) << value;
    }
    EXPECT_EQ(std::tuple(IsWithinAmountRange(std::numeric_limits<double>::max()), IsWithinAmountRange(std::nan("")),
                         IsNumeric("\t12\t"), IsNumeric("\n5")),  // a tab is a blank, a line break is not
              std::tuple(false, false, true, false));
    std::setlocale(LC_NUMERIC, "C");
}

TEST(NumberRules, CharactersAreCodePoints)
{
    // By the count of characters: a byte that cannot start or finish a character counts as one.
    const std::pair<std::size_t, std::vector<const char*>> cases[] = {
        {1, {"\xE9", "\xDF\xBF", "😀"}},
        {2, {"😀1", "\x80\x80", "\xE9\x9D", "\xC0\xAF", "\xC1\xBF", "\xF8\x80"}},
        {3, {"a面b", "\xE4\x41\x42", "56."}},
    };
    for (const auto& [count, texts] : cases) {
        for (const char* text : texts) EXPECT_EQ(CharCount(text), count) << text;
    }
    EXPECT_EQ(std::pair(ByteOffset("1面2", 2), ByteOffset("1面2", 99)), std::pair(std::size_t{4}, std::size_t{5}));
}

}  // namespace
}  // namespace ledger
