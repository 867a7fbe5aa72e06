#pragma once

// Drives the real window as a user does, and records the messages it would show. After every test every
// control must show exactly what the sheet and the keypad hold.

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "ledger/characters.h"
#include "window/entry_box.h"
#include "window/main_window.h"
#include "window/qt_text.h"

inline std::ostream& operator<<(std::ostream& out, const QString& text) { return out << '"' << text.toStdString() << '"'; }

namespace window {

inline QColor BaseColour(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

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

    // Where a control is: a widget's geometry; for a caption, where a screen
    // reader finds a label with its text, in the window. Empty when neither.
    QRect Place(const char* name)
    {
        if (QWidget* widget = Named(name)) return widget->geometry();
        const auto& captions = window_.Captions();
        const auto caption = std::find_if(captions.begin(), captions.end(), [name](const Caption& c) { return c.name == name; });
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&window_);
        for (int i = 0; caption != captions.end() && i < window->childCount(); ++i) {
            const QAccessibleInterface* child = window->child(i);
            const QRect at(window_.mapFromGlobal(child->rect().topLeft()), child->rect().size());
            if (child->role() == QAccessible::StaticText && child->text(QAccessible::Name) == caption->text.text() &&
                at == caption->at && window->indexOfChild(child) == i) {
                return at;
            }
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

    // The first control that shows something else than the sheet and the keypad hold; "" when none.
    std::string Difference()
    {
        const ledger::ReceiptSheet& sheet = window_.Sheet();
        for (int row = 0; row < ledger::kRowCount; ++row) {
            for (EntryBox* box : {window_.InputMoney1(row), window_.Text1(row)}) {
                const ledger::BoxId id{box == window_.Text1(row) ? ledger::BoxKind::Count : ledger::BoxKind::Face, row};
                const ledger::EntryBox& model = sheet.Box(id);
                const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
                const std::size_t first = CharIndex(box->text(), start);
                const std::uint32_t bgr = ledger::Bgr(sheet.Colour(id));
                if (box->text().toStdString() != model.text || first != model.selStart ||
                    CharIndex(box->text(), start + box->selectionLength()) - first != model.selLength ||
                    model.selStart + model.selLength > ledger::CharCount(model.text) ||
                    BaseColour(box) != QColor(ledger::Red(bgr), ledger::Green(bgr), ledger::Blue(bgr))) {
                    return box->objectName().toStdString();
                }
            }
            if (window_.C1(row)->isChecked() != (sheet.FuelMark(row) == 1)) return "C1";
        }
        for (const ledger::ResultField field : ledger::kResultFields) {
            if (window_.Result(field)->text().toStdString() != sheet.Result(field)) return "a result field";
        }
        if (Named<QLabel>("Label9")->text().toStdString() != sheet.PreviousTotals()) return "Label9";
        const entry::Keypad& keypad = window_.KeypadState();
        for (int key = 0; key < entry::kKeyCount; ++key) {
            const bool allowed = key == entry::kPointKey ? keypad.NowP() < entry::kNoBox : keypad.CurrentBox().has_value();
            if (window_.Command3(key)->isEnabled() != keypad.KeyEnabled(key) || keypad.KeyEnabled(key) != allowed) return "a key";
        }
        return window_.Command2()->isEnabled() != keypad.BackspaceEnabled() ? "Command2" : "";
    }

    std::vector<ledger::Message> messages_;
    MainWindow window_{[this](QWidget*, const ledger::Message& message) { messages_.push_back(message); }};
};

}  // namespace window
