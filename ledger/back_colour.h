#pragma once

#include <cstdint>

namespace ledger {

// The back colours a box can show. `Standard` is the toolkit's normal
// text-box background, which the boxes have only until the first calculation
// or reset paints them explicitly.
enum class BackColour : std::uint8_t { Standard, White, CommonGrey, CountedGreen, ErrorPink };

// The colour as a 24-bit value 0x00BBGGRR (blue in the high byte).
constexpr std::uint32_t Bgr(BackColour colour)
{
    switch (colour) {
        case BackColour::White: return 0xFFFFFF;
        case BackColour::CommonGrey: return 0xE0E0E0;
        case BackColour::CountedGreen: return 0xC0FFC0;
        case BackColour::ErrorPink: return 0x8080FF;
        case BackColour::Standard: break;
    }
    return 0xFFFFFF;  // white on a standard desktop theme
}

constexpr std::uint8_t Red(std::uint32_t bgr)
{
    return bgr & 0xFF;
}
constexpr std::uint8_t Green(std::uint32_t bgr)
{
    return (bgr >> 8) & 0xFF;
}
constexpr std::uint8_t Blue(std::uint32_t bgr)
{
    return (bgr >> 16) & 0xFF;
}

}  // namespace ledger
