// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ledger/receipt_sheet.h"

namespace entry {

// The value of `NowP` / `NowP2` when no box of that kind is current.
inline constexpr std::int16_t kNoBox = 1000;

// The keypad keys `Command3(0)`..`Command3(10)`: the digits, then the point.
inline constexpr int kKeyCount = 11;
inline constexpr int kPointKey = 10;
inline constexpr std::array<std::string_view, kKeyCount> kKeyCaptions{"0", "1", "2", "3", "4", "5",
                                                                      "6", "7", "8", "9", "."};
static_assert(std::none_of(kKeyCaptions.begin(), kKeyCaptions.end(),
                           [](std::string_view caption) { return caption.empty(); }),
              "a key without its caption");
static_assert(kKeyCaptions[kPointKey] == ".");

// The box that should get the input focus after a key, so that its caret
// shows again; empty when nothing happened.
using FocusRequest = std::optional<ledger::BoxId>;

// The on-screen keypad: which entry box is current (the last one clicked),
// which keys can be pressed, and what the keys do to the current box. A
// fresh keypad is in the start state: no current box, every key disabled.
class Keypad {
public:
    std::optional<ledger::BoxId> CurrentBox() const;

    bool KeyEnabled(int key) const { return keys_.at(static_cast<std::size_t>(key)); }  // Command3(key)
    bool BackspaceEnabled() const { return backspace_; }                                // Command2

    // A mouse click into a face-value box (SelectFaceBox) or a count box
    // (SelectCountBox), after the click has placed the caret.
    void SelectBox(ledger::ReceiptSheet& sheet, ledger::BoxId box);

    // A digit key (0..9) or the point key (10). A disabled key does nothing.
    FocusRequest PressKey(ledger::ReceiptSheet& sheet, int key);

    // The backspace key. Disabled, it does nothing.
    FocusRequest PressBackspace(ledger::ReceiptSheet& sheet);

private:
    void EnableKeys(bool pointKey, bool backspace);

    std::int16_t nowP_ = kNoBox;   // NowP: the row of the current face-value box, or kNoBox
    std::int16_t nowP2_ = kNoBox;  // NowP2: the row of the current count box, or kNoBox
    std::array<bool, kKeyCount> keys_{};
    bool backspace_ = false;
};

}  // namespace entry
