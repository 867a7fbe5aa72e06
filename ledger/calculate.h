#pragma once

#include "ledger/message.h"
#include "ledger/receipt_sheet.h"

namespace ledger {

// Adds the rows of the sheet to the running totals held in the result
// fields, marks counted rows green and bad boxes pink, and returns the
// message to show: the result, the invalid-input failure, or the
// out-of-range failure. A failure writes no result field.
Message Calculate(ReceiptSheet& sheet);

}  // namespace ledger
