// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// The random user's steps, each with what its bytes mean, and its checks; random_user.h says what it does.
#include "random_user.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "entry/keypad.h"
#include "ledger/calculate.h"
#include "ledger/resets.h"
#include "window/usage_help.h"
#include "window_difference.h"

namespace random_user {
namespace {

using ledger::ReceiptSheet, ledger::ResultField;

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
constexpr int kControlCount = 2 * ledger::kRowCount + static_cast<int>(ledger::kResultFields.size());
QWidget* Box(const window::MainWindow& window, int index)
{
    if (index >= 2 * ledger::kRowCount) return window.Result(ResultField(index - 2 * ledger::kRowCount));
    return index < ledger::kRowCount ? static_cast<QWidget*>(window.InputMoney1(index))
                                     : window.Text1(index - ledger::kRowCount);
}
void Click(QWidget* widget, int x = -1)
{
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      QPoint(x < 0 ? widget->width() / 2 : x % widget->width(), widget->height() / 2));
}

// The buttons, each with what it must do to the sheet as it stood and say.
const std::pair<const char*, ledger::Message (*)(ReceiptSheet&)> kButtons[] = {
    {"RunCommand", ledger::Calculate},
    {"Command4", ledger::FirstStepReset},
    {"SetBackCommand", ledger::FullReset},
    {"Command1", [](ReceiptSheet&) { return window::UsageHelp(); }},
};

// What a step did, for the checks after it.
struct Done {
    std::string pressed = {};  // the control, when the step pressed one
    bool clickedBox = false;   // a click into an entry box
    bool keyed = false;        // a click on an enabled keypad key
    bool writes = true;        // whether the step may write into the sheet
};

// The kinds of step, by a step's first byte modulo 10; each reads its own bytes.

// C X: a click into control C, X pixels from its left (modulo its width); without its press, C: a mouse button
// let go over C, pressed elsewhere.
Done ClickInto(window::MainWindow& window, Steps& steps, bool press)
{
    const int index = steps.Next(kControlCount);
    press ? Click(Box(window, index), steps.Next(256)) : QTest::mouseRelease(Box(window, index), Qt::LeftButton);
    return {.clickedBox = press && index < 2 * ledger::kRowCount, .writes = false};
}

Done PressKeypadKey(window::MainWindow& window, Steps& steps)  // K: 0-9 the digits, 10 the point, 11 backspace
{
    const int key = steps.Next(entry::kKeyCount + 1);
    QPushButton* button = key == entry::kKeyCount ? window.Command2() : window.Command3(key);
    const bool enabled = button->isEnabled();
    Click(button);
    return {.keyed = enabled, .writes = enabled};
}

Done Type(window::MainWindow& window, Steps& steps)  // C (G T)*: into control C, while G modulo 8 is not 0, the
{                                                    // character T
    for (QWidget* box = Box(window, steps.Next(kControlCount)); steps.Next(8) > 0;) {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, Character(steps), {});
    }
    return {};
}

Done Paste(window::MainWindow& window, Steps& steps)  // T N M C: 1 + N * M times the character T (N modulo 256, M
{                                                     // modulo 8) pasted into C
    const QString character = Character(steps);
    const int times = steps.Next(256);
    QGuiApplication::clipboard()->setText(character.repeated(1 + times * steps.Next(8)));
    QTest::keyClick(Box(window, steps.Next(kControlCount)), Qt::Key_V, Qt::ControlModifier);
    return {};
}

Done EditingKey(window::MainWindow& window, Steps& steps)  // C K S: key K (Left, Right, Home, End, Backspace,
{                                                          // Delete, A) with S (none, Shift, Control) in C
    static const Qt::Key kKeys[] = {Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Home, Qt::Key_End,
                                    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A};
    static const Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
    QWidget* box = Box(window, steps.Next(kControlCount));
    const Qt::Key key = kKeys[steps.Next(std::size(kKeys))];
    QTest::keyClick(box, key, kModifiers[steps.Next(std::size(kModifiers))]);
    return {};
}

Done TickFuelMark(window::MainWindow& window, Steps& steps)  // R: a click on row R's fuel mark
{
    Click(window.C1(steps.Next(ledger::kRowCount)));
    return {};
}

Done PressButton(window::MainWindow& window, Steps& steps)  // B: "计 算", "重置", "全部重置", "使用说明"
{
    const std::string pressed = kButtons[steps.Next(std::size(kButtons))].first;
    Click(window.findChild<QWidget*>(QString::fromStdString(pressed)));
    return {.pressed = pressed};
}

Done KeyOnTheFocus(QWidget* focused, Qt::Key key)  // Tab, or Space (which presses a button; a box takes a blank)
{
    QTest::keyClick(focused, key);
    return key == Qt::Key_Tab ? Done{.writes = false} : Done{.pressed = focused->objectName().toStdString()};
}

// Besides the window showing the model: only a click into an entry box makes it current; a key that is enabled
// gives the current box the focus back; a box keeps its selection while the focus is elsewhere; a button does to
// the sheet what its operation does, and says what it says.
void CheckStep(const window::MainWindow& window, const Done& done, const ReceiptSheet& before,
               std::optional<ledger::BoxId> current, const ledger::Message& lastMessage)
{
    if (const std::string difference = window::Difference(window); !difference.empty()) Fail(difference + " differs");
    if (!done.clickedBox && window.KeypadState().CurrentBox() != current) Fail("a box became current without a click");
    if (done.keyed && QApplication::focusWidget() != window.Widget(*current)) Fail("a key left the focus elsewhere");
    for (const window::layout::Binding& binding :
         window::layout::TabOrder()) {  // a box keeps its selection without the focus
        const auto* box = std::get_if<ledger::BoxId>(&binding);
        if (box && !done.writes && window.Widget(binding) != QApplication::focusWidget() &&
            window.Sheet().Box(*box) != before.Box(*box))
            Fail("a box lost its selection with the focus");
    }
    for (const auto& [name, operation] : kButtons) {
        if (done.pressed != name) continue;
        ReceiptSheet expected = before;
        const ledger::Message said = operation(expected);
        if (said != lastMessage || expected != window.Sheet())
            Fail(done.pressed + " did not do what it does to the sheet");
    }
}

// Returns the steps played.
std::size_t PlaySteps(window::MainWindow& window, Steps& steps, ledger::Message& lastMessage)
{
    std::size_t played = 0;
    for (; steps.at < steps.end; ++played) {
        const ReceiptSheet before = window.Sheet();
        const auto current = window.KeypadState().CurrentBox();
        QWidget* const focused = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        lastMessage = {};
        Done done;
        switch (steps.Next(10)) {
            case 0: done = ClickInto(window, steps, true); break;
            case 1: done = PressKeypadKey(window, steps); break;
            case 2: done = Type(window, steps); break;
            case 3: done = Paste(window, steps); break;
            case 4: done = EditingKey(window, steps); break;
            case 5: done = TickFuelMark(window, steps); break;
            case 6: done = PressButton(window, steps); break;
            case 7: done = KeyOnTheFocus(focused, Qt::Key_Tab); break;
            case 8: done = KeyOnTheFocus(focused, Qt::Key_Space); break;
            case 9: done = ClickInto(window, steps, false); break;
        }
        CheckStep(window, done, before, current, lastMessage);
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
