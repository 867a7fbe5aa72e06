// What a window manager or compositor may do to the window: maximise,
// fullscreen, minimise and restore, a resize. The program must live through
// each, keep what was typed, and be 794 x 534 again in its normal state. Run
// on Xvfb and on a headless Weston as well as offscreen.
#include <QWindow>

#include "window_driver.h"

namespace window {
namespace {

using WindowManager = WindowDriver;

TEST_F(WindowManager, EveryActionKeepsTheWindowAndItsReceipts)
{
    Click(Window().Text1(1));
    ClickKey(3);
    QWindow* handle = Window().windowHandle();
    const std::pair<const char*, Qt::WindowStates> actions[] = {
        {"maximise", Qt::WindowMaximized},   {"normal", Qt::WindowNoState},  {"fullscreen", Qt::WindowFullScreen},
        {"normal", Qt::WindowNoState},       {"minimise", Qt::WindowMinimized}, {"normal", Qt::WindowNoState},
        {"maximise", Qt::WindowMaximized},   {"fullscreen", Qt::WindowFullScreen}, {"normal", Qt::WindowNoState},
    };
    for (const auto& [name, states] : actions) {
        handle->setWindowStates(states);  // as the title bar's buttons and a double-click on it do
        QTest::qWait(300);
        EXPECT_EQ(Window().Text1(1)->text(), QStringLiteral("3")) << name;
        EXPECT_GE(Window().width(), 794) << name;
        if (states == Qt::WindowNoState) {
            EXPECT_EQ(Window().size(), QSize(794, 534)) << name;
        }
    }
    Window().resize(900, 600);
    handle->resize(900, 600);
    QTest::qWait(300);
    EXPECT_EQ(Window().size(), QSize(794, 534));
    Click("RunCommand");
    EXPECT_EQ(Window().Result(ledger::ResultField::Output1)->text(), QStringLiteral("60"));
}

}  // namespace
}  // namespace window
