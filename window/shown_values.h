// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include "ledger/back_colour.h"
#include "ledger/receipt_sheet.h"

class QWidget;

namespace window {

class TextBox;

// How the sheet's values show in the controls.

QColor ToColor(ledger::BackColour colour);

// The background of a text box. A calculation paints every box, mostly in
// the colour it has; a new palette costs a widget a good deal, so only a new
// colour gets one.
void ShowColour(QWidget* box, ledger::BackColour colour);

// A text the sheet wrote, with its caret: every write leaves nothing selected.
void ShowText(TextBox* widget, const ledger::EntryBox& box);

}  // namespace window
