// Feeds any text to the number rules and checks that they agree with each
// other and that every amount text they write reads back.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/sheet_invariants.h"

namespace {

void Require(bool holds, const char* what, const std::string& input)
{
    if (holds) return;
    std::fprintf(stderr, "broken: %s for input \"%s\"\n", what, input.c_str());
    std::abort();
}

void CheckAmount(double value, const std::string& input)
{
    if (ledger::IsWithinAmountRange(value)) Require(invariants::ReadsBack(ledger::AmountText(value)), "read back", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (size >= sizeof(double)) {  // any eight bytes are also a double to write
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        CheckAmount(raw, text);
    }
    const auto number = ledger::ParseDecimal(text);
    if (!number) return 0;
    const double twoPlace = ledger::TwoPlaceValue(*number);
    const double count = ledger::CountValue(*number);
    Require(!std::signbit(twoPlace) || twoPlace < 0, "two-place value is never -0", text);
    Require(!std::signbit(count) || count < 0, "count value is never -0", text);
    if (std::isfinite(count) && std::isfinite(twoPlace)) {
        Require(std::fabs(twoPlace - count) <= 0.005 + 1e-12 * std::fabs(count), "two places near the value", text);
    }
    Require(ledger::IsAboveZero(*number) ? count >= 0 : count <= 0, "the sign of the digits", text);
    CheckAmount(count, text);
    CheckAmount(twoPlace, text);
    const auto sheets = ledger::SheetTotalFromText(*number);
    Require(sheets ? std::fabs(*sheets - count) <= 0.5 + 1e-9 : std::fabs(count) >= 32767.5, "sheet total", text);
    return 0;
}
