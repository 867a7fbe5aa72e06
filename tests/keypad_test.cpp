#include "entry/keypad.h"

#include <gtest/gtest.h>

#include "box_ids.h"

#include <string>

#include "ledger/calculate.h"
#include "ledger/characters.h"
#include "ledger/resets.h"

namespace entry {
namespace {

using ledger::BoxId;
using ledger::BoxKind;
using ledger::ReceiptSheet;


// The state the user leaves in a box before pressing a key: its text and a
// caret, or a selection.
struct BoxState {
    std::string text;
    std::size_t selStart;
    std::size_t selLength = 0;
};

// Puts `state` into the box, then clicks into it, as the window would.
void ClickInto(Keypad& keypad, ReceiptSheet& sheet, BoxId box, const BoxState& state)
{
    sheet.MirrorBox(box, state.text, state.selStart, state.selLength);
    keypad.SelectBox(sheet, box);
    // The click replaced a non-number by ""; otherwise the user's caret stands.
    if (sheet.Text(box) == state.text) sheet.MirrorSelection(box, state.selStart, state.selLength);
}

struct KeyCase {
    std::string before;
    std::size_t selStart;
    std::size_t selLength;
    int key;
    std::string after;
    std::size_t caretAfter;
};

TEST(PressKey, FaceValueBoxEditTable)
{
    const KeyCase cases[] = {
        {"0", 1, 0, 5, "5", 1},         {"", 0, 0, 7, "7", 1},          {"abc", 3, 0, 7, "7", 1},
        {"-5", 2, 0, 3, "3", 1},        {"20", 2, 0, 5, "205", 3},      {"20", 0, 0, 5, "520", 1},
        {"121", 1, 0, 0, "1021", 2},    {"200", 1, 2, 5, "25", 2},      {"56", 2, 0, kPointKey, "56.", 3},
        {"56.", 3, 0, 5, "56.5", 4},    {"56.5", 4, 0, kPointKey, "56.5.", 5},
        {"56.5.", 5, 0, 8, "8", 1},     {"0", 1, 0, kPointKey, ".0", 1}, {".0", 1, 0, 5, "5", 1},
        {"", 0, 0, kPointKey, ".", 1},  {".", 1, 0, 5, "5", 1},
    };
    for (const KeyCase& c : cases) {
        ReceiptSheet sheet;
        Keypad keypad;
        keypad.SelectFaceBox(sheet, 4);
        sheet.MirrorBox(Face(4), c.before, c.selStart, c.selLength);  // typed from the keyboard
        const FocusRequest focus = keypad.PressKey(sheet, c.key);
        const std::string label = "\"" + c.before + "\" key " + std::to_string(c.key);
        EXPECT_EQ(sheet.Text(Face(4)), c.after) << label;
        EXPECT_EQ(sheet.Box(Face(4)).selStart, c.caretAfter) << label;
        EXPECT_EQ(sheet.Box(Face(4)).selLength, 0u) << label;
        EXPECT_EQ(focus, Face(4)) << label;
        // The point key books the row as one fuel invoice; digits leave both alone.
        const bool point = c.key == kPointKey;
        EXPECT_EQ(sheet.Text(Count(4)), point ? "1" : "0") << label;
        EXPECT_EQ(sheet.FuelMark(4), point ? 1 : 0) << label;
        EXPECT_TRUE(keypad.KeyEnabled(kPointKey)) << label;
        EXPECT_TRUE(keypad.BackspaceEnabled()) << label;
    }
}

TEST(PressKey, PointKeyBooksTheRowOnEveryPress)
{
    ReceiptSheet sheet;
    Keypad keypad;
    sheet.SetText(Count(8), "7");
    ClickInto(keypad, sheet, Face(8), {"200", 3});
    keypad.PressKey(sheet, kPointKey);
    EXPECT_EQ(sheet.Text(Count(8)), "1");
    EXPECT_EQ(sheet.FuelMark(8), 1);

    sheet.SetText(Count(8), "9");
    sheet.MirrorFuelMark(8, 0);  // unticked by hand
    keypad.PressKey(sheet, kPointKey);  // a second point: the text is no number now
    EXPECT_EQ(sheet.Text(Face(8)), "200..");
    EXPECT_EQ(sheet.Text(Count(8)), "1");
    EXPECT_EQ(sheet.FuelMark(8), 1);

    keypad.PressKey(sheet, 3);
    EXPECT_EQ(sheet.Text(Face(8)), "3");
    EXPECT_EQ(sheet.Text(Count(8)), "1");
    EXPECT_EQ(sheet.FuelMark(8), 1);
}

TEST(PressKey, CountBoxTakesDigitsOnly)
{
    ReceiptSheet sheet;
    Keypad keypad;
    ClickInto(keypad, sheet, Count(1), {"0", 1});
    EXPECT_FALSE(keypad.KeyEnabled(kPointKey));
    EXPECT_TRUE(keypad.BackspaceEnabled());
    EXPECT_EQ(keypad.PressKey(sheet, kPointKey), std::nullopt);  // disabled: nothing happens
    EXPECT_EQ(sheet.Text(Count(1)), "0");
    EXPECT_EQ(keypad.PressKey(sheet, 3), Count(1));
    EXPECT_EQ(sheet.Text(Count(1)), "3");
    EXPECT_EQ(sheet.Box(Count(1)).selStart, 1u);
    EXPECT_FALSE(keypad.KeyEnabled(kPointKey));
    EXPECT_EQ(sheet.FuelMark(1), 0);
    for (int key = 0; key < kPointKey; ++key) EXPECT_TRUE(keypad.KeyEnabled(key)) << key;
}

TEST(Keypad, EnabledFlagsFollowTheCurrentBox)
{
    struct Case {
        const char* name;
        BoxKind kind;
        std::string text;
        bool point;
        bool backspace;
    };
    const Case cases[] = {
        {"face box with a number", BoxKind::Face, "20", true, true},
        {"face box with 0", BoxKind::Face, "0", true, true},
        {"face box with letters", BoxKind::Face, "abc", true, false},
        {"face box empty", BoxKind::Face, "", true, false},
        {"count box with a number", BoxKind::Count, "3", false, true},
        {"count box with a negative number", BoxKind::Count, "-3", false, true},
        {"count box with letters", BoxKind::Count, "x1", false, false},
        {"count box with two points", BoxKind::Count, "1.2.", false, false},
    };
    for (const Case& c : cases) {
        ReceiptSheet sheet;
        Keypad keypad;
        ClickInto(keypad, sheet, {c.kind, 9}, {c.text, 0});
        for (int key = 0; key < kPointKey; ++key) EXPECT_TRUE(keypad.KeyEnabled(key)) << c.name;
        EXPECT_EQ(keypad.KeyEnabled(kPointKey), c.point) << c.name;
        EXPECT_EQ(keypad.BackspaceEnabled(), c.backspace) << c.name;
        EXPECT_EQ(keypad.NowP(), c.kind == BoxKind::Face ? 9 : kNoBox) << c.name;
        EXPECT_EQ(keypad.NowP2(), c.kind == BoxKind::Count ? 9 : kNoBox) << c.name;
        // A number stays as it is; anything else is emptied by the click.
        EXPECT_EQ(sheet.Text({c.kind, 9}), c.backspace ? c.text : "") << c.name;
    }
}

TEST(Keypad, StartsWithNoBoxAndEveryKeyDisabled)
{
    ReceiptSheet sheet;
    Keypad keypad;
    EXPECT_EQ(keypad.NowP(), 1000);
    EXPECT_EQ(keypad.NowP2(), 1000);
    for (int key = 0; key < kKeyCount; ++key) {
        EXPECT_FALSE(keypad.KeyEnabled(key)) << key;
        EXPECT_EQ(keypad.PressKey(sheet, key), std::nullopt);
    }
    EXPECT_FALSE(keypad.BackspaceEnabled());
    EXPECT_EQ(keypad.PressBackspace(sheet), std::nullopt);
    EXPECT_TRUE(sheet.TakeWrites().None());
}

TEST(Keypad, ClickingAnotherKindOfBoxMovesTheKeypadThere)
{
    ReceiptSheet sheet;
    Keypad keypad;
    ClickInto(keypad, sheet, Face(2), {"150", 3});
    ClickInto(keypad, sheet, Count(5), {"0", 1});
    EXPECT_EQ(keypad.NowP(), kNoBox);
    EXPECT_EQ(keypad.NowP2(), 5);
    keypad.PressKey(sheet, 4);
    EXPECT_EQ(sheet.Text(Count(5)), "4");
    EXPECT_EQ(sheet.Text(Face(2)), "150");
    ClickInto(keypad, sheet, Face(0), {"1", 1});
    EXPECT_EQ(keypad.NowP(), 0);
    EXPECT_EQ(keypad.NowP2(), kNoBox);
}

TEST(Keypad, TheCurrentBoxSurvivesResetsAndCalculations)
{
    ReceiptSheet sheet;
    Keypad keypad;
    ClickInto(keypad, sheet, Face(1), {"20", 2});
    ledger::FirstStepReset(sheet);
    EXPECT_EQ(sheet.Box(Face(1)).selStart, 0u);
    keypad.PressKey(sheet, 1);
    EXPECT_EQ(sheet.Text(Face(1)), "120");
    EXPECT_EQ(sheet.Box(Face(1)).selStart, 1u);

    ClickInto(keypad, sheet, Count(3), {"x", 1});  // emptied by the click
    sheet.MirrorBox(Count(3), "zz", 2, 0);         // typed from the keyboard
    ledger::Calculate(sheet);                      // fails: the box becomes "0"
    EXPECT_EQ(sheet.Text(Count(3)), "0");
    EXPECT_EQ(sheet.Box(Count(3)).selStart, 0u);
    EXPECT_EQ(keypad.NowP2(), 3);
    EXPECT_FALSE(keypad.BackspaceEnabled());  // worked out at the last click, not since
    keypad.PressKey(sheet, 6);
    EXPECT_EQ(sheet.Text(Count(3)), "6");

    ledger::FullReset(sheet);
    keypad.PressKey(sheet, 2);
    EXPECT_EQ(sheet.Text(Count(3)), "2");
    EXPECT_EQ(keypad.NowP2(), 3);
}

TEST(Keypad, FuelInvoiceTypedInTheLastFreeRow)
{
    ReceiptSheet sheet;
    Keypad keypad;
    ClickInto(keypad, sheet, Face(23), {"0", 1});
    for (const int key : {5, 6, kPointKey, 5}) keypad.PressKey(sheet, key);
    EXPECT_EQ(sheet.Text(Face(23)), "56.5");
    EXPECT_EQ(sheet.Text(Count(23)), "1");
    EXPECT_EQ(sheet.FuelMark(23), 1);
    ledger::Calculate(sheet);
    EXPECT_EQ(sheet.Result(ledger::ResultField::O1), "56.5");
    EXPECT_EQ(sheet.Result(ledger::ResultField::Road1), "0");
    EXPECT_EQ(sheet.Result(ledger::ResultField::Output2), "1");
}

TEST(Keypad, TypedDigitsGoToTheLastClickedBoxEvenAfterKeyboardEdits)
{
    ReceiptSheet sheet;
    Keypad keypad;
    ClickInto(keypad, sheet, Face(0), {"1", 1});
    sheet.MirrorBox(Face(3), "77", 2, 0);  // the user tabbed to row 3 and typed
    keypad.PressKey(sheet, 9);
    EXPECT_EQ(sheet.Text(Face(0)), "19");
    EXPECT_EQ(sheet.Text(Face(3)), "77");
}

TEST(Keypad, LongTextsAreEditedWithoutLimit)
{
    ReceiptSheet sheet;
    Keypad keypad;
    const std::string digits(40000, '7');
    ClickInto(keypad, sheet, Face(10), {digits, 40000});
    keypad.PressKey(sheet, 1);
    EXPECT_EQ(sheet.Text(Face(10)), digits + "1");
    EXPECT_EQ(sheet.Box(Face(10)).selStart, 40001u);

    sheet.MirrorSelection(Face(10), 35000, 0);
    keypad.PressKey(sheet, 2);
    EXPECT_EQ(sheet.Text(Face(10)).substr(34999, 3), "727");
    EXPECT_EQ(sheet.Box(Face(10)).selStart, 35001u);

    keypad.PressBackspace(sheet);
    EXPECT_EQ(sheet.Text(Face(10)), digits + "1");
    EXPECT_EQ(sheet.Box(Face(10)).selStart, 35000u);

    sheet.MirrorSelection(Face(10), 1, 39999);
    keypad.PressBackspace(sheet);
    EXPECT_EQ(sheet.Text(Face(10)), "71");
    EXPECT_EQ(sheet.Box(Face(10)).selStart, 1u);
}

TEST(Keypad, ChineseTextUnderTheCaret)
{
    ReceiptSheet sheet;
    Keypad keypad;
    ClickInto(keypad, sheet, Face(1), {"20", 2});
    sheet.MirrorBox(Face(1), "二十元", 2, 0);  // typed from the keyboard after the click
    keypad.PressBackspace(sheet);             // one character, not one byte
    EXPECT_EQ(sheet.Text(Face(1)), "二元");
    EXPECT_EQ(sheet.Box(Face(1)).selStart, 1u);
    keypad.PressKey(sheet, 5);  // not a number: thrown away
    EXPECT_EQ(sheet.Text(Face(1)), "5");

    sheet.MirrorBox(Face(1), "面值", 1, 1);
    keypad.PressBackspace(sheet);
    EXPECT_EQ(sheet.Text(Face(1)), "面");
    EXPECT_EQ(ledger::CharCount(sheet.Text(Face(1))), 1u);
}

struct BackspaceCase {
    std::string before;
    std::size_t selStart;
    std::size_t selLength;
    std::string after;
    std::size_t caretAfter;
    bool unticks;
};

TEST(PressBackspace, FaceValueBoxTable)
{
    const BackspaceCase cases[] = {
        {"12.5", 4, 0, "12.", 3, false}, {"12.", 3, 0, "12", 2, true},  {"5", 1, 0, "0", 0, true},
        {"205", 1, 0, "05", 0, true},    {"1212", 2, 0, "112", 1, true}, {"101", 1, 0, "01", 0, true},
        {"250", 0, 0, "250", 0, true},   {"12.5", 2, 2, "12", 2, true},  {"7.5", 0, 1, ".5", 0, false},
        {"", 0, 0, "0", 0, true},
    };
    for (const BackspaceCase& c : cases) {
        ReceiptSheet sheet;
        Keypad keypad;
        ClickInto(keypad, sheet, Face(20), {"1", 1});  // enables backspace
        sheet.SetText(Count(20), "1");
        sheet.SetFuelMark(20, 1);
        sheet.MirrorBox(Face(20), c.before, c.selStart, c.selLength);
        EXPECT_EQ(keypad.PressBackspace(sheet), Face(20));
        const std::string label = "\"" + c.before + "\"";
        EXPECT_EQ(sheet.Text(Face(20)), c.after) << label;
        EXPECT_EQ(sheet.Box(Face(20)).selStart, c.caretAfter) << label;
        EXPECT_EQ(sheet.Box(Face(20)).selLength, 0u) << label;
        EXPECT_EQ(sheet.FuelMark(20), c.unticks ? 0 : 1) << label;
        EXPECT_EQ(sheet.Text(Count(20)), "1") << label;  // the count is left alone
        EXPECT_TRUE(keypad.BackspaceEnabled()) << label;
    }
}

TEST(PressBackspace, CountBoxNeverTouchesTheFuelMark)
{
    ReceiptSheet sheet;
    Keypad keypad;
    sheet.SetFuelMark(7, 1);
    ClickInto(keypad, sheet, Count(7), {"12", 2});
    keypad.PressBackspace(sheet);
    EXPECT_EQ(sheet.Text(Count(7)), "1");
    EXPECT_EQ(sheet.Box(Count(7)).selStart, 1u);
    keypad.PressBackspace(sheet);
    EXPECT_EQ(sheet.Text(Count(7)), "0");
    EXPECT_EQ(sheet.Box(Count(7)).selStart, 0u);
    EXPECT_EQ(sheet.FuelMark(7), 1);
}

TEST(PressBackspace, FuelInvoiceBackedOut)
{
    ReceiptSheet sheet;
    Keypad keypad;
    ClickInto(keypad, sheet, Face(17), {"0", 1});
    for (const int key : {5, 6, kPointKey, 5}) keypad.PressKey(sheet, key);
    keypad.PressBackspace(sheet);
    EXPECT_EQ(sheet.Text(Face(17)), "56.");
    EXPECT_EQ(sheet.FuelMark(17), 1);
    keypad.PressBackspace(sheet);
    EXPECT_EQ(sheet.Text(Face(17)), "56");
    EXPECT_EQ(sheet.FuelMark(17), 0);
    EXPECT_EQ(sheet.Text(Count(17)), "1");
    keypad.PressBackspace(sheet);
    EXPECT_EQ(sheet.Text(Face(17)), "5");
    keypad.PressBackspace(sheet);
    EXPECT_EQ(sheet.Text(Face(17)), "0");
    keypad.PressKey(sheet, 8);
    EXPECT_EQ(sheet.Text(Face(17)), "8");
    EXPECT_EQ(sheet.Box(Face(17)).selStart, 1u);
}

TEST(PressBackspace, DisabledAfterClickingLettersAndNoBoxAtStart)
{
    ReceiptSheet sheet;
    Keypad keypad;
    ClickInto(keypad, sheet, Face(3), {"abc", 3});
    EXPECT_FALSE(keypad.BackspaceEnabled());
    EXPECT_EQ(keypad.PressBackspace(sheet), std::nullopt);
    EXPECT_EQ(sheet.Text(Face(3)), "");
}

TEST(Keypad, RowsOutsideTheSheetAreRefused)
{
    ReceiptSheet sheet;
    Keypad keypad;
    EXPECT_THROW(keypad.SelectFaceBox(sheet, 24), std::out_of_range);
    EXPECT_THROW(keypad.SelectCountBox(sheet, -1), std::out_of_range);
    EXPECT_EQ(keypad.NowP(), kNoBox);
    EXPECT_EQ(keypad.PressKey(sheet, 11), std::nullopt);
    EXPECT_EQ(keypad.PressKey(sheet, -1), std::nullopt);
}

}  // namespace
}  // namespace entry
