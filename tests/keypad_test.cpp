// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/keypad.h"

#include <gtest/gtest.h>

#include "sheet_script.h"

namespace entry {
namespace {

using ledger::BoxId, ledger::ReceiptSheet;

// Row 4's face ('f') or count ('c') box, fuel mark `mark`, count "7", clicked holding `clicked`; unless the click is
// all, `typed` (kKept: what the click left), the selection, a key (0..9, point 10, backspace 11). After: text, caret
// (nothing selected), fuel mark and count.
constexpr int kClick = -1;
constexpr const char* kKept = nullptr;
struct Edit {
    char box;
    int mark;
    const char *clicked, *typed;
    std::size_t selStart, selLength;
    int key;
    const char* after;
    std::size_t caret;
    int markAfter;
    const char* count;
};

const Edit kEdits[] = {
    {'f', 1, "20", kKept, 0, 0, kClick, "20", 0, 1, "7"},
    {'f', 0, "abc", kKept, 0, 0, kClick, "", 0, 0, "7"},
    {'c', 0, "-3", kKept, 0, 0, kClick, "-3", 0, 0, "-3"},
    {'c', 1, "1.2.", kKept, 0, 0, kClick, "", 0, 1, ""},
    {'f', 0, "", kKept, 0, 0, 7, "7", 1, 0, "7"},
    {'f', 1, "abc", "abc", 3, 0, 7, "7", 1, 1, "7"},
    {'f', 0, "20", kKept, 0, 0, 5, "520", 1, 0, "7"},
    {'f', 1, "121", kKept, 1, 0, 0, "1021", 2, 1, "7"},
    {'f', 0, "200", kKept, 1, 2, 5, "25", 2, 0, "7"},
    {'f', 0, "56", kKept, 2, 0, 10, "56.", 3, 1, "1"},
    {'f', 0, "56.5", kKept, 4, 0, 10, "56.5.", 5, 1, "1"},
    {'f', 0, "0", kKept, 1, 0, 10, ".0", 1, 1, "1"},
    {'f', 0, "", kKept, 0, 0, 10, ".", 1, 1, "1"},
    {'f', 0, "7^40000", kKept, 40000, 0, 7, "7^40001", 40001, 0, "7"},
    {'c', 0, "0", kKept, 1, 0, 3, "3", 1, 0, "3"},
    {'f', 1, "12.5", kKept, 4, 0, kBackspace, "12.", 3, 1, "7"},
    {'f', 1, "12.", kKept, 3, 0, kBackspace, "12", 2, 0, "7"},
    {'f', 1, "5", kKept, 1, 0, kBackspace, "0", 0, 0, "7"},
    {'f', 1, "1212", kKept, 2, 0, kBackspace, "112", 1, 0, "7"},
    {'f', 1, "250", kKept, 0, 0, kBackspace, "250", 0, 0, "7"},
    {'f', 0, "7.5", kKept, 0, 1, kBackspace, ".5", 0, 0, "7"},
    {'f', 1, "20", "二十元", 2, 0, kBackspace, "二元", 1, 0, "7"},
    {'f', 1, "7^40000", kKept, 1, 39998, kBackspace, "77", 1, 0, "7"},
    {'c', 1, "12", kKept, 2, 0, kBackspace, "1", 1, 1, "1"},
    {'c', 0, "0", kKept, 1, 0, 10, "0", 1, 0, "0"},           // disabled keys do nothing: the point in a count box,
    {'f', 0, "abc", kKept, 0, 0, kBackspace, "", 0, 0, "7"},  // backspace in a box the click emptied
};

TEST(Keypad, KeysAndBackspaceEditTheCurrentBox)
{
    for (const Edit& edit : kEdits) {
        SCOPED_TRACE(std::string(edit.clicked) + " key " + std::to_string(edit.key));
        const BoxId box = edit.box == 'f' ? Face(4) : Count(4);
        ReceiptSheet sheet;
        Keypad keypad;
        RunScript(sheet, "c4=7");
        sheet.SetFuelMark(4, edit.mark);
        sheet.SetText(box, Expand(edit.clicked));
        keypad.SelectBox(sheet, box);
        FocusRequest focus = box, focusBack = box;
        if (edit.key != kClick) {
            if (!(edit.key == kBackspace ? keypad.BackspaceEnabled() : keypad.KeyEnabled(edit.key))) focusBack.reset();
            const std::string typed = edit.typed == kKept ? sheet.Text(box) : Expand(edit.typed);
            sheet.MirrorBox(box, typed, edit.selStart, edit.selLength);
            focus = edit.key == kBackspace ? keypad.PressBackspace(sheet) : keypad.PressKey(sheet, edit.key);
        }
        EXPECT_EQ(std::tuple(sheet.Text(box), sheet.Box(box).selStart, sheet.Box(box).selLength, sheet.FuelMark(4),
                             sheet.Text(Count(4))),
                  std::tuple(Expand(edit.after), edit.caret, std::size_t{0}, edit.markAfter, std::string(edit.count)));
        // The box stays current and gets the focus back if the key was enabled; the keys as the box now needs.
        EXPECT_EQ(std::tuple(focus, keypad.CurrentBox(), keypad.KeyEnabled(kPointKey), keypad.BackspaceEnabled()),
                  std::tuple(focusBack, FocusRequest(box), edit.box == 'f', *edit.after != '\0'));
    }
}

}  // namespace
}  // namespace entry
