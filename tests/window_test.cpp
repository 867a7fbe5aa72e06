// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "window/fonts.h"
#include "window/light_scheme.h"
#include "window/qt_versions.h"
#include "window/message_presenter.h"
#include "window/qt_text.h"
#include "sheet_script.h"
#include "window/wayland.h"
#include "window_difference.h"

namespace window {
namespace {

constexpr int kPatience = 120000;  // ms, for what the platform does: only a failure waits it out

const ledger::Message kUsageHelp{
    // what "使用说明" shows
    "使用说明",
    "使用说明：对于司机兄弟来说，路费小票到了要报销的时候由于路票的面额种类很多，算金额/数量总数的时候总"
    "是容易算错，这个小小的计算器的此时将方便您计算总钱数和张数，输入尽量正确即可。使用时，所有的输入框的"
    "数字都可以更改，支持计算到小数点后两位。为了输入方便，已预设了很多不同面额的票，您只要输入小票的数量"
    "即可，部分灰色框的面额比较常见，方便您快速找到；由于支持小数点后2位，加油发票也可以填写了。点上面的"
    "“重置”只是把第一步的数据重置，如果一次算不全数据，得到结果，点这个“重置”，再输入其它没有计算的数"
    "据，计算结果会自动相加。而点下面的“全部重置”，会把所有输入框的值设回本软件刚打开的样子，欢迎使用！"};

// Drives the real window as a user does, records the messages it would show, and ends with Difference.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_.show();
        window_.activateWindow();
        // A Wayland compositor never hands a client the focus it asks for.
        ASSERT_TRUE(OnWayland() ? QTest::qWaitForWindowExposed(&window_, kPatience)
                                : QTest::qWaitForWindowActive(&window_, kPatience));
    }
    void TearDown() override { EXPECT_EQ(Difference(window_), ""); }

    MainWindow& Window() { return window_; }

    // Clicks what the user would hit at `offset` in `control`, a few pixels in from its left edge unless told.
    void Click(QWidget* control, QPoint offset = {4, -1})
    {
        const QPoint at =
            control->mapTo(&window_, QPoint(offset.x(), offset.y() < 0 ? control->height() / 2 : offset.y()));
        QWidget* target = window_.childAt(at);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window_, at));
    }
    QWidget* Named(const QString& name) { return window_.findChild<QWidget*>(name); }
    void Click(const QString& name, QPoint offset = {10, 10}) { Click(Named(name), offset); }  // by a name written out

    std::vector<ledger::Message> messages_;
    MainWindow window_{[this](QWidget*, const ledger::Message& message) { messages_.push_back(message); }};
};

// Whether `shot` differs from the picture `name` (a colour one step off too) in more pixels than PICTURE_SLACK allows.
// UPDATE_PICTURES=1 writes the pictures; a shot that differs is kept in the temporary folder.
bool DiffersFromPicture(const QImage& shot, const QString& name)
{
    const QString picture = QStringLiteral(PICTURES_DIR "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("UPDATE_PICTURES")) shot.save(picture);
    const QImage expected = QImage(picture).convertToFormat(QImage::Format_RGB32);
    if (expected.size() != shot.size()) return true;
    qsizetype off = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) off += shot.pixel(x, y) != expected.pixel(x, y);
    }
    const bool differs = off > qEnvironmentVariableIntValue("PICTURE_SLACK");
    if (differs) shot.save(QDir::temp().filePath(name + QStringLiteral("-as-drawn.png")));
    std::printf("%s: %lld pixels off\n", qPrintable(name), static_cast<long long>(off));
    return differs;
}

TEST(Fonts, TheClassicWindowsFontsWinWhereInstalled)
{
    const QStringList chinese{"Noto Sans CJK SC", "宋体", "SimHei"}, english{"simsun"}, none{"Receipt Song"};
    EXPECT_EQ(ChosenFamily("宋体", chinese), "宋体");
    EXPECT_EQ(ChosenFamily("黑体", chinese), "SimHei");
    EXPECT_EQ(ChosenFamily("宋体", english), "SimSun");
    EXPECT_EQ(ChosenFamily("黑体", none), "Receipt Hei");
}

// A fixed frame with its title and icon, no input method in the boxes; then, but under Qt 5, the inside at start-up,
// after the typical pass, after a pass that finds a bad box, at every scale and scheme the tests run under, and the
// same after a theme gave widget classes palettes of their own: every place, font, colour and caption.
TEST_F(WindowTest, LooksAsItsPictures)
{
    EXPECT_EQ(std::pair(Window().windowTitle(), Window().objectName()),
              std::pair(ToQString(identity::kTitle), QString("C1")));
    EXPECT_FALSE(Window().windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());  // no handles to resize it by
    EXPECT_EQ(Window().windowIcon().pixmap(32).size(), QSize(32, 32));
    QInputMethodQueryEvent query(Qt::ImEnabled);  // as the platform asks
    QApplication::sendEvent(Window().Text1(0), &query);
    EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
    const auto looksAs = [this, scale = QString::number(Window().devicePixelRatioF())](const QString& picture) {
        if (QT_VERSION_MAJOR >= 6) {  // the pictures are Qt 6's: Qt 5, which Windows runs, draws otherwise
            EXPECT_FALSE(DiffersFromPicture(Window().grab().toImage(), picture + "@" + scale + "x"));
        }
    };
    looksAs("start");
    Click("Text1(1)");  // the typical pass: three 20-yuan receipts, 56.5 yuan of fuel in the bottom-right row
    Click("Command3(3)");
    Click("InputMoney1(23)", {4, -1});
    for (const char* key : {"Command3(5)", "Command3(6)", "Command3(10)", "Command3(5)"}) Click(key);
    Click("RunCommand");
    EXPECT_EQ(::Results(Window().Sheet()), "116.5|4|60|56.5");
    looksAs("typical-pass");
    Window().Text1(0)->setText(QStringLiteral("x"));  // then a pass that finds a bad box: pink
    Click("RunCommand");
    Window().Text1(2)->setText(QStringLiteral("鑫"));  // beyond the embedded faces: drawn from the system's fonts
    looksAs("bad-input");
    for (const char* name : {"QAbstractButton", "QCheckBox", "QLabel", "QLineEdit", "QMessageBoxLabel"}) {
        QApplication::setPalette(QPalette(Qt::darkGray, Qt::black), name);  // as KDE's and GTK's themes give them
    }
    InstallLightScheme();  // which the program's own scheme replaces
    looksAs("bad-input");
}

// What the screen readers name where a control shows no text of its own, the captions included.
TEST_F(WindowTest, ScreenReadersNameWhatIsShown)
{
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Window().Text1(2))->text(QAccessible::Name), "第3行 张数");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Window().C1(2))->text(QAccessible::Name), "第3行 加油发票");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Window().Command2())->text(QAccessible::Description), "退格");
    // The captions, which no widget draws: each a label of the window, after its widgets, found where it shows.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&Window());
    const int widgets = window->childCount() - static_cast<int>(Window().Captions().size());
    for (int i = widgets; i < window->childCount(); ++i) {
        const Caption& caption = Window().Captions()[static_cast<std::size_t>(i - widgets)];
        QAccessibleInterface* child = window->child(i);
        EXPECT_EQ(child->text(QAccessible::Name), caption.text.text());
        EXPECT_EQ(child->rect(), QRect(Window().mapToGlobal(caption.at.topLeft()), caption.at.size()));
        EXPECT_EQ(std::tuple(window->childAt(child->rect().x() + 3, child->rect().y() + 3), window->indexOfChild(child),
                             child->parent(), child->object(), child->window(), child->role(), child->state().invisible,
                             child->childCount()),
                  std::tuple(child, i, window, nullptr, Window().windowHandle(), QAccessible::StaticText, false, 0));
    }
    auto hidden = std::make_unique<MainWindow>();  // whose captions are there but not shown, and go with it
    const QAccessible::Id id =
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(hidden.get())->child(widgets));
    EXPECT_TRUE(QAccessible::accessibleInterface(id)->state().invisible);
    hidden.reset();
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

// A click places the caret where it lands before it makes the box current.
TEST_F(WindowTest, TheMouseEditsAsInAnyTextBox)
{
    Click(Window().InputMoney1(2), {Window().InputMoney1(2)->width() - 4, -1});  // "150", the caret at 0 before
    EXPECT_EQ(Window().Sheet().Box(Face(2)), (ledger::EntryBox{"150", 3, 0}));
    EXPECT_EQ(CharIndex(QString("a") + QChar(0xDC00) + "b", 3), 3u);  // a caret counts a lone surrogate as one
    Click(Window().InputMoney1(3), {Window().InputMoney1(3)->width() - 4, -1});  // "2", two emoji pasted; backspace
    Window().InputMoney1(3)->insert(QStringLiteral("😀😀"));
    Click("Command2");  // leaves the caret after the emoji left: a key typed then follows it
    QTest::keyClick(Window().InputMoney1(3), Qt::Key_5);
    EXPECT_EQ(Window().Sheet().Box(Face(3)), (ledger::EntryBox{"2😀5", 3, 0}));
    Window().InputMoney1(3)->insert(QString(40000, '7'));  // a paste of any length, as typed into the model
    EXPECT_EQ(Window().Sheet().Box(Face(3)).selStart, 40003u);
}

// Controls of each part where the form puts them, in twips (15 a pixel); row 14's "面值：" as screen readers find it.
TEST_F(WindowTest, ControlsStandWhereTheFormPutsThem)
{
    const auto pixels = [](int left, int top, int width, int height) {
        return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0));
    };
    const std::pair<const char*, QRect> places[] = {
        {"InputMoney1(5)", pixels(8820, 1890, 1020, 360)},
        {"InputMoney1(4)", pixels(4830, 1920, 1020, 360)},
        {"C1(7)", pixels(7350, 2310, 225, 540)},
        {"Output2", pixels(9690, 5880, 1335, 375)},
        {"Command3(10)", pixels(1365 + 8505, 6825 + 135, 780, 645)}};  // in Frame2
    for (const auto& [name, at] : places) {
        EXPECT_EQ(QRect(Named(name)->mapTo(&Window(), QPoint()), Named(name)->size()), at) << name;
    }
    const QRect label = pixels(8160, 3405, 915, 255).translated(Window().mapToGlobal(QPoint()));  // 1335 wide elsewhere
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Window())->childAt(label.x() + 3, label.y() + 3)->rect(), label);
}

// Enter presses the focused button; Tab visits the controls in the order below, keys enabled, and comes round.
TEST_F(WindowTest, TabVisitsTheControlsInTheirOrder)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(messages_.size() == 1 ? messages_[0].title : "", "计算结果");
    Click("InputMoney1(0)");  // the order's second stop, which enables every key
    const auto named = [](const char* name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); };
    QStringList expected{"InputMoney1(0)", "Text1(0)", "Output1", "Output2", "SetBackCommand"};
    for (int row = 1; row < 24; ++row) expected << named("Text1", row) << named("InputMoney1", row);
    for (const int first : {0, 1, 2}) {  // the check boxes down each column
        for (int row = first; row < 24; row += 3) expected << named("C1", row);
    }
    expected += QStringList{"O1", "Road1", "Command1"};
    for (int key = 0; key <= 10; ++key) expected << named("Command3", key);
    expected += QStringList{"Command2", "Command4", "RunCommand"};
    QStringList visited{QApplication::focusWidget()->objectName()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

// Each message in a real box, under any scheme: title, text readable in the window's font and face, one OK, no icon.
TEST_F(WindowTest, MessageBoxesShowTheirTextAndOneButton)
{
    if (qEnvironmentVariableIsSet("EXPECT_DARK_DESKTOP")) {  // the desktop's own scheme is dark
        EXPECT_LT(qApp->property("desktopPalette").value<QPalette>().color(QPalette::Window).lightness(), 100);
    }
    ledger::ReceiptSheet sheet;  // a result with every total, a failure, out of range, both resets, the help
    std::vector<ledger::Message> messages;
    for (const char* script : {"c1=3 f23=5 t23 calc", "f0=x", "f14=9^400"}) {
        RunScript(sheet, script);
        messages.push_back(ledger::Calculate(sheet));
    }
    Click("Command1");  // the usage help, as written for the user
    EXPECT_EQ(messages_.at(0), kUsageHelp);
    messages.insert(messages.end(), {ledger::FirstStepReset(sheet), ledger::FullReset(sheet), messages_.at(0)});
    QStringList seen, expected;
    const QString song9 = QStringLiteral("%1 9").arg(FontFamilies().contains("SimSun") ? "SimSun" : "Receipt Song");
    QTimer poll;  // answers each once shown; whatever is still open after the patience is closed
    QObject::connect(&poll, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen << box->windowTitle() << box->text() << QString::number(box->icon()) + QString::number(box->textFormat());
        for (QAbstractButton* button : box->buttons()) seen << button->text();
        const QLabel* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const QPalette colours = label->palette();
        const QFontMetrics face(label->font());
        const auto shown = (box->windowTitle() + box->text() + box->buttons().value(0)->text()).toUcs4();
        // The window's default font, 宋体 9 pt, whatever the desktop theme says.
        seen << QFontInfo(label->font()).family() + " " + QString::number(label->font().pointSizeF());
        seen << QString::number(std::ranges::all_of(shown, [&face](uint c) { return face.inFontUcs4(c); }));
        seen << QString::number(colours.color(QPalette::WindowText).lightness() <
                                colours.color(QPalette::Window).lightness() - 128);
        box->buttons().value(0)->click();
    });
    poll.start(20);
    for (const ledger::Message& message : messages) {
        ShowMessageBox(&Window(), message);  // shown, and modal to the whole program, when it returns
        const QPointer<QWidget> box = QApplication::activeModalWidget();
        EXPECT_TRUE(box && box->windowModality() == Qt::ApplicationModal);
        EXPECT_TRUE(QTest::qWaitFor([&box] { return box.isNull(); }, kPatience));  // answered, and gone
        if (box) box->close();
        expected << ToQString(message.title) << ToQString(message.text) << QStringList{"00", "确定", song9, "1", "1"};
    }
    EXPECT_EQ(seen, expected);
}

// What a window manager may do (on Weston and Xvfb too): the window keeps its receipts, and 794 x 534 when normal.
TEST_F(WindowTest, WindowManagerActionsKeepTheWindowAndItsReceipts)
{
    Window().Text1(1)->setText(QStringLiteral("3"));
    for (const Qt::WindowStates states : {Qt::WindowMaximized, Qt::WindowNoState, Qt::WindowFullScreen,
                                          Qt::WindowNoState, Qt::WindowMinimized, Qt::WindowNoState}) {
        Window().windowHandle()->setWindowStates(states);
        // Weston answers every request; Xvfb has no window manager to; a minimised window cannot tell.
        const bool larger = states & (Qt::WindowMaximized | Qt::WindowFullScreen);
        const auto sized = [&] { return larger ? Window().width() > 794 : Window().size() == QSize(794, 534); };
        const auto settled = [&] { return Window().windowState() == states && sized(); };
        if (states == Qt::WindowNoState || (larger && OnWayland())) {
            EXPECT_TRUE(QTest::qWaitFor(settled, kPatience)) << states << " " << Window().width();
        }
    }
    Window().resize(900, 600);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Window().size() == QSize(794, 534); }, kPatience));
    EXPECT_EQ(Window().Sheet().Text(Count(1)), "3");
}

}  // namespace
}  // namespace window
