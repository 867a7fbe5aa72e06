// Plays any sequence of user operations on the sheet and the keypad: texts
// into any box, carets and selections, fuel marks, result fields typed by
// hand, calculations, both resets, clicks into boxes, keys and backspace.
// After every step the invariants of tests/sheet_invariants.h must hold.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "entry/keypad.h"
#include "ledger/resets.h"
#include "tests/sheet_invariants.h"

namespace {

const std::array<std::string, 26> kTexts{
    "", "0", "1", "20", "56.5", "-3", "abc", ".", "5.", ".5", "1.2.3", " 7 ", "32767", "32768", "-32768", "2.5",
    "0.001", "99999999999999999999", std::string(400, '9'), "1e3", "二十元", "+4", "0.125", "999999999999999",
    "1" + std::string(308, '0'), "-0.005",
};

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return position_ >= size_; }
    std::uint8_t Byte() { return Empty() ? 0 : data_[position_++]; }
    std::string Text()
    {
        const std::uint8_t choice = Byte();
        if (choice < 200) return kTexts[choice % kTexts.size()];
        std::string text;  // raw bytes
        const std::size_t length = Byte() % 24;
        for (std::size_t i = 0; i < length && !Empty(); ++i) text.push_back(static_cast<char>(Byte()));
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

void Require(const invariants::Problem& problem, int step)
{
    if (!problem) return;
    std::fprintf(stderr, "broken at step %d: %s\n", step, problem->c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input(data, size);
    ledger::ReceiptSheet sheet;
    entry::Keypad keypad;
    for (int step = 0; !input.Empty(); ++step) {
        const std::uint8_t op = input.Byte() % 11;
        const int row = input.Byte() % ledger::kRowCount;
        const ledger::BoxId box{input.Byte() % 2 == 0 ? ledger::BoxKind::Face : ledger::BoxKind::Count, row};
        switch (op) {
        case 0: {
            std::string text = input.Text();
            const std::size_t start = input.Byte();
            sheet.MirrorBox(box, std::move(text), start, input.Byte() % 4);
            break;
        }
        case 1: {
            const std::size_t start = input.Byte();
            sheet.MirrorSelection(box, start, input.Byte() % 4);
            break;
        }
        case 2: sheet.MirrorFuelMark(row, input.Byte() % 2); break;
        case 3: sheet.MirrorResult(ledger::kResultFields[input.Byte() % 4], input.Text()); break;
        case 4: Require(invariants::CalculateAndCheck(sheet), step); break;
        case 5: ledger::FirstStepReset(sheet); break;
        case 6: ledger::FullReset(sheet); break;
        case 7: keypad.SelectFaceBox(sheet, row); break;
        case 8: keypad.SelectCountBox(sheet, row); break;
        case 9: keypad.PressKey(sheet, input.Byte() % entry::kKeyCount); break;
        default: keypad.PressBackspace(sheet); break;
        }
        (void)sheet.TakeWrites();
        Require(invariants::CheckKeypad(keypad), step);
        Require(invariants::CheckBoxes(sheet), step);
    }
    return 0;
}
