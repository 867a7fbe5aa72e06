#pragma once

// Drives the real window as a user does, and records the messages it would show. After every test every
// control must show exactly what the sheet and the keypad hold.

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "sheet_script.h"
#include "window/wayland.h"
#include "window_difference.h"

inline std::ostream& operator<<(std::ostream& out, const QString& text)
{
    return out << '"' << text.toStdString() << '"';
}

namespace window {

class WindowDriver : public ::testing::Test {
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
    template <typename T = QWidget>
    T* Named(const char* name)
    {
        return window_.findChild<T*>(QString::fromUtf8(name));
    }

    // Clicks what the user would hit at `offset` in `control`, a few pixels
    // in from its left edge unless told.
    void Click(QWidget* control, QPoint offset = {4, -1})
    {
        const QPoint at =
            control->mapTo(&window_, QPoint(offset.x(), offset.y() < 0 ? control->height() / 2 : offset.y()));
        QWidget* target = window_.childAt(at);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window_, at));
    }
    void Click(const char* name) { Click(Named(name), {10, 10}); }
    void ClickKey(int key) { Click(key == kBackspace ? window_.Command2() : window_.Command3(key), {10, 10}); }

    std::vector<ledger::Message> messages_;
    MainWindow window_{[this](QWidget*, const ledger::Message& message) { messages_.push_back(message); }};
};

}  // namespace window
