// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Doubles to and from decimal text, correctly rounded and independent of the
// user's locale. The standard library does it where it can
// (float_text.cpp); the browser's has no std::from_chars or std::to_chars
// for doubles, and its C library, always in the "C" locale, does it there
// (float_text_web.cpp).

#include <optional>
#include <string>

namespace ledger {

// The double nearest to `decimal`, plain digits with at most one point
// ("123.45"); none when that is beyond a double's range either way.
std::optional<double> NearestDouble(const std::string& decimal);

// `magnitude` (finite, above zero) in scientific notation with `decimals`
// digits after the point, correctly rounded: "1.2340e+05".
std::string ScientificText(double magnitude, int decimals);

}  // namespace ledger
