// The random user: a fuzzer's bytes read as what a user does to the real window (offscreen, never painted):
// clicks into boxes, keypad keys, typed and pasted text, caret moves and selections, fuel marks, the buttons.
// After every step the window must show exactly what the sheet and the keypad hold, and every calculation must
// keep the rules of Check(); anything else aborts, which hands the input back as the failing case.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "ledger/message.h"
#include "window/application.h"
#include "window_difference.h"

namespace {

using ledger::BoxKind, ledger::ReceiptSheet, ledger::ResultField;

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "random user: %s\n", what.c_str());
    std::abort();
}

// A number as this test reads it, apart from the program's own rules: blanks, a sign, digits with at most one
// point, blanks.
struct Number {
    bool negative;
    std::string whole, fraction;
};
std::optional<Number> Read(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const std::string body = text.substr(first, last - first + 1);
    const std::size_t sign = body[0] == '-' || body[0] == '+', point = body.find('.', sign);
    Number number{body[0] == '-', body.substr(sign, point - sign), point == std::string::npos ? "" : body.substr(point + 1)};
    const auto digits = [](const std::string& part) { return part.find_first_not_of("0123456789") == std::string::npos; };
    if (!digits(number.whole) || !digits(number.fraction) || number.whole.size() + number.fraction.size() == 0) return std::nullopt;
    return number;
}
bool IsNumber(const std::string& text) { return Read(text).has_value(); }

// In units of 10^-places, when it has at most that many decimals (more are cut off when `cut`) and at most
// `wholeDigits` before the point.
std::optional<std::int64_t> Scaled(const std::string& text, std::size_t places, std::size_t wholeDigits, bool cut = false)
{
    auto number = Read(text);
    if (!number || number->whole.size() > wholeDigits || (number->fraction.size() > places && !cut)) return std::nullopt;
    number->fraction.resize(places, '0');
    const std::int64_t value = std::stoll("0" + number->whole + number->fraction);
    return number->negative ? -value : value;
}
std::optional<std::int64_t> Cents(const std::string& text) { return Scaled(text, 2, 9); }

// A failed calculation changes no total but repairs the non-numbers. Every calculation leaves numbers in the
// boxes, unless it stopped out of range, which changes none. Money is toll + fuel to the cent when it was so
// before. Where every text is simple (face values and totals in cents, whole counts), the outcome and the
// totals are exactly what this walk in integer cents gives.
void Check(const ReceiptSheet& before, const ReceiptSheet& after, const ledger::Message& message)
{
    const bool success = message.title == ledger::texts::kResultTitle, outOfRange = message.text == ledger::texts::kOutOfRangeText;
    std::int64_t totals[4];  // in cents, by result field: money, sheets, toll, fuel
    bool simple = true, invalid = false;
    for (const ResultField field : ledger::kResultFields) {
        const std::string repaired = IsNumber(before.Result(field)) ? before.Result(field) : "0";
        if (!success && after.Result(field) != repaired) Fail("a failed calculation changed a total");
        const auto cents = Cents(repaired);
        simple = simple && cents && (field != ResultField::Output2 || *cents % 100 == 0);
        totals[static_cast<int>(field)] = cents.value_or(0);
    }
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
            const std::string& text = after.Text({kind, row});
            if (outOfRange ? text != before.Text({kind, row}) : !IsNumber(text)) Fail("a calculation left a box wrong");
        }
    }
    const auto micros = [&after](ResultField field) { return Scaled(after.Result(field), 6, 12, true); };
    const auto money = micros(ResultField::Output1), toll = micros(ResultField::Road1), fuel = micros(ResultField::O1);
    if (success && totals[0] == totals[2] + totals[3] && money && toll && fuel && std::abs(*money - *toll - *fuel) > 10000) {
        Fail("money is not toll + fuel to the cent");
    }
    const auto inRange = [&totals] { return totals[1] >= -3276800 && totals[1] <= 3276700; };
    bool overflow = !inRange();
    for (int row = 0; row < ledger::kRowCount && simple && !overflow; ++row) {
        const std::string &faceText = before.Text({BoxKind::Face, row}), &countText = before.Text({BoxKind::Count, row});
        const auto face = Cents(faceText), count = Scaled(countText, 0, 6);
        invalid = invalid || !IsNumber(faceText) || !IsNumber(countText);
        simple = (face || !IsNumber(faceText)) && (count || !IsNumber(countText));
        if (!face || !count) continue;
        totals[0] += *face * *count;
        totals[before.FuelMark(row) == 1 ? 3 : 2] += *face * *count;
        totals[1] += *face > 0 ? *count * 100 : 0;
        overflow = !inRange();
    }
    for (const std::int64_t total : totals) simple = simple && std::abs(total) < 100'000'000'000'000;  // 15 digits
    if (simple && (success != (!invalid && !overflow) || outOfRange != overflow)) Fail("the wrong outcome: " + message.text);
    for (const ResultField field : ledger::kResultFields) {
        const auto shown = Scaled(after.Result(field), 2, 13);
        if (simple && success && shown != totals[static_cast<int>(field)]) Fail("a total is not its rows' sum");
    }
}

// The bytes of one input, read as the user's steps.
class Steps {
public:
    Steps(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Done() const { return at_ >= size_; }
    int Next(int range) { return at_ < size_ ? data_[at_++] % range : 0; }

    // Digits, the point, signs, blanks, letters, a full-width digit, Chinese, a surrogate pair, a lone surrogate.
    QString Character()
    {
        static const QString kAlphabet[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "+", "-", " ", "\t",
                                            "a", "e", "１", "元", "鑫", "😀", QString(QChar(0xD800))};
        return kAlphabet[Next(std::size(kAlphabet))];
    }

private:
    const std::uint8_t* data_;
    std::size_t size_, at_ = 0;
};

QWidget* Box(window::MainWindow& window, int index)  // the 48 entry boxes, then the four result fields
{
    if (index >= 2 * ledger::kRowCount) return window.Result(ResultField(index - 2 * ledger::kRowCount));
    return index < ledger::kRowCount ? static_cast<QWidget*>(window.InputMoney1(index)) : window.Text1(index - ledger::kRowCount);
}

void Click(QWidget* widget, int x = -1)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(x < 0 ? widget->width() / 2 : x % widget->width(), widget->height() / 2));
}

std::size_t& StepsPlayed()  // since the process started, for the figures
{
    static std::size_t played = 0;
    return played;
}

void Play(window::MainWindow& window, Steps& steps, const ledger::Message& lastMessage)
{
    static const char* const kButtons[] = {"RunCommand", "Command4", "SetBackCommand", "Command1"};
    static const Qt::Key kKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A};
    static const Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
    QWidget* const calculate = window.findChild<QWidget*>(QString::fromLatin1(kButtons[0]));
    while (!steps.Done()) {
        const ReceiptSheet before = window.Sheet();
        QWidget* const focused = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        bool calculated = false;
        switch (steps.Next(9)) {
        case 0: Click(Box(window, steps.Next(52)), steps.Next(256)); break;
        case 1: {
            const int key = steps.Next(12);  // the eleven keys, then backspace
            Click(key == entry::kKeyCount ? window.Command2() : window.Command3(key));
            break;
        }
        case 2: {
            QWidget* box = Box(window, steps.Next(52));
            for (int n = 1 + steps.Next(8); n > 0; --n) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, steps.Character(), {});
            break;
        }
        case 3: {  // a paste, up to a long run of one character
            QWidget* box = Box(window, steps.Next(52));
            QGuiApplication::clipboard()->setText(steps.Character().repeated(1 + steps.Next(256) * steps.Next(8)));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        }
        case 4: {
            QWidget* box = Box(window, steps.Next(52));
            QTest::keyClick(box, kKeys[steps.Next(std::size(kKeys))], kModifiers[steps.Next(std::size(kModifiers))]);
            break;
        }
        case 5: Click(window.C1(steps.Next(ledger::kRowCount))); break;
        case 6: {
            QWidget* button = window.findChild<QWidget*>(QString::fromLatin1(kButtons[steps.Next(std::size(kButtons))]));
            calculated = button == calculate;
            Click(button);
            break;
        }
        case 7: QTest::keyClick(focused, Qt::Key_Tab); break;
        case 8:  // the focused control activated from the keyboard
            calculated = focused == calculate;
            QTest::keyClick(focused, Qt::Key_Space);
            break;
        }
        ++StepsPlayed();
        if (const std::string difference = window::Difference(window); !difference.empty()) Fail(difference + " differs");
        if (calculated) Check(before, window.Sheet(), lastMessage);
    }
}

}  // namespace

extern "C" std::size_t RandomUserSteps() { return StepsPlayed(); }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);  // for the life of the process
    window::DescribeApplication();
    window::InstallLook();
    std::atexit([] { std::fprintf(stderr, "random user: %zu steps played\n", StepsPlayed()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ledger::Message lastMessage;
    window::MainWindow window([&lastMessage](QWidget*, const ledger::Message& message) { lastMessage = message; });
    window.show();
    QApplication::setActiveWindow(&window);  // focus and Tab, without waiting for the platform
    Steps steps(data, size);
    Play(window, steps, lastMessage);
    return 0;
}
