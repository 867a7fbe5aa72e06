// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The random user: a fuzzer's bytes read as what a user does to the real window (offscreen, never painted).
// After every step the window must show exactly what the sheet and the keypad hold (Difference), and the step
// must keep the rules the checks in random_user.cpp state; anything else aborts, which hands the input back as
// the failing case. Played by window_tests (with the seeds in fuzz/seeds/) and the libFuzzer target in fuzz/.
//
// An input is a list of steps. A step's first byte, modulo 10, says what the user does, as PlaySteps in
// random_user.cpp lists; the bytes after it, each taken modulo the number of choices, say with what (a missing
// byte reads as 0). Example, the typical pass: 00 19 0a  01 03  00 17 02  01 05  01 06  01 0a  01 05  06 00.

#include <cstddef>
#include <cstdint>

namespace random_user {

// Plays one input on a new window. Returns the number of steps played.
std::size_t PlayInput(const std::uint8_t* data, std::size_t size);

}  // namespace random_user
