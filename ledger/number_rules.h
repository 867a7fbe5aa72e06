// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ledger {

// A plain decimal number as typed: an optional sign, then digits with at
// most one point. The views point into the text it was parsed from.
struct Decimal {
    bool negative = false;
    std::string_view whole;     // digits before the point, possibly empty
    std::string_view fraction;  // digits after the point, possibly empty
};

// The numeric test: blanks (spaces, tabs) around it aside, the text is an
// optional "+" or "-", then digits with at most one ".", with at least one
// digit. "5.", ".5" and "-3" pass; "", " ", "1.2.3", "1e3" and "５" fail.
std::optional<Decimal> ParseDecimal(std::string_view text);
inline bool IsNumeric(std::string_view text)
{
    return ParseDecimal(text).has_value();
}

// The number rounded to two decimal places, halves away from zero, worked out
// on the decimal digits (2.675 gives 2.68). Beyond the range of a double it
// is an infinity of the number's sign. Never -0.
double TwoPlaceValue(const Decimal& number);

// The number at full precision, read the same whatever the process locale.
// Beyond the range of a double it is an infinity; below it, 0. Never -0.
double CountValue(const Decimal& number);

// Whether the number is above 0, decided exactly on its digits.
bool IsAboveZero(const Decimal& number);

// The largest total whose amount text reads back as a finite double: the
// 15-digit rounding of anything larger would be beyond the double range.
inline constexpr double kLargestAmount = 1.79769313486231e308;

// Whether a total can be written and read back: finite, at most kLargestAmount.
bool IsWithinAmountRange(double value);

// A total within the amount range written with at most 15 significant digits, in plain digits
// (no exponent, however large or small), no trailing zeros, never "-0".
std::string AmountText(double value);

// The 16-bit sheet total in plain decimal.
std::string SheetText(std::int16_t sheets);

// The number rounded to a whole number, halves to the even neighbour;
// nothing when that leaves -32768..32767.
std::optional<std::int16_t> SheetTotalFromText(const Decimal& number);

// `sheets` + `count`, rounded to a whole number with halves to the even
// neighbour; nothing when that leaves -32768..32767.
std::optional<std::int16_t> AddCount(std::int16_t sheets, double count);

}  // namespace ledger
