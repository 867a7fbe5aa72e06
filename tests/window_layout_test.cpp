#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QWindow>

#include "window/fonts.h"
#include "window_driver.h"

namespace window {
namespace {

using testing_support::BaseColour;
using testing_support::WindowDriver;

class WindowLayout : public WindowDriver {};

QRect Pixels(int left, int top, int width, int height)
{
    return {layout::Pixels(left), layout::Pixels(top), layout::Pixels(width), layout::Pixels(height)};
}

TEST(Twips, RoundToTheNearestPixel)
{
    EXPECT_EQ(layout::Pixels(15), 1);
    EXPECT_EQ(layout::Pixels(22), 1);
    EXPECT_EQ(layout::Pixels(23), 2);
    EXPECT_EQ(layout::Pixels(11910), 794);
    EXPECT_EQ(layout::Pixels(8010), 534);
    EXPECT_EQ(layout::Pixels(2210), 147);
    EXPECT_EQ(layout::Pixels(225), 15);
}

TEST_F(WindowLayout, WindowIsFixedWithACloseBoxOnly)
{
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("过路费及加油发票计算器"));
    EXPECT_EQ(Window().size(), QSize(794, 534));
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
    const Qt::WindowFlags flags = Window().windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Window().objectName(), QStringLiteral("C1"));
    const QIcon icon = Window().windowIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(32, 32).toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    // Blue square, white plug outline.
    const QColor corner = image.pixelColor(4, 28);
    EXPECT_GT(corner.blue(), 150);
    EXPECT_LT(corner.red(), 100);
    EXPECT_EQ(image.pixelColor(12, 7), QColor(Qt::white));
}

TEST_F(WindowLayout, SingleControlsStandWhereTheTableSays)
{
    struct Case {
        const char* name;
        QRect at;
        const char* text;
    };
    const Case cases[] = {
        {"Label1", Pixels(225, 1080, 9255, 255), "第一步：填写发票的面值和数量，后面打勾表示是加油发票，可用底下按钮输入:"},
        {"Command4", Pixels(9450, 1000, 750, 330), "重置"},
        {"Label5", Pixels(240, 5520, 4140, 255), "第二步：点计算按钮得到计算结果；"},
        {"Label9", Pixels(4305, 5565, 7365, 225), ""},
        {"RunCommand", Pixels(315, 5880, 2210, 890), "计 算"},
        {"SetBackCommand", Pixels(2520, 5880, 2055, 465), "全部重置"},
        {"Command1", Pixels(2520, 6330, 2055, 435), "使用说明"},
        {"Label6", Pixels(4770, 6000, 1575, 255), "发票金额共："},
        {"Output1", Pixels(6210, 5880, 1335, 375), "0"},
        {"Label7", Pixels(7650, 6000, 2055, 255), "元  发票张数共："},
        {"Output2", Pixels(9690, 5880, 1335, 375), "0"},
        {"Label8", Pixels(11130, 6000, 375, 255), "张"},
        {"Label12", Pixels(5040, 6405, 1575, 255), "路费总额："},
        {"Road1", Pixels(6195, 6300, 1335, 375), "0"},
        {"Label11", Pixels(7665, 6405, 2055, 255), "元   加油费总额："},
        {"O1", Pixels(9690, 6300, 1335, 375), "0"},
        {"Label10", Pixels(11130, 6380, 375, 360), "元"},
        {"Frame2", Pixels(1365, 6825, 10245, 870), nullptr},
        {"ReadMeText", Pixels(210, 7770, 11490, 360), "Power By Nevrik"},
        {"Line1", QRect(259, 112, 1, 216), nullptr},
        {"Line2", QRect(525, 112, 1, 216), nullptr},
    };
    for (const Case& c : cases) {
        const QWidget* widget = Named(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.at) << c.name;
        if (c.text == nullptr) continue;
        const QString text = QString::fromUtf8(c.text);
        QString shown;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) shown = label->text();
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) shown = button->text();
        if (const auto* box = qobject_cast<const QLineEdit*>(widget)) shown = box->text();
        EXPECT_EQ(shown, text) << c.name;
    }
    EXPECT_EQ(Named<QLabel>("ReadMeText")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

TEST_F(WindowLayout, ReceiptGridRunsAcrossThenDown)
{
    // Rows 0, 1, 2 side by side on the top line; row 3 left on the second.
    EXPECT_EQ(Window().InputMoney1(0)->geometry(), Pixels(915, 1470, 1020, 360));
    EXPECT_EQ(Window().InputMoney1(1)->geometry(), Pixels(4830, 1470, 1020, 360));
    EXPECT_EQ(Window().InputMoney1(2)->geometry(), Pixels(8820, 1470, 1020, 360));
    EXPECT_EQ(Window().InputMoney1(3)->geometry(), Pixels(915, 1920, 1020, 360));
    EXPECT_EQ(Window().Text1(23)->geometry(), Pixels(10320, 4800, 495, 360));
    EXPECT_EQ(Window().C1(23)->geometry(), Pixels(11340, 4725, 225, 540));
    EXPECT_EQ(Window().C1(7)->geometry(), Pixels(7350, 2310, 225, 540));
    // Row 5's face box sits 30 twips higher than its line; row 14's label is narrower.
    EXPECT_EQ(Window().InputMoney1(5)->geometry(), Pixels(8820, 1890, 1020, 360));
    EXPECT_EQ(Window().Text1(5)->geometry().top(), layout::Pixels(1920));
    EXPECT_EQ(Named("Label2(14)")->geometry(), Pixels(8160, 3360 + 45, 915, 255));
    EXPECT_EQ(Named("Label2(13)")->geometry(), Pixels(4200, 3360 + 45, 1335, 255));
    EXPECT_EQ(Named("Label3(8)")->geometry(), Pixels(9840, 2400 + 45, 375, 330));
    EXPECT_EQ(Named("Label4(21)")->geometry(), Pixels(3000, 4800 + 45, 495, 240));
    for (int row = 0; row < ledger::kRowCount; ++row) {
        EXPECT_EQ(Window().InputMoney1(row)->text(), QString::fromUtf8(ledger::kRowDefaults[row].face.data()))
            << row;
        EXPECT_EQ(Window().Text1(row)->text(), QString::fromUtf8(ledger::kRowDefaults[row].count.data())) << row;
        EXPECT_FALSE(Window().C1(row)->isChecked()) << row;
        EXPECT_TRUE(Window().C1(row)->text().isEmpty()) << row;
    }
}

TEST_F(WindowLayout, KeypadKeysLineUpInTheFrame)
{
    for (int key = 0; key < 11; ++key) {
        const int left = key == 0 ? 90 : 105 + 840 * key;
        EXPECT_EQ(Window().Command3(key)->geometry(), Pixels(left, 135, 780, 645)) << key;
        EXPECT_EQ(Window().Command3(key)->parentWidget()->objectName(), QStringLiteral("Frame2"));
    }
    EXPECT_EQ(Window().Command3(10)->geometry().left(), layout::Pixels(8505));
    EXPECT_EQ(Window().Command3(10)->text(), QStringLiteral("."));
    EXPECT_EQ(Window().Command3(7)->text(), QStringLiteral("7"));
    EXPECT_EQ(Window().Command2()->geometry(), Pixels(9345, 135, 780, 645));
    EXPECT_EQ(Window().Command2()->text(), QStringLiteral("←"));
}

TEST_F(WindowLayout, DrawsAtTheScreensScaleFactor)
{
    const double ratio = Window().devicePixelRatioF();
    EXPECT_DOUBLE_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    const QImage shot = Window().grab().toImage();
    EXPECT_EQ(shot.size(), QSize(qRound(794 * ratio), qRound(534 * ratio)));
    // Inside Output1, right of its text, at the same logical place at any scale.
    EXPECT_EQ(shot.pixelColor(qRound(490 * ratio), qRound(404 * ratio)), QColor(192, 255, 192));
    EXPECT_EQ(shot.pixelColor(qRound(400 * ratio), qRound(30 * ratio)), QColor(Qt::white));
}

TEST_F(WindowLayout, StartColours)
{
    const QColor green(192, 255, 192);
    const QColor grey(224, 224, 224);
    for (const char* name : {"Output1", "Output2", "Road1", "O1"}) {
        EXPECT_EQ(BaseColour(Named(QString::fromLatin1(name))), green) << name;
    }
    for (int row = 0; row < ledger::kRowCount; ++row) {
        const bool common = row == 5 || row == 6 || row == 9 || row == 11 || row == 15;
        EXPECT_EQ(BaseColour(Window().InputMoney1(row)) == grey, common) << row;
        EXPECT_EQ(BaseColour(Window().Text1(row)), QColor(Qt::white)) << row;
        EXPECT_EQ(Window().C1(row)->palette().color(Window().C1(row)->backgroundRole()), QColor(Qt::white));
    }
    for (QLabel* label : Window().findChildren<QLabel*>()) {
        EXPECT_EQ(label->palette().color(label->backgroundRole()), QColor(Qt::white)) << label->objectName().toStdString();
        EXPECT_TRUE(label->autoFillBackground());
    }
    EXPECT_EQ(Named("Frame2")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(Window().palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(WindowLayout, FontsAreSongAndHeiInTheirSizes)
{
    struct Case {
        QWidget* widget;
        const char* family;
        double points;
        bool bold;
    };
    const Case cases[] = {
        {Named("Label1"), "宋体", 12, true},
        {Window().InputMoney1(4), "宋体", 12, true},
        {Window().Text1(4), "宋体", 12, true},
        {Named("Label2(4)"), "宋体", 12, true},
        {Named("Output2"), "宋体", 12, true},
        {Named("Label11"), "宋体", 12, false},
        {Named("SetBackCommand"), "宋体", 12, false},
        {Named("RunCommand"), "宋体", 15.75, true},
        {Window().Command3(3), "黑体", 21.75, true},
        {Window().Command2(), "黑体", 15.75, true},
        {Named("Command4"), "宋体", 9, false},
        {Named("ReadMeText"), "宋体", 9, false},
    };
    for (const Case& c : cases) {
        const QFont font = c.widget->font();
        EXPECT_EQ(font.family(), QString::fromUtf8(c.family)) << c.widget->objectName().toStdString();
        EXPECT_DOUBLE_EQ(font.pointSizeF(), c.points) << c.widget->objectName().toStdString();
        EXPECT_EQ(font.bold(), c.bold) << c.widget->objectName().toStdString();
    }
    // The Chinese font names resolve to installed Simplified Chinese fonts.
    const QString song = QFontInfo(MakeFont(layout::Font::Song12Bold)).family();
    const QString hei = QFontInfo(MakeFont(layout::Font::Hei2175Bold)).family();
    EXPECT_TRUE(song == QStringLiteral("SimSun") || song == QStringLiteral("Noto Serif CJK SC")) << song.toStdString();
    EXPECT_TRUE(hei == QStringLiteral("SimHei") || hei == QStringLiteral("Noto Sans CJK SC")) << hei.toStdString();
}

TEST_F(WindowLayout, EveryCharacterShownHasAGlyph)
{
    const auto check = [](const QWidget* widget, const QString& text) {
        const QFontMetrics metrics(QFont(QFontInfo(widget->font()).family()));
        for (const char32_t c : text.toUcs4()) {
            EXPECT_TRUE(metrics.inFontUcs4(c)) << widget->objectName().toStdString() << " U+" << std::hex
                                               << static_cast<unsigned>(c);
        }
    };
    for (const QLabel* label : Window().findChildren<QLabel*>()) check(label, label->text());
    for (const QPushButton* button : Window().findChildren<QPushButton*>()) check(button, button->text());
}

TEST_F(WindowLayout, AccessibleNamesForScreenReaders)
{
    EXPECT_EQ(Window().InputMoney1(2)->accessibleName(), QStringLiteral("第3行 面值"));
    EXPECT_EQ(Window().Text1(2)->accessibleName(), QStringLiteral("第3行 张数"));
    EXPECT_EQ(Window().C1(2)->accessibleName(), QStringLiteral("第3行 加油发票"));
    EXPECT_EQ(Named("Output1")->accessibleName(), QStringLiteral("发票金额共"));
    EXPECT_EQ(Named("O1")->accessibleName(), QStringLiteral("加油费总额"));
    EXPECT_EQ(Window().Command3(5)->accessibleName(), QStringLiteral("5"));
    EXPECT_EQ(Window().Command2()->accessibleName(), QStringLiteral("←"));
}

TEST_F(WindowLayout, BoxesTakeNumbersWithoutAnInputMethodOrALengthLimit)
{
    for (EntryBox* box : Window().findChildren<EntryBox*>()) {
        EXPECT_FALSE(box->testAttribute(Qt::WA_InputMethodEnabled)) << box->objectName().toStdString();
        EXPECT_GT(box->maxLength(), 1'000'000);
    }
    EXPECT_EQ(Window().findChildren<EntryBox*>().size(), 48 + 4);
}

TEST_F(WindowLayout, StartUpHasNoCurrentBoxAndDisabledKeys)
{
    EXPECT_EQ(Window().KeypadState().NowP(), 1000);
    EXPECT_EQ(Window().KeypadState().NowP2(), 1000);
    for (int key = 0; key < 11; ++key) EXPECT_FALSE(Window().Command3(key)->isEnabled()) << key;
    EXPECT_FALSE(Window().Command2()->isEnabled());
    for (const char* name : {"Command4", "SetBackCommand", "RunCommand", "Command1"}) {
        EXPECT_TRUE(Named(QString::fromLatin1(name))->isEnabled()) << name;
    }
    EXPECT_EQ(QApplication::focusWidget(), Named("RunCommand"));
    EXPECT_TRUE(Named<QLabel>("Label9")->text().isEmpty());
}

TEST_F(WindowLayout, TabVisitsTheControlsInTheirOrder)
{
    QStringList expected{"RunCommand", "InputMoney1(0)", "Text1(0)", "Output1", "Output2", "SetBackCommand"};
    for (int row = 1; row < 24; ++row) expected << QStringLiteral("Text1(%1)").arg(row) << QStringLiteral("InputMoney1(%1)").arg(row);
    for (int column = 0; column < 3; ++column) {
        for (int row = column; row < 24; row += 3) expected << QStringLiteral("C1(%1)").arg(row);
    }
    expected << "O1" << "Road1" << "Command1" << "Command4" << "RunCommand";  // disabled keys are skipped

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(WindowLayout, TabReachesTheKeysOnceEnabled)
{
    Click(Window().InputMoney1(0));
    Named("Command1")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.front(), QStringLiteral("Command3(0)"));
    EXPECT_EQ(visited.at(10), QStringLiteral("Command3(10)"));
    EXPECT_EQ(visited.at(11), QStringLiteral("Command2"));
    EXPECT_EQ(visited.at(12), QStringLiteral("Command4"));
}

}  // namespace
}  // namespace window
