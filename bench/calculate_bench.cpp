// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of one calculation over a full sheet: every row a two-decimal face
// value and a count, the result fields already holding totals.
#include <benchmark/benchmark.h>

#include <string>

#include "ledger/calculate.h"

namespace {

ledger::ReceiptSheet FullSheet()
{
    ledger::ReceiptSheet sheet;
    for (int row = 0; row < ledger::kRowCount; ++row) {
        sheet.SetText({ledger::BoxKind::Face, row}, std::to_string(10 + row) + "." + std::to_string(10 + row % 90));
        sheet.SetText({ledger::BoxKind::Count, row}, std::to_string(1 + row % 7));
        sheet.SetFuelMark(row, row % 4 == 0 ? 1 : 0);
    }
    sheet.SetResult(ledger::ResultField::Output1, "1234.56");
    sheet.SetResult(ledger::ResultField::Output2, "42");
    sheet.SetResult(ledger::ResultField::Road1, "1000.5");
    sheet.SetResult(ledger::ResultField::O1, "234.06");
    return sheet;
}

void BM_CalculateFullSheet(benchmark::State& state)
{
    ledger::ReceiptSheet sheet = FullSheet();
    for (auto _ : state) {
        // Start each pass from the same totals, so the sheet total never runs
        // out of range (four short string copies, a few nanoseconds).
        sheet.SetResult(ledger::ResultField::Output1, "1234.56");
        sheet.SetResult(ledger::ResultField::Output2, "42");
        benchmark::DoNotOptimize(ledger::Calculate(sheet));
        benchmark::DoNotOptimize(sheet.TakeWrites());
    }
}
BENCHMARK(BM_CalculateFullSheet);

}  // namespace
