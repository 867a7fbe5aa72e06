// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string_view>

namespace ledger {

// Box texts are UTF-8; carets and selections count characters as the user
// sees them (code points), not bytes. A byte that does not start a valid
// UTF-8 sequence counts as one character of its own, so any byte string can
// be edited without ever splitting a character.

// Number of characters in `text`.
std::size_t CharCount(std::string_view text);

// Byte offset of character `index` in `text`; the text's size when `index`
// is at or past the end.
std::size_t ByteOffset(std::string_view text, std::size_t index);

}  // namespace ledger
