#pragma once

#include "ledger/receipt_sheet.h"

// Short names for the entry boxes of a row, as the tests use them.
constexpr ledger::BoxId Face(int row) { return {ledger::BoxKind::Face, row}; }
constexpr ledger::BoxId Count(int row) { return {ledger::BoxKind::Count, row}; }
