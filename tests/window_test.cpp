#include <QAccessible>
#include <QHash>

#include <cmath>
#include <QFile>
#include <QFontInfo>
#include <QMessageBox>
#include <QRawFont>
#include <QTimer>

#include "window/layout.h"
#include "window/message_presenter.h"
#include "window/qt_text.h"
#include "window/usage_help.h"
#include "window_driver.h"

namespace window {
namespace {

const QColor kGreen(192, 255, 192), kPink(255, 128, 128), kGrey(224, 224, 224), kWhite(Qt::white);

bool Common(int row) { return ledger::kRowDefaults[static_cast<std::size_t>(row)].common; }

QRect PixelRect(const layout::Twips& at)
{
    return {layout::Pixels(at.left), layout::Pixels(at.top), layout::Pixels(at.width), layout::Pixels(at.height)};
}

// Answers the next modal message box with `look` and its first button; a
// second timer closes whatever is left, so that no test can hang.
void AnswerNextMessageBox(const std::function<void(QMessageBox*)>& look)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, look] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        look(box);
        box->buttons().value(0)->click();
        poll->deleteLater();
    });
    poll->start(20);
    QTimer::singleShot(10000, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
}

using WindowTest = WindowDriver;

// The contrast (WCAG) of the strongest pixel of `area` against its most
// common colour, the background.
double Contrast(const QImage& shot, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) ++counts[shot.pixel(x, y)];
    }
    const QRgb background = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first;
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int c) { return c <= 10 ? c / 3294.6 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
    };
    double best = 1;
    for (const QRgb rgb : counts.keys()) {
        const double a = luminance(rgb) + 0.05, b = luminance(background) + 0.05;
        best = std::max(best, std::max(a, b) / std::min(a, b));
    }
    return best;
}

TEST_F(WindowTest, ControlsStandWhereTheLayoutSays)
{
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("过路费及加油发票计算器"));
    EXPECT_EQ(Window().size(), QSize(794, 534));
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
    EXPECT_FALSE(Window().windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(Window().windowIcon().isNull());
    EXPECT_EQ(layout::Pixels(22), 1);
    EXPECT_EQ(layout::Pixels(23), 2);
    for (const layout::Control& control : layout::kControls) {
        const QRect at = PixelRect(control.at);
        const QRect expected = control.kind == layout::Kind::Line ? QRect(at.topLeft(), QSize(1, at.height())) : at;
        EXPECT_EQ(Named(control.name.data())->geometry(), expected) << control.name;
    }
    EXPECT_EQ(Named("RunCommand")->geometry(), QRect(21, 392, 147, 59));
    EXPECT_EQ(Named("Line2")->geometry(), QRect(525, 112, 1, 216));
    // Rows run across each line, then down; row 5's face box is 30 twips
    // higher, row 14's label narrower.
    const std::pair<QWidget*, QRect> rows[] = {
        {Window().InputMoney1(0), {61, 98, 68, 24}},   {Window().InputMoney1(2), {588, 98, 68, 24}},
        {Window().InputMoney1(3), {61, 128, 68, 24}},  {Window().InputMoney1(5), {588, 126, 68, 24}},
        {Window().Text1(5), {688, 128, 33, 24}},       {Window().Text1(23), {688, 320, 33, 24}},
        {Window().C1(23), {756, 315, 15, 36}},         {Window().C1(7), {490, 154, 15, 36}},
        {Named("Label2(14)"), {544, 227, 61, 17}},     {Named("Label4(21)"), {200, 323, 33, 16}},
        {Window().Command3(0), {6, 9, 52, 43}},        {Window().Command3(10), {567, 9, 52, 43}},
        {Window().Command2(), {623, 9, 52, 43}},
    };
    for (const auto& [widget, at] : rows) EXPECT_EQ(widget->geometry(), at) << widget->objectName();
}

TEST_F(WindowTest, StartsWithTheTablesColoursFontsAndNoCurrentBox)
{
    for (int row = 0; row < ledger::kRowCount; ++row) {
        EXPECT_EQ(BaseColour(Window().InputMoney1(row)), Common(row) ? kGrey : kWhite) << row;
        EXPECT_EQ(Window().Text1(row)->text(), QString::fromUtf8(ledger::kRowDefaults[row].count.data()));
        EXPECT_FALSE(Window().C1(row)->isChecked() || !Window().C1(row)->text().isEmpty());
    }
    for (const ledger::ResultField field : ledger::kResultFields) EXPECT_EQ(BaseColour(Window().Result(field)), kGreen);
    for (const QLabel* label : Window().findChildren<QLabel*>()) {
        EXPECT_EQ(label->palette().color(label->backgroundRole()), kWhite) << label->objectName();
        EXPECT_TRUE(label->alignment() & Qt::AlignTop) << label->objectName();
    }
    EXPECT_EQ(Window().palette().color(QPalette::Window), kWhite);
    const std::tuple<QWidget*, const char*, double, bool> fonts[] = {
        {Named("Label1"), "宋体", 12, true},        {Window().Text1(4), "宋体", 12, true},
        {Named("Label11"), "宋体", 12, false},      {Named("RunCommand"), "宋体", 15.75, true},
        {Window().Command3(3), "黑体", 21.75, true}, {Window().Command2(), "黑体", 15.75, true},
        {Named("Command4"), "宋体", 9, false},
    };
    for (const auto& [widget, family, points, bold] : fonts) {
        EXPECT_EQ(widget->font().family(), QString::fromUtf8(family)) << widget->objectName();
        EXPECT_EQ(widget->font().pointSizeF(), points) << widget->objectName();
        EXPECT_EQ(widget->font().bold(), bold) << widget->objectName();
        EXPECT_EQ(QFontInfo(widget->font()).family(), family == std::string("宋体") ? "Receipt Song" : "Receipt Hei");
    }
    EXPECT_EQ(Window().KeypadState().NowP() + Window().KeypadState().NowP2(), 2000);
    for (int key = 0; key < 11; ++key) EXPECT_FALSE(Window().Command3(key)->isEnabled());
    EXPECT_FALSE(Window().Command2()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), Named("RunCommand"));
}

TEST_F(WindowTest, TypicalPassWithTheMouseAlone)
{
    Click(Window().Text1(1));
    EXPECT_FALSE(Window().Command3(10)->isEnabled());
    ClickKey(3);
    Click(Window().InputMoney1(23));
    for (const int key : {5, 6, 10, 5}) ClickKey(key);
    EXPECT_EQ(Window().Text1(23)->text(), QStringLiteral("1"));
    EXPECT_TRUE(Window().C1(23)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), Window().InputMoney1(23));
    Click("RunCommand");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_.back().title, "计算结果");
    EXPECT_EQ(Results(), QStringLiteral("116.5|4|60|56.5"));
    for (int row = 0; row < ledger::kRowCount; ++row) {
        const bool counted = row == 1 || row == 23;
        EXPECT_EQ(BaseColour(Window().InputMoney1(row)), counted ? kGreen : Common(row) ? kGrey : kWhite) << row;
        EXPECT_EQ(BaseColour(Window().Text1(row)), counted ? kGreen : kWhite) << row;
    }
    Click("Command4");
    EXPECT_EQ(messages_.back().text, "系统提示：成功，已把第一步里所有数据重置！");
    EXPECT_EQ(Window().InputMoney1(23)->cursorPosition(), 0);
    ClickKey(2);  // the current box stays current after a reset
    EXPECT_EQ(Window().InputMoney1(23)->text(), QStringLiteral("2"));
    Click(Window().Text1(22));
    ClickKey(2);
    Click("RunCommand");
    EXPECT_EQ(Results(), QStringLiteral("318.5|7|260|58.5"));
    EXPECT_EQ(Named<QLabel>("Label9")->text(), QStringLiteral("相加上次数据，总金额116.5元；共4张；总路费60元；总油费56.5元；"));
    Window().Text1(3)->setFocus(Qt::TabFocusReason);  // selects all, as a user tabbing in
    QTest::keyClicks(Window().Text1(3), QStringLiteral("abc"));
    Click("RunCommand");
    EXPECT_EQ(messages_.back().title, "发现错误");
    EXPECT_EQ(BaseColour(Window().Text1(3)), kPink);
    EXPECT_EQ(Window().Text1(3)->text(), QStringLiteral("0"));
    Click("SetBackCommand");
    EXPECT_EQ(Results(), QStringLiteral("0|0|0|0"));
    EXPECT_EQ(BaseColour(Window().Text1(3)), kWhite);
    Click("Command1");
    EXPECT_EQ(messages_.back().title, "使用说明");
    EXPECT_EQ(QString::fromStdString(messages_.back().text).size(), 300);
    EXPECT_EQ(messages_.size(), 6u);
}

TEST_F(WindowTest, KeypadEditsWhereTheMouseLeftTheCaret)
{
    EntryBox* box = Window().InputMoney1(8);  // "200"
    Click(box, {2, -1});                       // before the first character
    ClickKey(5);
    EXPECT_EQ(box->text(), QStringLiteral("5200"));
    EXPECT_EQ(box->cursorPosition(), 1);
    box->setSelection(1, 2);
    QTest::keyClick(box, Qt::Key_Tab);  // the selection survives the focus moving on
    ClickKey(7);
    EXPECT_EQ(box->text(), QStringLiteral("570"));
    EXPECT_EQ(box->cursorPosition(), 2);
    EXPECT_EQ(QApplication::focusWidget(), box);
    Click(box, {box->width() - 4, -1});
    ClickKey(10);
    EXPECT_EQ(box->text(), QStringLiteral("570."));
    EXPECT_TRUE(Window().C1(8)->isChecked());
    ClickKey(11);
    ClickKey(11);
    EXPECT_EQ(box->text(), QStringLiteral("57"));
    EXPECT_FALSE(Window().C1(8)->isChecked());
    Window().Text1(3)->setFocus(Qt::TabFocusReason);  // only a mouse click makes a box current
    EXPECT_EQ(Window().KeypadState().NowP(), 8);
}

TEST_F(WindowTest, TabVisitsTheControlsInTheirOrder)
{
    QStringList expected{"RunCommand", "InputMoney1(0)", "Text1(0)", "Output1", "Output2", "SetBackCommand"};
    for (int row = 1; row < 24; ++row) expected << QStringLiteral("Text1(%1)").arg(row) << QStringLiteral("InputMoney1(%1)").arg(row);
    for (int column = 0; column < 3; ++column) {
        for (int row = column; row < 24; row += 3) expected << QStringLiteral("C1(%1)").arg(row);
    }
    expected << "O1" << "Road1" << "Command1" << "Command4";  // the disabled keys are skipped
    Click(Window().InputMoney1(0));
    Named("RunCommand")->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    while (visited.size() < expected.size() + 12) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    for (int key = 0; key < 11; ++key) expected.insert(expected.size() - 1, QStringLiteral("Command3(%1)").arg(key));
    expected.insert(expected.size() - 1, QStringLiteral("Command2"));
    EXPECT_EQ(visited, expected);
}

TEST_F(WindowTest, ScreenReadersGetWhatIsShown)
{
    Click(Window().Text1(2));
    ClickKey(4);
    Click("RunCommand");
    Click("RunCommand");
    const auto said = [](QWidget* widget, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(widget)->text(what);
    };
    const QString line = Named<QLabel>("Label9")->text();
    EXPECT_TRUE(line.startsWith(QStringLiteral("相加上次数据，总金额600元")));
    EXPECT_EQ(said(Named("Label9"), QAccessible::Name), line);
    EXPECT_EQ(said(Window().Text1(2), QAccessible::Name), QStringLiteral("第3行 张数"));
    EXPECT_EQ(said(Window().Text1(2), QAccessible::Value), QStringLiteral("4"));
    EXPECT_EQ(said(Window().InputMoney1(0), QAccessible::Name), QStringLiteral("第1行 面值"));
    EXPECT_EQ(said(Window().C1(2), QAccessible::Name), QStringLiteral("第3行 加油发票"));
    EXPECT_EQ(said(Window().Result(ledger::ResultField::Output1), QAccessible::Name), QStringLiteral("发票金额共"));
    EXPECT_EQ(said(Window().Result(ledger::ResultField::Output1), QAccessible::Value), QStringLiteral("1200"));
    EXPECT_EQ(said(Named("Label6"), QAccessible::Name), QStringLiteral("发票金额共："));
    EXPECT_EQ(said(Named("RunCommand"), QAccessible::Name), QStringLiteral("计 算"));
    EXPECT_EQ(said(Window().Command3(7), QAccessible::Name), QStringLiteral("7"));
}

TEST_F(WindowTest, EmbeddedFacesHoldEveryCharacterShown)
{
    // Every text the window and its messages show: the controls, then each message.
    Click(Window().Text1(15));
    for (const int key : {4, 0, 0, 0, 0}) ClickKey(key);
    for (const char* button : {"RunCommand", "Command4", "RunCommand", "SetBackCommand", "Command1"}) Click(button);
    Window().Text1(0)->setText(QStringLiteral("x"));
    Click("RunCommand");
    QString shown = Window().windowTitle() + ToQString(layout::kOkButton);
    for (const QLabel* label : Window().findChildren<QLabel*>()) shown += label->text();
    for (const QPushButton* button : Window().findChildren<QPushButton*>()) shown += button->text();
    for (const ledger::Message& message : messages_) shown += QString::fromStdString(message.title + message.text);
    EXPECT_EQ(messages_.size(), 6u);
    for (const char* face : {"receipt-song-regular", "receipt-song-bold", "receipt-hei-bold"}) {
        QFile file(QStringLiteral(":/fonts/%1.otf").arg(QString::fromLatin1(face)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << face;
        const QRawFont font(file.readAll(), 16);
        for (const char32_t c : shown.toUcs4()) EXPECT_TRUE(font.supportsCharacter(c)) << face << " U+" << std::hex << static_cast<unsigned>(c);
        EXPECT_FALSE(font.supportsCharacter(U'鑫')) << face << " holds more than the texts";
    }
    // A character typed beyond them still shows, from the system's fonts.
    EntryBox* box = Window().InputMoney1(1);
    box->setText(QString());
    const QImage empty = box->grab().toImage();
    box->setText(QStringLiteral("鑫"));
    EXPECT_NE(box->grab().toImage(), empty);
}

TEST_F(WindowTest, TheCreditLineShowsWholeAboveTheWindowEdge)
{
    const QImage shot = Window().grab().toImage();
    const double ratio = Window().devicePixelRatioF();
    const int top = qRound(layout::Pixels(7770) * ratio);
    QList<int> darkRows;
    for (int y = top; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (qGray(shot.pixel(x, y)) < 128) {
                darkRows << y;
                break;
            }
        }
    }
    ASSERT_FALSE(darkRows.isEmpty());
    EXPECT_LE(darkRows.front() - top, 6 * ratio);
    EXPECT_LT(darkRows.back(), shot.height() - 1);
}

TEST_F(WindowTest, DrawsAtTheScreensScaleFactor)
{
    const double ratio = Window().devicePixelRatioF();
    EXPECT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    const QImage shot = Window().grab().toImage();
    EXPECT_EQ(shot.size(), QSize(qRound(794 * ratio), qRound(534 * ratio)));
    EXPECT_EQ(shot.pixelColor(qRound(490 * ratio), qRound(404 * ratio)), kGreen);  // inside Output1
}

// Whatever the desktop's colour scheme (the tests run under dark ones too),
// every text reads on its fixed background, message boxes included.
TEST_F(WindowTest, EveryTextReadsOnItsBackground)
{
    if (qEnvironmentVariableIsSet("EXPECT_DARK_DESKTOP")) {
        EXPECT_LT(qApp->property("desktopPalette").value<QPalette>().color(QPalette::Window).lightness(), 100);
    }
    Window().InputMoney1(7)->setText(QStringLiteral("abc"));
    Click(Window().Text1(2));
    ClickKey(4);
    Click("RunCommand");  // row 7 pink
    Window().InputMoney1(7)->setText(QStringLiteral("1"));
    Click("RunCommand");  // row 2 green, Label9 written
    Window().InputMoney1(7)->setText(QStringLiteral("abc"));
    Click("RunCommand");  // row 7 pink again
    QWidget* const controls[] = {Named("Label1"),      Named("Label9"),      Window().InputMoney1(5), Window().InputMoney1(7),
                                 Window().Text1(2),    Named("Output1"),     Named("RunCommand"),     Window().Command3(3),
                                 Window().Command3(10)};
    EXPECT_FALSE(Window().Command3(10)->isEnabled());
    const QImage shot = Window().grab().toImage();
    for (QWidget* control : controls) {
        const QRect area = control->geometry().translated(control->parentWidget()->mapTo(&Window(), QPoint()));
        const double contrast = Contrast(shot, area.adjusted(2, 2, -2, -2));
        std::printf("contrast %-16s %5.1f:1\n", qPrintable(control->objectName()), contrast);
        EXPECT_GE(contrast, 4.5) << control->objectName();
    }
    QImage box;
    AnswerNextMessageBox([&box](QMessageBox* shown) { box = shown->grab().toImage(); });
    ShowMessageBox(&Window(), {"计算结果", "系统提示：恭喜"});
    ASSERT_FALSE(box.isNull());
    std::printf("contrast %-16s %5.1f:1\n", "message box", Contrast(box, box.rect()));
    EXPECT_GE(Contrast(box, box.rect()), 4.5);
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
    AnswerNextMessageBox([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        iconless = box->icon() == QMessageBox::NoIcon && box->textFormat() == Qt::PlainText;
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
    });
    window.findChild<QPushButton*>(QStringLiteral("RunCommand"))->click();
    EXPECT_EQ(title, QStringLiteral("计算结果"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("系统提示：恭喜，算出发票金额共：0元")));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("确定")});
    EXPECT_TRUE(iconless);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace window
