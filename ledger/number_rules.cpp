// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/number_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "ledger/float_text.h"

namespace ledger {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view TakeDigits(std::string_view& text)
{
    const auto end = std::find_if_not(text.begin(), text.end(), IsDigit);
    const auto count = static_cast<std::size_t>(end - text.begin());
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

std::string_view StripLeadingZeros(std::string_view digits)
{
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

bool HasNonZeroDigit(std::string_view digits)
{
    return std::any_of(digits.begin(), digits.end(), [](char c) { return c != '0'; });
}

// Adds one unit in the last place to a string of decimal digits ("199" -> "200",
// "99" -> "100").
void IncrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::uint64_t DigitsValue(std::string_view digits)
{
    std::uint64_t value = 0;
    for (const char digit : digits) value = value * 10 + static_cast<std::uint64_t>(digit - '0');
    return value;
}

// Reads "<whole>.<fraction>" (both plain digit strings) as a double with one
// correct rounding, independent of the locale. Out of range gives an
// infinity when the whole part is non-zero, 0 otherwise.
double ReadMagnitude(std::string_view whole, std::string_view fraction)
{
    whole = StripLeadingZeros(whole);

    // Up to 15 digits the number is an exact integer over an exact power of
    // ten, and one division rounds it correctly: the common case, fast.
    constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (whole.size() + fraction.size() <= 15) {
        const std::uint64_t mantissa =
            DigitsValue(whole) * static_cast<std::uint64_t>(kPowersOfTen[fraction.size()]) + DigitsValue(fraction);
        return static_cast<double>(mantissa) / kPowersOfTen[fraction.size()];
    }

    std::string buffer;
    buffer.reserve(whole.size() + fraction.size() + 2);
    buffer.append(whole.empty() ? "0" : whole);
    if (!fraction.empty()) {
        buffer.push_back('.');
        buffer.append(fraction);
    }
    const std::optional<double> value = NearestDouble(buffer);
    if (!value) return whole.empty() ? 0.0 : std::numeric_limits<double>::infinity();
    return *value;
}

double Signed(bool negative, double magnitude)
{
    return negative && magnitude != 0 ? -magnitude : magnitude;
}

// Round to a whole number, halves to the even neighbour.
double RoundHalfEven(double value)
{
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

}  // namespace

std::optional<Decimal> ParseDecimal(std::string_view text)
{
    text = TrimBlanks(text);
    Decimal number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    number.whole = TakeDigits(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        number.fraction = TakeDigits(text);
    }
    if (!text.empty() || (number.whole.empty() && number.fraction.empty())) return std::nullopt;
    return number;
}

double TwoPlaceValue(const Decimal& number)
{
    // Whole digits and the first two decimals form the cents; the third
    // decimal decides the rounding, away from zero from 5 up.
    const std::string_view whole = StripLeadingZeros(number.whole);
    const bool roundUp = number.fraction.size() > 2 && number.fraction[2] >= '5';
    if (whole.size() <= 13) {  // the cents fit in 15 digits: exact, then one division
        std::uint64_t cents = DigitsValue(whole) * 100;
        if (!number.fraction.empty()) cents += static_cast<std::uint64_t>(number.fraction[0] - '0') * 10;
        if (number.fraction.size() > 1) cents += static_cast<std::uint64_t>(number.fraction[1] - '0');
        if (roundUp) ++cents;
        return Signed(number.negative, static_cast<double>(cents) / 100.0);
    }

    std::string cents(whole);
    const std::size_t wholeLength = cents.size();
    cents.append(number.fraction.substr(0, 2));  // read as decimals after splitAt: no need to pad them
    std::size_t splitAt = wholeLength;
    if (roundUp) {
        const std::size_t before = cents.size();
        IncrementDigits(cents);
        splitAt += cents.size() - before;
    }
    const std::string_view view(cents);
    return Signed(number.negative, ReadMagnitude(view.substr(0, splitAt), view.substr(splitAt)));
}

double CountValue(const Decimal& number)
{
    return Signed(number.negative, ReadMagnitude(number.whole, number.fraction));
}

bool IsAboveZero(const Decimal& number)
{
    return !number.negative && (HasNonZeroDigit(number.whole) || HasNonZeroDigit(number.fraction));
}

bool IsWithinAmountRange(double value)
{
    return std::fabs(value) <= kLargestAmount;
}

std::string AmountText(double value)
{
    if (value == 0 || !std::isfinite(value)) return "0";

    // 15 significant digits, correctly rounded: d.dddddddddddddde±x.
    const std::string scientific = ScientificText(std::fabs(value), 14);
    const std::string_view text(scientific);
    const std::size_t e = text.find('e');
    char digitBuffer[16];
    digitBuffer[0] = text[0];
    text.copy(digitBuffer + 1, e - 2, 2);
    std::string_view digits(digitBuffer, e - 1);
    while (digits.size() > 1 && digits.back() == '0') digits.remove_suffix(1);
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    std::string out = value < 0 ? "-" : "";
    if (exponent < 0) {
        out.append("0.");
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits);
        return out;
    }
    const auto wholeLength = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeLength) {
        out.append(digits);
        out.append(wholeLength - digits.size(), '0');
    } else {
        out.append(digits.substr(0, wholeLength));
        out.push_back('.');
        out.append(digits.substr(wholeLength));
    }
    return out;
}

std::string SheetText(std::int16_t sheets)
{
    return std::to_string(sheets);
}

std::optional<std::int16_t> SheetTotalFromText(const Decimal& number)
{
    const std::string_view whole = StripLeadingZeros(number.whole);
    if (whole.size() > 5) return std::nullopt;
    long magnitude = 0;
    for (const char digit : whole) magnitude = magnitude * 10 + (digit - '0');

    const std::string_view fraction = number.fraction;
    if (!fraction.empty()) {
        const bool aboveHalf = fraction[0] > '5' || (fraction[0] == '5' && HasNonZeroDigit(fraction.substr(1)));
        const bool exactHalf = fraction[0] == '5' && !aboveHalf;
        if (aboveHalf || (exactHalf && magnitude % 2 == 1)) ++magnitude;
    }
    const long value = number.negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::optional<std::int16_t> AddCount(std::int16_t sheets, double count)
{
    const double sum = RoundHalfEven(static_cast<double>(sheets) + count);
    if (!(sum >= std::numeric_limits<std::int16_t>::min() && sum <= std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;  // also catches NaN
    }
    return static_cast<std::int16_t>(sum);
}

}  // namespace ledger
