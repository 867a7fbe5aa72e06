// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/box_edit.h"

#include "ledger/characters.h"

namespace entry {

Edited InsertAtCaret(const ledger::EntryBox& box, std::string_view c)
{
    const std::size_t from = ledger::ByteOffset(box.text, box.selStart);
    const std::size_t to = ledger::ByteOffset(box.text, box.selStart + box.selLength);
    std::string text = box.text;
    text.replace(from, to - from, c);
    return {std::move(text), ledger::CharCount(std::string_view(box.text).substr(0, from)) + ledger::CharCount(c)};
}

Edited DeleteBeforeCaret(const ledger::EntryBox& box)
{
    std::size_t first = box.selStart;  // characters [first, last) go
    std::size_t last = box.selStart + box.selLength;
    if (box.selLength == 0) {
        if (box.selStart == 0) return {box.text, 0};
        first = box.selStart - 1;
    }
    const std::size_t from = ledger::ByteOffset(box.text, first);
    const std::size_t to = ledger::ByteOffset(box.text, last);
    std::string text = box.text;
    text.erase(from, to - from);
    return {std::move(text), first};
}

}  // namespace entry
