// The random user's steps, each with what its bytes mean, and its checks; random_user.h says what it does.
#include "random_user.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "sheet_script.h"
#include "window/usage_help.h"
#include "window_difference.h"

namespace random_user {
namespace {

using ledger::BoxKind, ledger::ReceiptSheet, ledger::ResultField;

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "random user: %s\n", what.c_str());
    std::abort();
}

// The bytes of one input, each read modulo the number of choices.
struct Steps {
    const std::uint8_t *at, *end;
    int Next(int range) { return at < end ? *at++ % range : 0; }
};

// A character T: digits, the point, signs, blanks, letters, a full-width digit, Chinese, a surrogate pair and a
// lone surrogate.
QString Character(Steps& steps)
{
    static const QString kAlphabet[] = {"0", "1", "2", "3",  "4", "5", "6",  "7",  "8",  "9", ".",
                                        "+", "-", " ", "\t", "a", "e", "１", "元", "鑫", "😀", QString(QChar(0xD800))};
    return kAlphabet[steps.Next(std::size(kAlphabet))];
}

// A control C (modulo 52): 0-23 the face-value boxes by row, 24-47 the count boxes, 48-51 the result fields.
QWidget* Box(window::MainWindow& window, int index)
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
    // The buttons, each with what it must do to the sheet as it stood and say.
    static const std::pair<const char*, ledger::Message (*)(ReceiptSheet&)> kButtons[] = {
        {"RunCommand", ledger::Calculate},
        {"Command4", ledger::FirstStepReset},
        {"SetBackCommand", ledger::FullReset},
        {"Command1",
         [](ReceiptSheet&) {
             return ledger::Message{"使用说明", std::string(window::kUsageText)};
         }},
    };
    static const Qt::Key kKeys[] = {Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Home, Qt::Key_End,
                                    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A};
    static const Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
    std::size_t played = 0;
    for (; steps.at < steps.end; ++played) {
        const ReceiptSheet before = window.Sheet();
        const auto current = window.KeypadState().CurrentBox();
        QWidget* const focused = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        std::string pressed;                                    // the control, when the step pressed one
        bool clickedBox = false, keyed = false, writes = true;  // whether the step may write into the sheet
        lastMessage = {};
        switch (const int step = steps.Next(10); step) {
            case 0:    // C X: a click into control C, X pixels from its left (modulo its width)
            case 9: {  // C: a mouse button let go over control C, pressed elsewhere
                const int index = steps.Next(52);
                clickedBox = step == 0 && index < 2 * ledger::kRowCount;
                step == 0 ? Click(Box(window, index), steps.Next(256))
                          : QTest::mouseRelease(Box(window, index), Qt::LeftButton);
                writes = false;
                break;
            }
            case 1: {  // K: a click on keypad key K: 0-9 the digits, 10 the point, 11 backspace
                const int key = steps.Next(kBackspace + 1);
                QPushButton* button = key == kBackspace ? window.Command2() : window.Command3(key);
                keyed = writes = button->isEnabled();
                Click(button);
                break;
            }
            case 2:  // C (G T)*: typing into control C, while a byte G modulo 8 is not 0, the character T
                for (QWidget* box = Box(window, steps.Next(52)); steps.Next(8) > 0;) {
                    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, Character(steps), {});
                }
                break;
            case 3: {  // T N M C: a paste of 1 + N * M times the character T (N modulo 256, M modulo 8) into C
                const QString character = Character(steps);
                const int times = steps.Next(256);
                QGuiApplication::clipboard()->setText(character.repeated(1 + times * steps.Next(8)));
                QTest::keyClick(Box(window, steps.Next(52)), Qt::Key_V, Qt::ControlModifier);
                break;
            }
            case 4: {  // C K S: key K (Left, Right, Home, End, Backspace, Delete, A) with S (none, Shift, Control)
                QWidget* box = Box(window, steps.Next(52));
                const Qt::Key key = kKeys[steps.Next(7)];
                QTest::keyClick(box, key, kModifiers[steps.Next(3)]);
                break;
            }
            case 5: Click(window.C1(steps.Next(ledger::kRowCount))); break;  // R: a click on row R's fuel mark
            case 6:  // B: a click on button B: "计 算", "重置", "全部重置", "使用说明"
                pressed = kButtons[steps.Next(std::size(kButtons))].first;
                Click(window.findChild<QWidget*>(QString::fromStdString(pressed)));
                break;
            case 7:  // Tab
                QTest::keyClick(focused, Qt::Key_Tab);
                writes = false;
                break;
            case 8:  // Space on the focused control (a box takes a blank)
                pressed = focused->objectName().toStdString();
                QTest::keyClick(focused, Qt::Key_Space);
                break;
        }
        if (const std::string difference = window::Difference(window); !difference.empty())
            Fail(difference + " differs");
        if (!clickedBox && window.KeypadState().CurrentBox() != current) Fail("a box became current without a click");
        if (keyed && BoxOf(window, QApplication::focusWidget()) != current)
            Fail("a key left the focus away from its box");
        const auto left = BoxOf(window, focused);  // which keeps its text and selection while the focus is elsewhere
        if (left && !writes && QApplication::focusWidget() != focused && window.Sheet().Box(*left) != before.Box(*left))
            Fail("a box lost its selection with the focus");
        for (const auto& [name, operation] : kButtons) {
            ReceiptSheet expected = before;
            if (pressed != name) continue;
            const ledger::Message said = operation(expected);
            (void)expected.TakeWrites();  // which the window has taken from its own
            if (said != lastMessage || expected != window.Sheet())
                Fail(pressed + " did not do what it does to the sheet");
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
    Steps steps{data, data + size};
    return PlaySteps(window, steps, lastMessage);
}

}  // namespace random_user
