// A random user: 20,000 seeded clicks, keys and typed texts on the real
// window. After every event every control shows exactly what the sheet and
// the keypad hold, and each calculation equals the model's own: a failure
// writes no total, a success writes totals that read back.
// RANDOM_USER_SEED and RANDOM_USER_EVENTS replay or lengthen a run.
#include <deque>
#include <random>

#include "ledger/characters.h"
#include "ledger/number_rules.h"
#include "sheet_script.h"
#include "window/qt_text.h"
#include "window_driver.h"

namespace window {
namespace {

using Problem = std::optional<std::string>;

const QStringList kTexts{"0", "20", "56.5", "-3", "abc", ".", "5.", "1.2.3", " 7 ", "32767", "2.5", "0.001", "二十元",
                         "+4", "9999999999999999", "1e3", "１２"};
const Qt::Key kKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_End, Qt::Key_Tab, Qt::Key_5, Qt::Key_Space};

class RandomUser : public WindowDriver {
protected:
    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    EntryBox* AnyBox() { return Below(2) ? Window().InputMoney1(int(Below(24))) : Window().Text1(int(Below(24))); }

    static void Type(QWidget* widget, const QString& text)  // QTest::keyClicks knows ASCII only
    {
        for (const char32_t c : text.toUcs4()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&c, 1));
            QApplication::sendEvent(widget, &press);
        }
    }

    std::string Act()  // one random event; says what it was
    {
        const std::size_t kind = Below(100);
        QWidget* focus = QApplication::focusWidget();
        EntryBox* box = AnyBox();
        const int x = 2 + int(Below(std::size_t(box->width() - 4)));
        const QString text = kTexts[int(Below(std::size_t(kTexts.size())))];
        if (kind < 25) Click(box, {x, -1});
        else if (kind < 50) ClickKey(int(kind % 12));
        else if (kind < 56) Calculate([this] { Click("RunCommand"); });
        else if (kind < 60) Click(kind < 58 ? "Command4" : kind < 59 ? "SetBackCommand" : "Command1");
        else if (kind < 65) Click(Window().C1(int(Below(24))), {7, -1});
        else if (kind < 80 && focus->objectName() == QStringLiteral("RunCommand")) Calculate([focus] { QTest::keyClick(focus, Qt::Key_Space); });
        else if (kind < 80) QTest::keyClick(focus, kKeys[Below(std::size(kKeys))], Below(4) ? Qt::NoModifier : Qt::ShiftModifier);
        else if (kind < 94 && qobject_cast<QLineEdit*>(focus)) Type(focus, text);
        else if (kind < 97) Window().Result(ledger::kResultFields[Below(4)])->setText(text);
        else {  // a drag that selects
            QTest::mousePress(box, Qt::LeftButton, {}, {x, 5});
            QTest::mouseMove(box, {box->width() - 3, 5});
            QTest::mouseRelease(box, Qt::LeftButton, {}, {box->width() - 3, 5});
        }
        return std::to_string(kind) + " in " + box->objectName().toStdString() + " at " + std::to_string(x) + " with " + text.toStdString();
    }

    // The window's calculation against the model's, on the sheet as it was.
    void Calculate(const std::function<void()>& press)
    {
        const ledger::ReceiptSheet before = Window().Sheet();
        ledger::ReceiptSheet expected = before;
        const ledger::Message message = ledger::Calculate(expected);
        const std::size_t shown = messages_.size();
        press();
        if (messages_.size() != shown + 1 || messages_.back() != message) problem_ = "the window's message differs";
        ++calculations_;
        const bool success = message.title == ledger::texts::kResultTitle;
        for (const ledger::ResultField field : ledger::kResultFields) {
            const std::string& was = before.Result(field);
            const std::string& now = expected.Result(field);
            if (!success && now != (ledger::IsNumeric(was) ? was : "0")) problem_ = "a failure wrote a total";
            if (success && ledger::AmountText(ledger::CountValue(*ledger::ParseDecimal(now))) != now &&
                field != ledger::ResultField::Output2) {
                problem_ = "a total does not read back: " + now;
            }
        }
    }

    Problem Check()  // everything the window shows matches the sheet and the keypad
    {
        const ledger::ReceiptSheet& sheet = Window().Sheet();
        const entry::Keypad& keypad = Window().KeypadState();
        if (keypad.NowP() < entry::kNoBox && keypad.NowP2() < entry::kNoBox) return "two current boxes";
        for (int row = 0; row < ledger::kRowCount; ++row) {
            for (const ledger::BoxId id : {Face(row), Count(row)}) {
                const EntryBox* box = id.kind == ledger::BoxKind::Face ? Window().InputMoney1(row) : Window().Text1(row);
                const ledger::EntryBox& model = sheet.Box(id);
                const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
                const std::size_t first = CharIndex(box->text(), start);
                const std::uint32_t bgr = ledger::Bgr(sheet.Colour(id));
                if (box->text().toStdString() != model.text || first != model.selStart ||
                    CharIndex(box->text(), start + box->selectionLength()) - first != model.selLength ||
                    model.selStart + model.selLength > ledger::CharCount(model.text) ||
                    BaseColour(box) != QColor(ledger::Red(bgr), ledger::Green(bgr), ledger::Blue(bgr))) {
                    return box->objectName().toStdString() + " differs from the sheet";
                }
            }
            if (Window().C1(row)->isChecked() != (sheet.FuelMark(row) == 1)) return "C1 differs from the fuel mark";
        }
        if (::Results(sheet).c_str() != Results()) return "a result field differs";
        if (Named<QLabel>("Label9")->text().toStdString() != sheet.PreviousTotals()) return "Label9 differs";
        for (int key = 0; key < entry::kKeyCount; ++key) {
            const bool allowed = key == entry::kPointKey ? keypad.NowP() < entry::kNoBox : keypad.CurrentBox().has_value();
            if (Window().Command3(key)->isEnabled() != keypad.KeyEnabled(key) || keypad.KeyEnabled(key) != allowed) {
                return "key " + std::to_string(key) + " differs";
            }
        }
        if (Window().Command2()->isEnabled() != keypad.BackspaceEnabled()) return "backspace differs";
        return problem_;
    }

    std::mt19937 random_;
    Problem problem_;
    int calculations_ = 0;
};

TEST_F(RandomUser, KeepsEveryTotalAndEveryControlConsistent)
{
    const unsigned seed = qEnvironmentVariableIsSet("RANDOM_USER_SEED") ? qEnvironmentVariable("RANDOM_USER_SEED").toUInt() : 20261206u;
    const int events = qEnvironmentVariableIsSet("RANDOM_USER_EVENTS") ? qEnvironmentVariableIntValue("RANDOM_USER_EVENTS") : 20000;
    random_.seed(seed);
    std::deque<std::string> recent;
    for (int event = 0; event < events; ++event) {
        recent.push_back(Act());
        if (recent.size() > 25) recent.pop_front();
        if (const Problem problem = Check()) {
            std::string last;
            for (const std::string& line : recent) last += "  " + line + "\n";
            FAIL() << "seed " << seed << ", event " << event << ": " << *problem << "\nlast events:\n" << last;
        }
    }
    EXPECT_GT(calculations_, events / 40);  // the run did exercise the calculation
}

}  // namespace
}  // namespace window
