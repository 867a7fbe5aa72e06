#include <QAccessible>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QRawFont>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <memory>

#include "window/fonts.h"
#include "window/layout.h"
#include "window/message_presenter.h"
#include "window/qt_text.h"
#include "window/usage_help.h"
#include "sheet_script.h"
#include "window_driver.h"

namespace window {
namespace {

const QColor kGreen(192, 255, 192), kPink(255, 128, 128), kGrey(224, 224, 224), kWhite(Qt::white);

// The contrast (WCAG) of the strongest pixel in `area` against its top-left pixel, the background.
double Contrast(const QImage& shot, const QRect& area)
{
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int c) { return std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };  // near enough below 10
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb)) + 0.05;
    };
    const double background = luminance(shot.pixel(area.topLeft()));
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            best = std::max({best, luminance(shot.pixel(x, y)) / background, background / luminance(shot.pixel(x, y))});
        }
    }
    return best;
}

// Where `area` has dark pixels: text, in the light scheme.
QRect Ink(const QImage& shot, const QRect& area)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(shot.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

using WindowTest = WindowDriver;
using WindowManager = WindowDriver;

TEST(QtText, CaretsCountCharactersNotUtf16Units)
{
    const QString text = QStringLiteral("二😀\xD83D");  // ends in a lone high surrogate
    EXPECT_EQ(std::tuple(Utf16Index(text, 2), Utf16Index(text, 9), CharIndex(text, 3), Utf16Index(text.left(3), 2)),
              std::tuple(3, 4, std::size_t{2}, 3));
}

TEST(Fonts, TheClassicWindowsFontsWinWhereInstalled)
{
    const QStringList chinese{"Noto Sans CJK SC", "宋体", "SimHei"}, english{"simsun"}, none{"Receipt Song"};
    EXPECT_EQ(QStringList({ChosenFamily("宋体", chinese), ChosenFamily("黑体", chinese), ChosenFamily("宋体", english),
                           ChosenFamily("黑体", none), ChosenFamily("Arial", none)}),
              QStringList({"宋体", "SimHei", "SimSun", "Receipt Hei", "Arial"}));
}

// The program's scheme is Qt's standard light one (Fusion's on a light desktop), but for disabled text dark
// enough to read on the button face and the bevels of disabled keys kept as they are enabled.
TEST(LightScheme, IsTheStandardOneWithReadableDisabledText)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette standard = fusion->standardPalette(), ours = QApplication::palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        if (r == QPalette::NoRole || r == QPalette::PlaceholderText) continue;
        const bool text = r == QPalette::WindowText || r == QPalette::Text || r == QPalette::ButtonText;
        const QColor disabled = text ? QColor(0x666666) : r == QPalette::Dark || r == QPalette::Shadow ? ours.color(r) : standard.color(QPalette::Disabled, r);
        EXPECT_EQ(std::pair(ours.color(QPalette::Active, r).rgba(), ours.color(QPalette::Disabled, r).rgba()),
                  std::pair(standard.color(QPalette::Active, r).rgba(), disabled.rgba())) << role;
    }
}

TEST_F(WindowTest, StartsAsTheLayoutSaysAtAnyScale)
{
    EXPECT_EQ(std::pair(Window().windowTitle(), Window().size()), std::pair(QStringLiteral("过路费及加油发票计算器"), QSize(794, 534)));
    EXPECT_FALSE(Window().windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(Window().maximumSize(), QSize(794, 534));  // and the window manager offers no resizing
    const QImage icon = Window().windowIcon().pixmap(32).toImage();  // a blue rounded square, white inside
    EXPECT_EQ(std::tuple(icon.size(), icon.pixelColor(3, 16), icon.pixelColor(0, 0).alpha(), icon.pixelColor(12, 7)),
              std::tuple(QSize(32, 32), QColor(29, 95, 191), 0, QColor(Qt::white)));
    EXPECT_EQ(layout::Pixels(22) * 10 + layout::Pixels(23), 12);
    for (const layout::Control& control : layout::kControls) {  // the lines are drawn, see below
        const layout::Twips& at = control.at;
        const QRect place(layout::Pixels(at.left), layout::Pixels(at.top), layout::Pixels(at.width), layout::Pixels(at.height));
        if (control.kind != layout::Kind::Line) {
            EXPECT_EQ(Place(control.name.data()), place) << control.name;
        }
    }
    // Across each line, then down; row 5's face box 30 twips higher, row 14's caption narrower.
    const std::pair<const char*, QRect> spots[] = {
        {"RunCommand", {21, 392, 147, 59}},     {"InputMoney1(2)", {588, 98, 68, 24}}, {"InputMoney1(3)", {61, 128, 68, 24}},
        {"InputMoney1(5)", {588, 126, 68, 24}}, {"Text1(23)", {688, 320, 33, 24}},     {"C1(7)", {490, 154, 15, 36}},
        {"Label2(14)", {544, 227, 61, 17}},     {"Label4(23)", {728, 323, 33, 16}},    {"Command3(10)", {567, 9, 52, 43}},
    };
    for (const auto& [name, at] : spots) EXPECT_EQ(Place(name), at) << name;
    EXPECT_EQ(Window().Captions().size(), std::size_t{9 + 3 * 24});  // the headings and units, then each row's three
    for (int row = 0; row < ledger::kRowCount; ++row) {  // the rest is the sheet's, see Difference()
        EXPECT_TRUE(BaseColour(Window().InputMoney1(row)) == (ledger::kRowDefaults[row].common ? kGrey : kWhite) && Window().C1(row)->text().isEmpty());
    }
    EXPECT_TRUE(Named<QLabel>("Label9")->alignment() & Qt::AlignTop);
    EXPECT_FALSE(Named("Command1")->autoFillBackground());  // its corners show the button above, which it overlaps
    for (const auto& [widget, family, points, bold] :  // one for each font, the boxes' too
         {std::tuple{Named("SetBackCommand"), "Receipt Song", 12.0, false}, {Named("RunCommand"), "Receipt Song", 15.75, true},
          {Window().Command3(3), "Receipt Hei", 21.75, true}, {Named("Command4"), "Receipt Song", 9.0, false},
          {Window().Text1(3), "Receipt Song", 12.0, true}}) {
        const QFontInfo font(widget->font());
        EXPECT_EQ(std::tuple(font.family(), font.pointSizeF(), font.bold()), std::tuple(QString(family), points, bold));
    }
    const double ratio = Window().devicePixelRatioF();
    EXPECT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    const QImage shot = Window().grab().toImage();
    const auto pixel = [&](int x, int y) { return shot.pixelColor(qRound(x * ratio), qRound(y * ratio)); };
    EXPECT_EQ(shot.size(), QSize(qRound(794 * ratio), qRound(534 * ratio)));
    EXPECT_EQ(std::tuple(pixel(490, 404), pixel(91, 480) == kWhite, pixel(259, 200), pixel(258, 200), pixel(259, 111)),
              std::tuple(kGreen, false, QColor(Qt::black), kWhite, kWhite));  // in Output1, Frame2's border, Line1
    EXPECT_FALSE(Window().KeypadState().CurrentBox() || Window().Command3(0)->isEnabled() || Window().Command2()->isEnabled());
    QInputMethodQueryEvent query(Qt::ImEnabled);  // as the platform asks: digits go straight in, past any input method
    QApplication::sendEvent(Window().Text1(0), &query);
    EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
}

// Every character the window and its messages show is in each embedded face. (The typical pass by clicks is a
// seed of the random user, fuzz/seeds/typical-pass, which checks its totals to the cent.)
TEST_F(WindowTest, EveryTextShownIsInTheEmbeddedFaces)
{
    ledger::ReceiptSheet sheet;
    QString shown = Window().windowTitle() + ToQString(layout::kOkButton) + ToQString(kUsageTitle) + ToQString(kUsageText);
    for (const char* script : {"c1=3 f23=5 t23 calc", "f0=x", "f14=9^400"}) {  // a result with every total, a failure, out of range
        Play(sheet, script);
        const ledger::Message message = ledger::Calculate(sheet);
        shown += ToQString(message.title + message.text + sheet.PreviousTotals());
    }
    for (const ledger::Message& message : {ledger::FirstStepReset(sheet), ledger::FullReset(sheet)}) shown += ToQString(message.text);
    for (const QWidget* widget : Window().findChildren<QWidget*>()) shown += widget->property("text").toString();
    for (const Caption& caption : Window().Captions()) shown += caption.text.text();
    for (const char* face : {"song-regular", "song-bold", "hei-bold"}) {
        QFile file(QStringLiteral(":/fonts/receipt-%1.otf").arg(QString::fromLatin1(face)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << face;
        const QRawFont font(file.readAll(), 16);
        for (const char32_t c : shown.toUcs4()) EXPECT_TRUE(font.supportsCharacter(c)) << face << " U+" << std::hex << +c;
        EXPECT_FALSE(font.supportsCharacter(U'鑫')) << face << " holds more than the texts";
    }
    // A character typed beyond them still shows, from the system's fonts, where it has one (Wine has none):
    // it is not drawn as the missing-character box a character no font has gets.
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    EntryBox* box = Window().InputMoney1(1);
    box->setText(QString(QChar(0xE000)));
    const QImage missing = box->grab().toImage();
    box->setText(QStringLiteral("鑫"));
    EXPECT_TRUE(box->grab().toImage() != missing || chinese.filter(QStringLiteral("Receipt")).size() == chinese.size());
}

TEST_F(WindowTest, ScreenReadersGetWhatIsShown)
{
    Click(Window().Text1(2));
    ClickKey(4);
    Click("RunCommand");
    Click("RunCommand");
    EXPECT_TRUE(Named<QLabel>("Label9")->text().startsWith(QStringLiteral("相加上次数据，总金额600元")));
    for (const auto& [widget, what, text] : {std::tuple{Named("Label9"), QAccessible::Name, Named<QLabel>("Label9")->text()},
                                             {Window().Text1(2), QAccessible::Name, QStringLiteral("第3行 张数")},
                                             {Window().Text1(2), QAccessible::Value, QStringLiteral("4")},
                                             {Window().C1(2), QAccessible::Name, QStringLiteral("第3行 加油发票")},
                                             {Named("Output1"), QAccessible::Name, QStringLiteral("发票金额共")},
                                             {Named("Output1"), QAccessible::Value, QStringLiteral("1200")},
                                             {Named("RunCommand"), QAccessible::Name, QStringLiteral("计 算")},
                                             {Window().Command3(10), QAccessible::Description, QStringLiteral("小数点")},
                                             {Window().Command2(), QAccessible::Name, QStringLiteral("←")}}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(what), text) << widget->objectName();
    }
    // The captions, which no widget draws: each a label of the window, with its text, where it shows.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&Window());
    const auto describe = [](const QString& text, const QRect& at) { return QStringLiteral("%1 %2,%3 %4x%5").arg(text).arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height()); };
    QStringList drawn, read;
    for (const Caption& caption : Window().Captions()) drawn << describe(caption.text.text(), caption.at);
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        const QPoint at = Window().mapFromGlobal(child->rect().topLeft());
        if (child->object() == nullptr && child->role() == QAccessible::StaticText && window->indexOfChild(child) == i &&
            child->parent() == window && !child->state().invisible && child->text(QAccessible::Value).isEmpty() && window->childAt(child->rect().x() + 3, child->rect().y() + 3) == child) {  // found where its text starts
            read << describe(child->text(QAccessible::Name), QRect(at, child->rect().size()));
        }
    }
    EXPECT_EQ(window->indexOfChild(window->child(1)), 1);  // a widget's place among the children too
    drawn.sort();
    read.sort();
    EXPECT_EQ(read.join('|').toStdString(), drawn.join('|').toStdString());
    QAccessible::Id caption = 0;
    {
        MainWindow hidden;  // whose captions are there but not shown, and go with it
        QAccessibleInterface* unshown = QAccessible::queryAccessibleInterface(&hidden);
        EXPECT_TRUE(unshown->child(unshown->childCount() - 1)->state().invisible);
        caption = QAccessible::uniqueId(unshown->child(unshown->childCount() - 1));
    }
    EXPECT_EQ(QAccessible::accessibleInterface(caption), nullptr);
}

// From the keyboard: Enter presses the focused button, as Space does; Tab visits the controls in their order.
TEST_F(WindowTest, TabVisitsTheControlsInTheirOrder)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(messages_.size() == 1 ? messages_[0].title : "", "计算结果");
    QStringList expected{"RunCommand", "InputMoney1(0)", "Text1(0)", "Output1", "Output2", "SetBackCommand"};
    for (int row = 1; row < 24; ++row) expected << QStringLiteral("Text1(%1)").arg(row) << QStringLiteral("InputMoney1(%1)").arg(row);
    for (int column = 0; column < 3; ++column) {
        for (int row = column; row < 24; row += 3) expected << QStringLiteral("C1(%1)").arg(row);
    }
    expected << "O1" << "Road1" << "Command1" << "Command4";  // the disabled keys are skipped
    QStringList visited{QApplication::focusWidget()->objectName()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

// Whatever the desktop's colour scheme (the tests also run under dark ones),
// every text reads on its fixed background, message boxes too; the credit
// line shows whole above the window's edge.
TEST_F(WindowTest, EveryTextReadsOnItsBackgroundAndTheCreditLineShowsWhole)
{
    EXPECT_TRUE(!qEnvironmentVariableIsSet("EXPECT_DARK_DESKTOP") ||  // the desktop's own scheme is dark
                qApp->property("desktopPalette").value<QPalette>().color(QPalette::Window).lightness() < 100);
    Click(Window().Text1(2));
    ClickKey(4);
    for (const char* face : {"x", "1", "x"}) {  // row 7 pink, Label9 written, row 2 green
        Window().InputMoney1(7)->setText(QString::fromLatin1(face));
        Click("RunCommand");
    }
    const char* const controls[] = {"Label1",    "Label9",    "InputMoney1(5)", "InputMoney1(7)", "Text1(2)",
                                    "Output1",   "RunCommand", "Command3(3)",   "Command3(10)",   "Label12"};
    const QImage shot = Window().grab().toImage();
    for (const char* control : controls) {
        const QWidget* widget = Named(control);
        const QRect area = widget != nullptr ? Place(control).translated(widget->parentWidget()->mapTo(&Window(), QPoint())) : Place(control);
        const double contrast = Contrast(shot, area.adjusted(2, 2, -2, -2));
        std::printf("contrast %-16s %5.1f:1\n", control, contrast);
        EXPECT_GE(contrast, 4.5) << control;
    }
    EXPECT_GE(Contrast(shot, {258, 150, 2, 1}), 4.5) << "Line1";
    // The credit line, centred in a box that reaches below the window; a heading from the left of its box.
    const QRect credit = Ink(shot, QRect(0, layout::Pixels(7770), 794, 534 - layout::Pixels(7770)));
    EXPECT_TRUE(!credit.isEmpty() && credit.top() <= layout::Pixels(7770) + 6 && credit.bottom() <= 532);
    EXPECT_NEAR(credit.left() + credit.right(), 2 * (14 + 766 / 2), 4);
    EXPECT_LE(Ink(shot, Place("Label5")).left() - Place("Label5").left(), 1);
    const QRect caption = Place("Label2(14)");  // cut at the bottom of its box, as a label is
    EXPECT_TRUE(Ink(shot, QRect(caption.left(), caption.bottom() + 1, caption.width(), 1)).isEmpty());

    QStringList seen;  // the real message box: its title, text, one OK button and no icon
    QTimer poll;       // answers it once shown; whatever is still open after 10 s is closed
    QObject::connect(&poll, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen << box->windowTitle() << box->text() << QString::number(box->icon()) + QString::number(box->textFormat());
        for (QAbstractButton* button : box->buttons()) seen << button->text();
        seen << QString::number(Contrast(box->grab().toImage(), box->rect()) >= 4.5);
        box->buttons().value(0)->click();
    });
    poll.start(20);
    QTimer::singleShot(10000, [] { QApplication::activeModalWidget() && QApplication::activeModalWidget()->close(); });
    ShowMessageBox(&Window(), {"计算结果", "系统提示：恭喜"});
    EXPECT_EQ(seen, QStringList({"计算结果", "系统提示：恭喜", "00", "确定", "1"}));
}

// What a window manager or compositor may do (run on Weston and Xvfb too):
// the program lives through each, keeps what was typed, and is 794 x 534 in
// its normal state. The title bar's buttons ask the same way.
TEST_F(WindowManager, EveryActionKeepsTheWindowAndItsReceipts)
{
    Window().Text1(1)->setText(QStringLiteral("3"));
    for (const Qt::WindowStates states : {Qt::WindowMaximized, Qt::WindowNoState, Qt::WindowFullScreen,
                                          Qt::WindowNoState, Qt::WindowMinimized, Qt::WindowNoState}) {
        Window().windowHandle()->setWindowStates(states);
        // Weston answers every request; Xvfb has no window manager to; a minimised window cannot tell.
        const bool larger = states & (Qt::WindowMaximized | Qt::WindowFullScreen);
        const auto settled = [&] {
            return Window().windowState() == states && (larger ? Window().width() > 794 : Window().size() == QSize(794, 534));
        };
        if (states == Qt::WindowNoState || (larger && QGuiApplication::platformName() == "wayland")) {
            EXPECT_TRUE(QTest::qWaitFor(settled, 5000)) << states << " " << Window().width();
        }
        QTest::qWait(100);
    }
    Window().resize(900, 600);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Window().size() == QSize(794, 534); }, 5000));
    Click("RunCommand");
    EXPECT_EQ(::Results(Window().Sheet()), "60|3|60|0");
}

}  // namespace
}  // namespace window
