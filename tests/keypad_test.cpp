#include "entry/keypad.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "sheet_script.h"

namespace entry {
namespace {

using ledger::BoxId, ledger::ReceiptSheet;

// A click on row 4's face ('f') or count ('c') box, whose fuel mark is ticked and count "7", with the text before,
// then a key (0..9, the point 10, backspace 11; none for kClick) with the text and selection before it: the text,
// caret, fuel mark and count after. A click keeps a number and empties anything else.
constexpr int kClick = -1;
struct Edit {
    char box;
    const char* before;
    std::size_t selStart, selLength;
    int key;
    const char* after;
    std::size_t caret;
    int fuelMark;
    const char* count;
};

const Edit kEdits[] = {
    {'f', "20", 0, 0, kClick, "20", 0, 1, "7"},
    {'f', "abc", 0, 0, kClick, "", 0, 1, "7"},
    {'c', "-3", 0, 0, kClick, "-3", 0, 1, "-3"},
    {'c', "1.2.", 0, 0, kClick, "", 0, 1, ""},
    {'f', "0", 1, 0, 5, "5", 1, 1, "7"},
    {'f', "-5", 2, 0, 3, "3", 1, 1, "7"},
    {'f', "20", 2, 0, 5, "205", 3, 1, "7"},
    {'f', "121", 1, 0, 0, "1021", 2, 1, "7"},
    {'f', "200", 1, 2, 5, "25", 2, 1, "7"},
    {'f', "56", 2, 0, 10, "56.", 3, 1, "1"},
    {'f', "56.", 3, 0, 5, "56.5", 4, 1, "7"},
    {'f', "56.5", 4, 0, 10, "56.5.", 5, 1, "1"},
    {'f', "56.5.", 5, 0, 8, "8", 1, 1, "7"},
    {'f', "0", 1, 0, 10, ".0", 1, 1, "1"},
    {'f', ".0", 1, 0, 5, "5", 1, 1, "7"},
    {'f', "", 0, 0, 10, ".", 1, 1, "1"},
    {'f', "7^40000", 40000, 0, 7, "7^40001", 40001, 1, "7"},
    {'c', "0", 1, 0, 3, "3", 1, 1, "3"},
    {'c', "12", 1, 0, 9, "192", 2, 1, "192"},
    {'f', "12.5", 4, 0, kBackspace, "12.", 3, 1, "7"},
    {'f', "12.", 3, 0, kBackspace, "12", 2, 0, "7"},
    {'f', "5", 1, 0, kBackspace, "0", 0, 0, "7"},
    {'f', "205", 1, 0, kBackspace, "05", 0, 0, "7"},
    {'f', "250", 0, 0, kBackspace, "250", 0, 0, "7"},
    {'f', "12.5", 2, 2, kBackspace, "12", 2, 0, "7"},
    {'f', "7.5", 0, 1, kBackspace, ".5", 0, 1, "7"},
    {'f', "", 0, 0, kBackspace, "0", 0, 0, "7"},
    {'f', "二十元", 2, 0, kBackspace, "二元", 1, 0, "7"},
    {'f', "7^40000", 1, 39998, kBackspace, "77", 1, 0, "7"},
    {'c', "12", 2, 0, kBackspace, "1", 1, 1, "1"},
};

TEST(Keypad, KeysAndBackspaceEditTheCurrentBox)
{
    for (const Edit& edit : kEdits) {
        const BoxId box = edit.box == 'f' ? Face(4) : Count(4);
        ReceiptSheet sheet;
        Keypad keypad;
        RunScript(sheet, "t4 c4=7");
        if (edit.key == kClick) sheet.SetText(box, edit.before);
        keypad.SelectBox(sheet, box);
        FocusRequest focus = box;
        if (edit.key != kClick) {
            sheet.MirrorBox(box, Expand(edit.before), edit.selStart, edit.selLength);  // typed from the keyboard since
            focus = edit.key == kBackspace ? keypad.PressBackspace(sheet) : keypad.PressKey(sheet, edit.key);
        }
        EXPECT_EQ(std::tuple(sheet.Text(box), sheet.Box(box).selStart, sheet.Box(box).selLength, sheet.FuelMark(4),
                             sheet.Text(Count(4))),
                  std::tuple(Expand(edit.after), edit.caret, std::size_t{0}, edit.fuelMark, std::string(edit.count)))
            << edit.before << " key " << edit.key;
        EXPECT_TRUE(focus == box && keypad.CurrentBox() == box && keypad.KeyEnabled(kPointKey) == (edit.box == 'f'));
        EXPECT_EQ(keypad.BackspaceEnabled(), *edit.after != '\0') << edit.before << " key " << edit.key;
    }
    ReceiptSheet sheet;  // a row beyond the sheet is refused before it becomes current
    Keypad keypad;
    EXPECT_THROW(keypad.SelectBox(sheet, Face(ledger::kRowCount)), std::out_of_range);
    EXPECT_FALSE(keypad.CurrentBox());
}

}  // namespace
}  // namespace entry
