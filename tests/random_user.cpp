// The random user's steps and checks; random_user.h says what it does and which byte means what.
#include "random_user.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <tuple>

#include "sheet_script.h"
#include "window_difference.h"

namespace random_user {
namespace {

using ledger::BoxKind, ledger::ReceiptSheet, ledger::ResultField;

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "random user: %s\n", what.c_str());
    std::abort();
}

// A number as this test reads it, apart from the program: blanks, a sign, digits with at most one point, blanks.
// In units of 10^-places, when it has at most that many decimals (more are cut off when `cut`) and at most
// `wholeDigits` before the point.
std::optional<std::tuple<bool, std::string, std::string>> Read(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t"), end = text.find_last_not_of(" \t") + 1;
    if (first == std::string::npos) return std::nullopt;
    const std::size_t start = first + (text[first] == '-' || text[first] == '+'), point = text.find('.', start);
    const std::string whole = text.substr(start, std::min(point, end) - start);
    const std::string fraction = point < end ? text.substr(point + 1, end - point - 1) : "";
    if ((whole + fraction).empty() || (whole + fraction).find_first_not_of("0123456789") != std::string::npos)
        return {};
    return std::tuple(text[first] == '-', whole, fraction);
}
std::optional<std::int64_t> Scaled(const std::string& text, std::size_t places, std::size_t wholeDigits,
                                   bool cut = false)
{
    auto number = Read(text);
    if (!number) return std::nullopt;
    auto& [negative, whole, fraction] = *number;
    if (whole.size() > wholeDigits || (fraction.size() > places && !cut)) return std::nullopt;
    fraction.resize(places, '0');
    return (negative ? -1 : 1) * std::stoll("0" + whole + fraction);
}

// A failed calculation changes no total but repairs the non-numbers. Every calculation leaves numbers in the
// boxes, unless it stopped out of range, which changes none. Money is toll + fuel to the cent when it was so
// before. Where every text is simple (face values and totals in cents, whole counts), the outcome and the totals
// are exactly what this walk in integer cents gives.
void CheckCalculation(const ReceiptSheet& before, const ReceiptSheet& after, const ledger::Message& message)
{
    const bool success = message.title == "计算结果",
               outOfRange = message.text.find("超出计算范围") != std::string::npos;
    std::int64_t totals[4];               // in cents, by result field: money, sheets, toll, fuel
    bool simple = true, invalid = false;  // simple: every total so far read exactly
    for (const ResultField field : ledger::kResultFields) {
        const std::string repaired = Read(before.Result(field)) ? before.Result(field) : "0";
        if (!success && after.Result(field) != repaired) Fail("a failed calculation changed a total");
        const auto cents = Scaled(repaired, 2, 9);
        simple = simple && cents && (field != ResultField::Output2 || *cents % 100 == 0);
        totals[static_cast<int>(field)] = cents.value_or(0);
    }
    const bool balanced = simple && totals[0] == totals[2] + totals[3];  // money was toll + fuel
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
            const std::string& text = after.Text({kind, row});
            if (outOfRange ? text != before.Text({kind, row}) : !Read(text)) Fail("a calculation left a box wrong");
        }
    }
    const auto micros = [&after](ResultField field) { return Scaled(after.Result(field), 6, 12, true); };
    const auto money = micros(ResultField::Output1), toll = micros(ResultField::Road1), fuel = micros(ResultField::O1);
    if (success && balanced && money && toll && fuel && std::abs(*money - *toll - *fuel) > 1e4) {
        Fail("money is not toll + fuel to the cent");
    }
    const auto inRange = [&totals] { return totals[1] >= -3276800 && totals[1] <= 3276700; };
    bool overflow = !inRange();
    for (int row = 0; row < ledger::kRowCount && simple && !overflow; ++row) {
        const std::string &faceText = before.Text({BoxKind::Face, row}),
                          &countText = before.Text({BoxKind::Count, row});
        const auto face = Scaled(faceText, 2, 9), count = Scaled(countText, 0, 6);
        invalid = invalid || !Read(faceText) || !Read(countText);
        simple = (face || !Read(faceText)) && (count || !Read(countText));
        if (!face || !count) continue;
        totals[0] += *face * *count;
        totals[before.FuelMark(row) == 1 ? 3 : 2] += *face * *count;
        totals[1] += *face > 0 ? *count * 100 : 0;
        overflow = !inRange();
    }
    for (const std::int64_t total : totals) simple = simple && std::abs(total) < 100'000'000'000'000;  // 15 digits
    if (simple && (success != (!invalid && !overflow) || outOfRange != overflow)) Fail("the outcome " + message.text);
    for (const ResultField field : ledger::kResultFields) {
        const auto shown = Scaled(after.Result(field), 2, 13);
        if (simple && success && shown != totals[static_cast<int>(field)]) Fail("a total is not its rows' sum");
    }
}

// A reset puts every row back as it starts and keeps the fuel marks and the previous-totals line; the first-step
// reset keeps the totals, the full one sets them to 0. The usage help changes nothing.
void CheckResetOrHelp(const std::string& button, const ReceiptSheet& before, const ReceiptSheet& after,
                      const ledger::Message& message)
{
    const bool full = button == "SetBackCommand", help = button == "Command1";
    const ledger::Message expected{help ? "使用说明" : "重置第一步数据",
                                   help   ? message.text
                                   : full ? "系统提示：成功，已把所有数据及程序变量重置！"
                                          : "系统提示：成功，已把第一步里所有数据重置！"};
    if (message != expected || (help && QString::fromStdString(message.text).size() != 300))
        Fail(button + " said " + message.text);
    const ReceiptSheet& rows = help ? before : ReceiptSheet();
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
            const ledger::BackColour colour = rows.Colour({kind, row});
            const bool painted = after.Colour({kind, row}) ==
                                 (help || colour != ledger::BackColour::Standard ? colour : ledger::BackColour::White);
            if (after.Text({kind, row}) != rows.Text({kind, row}) || !painted) Fail(button + " left a row wrong");
        }
        if (after.FuelMark(row) != before.FuelMark(row)) Fail(button + " changed a fuel mark");
    }
    for (const ResultField field : ledger::kResultFields) {
        if (after.Result(field) != (full ? "0" : before.Result(field))) Fail(button + " changed a total");
    }
    if (after.PreviousTotals() != before.PreviousTotals()) Fail(button + " changed the previous totals");
}

// The bytes of one input, read as the user's steps (random_user.h says which byte means what).
class Steps {
public:
    Steps(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Done() const { return at_ >= size_; }
    int Next(int range) { return at_ < size_ ? data_[at_++] % range : 0; }
    // Digits, the point, signs, blanks, letters, a full-width digit, Chinese, a surrogate pair, a lone surrogate.
    QString Character()
    {
        static const QString kAlphabet[] = {
            "0", "1", "2", "3",  "4", "5", "6",  "7",  "8",  "9", ".",
            "+", "-", " ", "\t", "a", "e", "１", "元", "鑫", "😀", QString(QChar(0xD800))};
        return kAlphabet[Next(std::size(kAlphabet))];
    }

private:
    const std::uint8_t* data_;
    std::size_t size_, at_ = 0;
};

QWidget* Box(window::MainWindow& window, int index)  // the 48 entry boxes, then the four result fields
{
    if (index >= 2 * ledger::kRowCount) return window.Result(ResultField(index - 2 * ledger::kRowCount));
    return index < ledger::kRowCount ? static_cast<QWidget*>(window.InputMoney1(index)) : window.Text1(index % 24);
}
std::optional<ledger::BoxId> BoxOf(window::MainWindow& window, const QWidget* widget)  // the entry box it is, if one
{
    for (int index = 0; index < 2 * ledger::kRowCount; ++index) {
        if (widget == Box(window, index)) return ledger::BoxId{index < 24 ? BoxKind::Face : BoxKind::Count, index % 24};
    }
    return std::nullopt;
}
void Click(QWidget* widget, int x = -1)
{
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      QPoint(x < 0 ? widget->width() / 2 : x % widget->width(), widget->height() / 2));
}

// Besides the checks of every step: only a click into an entry box makes it current; a key that is enabled gives
// the current box the focus back; a box keeps its selection while the focus is elsewhere. Returns the steps played.
std::size_t PlaySteps(window::MainWindow& window, Steps& steps, ledger::Message& lastMessage)
{
    static const char* const kButtons[] = {"RunCommand", "Command4", "SetBackCommand", "Command1"};
    static const Qt::Key kKeys[] = {Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Home, Qt::Key_End,
                                    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A};
    static const Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
    std::size_t played = 0;
    for (; !steps.Done(); ++played) {
        const ReceiptSheet before = window.Sheet();
        const auto current = window.KeypadState().CurrentBox();
        QWidget* const focused = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        std::string pressed;                                    // the control, when the step pressed one
        bool clickedBox = false, keyed = false, writes = true;  // whether the step may write into the sheet
        lastMessage = {};
        switch (const int step = steps.Next(10); step) {
            case 0:
            case 9: {  // a click, or a mouse button let go over a box after a drag from elsewhere
                const int index = steps.Next(52);
                clickedBox = step == 0 && index < 2 * ledger::kRowCount;
                step == 0 ? Click(Box(window, index), steps.Next(256))
                          : QTest::mouseRelease(Box(window, index), Qt::LeftButton);
                writes = false;
                break;
            }
            case 1: {
                const int key = steps.Next(kBackspace + 1);
                QPushButton* button = key == kBackspace ? window.Command2() : window.Command3(key);
                keyed = writes = button->isEnabled();
                Click(button);
                break;
            }
            case 2:
                for (QWidget* box = Box(window, steps.Next(52)); steps.Next(8) > 0;) {
                    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, steps.Character(), {});
                }
                break;
            case 3: {  // a paste, up to a long run of one character
                const QString character = steps.Character();
                const int times = steps.Next(256);
                QGuiApplication::clipboard()->setText(character.repeated(1 + times * steps.Next(8)));
                QTest::keyClick(Box(window, steps.Next(52)), Qt::Key_V, Qt::ControlModifier);
                break;
            }
            case 4: {
                QWidget* box = Box(window, steps.Next(52));
                const Qt::Key key = kKeys[steps.Next(7)];
                QTest::keyClick(box, key, kModifiers[steps.Next(3)]);
                break;
            }
            case 5: Click(window.C1(steps.Next(ledger::kRowCount))); break;
            case 6:
                pressed = kButtons[steps.Next(std::size(kButtons))];
                Click(window.findChild<QWidget*>(QString::fromStdString(pressed)));
                break;
            case 7:
                QTest::keyClick(focused, Qt::Key_Tab);
                writes = false;
                break;
            case 8:  // the focused control activated from the keyboard (a box takes a blank)
                pressed = focused->objectName().toStdString();
                QTest::keyClick(focused, Qt::Key_Space);
                break;
        }
        if (const std::string difference = window::Difference(window); !difference.empty())
            Fail(difference + " differs");
        if (!clickedBox && window.KeypadState().CurrentBox() != current) Fail("a box became current without a click");
        if (keyed && BoxOf(window, QApplication::focusWidget()) != current)
            Fail("a key left the focus away from its box");
        const auto left = BoxOf(window, focused);
        const auto selection = [left](const ReceiptSheet& sheet) {
            return std::pair(sheet.Box(*left).selStart, sheet.Box(*left).selLength);
        };
        if (left && !writes && QApplication::focusWidget() != focused &&
            selection(window.Sheet()) != selection(before)) {
            Fail("a box lost its selection with the focus");
        }
        if (pressed == kButtons[0]) CheckCalculation(before, window.Sheet(), lastMessage);
        if (std::find(std::begin(kButtons) + 1, std::end(kButtons), pressed) != std::end(kButtons)) {
            CheckResetOrHelp(pressed, before, window.Sheet(), lastMessage);
        }
    }
    return played;
}

}  // namespace

std::size_t PlayInput(const std::uint8_t* data, std::size_t size)
{
    // QTest's clock for mouse events only goes forward, half a second a click, in an int: in a long run it
    // would overflow after some 4 million clicks. Started again, it is never taken for a double click.
    if (QTest::lastMouseTimestamp > 1'000'000'000) QTest::lastMouseTimestamp = 0;
    // The steps never wait for the event loop; what the platform queued meanwhile (the last window's expose
    // events on show and hide) is handled here, so that a long run does not pile it up.
    QCoreApplication::processEvents();
    ledger::Message lastMessage;
    window::MainWindow window([&lastMessage](QWidget*, const ledger::Message& message) { lastMessage = message; });
    window.show();
    QApplication::setActiveWindow(&window);  // focus and Tab, without waiting for the platform
    Steps steps(data, size);
    return PlaySteps(window, steps, lastMessage);
}

}  // namespace random_user
