// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ledger/receipt_sheet.h"

namespace entry {

// A box's text after an edit, with the caret where the edit leaves it.
struct Edited {
    std::string text;
    std::size_t caret;
};

// Types `c` into the box the way a keyboard does: it replaces the selected
// characters or goes in at the caret, and the caret ends just after it.
Edited InsertAtCaret(const ledger::EntryBox& box, std::string_view c);

// Deletes the way a keyboard's backspace does: the selected characters, or
// else the one character before the caret (nothing at position 0).
Edited DeleteBeforeCaret(const ledger::EntryBox& box);

}  // namespace entry
