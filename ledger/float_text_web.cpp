// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/float_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// emscripten's C library (musl) converts exactly, and its only locale is
// "C": its point is always ".".
namespace ledger {

std::optional<double> NearestDouble(const std::string& decimal)
{
    errno = 0;
    const double value = std::strtod(decimal.c_str(), nullptr);
    // ERANGE also marks a number that only just fits, below the normal doubles: that one is read.
    if (errno == ERANGE && (value == 0 || std::isinf(value))) return std::nullopt;
    return value;
}

std::string ScientificText(double magnitude, int decimals)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", decimals, magnitude);
    return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace ledger
