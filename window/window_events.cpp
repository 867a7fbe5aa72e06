// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// What each click, key and edit does: the control's event goes to the sheet or the keypad, and the window then
// shows what the operation wrote and the message it returned. No rule of the calculator lives here.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "ledger/calculate.h"
#include "ledger/resets.h"
#include "window/main_window.h"
#include "window/qt_text.h"
#include "window/shown_values.h"
#include "window/text_box.h"
#include "window/usage_help.h"

namespace window {
namespace {

using ledger::BoxId;
using ledger::BoxKind;

// A box's selection, or its caret, in characters: start and length.
std::pair<std::size_t, std::size_t> Selection(const TextBox& box)
{
    const QString text = box.text();
    const int start = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
    const std::size_t first = CharIndex(text, start);
    return {first, CharIndex(text, start + box.selectionLength()) - first};
}

}  // namespace

void MainWindow::WireEvents()
{
    for (const layout::Operation operation : layout::kOperations) {
        connect(Button(operation), &QPushButton::clicked, this, [this, operation] { Start(operation); });
    }
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
            const BoxId id{kind, row};
            TextBox* box = BoxWidget(id);
            connect(box, &TextBox::clicked, this, [this, id] { SelectBox(id); });
            // Whatever the user does in a box reaches the sheet at once.
            connect(box, &QLineEdit::textChanged, this, [this, id] { MirrorBox(id); });
            connect(box, &QLineEdit::cursorPositionChanged, this, [this, id] { MirrorSelection(id); });
            connect(box, &QLineEdit::selectionChanged, this, [this, id] { MirrorSelection(id); });
        }
        connect(C1(row), &QCheckBox::toggled, this,
                [this, row](bool ticked) { sheet_.MirrorFuelMark(row, ticked ? 1 : 0); });
    }
    for (const ledger::ResultField field : ledger::kResultFields) {
        connect(Result(field), &QLineEdit::textChanged, this,
                [this, field](const QString& text) { sheet_.MirrorResult(field, text.toStdString()); });
    }
    for (int key = 0; key < entry::kKeyCount; ++key) {
        connect(Command3(key), &QPushButton::clicked, this, [this, key] { AfterKey(keypad_.PressKey(sheet_, key)); });
    }
    connect(Command2(), &QPushButton::clicked, this, [this] { AfterKey(keypad_.PressBackspace(sheet_)); });
}

void MainWindow::Start(layout::Operation operation)
{
    switch (operation) {
        case layout::Operation::Calculate: return Run(ledger::Calculate);
        case layout::Operation::FirstStepReset: return Run(ledger::FirstStepReset);
        case layout::Operation::FullReset: return Run(ledger::FullReset);
        case layout::Operation::UsageHelp: return presenter_(this, UsageHelp());
    }
}

void MainWindow::Run(ledger::Message (*operation)(ledger::ReceiptSheet&))
{
    const ledger::Message message = operation(sheet_);
    ShowWrites();
    presenter_(this, message);
}

void MainWindow::SelectBox(BoxId box)
{
    keypad_.SelectBox(sheet_, box);
    ShowWrites();
    ShowKeys();
}

void MainWindow::AfterKey(entry::FocusRequest focus)
{
    ShowWrites();
    ShowKeys();
    if (focus) BoxWidget(*focus)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ShowWrites()
{
    const ledger::Writes writes = sheet_.TakeWrites();
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
            const BoxId id{kind, row};
            if (writes.HasText(id)) ShowText(BoxWidget(id), sheet_.Box(id));
            if (writes.HasColour(id)) ShowColour(BoxWidget(id), sheet_.Colour(id));
        }
        if (writes.HasFuelMark(row)) {
            const QSignalBlocker block(C1(row));
            C1(row)->setChecked(sheet_.FuelMark(row) == 1);
        }
    }
    for (const ledger::ResultField field : ledger::kResultFields) {
        if (writes.HasResult(field)) ShowText(Result(field), {sheet_.Result(field)});
    }
    if (writes.HasPreviousTotals()) label9_->setText(QString::fromStdString(sheet_.PreviousTotals()));
}

void MainWindow::ShowKeys()
{
    for (int key = 0; key < entry::kKeyCount; ++key) Command3(key)->setEnabled(keypad_.KeyEnabled(key));
    Command2()->setEnabled(keypad_.BackspaceEnabled());
}

void MainWindow::MirrorBox(BoxId id)
{
    const auto [start, length] = Selection(*BoxWidget(id));
    sheet_.MirrorBox(id, BoxWidget(id)->text().toStdString(), start, length);
}

void MainWindow::MirrorSelection(BoxId id)
{
    const auto [start, length] = Selection(*BoxWidget(id));
    sheet_.MirrorSelection(id, start, length);
}

TextBox* MainWindow::BoxWidget(BoxId box) const
{
    return box.kind == BoxKind::Face ? InputMoney1(box.row) : Text1(box.row);
}

}  // namespace window
