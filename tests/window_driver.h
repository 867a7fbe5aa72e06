#pragma once

// Drives the real window as a user does, and records the messages it would show. After every test every
// control must show exactly what the sheet and the keypad hold.

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "window_difference.h"

inline std::ostream& operator<<(std::ostream& out, const QString& text) { return out << '"' << text.toStdString() << '"'; }

namespace window {

class WindowDriver : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_.show();
        window_.activateWindow();
        const bool activates = QGuiApplication::platformName() != QStringLiteral("wayland");
        ASSERT_TRUE(activates ? QTest::qWaitForWindowActive(&window_) : QTest::qWaitForWindowExposed(&window_));
    }
    void TearDown() override { EXPECT_EQ(Difference(), ""); }

    MainWindow& Window() { return window_; }
    template <typename T = QWidget>
    T* Named(const char* name) { return window_.findChild<T*>(QString::fromUtf8(name)); }

    // Where a control is in its parent: a widget's geometry, or where the window draws a caption.
    QRect Place(const char* name)
    {
        if (QWidget* widget = Named(name)) return widget->geometry();
        for (const Caption& caption : window_.Captions()) {
            if (caption.name == QLatin1String(name)) return caption.at;
        }
        return {};
    }

    // Clicks what the user would hit at `offset` in `control`, a few pixels
    // in from its left edge unless told.
    void Click(QWidget* control, QPoint offset = {4, -1})
    {
        const QPoint at = control->mapTo(&window_, QPoint(offset.x(), offset.y() < 0 ? control->height() / 2 : offset.y()));
        QWidget* target = window_.childAt(at);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window_, at));
    }
    void Click(const char* name) { Click(Named(name), {10, 10}); }
    void ClickKey(int key) { Click(key == 11 ? window_.Command2() : window_.Command3(key), {10, 10}); }

    std::string Difference() const { return window::Difference(window_); }

    std::vector<ledger::Message> messages_;
    MainWindow window_{[this](QWidget*, const ledger::Message& message) { messages_.push_back(message); }};
};

}  // namespace window
