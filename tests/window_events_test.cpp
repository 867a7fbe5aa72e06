#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "ledger/message.h"
#include "window/usage_help.h"
#include "window_driver.h"

namespace window {
namespace {

using testing_support::BaseColour;
using testing_support::WindowDriver;

const QColor kGreen(192, 255, 192);
const QColor kPink(255, 128, 128);
const QColor kGrey(224, 224, 224);

class WindowEvents : public WindowDriver {
protected:
    QString ResultText(const char* name) { return Named<QLineEdit>(QString::fromLatin1(name))->text(); }
    QString Results()
    {
        return ResultText("Output1") + "|" + ResultText("Output2") + "|" + ResultText("Road1") + "|" + ResultText("O1");
    }
    void ClickButton(const char* name) { Click(Named(QString::fromLatin1(name)), {20, 10}); }
};

TEST_F(WindowEvents, TypicalPassWithTheMouseAlone)
{
    // 20-yuan row: count 3.
    Click(Window().Text1(1));
    EXPECT_EQ(Window().KeypadState().NowP2(), 1);
    for (int key = 0; key < 10; ++key) EXPECT_TRUE(Window().Command3(key)->isEnabled());
    EXPECT_FALSE(Window().Command3(10)->isEnabled());
    ClickKey(3);
    EXPECT_EQ(Window().Text1(1)->text(), QStringLiteral("3"));

    // Free row 23: a fuel invoice of 56.5.
    Click(Window().InputMoney1(23));
    for (const int key : {5, 6, 10, 5}) ClickKey(key);
    EXPECT_EQ(Window().InputMoney1(23)->text(), QStringLiteral("56.5"));
    EXPECT_EQ(Window().Text1(23)->text(), QStringLiteral("1"));
    EXPECT_TRUE(Window().C1(23)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), Window().InputMoney1(23));

    ClickButton("RunCommand");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(LastMessage().title, "计算结果");
    EXPECT_EQ(LastMessage().text.substr(0, LastMessage().text.find("张！")),
              "系统提示：恭喜，算出发票金额共：116.5元，其中过路过桥费共：60元，加油发票共56.5元。全部发票共有4");
    EXPECT_EQ(Results(), QStringLiteral("116.5|4|60|56.5"));
    for (int row = 0; row < 24; ++row) {
        const bool counted = row == 1 || row == 23;
        const bool common = row == 5 || row == 6 || row == 9 || row == 11 || row == 15;
        EXPECT_EQ(BaseColour(Window().InputMoney1(row)), counted ? kGreen : common ? kGrey : QColor(Qt::white)) << row;
        EXPECT_EQ(BaseColour(Window().Text1(row)), counted ? kGreen : QColor(Qt::white)) << row;
    }

    // Second batch after the first-step reset: the totals carry over.
    ClickButton("Command4");
    EXPECT_EQ(LastMessage().text, "系统提示：成功，已把第一步里所有数据重置！");
    EXPECT_EQ(Window().InputMoney1(23)->text(), QStringLiteral("0"));
    EXPECT_EQ(BaseColour(Window().InputMoney1(23)), QColor(Qt::white));
    Click(Window().Text1(22));
    ClickKey(2);
    ClickButton("RunCommand");
    EXPECT_EQ(Results(), QStringLiteral("316.5|6|260|56.5"));
    EXPECT_EQ(Named<QLabel>("Label9")->text(), QStringLiteral("相加上次数据，总金额116.5元；共4张；总路费60元；总油费56.5元；"));

    ClickButton("SetBackCommand");
    EXPECT_EQ(LastMessage().text, "系统提示：成功，已把所有数据及程序变量重置！");
    EXPECT_EQ(Results(), QStringLiteral("0|0|0|0"));
    EXPECT_TRUE(Window().C1(23)->isChecked());  // resets leave fuel marks alone
}

TEST_F(WindowEvents, BadInputIsMarkedPink)
{
    Window().InputMoney1(7)->setFocus(Qt::TabFocusReason);  // selects all, like a user tabbing in
    TypeInto(Window().InputMoney1(7), QStringLiteral("abc"));
    Window().Text1(3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Window().Text1(3), Qt::Key_Delete);
    EXPECT_EQ(Window().Sheet().Text({ledger::BoxKind::Face, 7}), "abc");
    EXPECT_EQ(Window().Sheet().Text({ledger::BoxKind::Count, 3}), "");

    ClickButton("RunCommand");
    EXPECT_EQ(LastMessage().title, "发现错误");
    EXPECT_EQ(LastMessage().text, std::string(ledger::texts::kInvalidInputText));
    EXPECT_EQ(Window().InputMoney1(7)->text(), QStringLiteral("0"));
    EXPECT_EQ(Window().Text1(3)->text(), QStringLiteral("0"));
    EXPECT_EQ(BaseColour(Window().InputMoney1(7)), kPink);
    EXPECT_EQ(BaseColour(Window().Text1(3)), kPink);
    EXPECT_EQ(BaseColour(Window().InputMoney1(6)), kGrey);
    EXPECT_EQ(Window().InputMoney1(7)->cursorPosition(), 0);
    EXPECT_EQ(Results(), QStringLiteral("0|0|0|0"));
}

TEST_F(WindowEvents, ResultFieldsTypedByHandAreTheRunningTotals)
{
    auto* output1 = Named<QLineEdit>("Output1");
    output1->setFocus(Qt::TabFocusReason);
    TypeInto(output1, QStringLiteral("50"));
    auto* o1 = Named<QLineEdit>("O1");
    o1->setFocus(Qt::TabFocusReason);
    TypeInto(o1, QStringLiteral("x"));
    ClickButton("RunCommand");
    EXPECT_EQ(Results(), QStringLiteral("50|0|0|0"));
    EXPECT_EQ(Named<QLabel>("Label9")->text(), QStringLiteral("相加上次数据，总金额50元；"));
}

TEST_F(WindowEvents, OutOfRangeReportsAndWritesNoResult)
{
    Click(Window().Text1(15));
    for (const int key : {4, 0, 0, 0, 0}) ClickKey(key);
    ClickButton("RunCommand");
    EXPECT_EQ(LastMessage().text, std::string(ledger::texts::kOutOfRangeText));
    EXPECT_EQ(Results(), QStringLiteral("0|0|0|0"));
    EXPECT_EQ(BaseColour(Window().Text1(15)), QColor(Qt::white));
}

TEST_F(WindowEvents, EnterOrSpaceOnTheFocusedButtonCalculates)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(LastMessage().title, "计算结果");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(messages_.size(), 2u);
    Named("Command1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(LastMessage().title, "使用说明");
}

TEST_F(WindowEvents, UsageHelpChangesNothing)
{
    ClickAtEnd(Window().InputMoney1(1));
    ClickKey(5);
    for (int i = 0; i < 2; ++i) {
        ClickButton("Command1");
        EXPECT_EQ(LastMessage().title, "使用说明");
        EXPECT_EQ(LastMessage().text, std::string(kUsageText));
    }
    EXPECT_EQ(QString::fromStdString(LastMessage().text).size(), 300);
    EXPECT_EQ(Window().KeypadState().NowP(), 1);
    EXPECT_TRUE(Window().Command3(10)->isEnabled());
    ClickKey(7);
    EXPECT_EQ(Window().InputMoney1(1)->text(), QStringLiteral("2057"));
}

TEST_F(WindowEvents, DisabledKeysIgnoreClicks)
{
    ClickKey(5);
    Click(Window().Command2(), {10, 10});
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(Window().KeypadState().NowP(), 1000);
    Click(Window().Text1(0));
    Click(Window().Command3(10), {10, 10});  // the point key stays disabled for counts
    EXPECT_EQ(Window().Text1(0)->text(), QStringLiteral("0"));
}

TEST_F(WindowEvents, OnlyAMouseClickMakesABoxCurrent)
{
    Window().Text1(3)->setFocus(Qt::TabFocusReason);
    TypeInto(Window().Text1(3), QStringLiteral("9"));
    EXPECT_EQ(Window().KeypadState().NowP2(), 1000);
    EXPECT_FALSE(Window().Command3(1)->isEnabled());

    ClickAtEnd(Window().InputMoney1(0));
    QTest::keyClick(Window().InputMoney1(0), Qt::Key_Tab);  // on to Text1(0)
    ClickKey(8);  // still types into the clicked box, which gets the focus back
    EXPECT_EQ(Window().InputMoney1(0)->text(), QStringLiteral("18"));
    EXPECT_EQ(Window().Text1(0)->text(), QStringLiteral("0"));
    EXPECT_EQ(QApplication::focusWidget(), Window().InputMoney1(0));
}

TEST_F(WindowEvents, ClickingPlacesTheCaretBeforeTheKeyGoesIn)
{
    EntryBox* box = Window().InputMoney1(1);  // "20"
    Click(box, {2, box->height() / 2});  // before the first character
    EXPECT_EQ(box->cursorPosition(), 0);
    ClickKey(5);
    EXPECT_EQ(box->text(), QStringLiteral("520"));
    EXPECT_EQ(box->cursorPosition(), 1);
    ClickAtEnd(box);
    EXPECT_EQ(box->cursorPosition(), 3);
    ClickKey(1);
    EXPECT_EQ(box->text(), QStringLiteral("5201"));
    EXPECT_EQ(box->cursorPosition(), 4);
}

TEST_F(WindowEvents, KeypadEditsThroughRealClicks)
{
    struct Case {
        const char* before;
        int selStart;
        int selLength;
        int key;
        const char* after;
        int caretAfter;
    };
    const Case cases[] = {
        {"0", 1, 0, 5, "5", 1},      {"abc", 3, 0, 7, "7", 1},    {"-5", 2, 0, 3, "3", 1},
        {"20", 2, 0, 5, "205", 3},   {"20", 0, 0, 5, "520", 1},   {"121", 1, 0, 0, "1021", 2},
        {"200", 1, 2, 5, "25", 2},   {"56", 2, 0, 10, "56.", 3},  {"56.5", 4, 0, 10, "56.5.", 5},
        {"56.5.", 5, 0, 8, "8", 1},  {"0", 1, 0, 10, ".0", 1},    {".0", 1, 0, 5, "5", 1},
        {"", 0, 0, 10, ".", 1},      {".", 1, 0, 5, "5", 1},
    };
    EntryBox* box = Window().InputMoney1(4);
    for (const Case& c : cases) {
        Click(box);
        box->selectAll();
        TypeInto(box, QString::fromUtf8(c.before));
        if (*c.before == '\0') QTest::keyClick(box, Qt::Key_Backspace);
        box->setSelection(c.selStart, c.selLength);
        if (c.selLength == 0) box->setCursorPosition(c.selStart);
        ClickKey(c.key);
        EXPECT_EQ(box->text(), QString::fromUtf8(c.after)) << c.before << " key " << c.key;
        EXPECT_EQ(box->cursorPosition(), c.caretAfter) << c.before << " key " << c.key;
        EXPECT_FALSE(box->hasSelectedText()) << c.before;
        EXPECT_EQ(QApplication::focusWidget(), box) << c.before;
    }
}

TEST_F(WindowEvents, SelectionSurvivesTheFocusMovingOn)
{
    EntryBox* box = Window().InputMoney1(8);  // "200"
    Click(box);
    box->setSelection(1, 2);
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), box);
    EXPECT_EQ(box->selectedText(), QStringLiteral("00"));
    ClickKey(5);
    EXPECT_EQ(box->text(), QStringLiteral("25"));
    EXPECT_EQ(box->cursorPosition(), 2);
}

TEST_F(WindowEvents, BackspaceEditsAndUnticks)
{
    Click(Window().InputMoney1(17));
    for (const int key : {5, 6, 10, 5}) ClickKey(key);
    EXPECT_TRUE(Window().C1(17)->isChecked());
    Click(Window().Command2(), {10, 10});
    EXPECT_EQ(Window().InputMoney1(17)->text(), QStringLiteral("56."));
    EXPECT_TRUE(Window().C1(17)->isChecked());
    Click(Window().Command2(), {10, 10});
    EXPECT_EQ(Window().InputMoney1(17)->text(), QStringLiteral("56"));
    EXPECT_FALSE(Window().C1(17)->isChecked());
    EXPECT_EQ(Window().Text1(17)->text(), QStringLiteral("1"));

    EntryBox* box = Window().InputMoney1(17);
    box->setSelection(0, 2);
    Click(Window().Command2(), {10, 10});
    EXPECT_EQ(box->text(), QStringLiteral("0"));
    EXPECT_EQ(box->cursorPosition(), 0);
    EXPECT_EQ(QApplication::focusWidget(), box);
}

TEST_F(WindowEvents, ResetKeepsTheCurrentBoxWithTheCaretAtZero)
{
    EntryBox* box = Window().InputMoney1(1);
    ClickAtEnd(box);
    EXPECT_EQ(box->cursorPosition(), 2);
    ClickButton("Command4");
    EXPECT_EQ(box->cursorPosition(), 0);
    ClickKey(1);
    EXPECT_EQ(box->text(), QStringLiteral("120"));
    EXPECT_EQ(box->cursorPosition(), 1);

    ClickButton("SetBackCommand");
    EXPECT_EQ(box->text(), QStringLiteral("20"));
    ClickKey(3);
    EXPECT_EQ(box->text(), QStringLiteral("320"));
}

TEST_F(WindowEvents, TickingAFuelMarkReachesTheSheet)
{
    Click(Window().C1(2), {7, Window().C1(2)->height() / 2});
    EXPECT_TRUE(Window().C1(2)->isChecked());
    EXPECT_EQ(Window().Sheet().FuelMark(2), 1);
    Click(Window().Text1(2));
    ClickKey(2);
    ClickButton("RunCommand");
    EXPECT_EQ(Results(), QStringLiteral("300|2|0|300"));
}

TEST_F(WindowEvents, LongTextsHaveNoLimit)
{
    EntryBox* box = Window().InputMoney1(10);
    Click(box);
    box->selectAll();
    QApplication::clipboard()->setText(QString(40000, QLatin1Char('7')));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(box->text().size(), 40000);
    EXPECT_EQ(Window().Sheet().Text({ledger::BoxKind::Face, 10}).size(), 40000u);
    EXPECT_EQ(Window().Sheet().Box({ledger::BoxKind::Face, 10}).selStart, 40000u);
    ClickKey(1);
    EXPECT_EQ(box->text().size(), 40001);
    EXPECT_EQ(box->cursorPosition(), 40001);
    ClickButton("RunCommand");  // far beyond the double range
    EXPECT_EQ(LastMessage().text, std::string(ledger::texts::kOutOfRangeText));
}

TEST_F(WindowEvents, ChineseTextCountsByCharacters)
{
    EntryBox* box = Window().InputMoney1(1);
    Click(box);
    box->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("二十😀元"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    box->setCursorPosition(4);  // after the emoji, a surrogate pair in Qt
    EXPECT_EQ(Window().Sheet().Box({ledger::BoxKind::Face, 1}).selStart, 3u);
    Click(Window().Command2(), {10, 10});
    EXPECT_EQ(box->text(), QStringLiteral("二十元"));
    EXPECT_EQ(box->cursorPosition(), 2);
}

// The one test that goes through the real message box.
TEST(RealMessageBox, ShowsTitleTextAndOneOkButton)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 5000));

    QString title, text;
    QStringList buttons;
    bool iconless = false;
    bool plainText = false;
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        title = box->windowTitle();
        text = box->text();
        iconless = box->icon() == QMessageBox::NoIcon;
        plainText = box->textFormat() == Qt::PlainText;
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        box->buttons().value(0)->click();
    });
    answer.start();
    // Never hangs: a second timer closes whatever is still open.
    QTimer::singleShot(10000, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    window.findChild<QPushButton*>(QStringLiteral("RunCommand"))->click();
    answer.stop();

    EXPECT_EQ(title, QStringLiteral("计算结果"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("系统提示：恭喜，算出发票金额共：0元")));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("确定")});
    EXPECT_TRUE(iconless);
    EXPECT_TRUE(plainText);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace window
