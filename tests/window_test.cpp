// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "window/fonts.h"
#include "window/light_scheme.h"
#include "window/qt_versions.h"
#include "window/message_presenter.h"
#include "window/qt_text.h"
#include "window/usage_help.h"
#include "sheet_script.h"
#include "window/wayland.h"
#include "window_difference.h"

namespace window {
namespace {

// Drives the real window as a user does and records the messages it would show. After every test every control
// must show exactly what the sheet and the keypad hold.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_.show();
        window_.activateWindow();
        // A Wayland compositor never hands a client the focus it asks for.
        ASSERT_TRUE(OnWayland() ? QTest::qWaitForWindowExposed(&window_) : QTest::qWaitForWindowActive(&window_));
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
    // By the control's object name, written out here, not through the window's own mapping.
    QWidget* Named(const QString& name) { return window_.findChild<QWidget*>(name); }
    void Click(const QString& name, QPoint offset = {10, 10}) { Click(Named(name), offset); }

    std::vector<ledger::Message> messages_;
    MainWindow window_{[this](QWidget*, const ledger::Message& message) { messages_.push_back(message); }};
};

// Whether `shot` differs from the picture `name` in more pixels than the run allows (PICTURE_SLACK); a colour one
// step off counts. UPDATE_PICTURES=1 writes the pictures; a shot that differs is kept in the temporary folder.
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

// What the window looks like: a fixed frame with its title and icon, and no input method between the user and the
// boxes; then, but under Qt 5 (Windows' native style), the inside at start-up, after the typical pass and after a
// pass that finds a bad box, at every scale and scheme the tests run under: every place, font, colour and caption;
// and the same after a theme gave widget classes palettes of their own.
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
        // Its place among the window's children, its window (where the screen's coordinates are), its role.
        EXPECT_EQ(std::tuple(window->childAt(child->rect().x() + 3, child->rect().y() + 3), window->indexOfChild(child),
                             child->parent(), child->object(), child->window(), child->role(), child->state().invisible,
                             child->childCount()),
                  std::tuple(child, i, window, nullptr, Window().windowHandle(), QAccessible::StaticText, false, 0));
    }
    auto hidden = std::make_unique<MainWindow>();  // whose captions are there but not shown, and go with it
    QAccessibleInterface* caption = QAccessible::queryAccessibleInterface(hidden.get())->child(widgets);
    const QAccessible::Id id = QAccessible::uniqueId(caption);
    EXPECT_TRUE(caption->state().invisible);
    hidden.reset();
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

// The boxes hand the mouse on to the line edit: a click places the caret where it lands, before it makes the box
// current, and a selection made with the mouse is offered to other programs, as X11's primary selection.
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
    if (!QGuiApplication::clipboard()->supportsSelection()) return;  // X11 and Wayland have one; Windows has none
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
    QTest::mouseDClick(Window().InputMoney1(2), Qt::LeftButton, {}, {8, 8});   // selects the word: "150"
    QTest::mouseRelease(Window().InputMoney1(2), Qt::LeftButton, {}, {8, 8});  // which QTest leaves to the caller
    EXPECT_EQ(QGuiApplication::clipboard()->text(QClipboard::Selection).toStdString(), "150");
}

// Enter presses the focused button; Tab visits the controls in the order written out below, the keys too once a
// face-value box has enabled them, and comes round again.
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
    expected << "O1"
             << "Road1"
             << "Command1";
    for (int key = 0; key <= 10; ++key) expected << named("Command3", key);
    expected << "Command2"
             << "Command4"
             << "RunCommand";
    QStringList visited{QApplication::focusWidget()->objectName()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

// The real message box, under any desktop scheme, with each message: its title, its text readable and in the
// window's font, every character of it in the embedded face, one OK button and no icon.
TEST_F(WindowTest, MessageBoxesShowTheirTextAndOneButton)
{
    if (qEnvironmentVariableIsSet("EXPECT_DARK_DESKTOP")) {  // the desktop's own scheme is dark
        EXPECT_LT(qApp->property("desktopPalette").value<QPalette>().color(QPalette::Window).lightness(), 100);
    }
    ledger::ReceiptSheet sheet;  // a result with every total, a failure, out of range, then both resets and the help
    std::vector<ledger::Message> messages;
    for (const char* script : {"c1=3 f23=5 t23 calc", "f0=x", "f14=9^400"}) {
        RunScript(sheet, script);
        messages.push_back(ledger::Calculate(sheet));
    }
    messages.insert(messages.end(), {ledger::FirstStepReset(sheet), ledger::FullReset(sheet), UsageHelp()});
    QStringList seen, expected;
    const QString song9 = QStringLiteral("%1 9").arg(FontFamilies().contains("SimSun") ? "SimSun" : "Receipt Song");
    QTimer poll;  // answers each once shown; whatever is still open after 10 s is closed
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
    QTimer::singleShot(10000, [] { QApplication::activeModalWidget() && QApplication::activeModalWidget()->close(); });
    for (const ledger::Message& message : messages) {
        ShowMessageBox(&Window(), message);
        expected << ToQString(message.title) << ToQString(message.text) << QStringList{"00", "确定", song9, "1", "1"};
    }
    EXPECT_EQ(seen, expected);
}

// What a window manager may do (also run on Weston and Xvfb): the window lives through each, keeps what was
// typed, and is 794 x 534 in its normal state.
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
            EXPECT_TRUE(QTest::qWaitFor(settled, 5000)) << states << " " << Window().width();
        }
    }
    Window().resize(900, 600);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Window().size() == QSize(794, 534); }, 5000));
    EXPECT_EQ(Window().Sheet().Text(Count(1)), "3");
}

}  // namespace
}  // namespace window
