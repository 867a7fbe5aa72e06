#pragma once

// Drives the real window the way a user does: mouse clicks at window
// coordinates given in twips, keys, and a message presenter that records
// what would have been shown.

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "window/entry_box.h"
#include "window/layout.h"
#include "window/main_window.h"

// Failure messages show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace window::testing_support {

class WindowDriver : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = std::make_unique<MainWindow>(
            [this](QWidget*, const ledger::Message& message) { messages_.push_back(message); });
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get(), 5000));
    }

    MainWindow& Window() { return *window_; }

    template <typename T = QWidget>
    T* Named(const QString& name)
    {
        T* widget = window_->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    // Clicks whatever the user would hit at this point of the client area.
    void ClickAt(QPoint pixels)
    {
        QWidget* target = window_->childAt(pixels);
        ASSERT_NE(target, nullptr) << "nothing at " << pixels.x() << "," << pixels.y();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window_.get(), pixels));
    }

    // Clicks a control a few pixels in from its left edge, or at `offset`.
    void Click(QWidget* control, QPoint offset = {-1, -1})
    {
        if (offset.x() < 0) offset = {4, control->height() / 2};
        ClickAt(control->mapTo(window_.get(), offset));
    }

    // Clicks into an entry box behind its last character.
    void ClickAtEnd(EntryBox* box) { Click(box, {box->width() - 4, box->height() / 2}); }

    void ClickKey(int key) { Click(window_->Command3(key), {10, 10}); }

    void TypeInto(QWidget* widget, const QString& text) { QTest::keyClicks(widget, text); }

    const ledger::Message& LastMessage()
    {
        static const ledger::Message none;
        EXPECT_FALSE(messages_.empty());
        return messages_.empty() ? none : messages_.back();
    }

    std::vector<ledger::Message> messages_;

private:
    std::unique_ptr<MainWindow> window_;
};

inline QColor BaseColour(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

}  // namespace window::testing_support
