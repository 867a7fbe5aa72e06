// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ledger/message.h"
#include "ledger/receipt_sheet.h"

namespace ledger {

// Puts every row back to its default texts and plain colours and keeps the
// running totals, so the next calculation adds to them.
Message FirstStepReset(ReceiptSheet& sheet);

// Sets the running totals to "0", then does what the first-step reset does,
// so the next calculation starts a new total.
Message FullReset(ReceiptSheet& sheet);

}  // namespace ledger
