// A random user: 20,000 seeded clicks, key presses and typed texts on the
// real window, with the sheet's invariants and the window's faithfulness to
// the sheet checked after every event. Set RANDOM_USER_SEED and
// RANDOM_USER_EVENTS to replay or lengthen a run.
#include <QLabel>

#include <deque>
#include <random>
#include <sstream>

#include "ledger/calculate.h"
#include "sheet_invariants.h"
#include "window/qt_text.h"
#include "window_driver.h"

namespace window {
namespace {

using ledger::BoxId;
using ledger::BoxKind;
using testing_support::BaseColour;

const QStringList kTypedTexts{"0", "1", "20", "56.5", "-3", "abc", ".", "5.", ".5", "1.2.3", " 7 ", "32767",
                              "99999", "2.5", "0.001", "二十元", "+4", "0.125", "9999999999999999", "1e3", "１２"};

// Types any text, also characters QTest::keyClicks cannot (it knows only ASCII).
void TypeText(QWidget* widget, const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &release);
    }
}

class RandomUser : public testing_support::WindowDriver {
protected:
    template <typename T>
    T Pick(const std::vector<T>& choices) { return choices[Below(choices.size())]; }
    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

    EntryBox* RandomBox(BoxId& id)
    {
        id = {Below(2) == 0 ? BoxKind::Face : BoxKind::Count, static_cast<int>(Below(ledger::kRowCount))};
        return id.kind == BoxKind::Face ? Window().InputMoney1(id.row) : Window().Text1(id.row);
    }

    // One random event; returns what it was.
    std::string Act()
    {
        std::ostringstream what;
        const std::size_t kind = Below(100);
        QWidget* focus = QApplication::focusWidget();
        if (kind < 25) {
            BoxId id{};
            EntryBox* box = RandomBox(id);
            const int x = 2 + static_cast<int>(Below(static_cast<std::size_t>(box->width() - 4)));
            what << "click " << box->objectName().toStdString() << " at x " << x;
            Click(box, {x, box->height() / 2});
        } else if (kind < 50) {
            const int key = static_cast<int>(Below(12));
            what << "click key " << key;
            Click(key == 11 ? Window().Command2() : Window().Command3(key), {10, 10});
        } else if (kind < 55) {
            what << "calculate";
            ClickCalculateAndCompare(what);
        } else if (kind < 58) {
            what << "first-step reset";
            Click(Named("Command4"), {10, 10});
        } else if (kind < 60) {
            what << "full reset";
            Click(Named("SetBackCommand"), {10, 10});
        } else if (kind < 61) {
            what << "usage help";
            Click(Named("Command1"), {10, 10});
        } else if (kind < 66) {
            const int row = static_cast<int>(Below(ledger::kRowCount));
            what << "tick C1(" << row << ")";
            Click(Window().C1(row), {7, Window().C1(row)->height() / 2});
        } else if (kind < 82) {
            static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
                {Qt::Key_Backspace, {}}, {Qt::Key_Delete, {}},   {Qt::Key_Left, {}},
                {Qt::Key_Right, {}},     {Qt::Key_Home, {}},     {Qt::Key_End, {}},
                {Qt::Key_Left, Qt::ShiftModifier}, {Qt::Key_Right, Qt::ShiftModifier},
                {Qt::Key_Tab, {}},       {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_A, Qt::ControlModifier},
                {Qt::Key_Z, Qt::ControlModifier},  {Qt::Key_5, {}}, {Qt::Key_Period, {}}, {Qt::Key_Space, {}},
            };
            const auto [key, modifiers] = Pick(keys);
            what << "key " << key << " mods " << modifiers.toInt() << " into " << focus->objectName().toStdString();
            if (key == Qt::Key_Return || key == Qt::Key_Space) {
                // Space on a focused button clicks it; compare like a calculation when it is RunCommand.
                if (focus->objectName() == QStringLiteral("RunCommand")) {
                    ClickCalculateAndCompare(what, [focus] { QTest::keyClick(focus, Qt::Key_Space); });
                    return what.str();
                }
            }
            QTest::keyClick(focus, key, modifiers);
        } else if (kind < 94) {
            const QString text = kTypedTexts[static_cast<int>(Below(static_cast<std::size_t>(kTypedTexts.size())))];
            what << "type \"" << text.toStdString() << "\" into " << focus->objectName().toStdString();
            if (qobject_cast<QLineEdit*>(focus) != nullptr) TypeText(focus, text);
        } else if (kind < 97) {
            const char* names[] = {"Output1", "Output2", "Road1", "O1"};
            auto* field = Named<QLineEdit>(QString::fromLatin1(names[Below(4)]));
            const QString text = kTypedTexts[static_cast<int>(Below(static_cast<std::size_t>(kTypedTexts.size())))];
            what << "retype " << field->objectName().toStdString() << " as \"" << text.toStdString() << "\"";
            Click(field, {10, 10});
            field->selectAll();
            TypeText(field, text);
        } else {
            BoxId id{};
            EntryBox* box = RandomBox(id);
            const int from = 2 + static_cast<int>(Below(static_cast<std::size_t>(box->width() / 2)));
            const int to = box->width() / 2 + static_cast<int>(Below(static_cast<std::size_t>(box->width() / 2 - 2)));
            what << "drag in " << box->objectName().toStdString() << " from " << from << " to " << to;
            QTest::mousePress(box, Qt::LeftButton, {}, {from, box->height() / 2});
            QTest::mouseMove(box, {to, box->height() / 2});
            QTest::mouseRelease(box, Qt::LeftButton, {}, {to, box->height() / 2});
        }
        return what.str();
    }

    // The window's calculation must be exactly the model's, and keep the invariants.
    void ClickCalculateAndCompare(std::ostringstream& what, const std::function<void()>& press = {})
    {
        ledger::ReceiptSheet expected = Window().Sheet();
        ledger::Message expectedMessage;
        if (const auto problem = invariants::CalculateAndCheck(expected, &expectedMessage)) {
            problem_ = *problem;
            return;
        }
        const std::size_t shown = messages_.size();
        press ? press() : Click(Named("RunCommand"), {20, 10});
        if (messages_.size() != shown + 1 || messages_.back() != expectedMessage) {
            problem_ = "the window's message differs from the calculation's";
            return;
        }
        what << " -> " << expectedMessage.title << " " << Window().Sheet().Result(ledger::ResultField::Output1);
        for (const ledger::ResultField field : ledger::kResultFields) {
            if (expected.Result(field) != Window().Sheet().Result(field)) problem_ = "result fields differ";
        }
    }

    // Everything the window shows matches the sheet and the keypad.
    std::optional<std::string> Check()
    {
        if (problem_) return problem_;
        const ledger::ReceiptSheet& sheet = Window().Sheet();
        if (auto problem = invariants::CheckKeypad(Window().KeypadState())) return problem;
        if (auto problem = invariants::CheckBoxes(sheet)) return problem;
        for (int row = 0; row < ledger::kRowCount; ++row) {
            for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
                const BoxId id{kind, row};
                const EntryBox* box = kind == BoxKind::Face ? Window().InputMoney1(row) : Window().Text1(row);
                const std::string name = box->objectName().toStdString();
                if (box->text().toStdString() != sheet.Text(id)) return name + " shows another text than the sheet";
                const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
                const int length = box->hasSelectedText() ? box->selectionLength() : 0;
                const ledger::EntryBox& model = sheet.Box(id);
                const std::size_t first = CharIndex(box->text(), start);
                if (first != model.selStart || CharIndex(box->text(), start + length) - first != model.selLength) {
                    return name + " caret or selection differs from the sheet";
                }
                const QColor expected(ledger::Red(ledger::Bgr(sheet.Colour(id))), ledger::Green(ledger::Bgr(sheet.Colour(id))),
                                      ledger::Blue(ledger::Bgr(sheet.Colour(id))));
                if (BaseColour(box) != expected) return name + " shows another colour than the sheet";
            }
            if (Window().C1(row)->isChecked() != (sheet.FuelMark(row) == 1)) return "C1 differs from the fuel mark";
        }
        for (const ledger::ResultField field : ledger::kResultFields) {
            if (Window().Result(field)->text().toStdString() != sheet.Result(field)) return "a result field differs";
        }
        if (Named<QLabel>("Label9")->text().toStdString() != sheet.PreviousTotals()) return "Label9 differs";
        for (int key = 0; key < entry::kKeyCount; ++key) {
            if (Window().Command3(key)->isEnabled() != Window().KeypadState().KeyEnabled(key)) return "a key's enabled state differs";
        }
        if (Window().Command2()->isEnabled() != Window().KeypadState().BackspaceEnabled()) return "backspace enabled differs";
        return std::nullopt;
    }

    std::mt19937 random_;
    std::optional<std::string> problem_;
};

TEST_F(RandomUser, KeepsEveryTotalAndEveryControlConsistent)
{
    const unsigned seed = qEnvironmentVariableIsSet("RANDOM_USER_SEED")
                              ? qEnvironmentVariable("RANDOM_USER_SEED").toUInt()
                              : 20261206u;
    const int events = qEnvironmentVariableIsSet("RANDOM_USER_EVENTS") ? qEnvironmentVariableIntValue("RANDOM_USER_EVENTS")
                                                                       : 20000;
    random_.seed(seed);
    std::deque<std::string> recent;
    int calculations = 0;
    for (int event = 0; event < events; ++event) {
        recent.push_back(Act());
        if (recent.back().rfind("calculate", 0) == 0) ++calculations;
        if (recent.size() > 25) recent.pop_front();
        if (const auto problem = Check()) {
            std::string last;
            for (const std::string& line : recent) last += "  " + line + "\n";
            FAIL() << "seed " << seed << ", event " << event << ": " << *problem << "\nlast events:\n" << last;
        }
    }
    EXPECT_GT(calculations, events / 40);  // the run did exercise the calculation
    std::printf("random user: %d events, seed %u, %zu messages\n", events, seed, messages_.size());
}

}  // namespace
}  // namespace window
