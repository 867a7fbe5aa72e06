#pragma once

// The random user: a fuzzer's bytes read as what a user does to the real window (offscreen, never painted).
// After every step the window must show exactly what the sheet and the keypad hold (Difference), and the step
// must keep the rules the checks in random_user.cpp state; anything else aborts, which hands the input back as
// the failing case. Played by window_tests (RandomUser, with the seeds in fuzz/seeds/) and by the libFuzzer
// target in fuzz/.
//
// An input is a list of steps. A step's first byte, modulo 10, says what the user does; the bytes after it, each
// taken modulo the number of choices, say with what (a missing byte reads as 0):
//   0  C X      a click into control C, X pixels from its left (modulo its width)
//   1  K        a click on keypad key K: 0-9 the digits, 10 the point, 11 backspace
//   2  C (G T)* typing into control C: while a byte G modulo 8 is not 0, the character T
//   3  T N M C  a paste of 1 + N * M times the character T (N modulo 256, M modulo 8) into control C
//   4  C K S    key K in control C: Left, Right, Home, End, Backspace, Delete, A; with S: none, Shift, Control
//   5  R        a click on row R's fuel mark
//   6  B        a click on button B: "计 算", "重置", "全部重置", "使用说明"
//   7           Tab
//   8           Space on the focused control (a box takes a blank)
//   9  C        a mouse button let go over control C, pressed elsewhere
// The controls C (modulo 52): 0-23 the face-value boxes by row, 24-47 the count boxes, 48-51 the result fields
// Output1, Output2, Road1, O1. The characters T (modulo 22): "0"-"9", ".", "+", "-", a blank, a tab, "a",
// "e", "１", "元", "鑫", "😀" and a lone surrogate.
// Example, the typical pass: 00 19 0a  01 03  00 17 02  01 05  01 06  01 0a  01 05  06 00.

#include <cstddef>
#include <cstdint>

namespace random_user {

// Plays one input on a new window. Returns the number of steps played.
std::size_t PlayInput(const std::uint8_t* data, std::size_t size);

}  // namespace random_user
