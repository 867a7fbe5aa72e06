// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace ledger {

// The back colours a box can show. `Standard` is the toolkit's normal
// text-box background, which the boxes have only until the first calculation
// or reset paints them explicitly.
enum class BackColour : std::uint8_t { Standard, White, CommonGrey, CountedGreen, ErrorPink };

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour as the classic toolkit writes it, 0x00BBGGRR: blue in the high
// byte, red in the low one, the other way round from the usual 0xRRGGBB. The
// suffix says so at every value: 0x8080FF_bgr is pink, and a bare number does
// not convert.
consteval Rgb operator""_bgr(unsigned long long bgr)
{
    if (bgr > 0xFFFFFF) throw "a colour has three bytes";  // not a constant: fails to compile
    return {static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
            static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
}

constexpr Rgb ColourOf(BackColour colour)
{
    switch (colour) {
        case BackColour::White: return 0xFFFFFF_bgr;
        case BackColour::CommonGrey: return 0xE0E0E0_bgr;
        case BackColour::CountedGreen: return 0xC0FFC0_bgr;
        case BackColour::ErrorPink: return 0x8080FF_bgr;
        case BackColour::Standard: break;
    }
    return 0xFFFFFF_bgr;  // white on a standard desktop theme
}

}  // namespace ledger
