// Plays any sequence of user operations on the sheet and the keypad: texts
// into any box, carets and selections, fuel marks, result fields typed by
// hand, calculations, both resets, clicks into boxes, keys and backspace.
// After every step the invariants of tests/sheet_invariants.h must hold.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ledger/resets.h"
#include "tests/sheet_invariants.h"

namespace {

const std::array<std::string, 16> kTexts{"", "0", "20", "56.5", "-3", "abc", ".", "5.", "2.5", "32768", "0.001",
                                         std::string(400, '9'), "二十元", "+4", "999999999999999",
                                         "1" + std::string(308, '0')};

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), end_(data + size) {}
    bool Empty() const { return data_ >= end_; }
    std::uint8_t Byte() { return Empty() ? 0 : *data_++; }
    std::string Text()
    {
        const std::uint8_t choice = Byte();
        if (choice < 200) return kTexts[choice % kTexts.size()];
        std::string text;  // raw bytes
        for (std::size_t length = Byte() % 24; length > 0 && !Empty(); --length) text.push_back(static_cast<char>(Byte()));
        return text;
    }

private:
    const std::uint8_t* data_;
    const std::uint8_t* end_;
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
        const std::uint8_t op = input.Byte() % 10;
        const int row = input.Byte() % ledger::kRowCount;
        const ledger::BoxId box{input.Byte() % 2 == 0 ? ledger::BoxKind::Face : ledger::BoxKind::Count, row};
        const std::size_t start = input.Byte();
        switch (op) {
        case 0: sheet.MirrorBox(box, input.Text(), start, input.Byte() % 4); break;
        case 1: sheet.MirrorSelection(box, start, input.Byte() % 4); break;
        case 2: sheet.MirrorFuelMark(row, start % 2); break;
        case 3: sheet.MirrorResult(ledger::kResultFields[start % 4], input.Text()); break;
        case 4: Require(invariants::CalculateAndCheck(sheet), step); break;
        case 5: start % 2 == 0 ? ledger::FirstStepReset(sheet) : ledger::FullReset(sheet); break;
        case 6: keypad.SelectBox(sheet, box); break;
        case 7: keypad.PressKey(sheet, start % entry::kKeyCount); break;
        default: keypad.PressBackspace(sheet); break;
        }
        (void)sheet.TakeWrites();
        Require(invariants::Check(keypad, sheet), step);
    }
    return 0;
}
