// A random user: 20,000 seeded clicks, key presses and typed texts on the
// real window. After every event the sheet's invariants hold and every
// control shows exactly what the sheet and the keypad hold; every
// calculation equals the model's own. RANDOM_USER_SEED and
// RANDOM_USER_EVENTS replay or lengthen a run.
#include <deque>
#include <random>
#include <sstream>

#include "sheet_invariants.h"
#include "window/qt_text.h"
#include "window_driver.h"

namespace window {
namespace {

using ledger::BoxId;
using ledger::BoxKind;

const QStringList kTexts{"0", "20", "56.5", "-3", "abc", ".", "5.", "1.2.3", " 7 ", "32767", "99999", "2.5",
                         "0.001", "二十元", "+4", "9999999999999999", "1e3", "１２"};
const std::pair<Qt::Key, Qt::KeyboardModifiers> kKeys[] = {
    {Qt::Key_Backspace, {}}, {Qt::Key_Delete, {}}, {Qt::Key_Left, {}}, {Qt::Key_End, {}}, {Qt::Key_Home, {}},
    {Qt::Key_Left, Qt::ShiftModifier}, {Qt::Key_Tab, {}}, {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_5, {}}, {Qt::Key_Space, {}},
};

class RandomUser : public WindowDriver {
protected:
    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    EntryBox* Box(BoxId id) { return id.kind == BoxKind::Face ? Window().InputMoney1(id.row) : Window().Text1(id.row); }
    BoxId AnyBox() { return {Below(2) == 0 ? BoxKind::Face : BoxKind::Count, static_cast<int>(Below(ledger::kRowCount))}; }
    QString AnyText() { return kTexts[static_cast<int>(Below(static_cast<std::size_t>(kTexts.size())))]; }

    // Types any text, also characters that QTest::keyClicks does not know.
    static void Type(QWidget* widget, const QString& text)
    {
        for (const char32_t c : text.toUcs4()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&c, 1));
            QApplication::sendEvent(widget, &press);
        }
    }

    // One random event; says what it was.
    std::string Act()
    {
        std::ostringstream what;
        const std::size_t kind = Below(100);
        QWidget* focus = QApplication::focusWidget();
        if (kind < 25) {
            EntryBox* box = Box(AnyBox());
            const int x = 2 + static_cast<int>(Below(static_cast<std::size_t>(box->width() - 4)));
            what << "click " << box->objectName().toStdString() << " at " << x;
            Click(box, {x, -1});
        } else if (kind < 50) {
            const int key = static_cast<int>(Below(12));
            what << "key " << key;
            ClickKey(key);
        } else if (kind < 56) {
            what << "calculate";
            CalculateAndCompare();
        } else if (kind < 60) {
            const char* buttons[] = {"Command4", "SetBackCommand", "Command1"};
            what << "button " << buttons[kind - 56 < 3 ? kind - 56 : 0];
            Click(buttons[kind - 56 < 3 ? kind - 56 : 0]);
        } else if (kind < 65) {
            const int row = static_cast<int>(Below(ledger::kRowCount));
            what << "tick C1(" << row << ")";
            Click(Window().C1(row), {7, -1});
        } else if (kind < 80) {
            const auto [key, modifiers] = kKeys[Below(std::size(kKeys))];
            what << "keyboard " << key << " in " << focus->objectName().toStdString();
            if (key == Qt::Key_Space && focus->objectName() == QStringLiteral("RunCommand")) {
                CalculateAndCompare([focus] { QTest::keyClick(focus, Qt::Key_Space); });
            } else {
                QTest::keyClick(focus, key, modifiers);
            }
        } else if (kind < 93) {
            const QString text = AnyText();
            what << "type " << text.toStdString() << " in " << focus->objectName().toStdString();
            if (qobject_cast<QLineEdit*>(focus) != nullptr) Type(focus, text);
        } else if (kind < 96) {
            EntryBox* field = Window().Result(ledger::kResultFields[Below(4)]);
            what << "retype " << field->objectName().toStdString();
            Click(field, {10, 10});
            field->selectAll();
            Type(field, AnyText());
        } else {
            EntryBox* box = Box(AnyBox());
            const int from = 2 + static_cast<int>(Below(static_cast<std::size_t>(box->width() / 2)));
            what << "drag in " << box->objectName().toStdString() << " from " << from;
            QTest::mousePress(box, Qt::LeftButton, {}, {from, 5});
            QTest::mouseMove(box, {box->width() - 3, 5});
            QTest::mouseRelease(box, Qt::LeftButton, {}, {box->width() - 3, 5});
        }
        return what.str();
    }

    void CalculateAndCompare(const std::function<void()>& press = {})
    {
        ledger::ReceiptSheet expected = Window().Sheet();
        ledger::Message message;
        problem_ = invariants::CalculateAndCheck(expected, &message);
        const std::size_t shown = messages_.size();
        press ? press() : Click("RunCommand");
        if (messages_.size() != shown + 1 || messages_.back() != message) problem_ = "the window's message differs";
        if (Results(expected) != Results()) problem_ = "the window's totals differ";
        ++calculations_;
    }

    static QString Results(const ledger::ReceiptSheet& sheet)
    {
        QStringList texts;
        for (const ledger::ResultField field : ledger::kResultFields) texts << QString::fromStdString(sheet.Result(field));
        return texts.join(QLatin1Char('|'));
    }
    using WindowDriver::Results;

    // Everything the window shows matches the sheet and the keypad.
    invariants::Problem Check()
    {
        const ledger::ReceiptSheet& sheet = Window().Sheet();
        if (problem_) return problem_;
        if (auto problem = invariants::Check(Window().KeypadState(), sheet)) return problem;
        for (int row = 0; row < ledger::kRowCount; ++row) {
            for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
                const EntryBox* box = Box({kind, row});
                const ledger::EntryBox& model = sheet.Box({kind, row});
                const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
                const std::size_t first = CharIndex(box->text(), start);
                const std::size_t end = CharIndex(box->text(), start + box->selectionLength());
                const std::uint32_t bgr = ledger::Bgr(sheet.Colour({kind, row}));
                if (box->text().toStdString() != model.text || first != model.selStart || end - first != model.selLength ||
                    BaseColour(box) != QColor(ledger::Red(bgr), ledger::Green(bgr), ledger::Blue(bgr))) {
                    return box->objectName().toStdString() + " differs from the sheet";
                }
            }
            if (Window().C1(row)->isChecked() != (sheet.FuelMark(row) == 1)) return "C1 differs from the fuel mark";
        }
        if (Results(sheet) != Results()) return "a result field differs";
        if (Named<QLabel>("Label9")->text().toStdString() != sheet.PreviousTotals()) return "Label9 differs";
        for (int key = 0; key < entry::kKeyCount; ++key) {
            if (Window().Command3(key)->isEnabled() != Window().KeypadState().KeyEnabled(key)) return "a key differs";
        }
        if (Window().Command2()->isEnabled() != Window().KeypadState().BackspaceEnabled()) return "backspace differs";
        return std::nullopt;
    }

    std::mt19937 random_;
    invariants::Problem problem_;
    int calculations_ = 0;
};

TEST_F(RandomUser, KeepsEveryTotalAndEveryControlConsistent)
{
    const unsigned seed = qEnvironmentVariableIsSet("RANDOM_USER_SEED") ? qEnvironmentVariable("RANDOM_USER_SEED").toUInt()
                                                                         : 20261206u;
    const int events = qEnvironmentVariableIsSet("RANDOM_USER_EVENTS") ? qEnvironmentVariableIntValue("RANDOM_USER_EVENTS")
                                                                       : 20000;
    random_.seed(seed);
    std::deque<std::string> recent;
    for (int event = 0; event < events; ++event) {
        recent.push_back(Act());
        if (recent.size() > 25) recent.pop_front();
        if (const auto problem = Check()) {
            std::string last;
            for (const std::string& line : recent) last += "  " + line + "\n";
            FAIL() << "seed " << seed << ", event " << event << ": " << *problem << "\nlast events:\n" << last;
        }
    }
    EXPECT_GT(calculations_, events / 40);  // the run did exercise the calculation
}

}  // namespace
}  // namespace window
