// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/float_text.h"

#include <charconv>
#include <system_error>

namespace ledger {

std::optional<double> NearestDouble(const std::string& decimal)
{
    double value = 0;
    const auto result = std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
    if (result.ec == std::errc::result_out_of_range) return std::nullopt;
    return value;
}

std::string ScientificText(double magnitude, int decimals)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, decimals);
    return std::string(buffer, result.ptr);
}

}  // namespace ledger
