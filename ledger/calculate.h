// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ledger/message.h"
#include "ledger/receipt_sheet.h"

namespace ledger {

// Adds the rows of the sheet to the running totals held in the result
// fields, marks counted rows green and bad boxes pink, and returns the
// message to show: the result, the invalid-input failure, or the
// out-of-range failure.
//
// A pass that fails changes no total. First, whatever follows, a result field
// that is not a number becomes "0". When the totals the result fields hold are
// themselves out of range, the pass stops there. Otherwise it rewrites the
// previous-totals line from them and checks every row: when a total would
// leave its range, it stops there and marks nothing; when every total stays in
// range but a box is not a number, each such box becomes "0" on pink.
Message Calculate(ReceiptSheet& sheet);

}  // namespace ledger
