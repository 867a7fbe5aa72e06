#pragma once

// Drives the real window the way a user does: mouse clicks at the controls'
// places, keys, and a message presenter that records what would be shown.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "window/entry_box.h"
#include "window/main_window.h"

inline std::ostream& operator<<(std::ostream& out, const QString& text) { return out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QString& text, std::ostream* out) { *out << text; }

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

    MainWindow& Window() { return window_; }
    template <typename T = QWidget>
    T* Named(const char* name) { return window_.findChild<T*>(QString::fromUtf8(name)); }

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

    QString Results()
    {
        QStringList texts;
        for (const ledger::ResultField field : ledger::kResultFields) texts << window_.Result(field)->text();
        return texts.join(QLatin1Char('|'));
    }

    std::vector<ledger::Message> messages_;
    MainWindow window_{[this](QWidget*, const ledger::Message& message) { messages_.push_back(message); }};
};

inline QColor BaseColour(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

}  // namespace window
