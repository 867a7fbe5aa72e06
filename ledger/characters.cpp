// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/characters.h"

namespace ledger {
namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length in bytes of the character that starts at `pos`.
std::size_t CharLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = lead <= 0xEF ? 3 : 1;
    } else if (lead >= 0xC2) {
        length = 2;
    }
    if (pos + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i]))) return 1;
    }
    return length;
}

}  // namespace

std::size_t CharCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) ++count;
    return count;
}

std::size_t ByteOffset(std::string_view text, std::size_t index)
{
    std::size_t pos = 0;
    for (std::size_t i = 0; i < index && pos < text.size(); ++i) pos += CharLength(text, pos);
    return pos;
}

}  // namespace ledger
