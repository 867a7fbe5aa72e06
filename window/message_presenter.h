// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "ledger/message.h"

class QWidget;

namespace window {

// Shows an operation's message over `parent`; the user's answer is not
// needed. Tests inject their own.
using MessagePresenter = std::function<void(QWidget* parent, const ledger::Message& message)>;

// A modal box with the message's title and text, no icon, one "确定" button;
// returns at once, and the box goes when answered.
void ShowMessageBox(QWidget* parent, const ledger::Message& message);

}  // namespace window
