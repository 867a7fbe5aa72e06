// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QWidget>

#include <array>

#include "entry/keypad.h"
#include "ledger/message.h"
#include "ledger/receipt_sheet.h"
#include "window/captions.h"
#include "window/layout.h"
#include "window/message_presenter.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace window {

class TextBox;

// The one window, `C1` (the name the rows' fuel marks `C1(i)` share): shows the receipt sheet and the keypad and
// forwards every click to them. It keeps no rule of its own: after each operation it refreshes exactly the controls the
// operation wrote, then shows its message.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(MessagePresenter presenter = ShowMessageBox, QWidget* parent = nullptr);

    const ledger::ReceiptSheet& Sheet() const { return sheet_; }
    const entry::Keypad& KeypadState() const { return keypad_; }

    TextBox* InputMoney1(int row) const { return faceBoxes_.at(static_cast<std::size_t>(row)); }
    TextBox* Text1(int row) const { return countBoxes_.at(static_cast<std::size_t>(row)); }
    QCheckBox* C1(int row) const { return fuelMarks_.at(static_cast<std::size_t>(row)); }
    TextBox* Result(ledger::ResultField field) const { return results_.at(static_cast<std::size_t>(field)); }
    QPushButton* Command3(int key) const { return keys_.at(static_cast<std::size_t>(key)); }
    QPushButton* Command2() const { return keys_[layout::kBackspaceKey]; }
    QPushButton* Button(layout::Operation operation) const { return buttons_[static_cast<std::size_t>(operation)]; }
    QLabel* Label9() const { return label9_; }
    // The control the layout binds so.
    QWidget* Widget(const layout::Binding& binding) const;
    const std::vector<Caption>& Captions() const { return captions_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static QSize FixedSize();  // 794 x 534
    void Place(QWidget* widget, std::string_view name, const layout::Twips& at, layout::Font font) const;
    void BuildControls();
    QWidget* BuildControl(const layout::Control& control);
    void BuildRow(int row);
    void BuildKeypad(QWidget* frame);
    void SetFocusOrder();

    // What the controls do (window_events.cpp).
    void WireEvents();
    void Start(layout::Operation operation);
    void Run(ledger::Message (*operation)(ledger::ReceiptSheet&));
    void SelectBox(ledger::BoxId box);
    void AfterKey(entry::FocusRequest focus);
    void ShowWrites();
    void ShowKeys();
    void MirrorBox(ledger::BoxId box);        // text, caret and selection
    void MirrorSelection(ledger::BoxId box);  // caret and selection only

    TextBox* BoxWidget(ledger::BoxId box) const;

    ledger::ReceiptSheet sheet_;
    entry::Keypad keypad_;
    MessagePresenter presenter_;
    std::vector<Caption> captions_;                   // drawn by paintEvent
    std::array<QFont, layout::kFonts.size()> fonts_;  // made once, shared by the controls

    // Each control the window works with, by what the layout binds it to.
    std::array<TextBox*, ledger::kRowCount> faceBoxes_{};
    std::array<TextBox*, ledger::kRowCount> countBoxes_{};
    std::array<QCheckBox*, ledger::kRowCount> fuelMarks_{};
    std::array<TextBox*, ledger::kResultFields.size()> results_{};
    std::array<QPushButton*, layout::kBackspaceKey + 1> keys_{};  // the digits, the point, then backspace
    std::array<QPushButton*, layout::kOperations.size()> buttons_{};
    QLabel* label9_ = nullptr;  // the previous-totals line
};

}  // namespace window
