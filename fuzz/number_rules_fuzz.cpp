// Feeds any text to the number rules and checks that they agree with each
// other and that every amount text they write reads back.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ledger/number_rules.h"

namespace {

void Require(bool holds, const char* what, const std::string& input)
{
    if (holds) return;
    std::fprintf(stderr, "broken: %s for input \"%s\"\n", what, input.c_str());
    std::abort();
}

bool ReadsBack(const std::string& amount)
{
    const auto number = ledger::ParseDecimal(amount);
    return number && amount.find_first_of("eE") == std::string::npos && amount != "-0" &&
           ledger::AmountText(ledger::CountValue(*number)) == amount;
}

void CheckAmount(double value, const std::string& input)
{
    if (!ledger::IsWithinAmountRange(value)) return;
    const std::string amount = ledger::AmountText(value);
    Require(ReadsBack(amount), "amount text reads back", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    // Any eight bytes are also a double to write.
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        CheckAmount(raw, text);
    }

    const auto number = ledger::ParseDecimal(text);
    if (!number) return 0;
    const double twoPlace = ledger::TwoPlaceValue(*number);
    const double count = ledger::CountValue(*number);
    Require(!std::isnan(twoPlace) && !std::isnan(count), "no NaN", text);
    Require(!(twoPlace == 0 && std::signbit(twoPlace)), "two-place value is never -0", text);
    Require(!(count == 0 && std::signbit(count)), "count value is never -0", text);
    if (std::isfinite(count) && std::isfinite(twoPlace)) {
        // Rounding to cents moves a value by half a cent at most.
        Require(std::fabs(twoPlace - count) <= 0.005 + 1e-12 * std::fabs(count), "two-place near the value", text);
    }
    if (ledger::IsAboveZero(*number)) {
        Require(count >= 0, "a number above zero reads as >= 0", text);
    } else {
        Require(count <= 0, "a number not above zero reads as <= 0", text);
    }
    CheckAmount(count, text);
    CheckAmount(twoPlace, text);

    const auto sheets = ledger::SheetTotalFromText(*number);
    if (sheets) {
        Require(std::fabs(*sheets - count) <= 0.5 + 1e-9, "sheet total near the value", text);
        Require(ledger::SheetTotalFromText(*ledger::ParseDecimal(ledger::SheetText(*sheets))) == sheets,
                "sheet text reads back", text);
    } else {
        Require(std::fabs(count) >= 32767.5, "only far values are out of the sheet range", text);
    }
    return 0;
}
