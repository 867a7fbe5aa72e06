// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/message_presenter.h"

#include <QMessageBox>

#include "window/layout.h"
#include "window/qt_text.h"

namespace window {

void ShowMessageBox(QWidget* parent, const ledger::Message& message)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromStdString(message.title),
                                QString::fromStdString(message.text), QMessageBox::NoButton, parent);
    box->setTextFormat(Qt::PlainText);
    box->addButton(ToQString(layout::kOkButton), QMessageBox::AcceptRole);
    // Modal like exec(), but without an event loop of its own: in the browser a nested loop needs the whole
    // program built with Asyncify, half as large again.
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

}  // namespace window
