// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/resets.h"

#include <string>

namespace ledger {
namespace {

void RestoreRows(ReceiptSheet& sheet)
{
    for (int row = 0; row < kRowCount; ++row) {
        const RowDefault& preset = kRowDefaults[static_cast<std::size_t>(row)];
        sheet.SetText({BoxKind::Face, row}, std::string(preset.face));
        sheet.SetText({BoxKind::Count, row}, std::string(preset.count));
        for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
            sheet.SetColour({kind, row}, PaintedColour({kind, row}, false));
        }
    }
}

}  // namespace

Message FirstStepReset(ReceiptSheet& sheet)
{
    RestoreRows(sheet);
    return {std::string(texts::kResetTitle), std::string(texts::kFirstStepResetText)};
}

Message FullReset(ReceiptSheet& sheet)
{
    for (const ResultField field : kResultFields) sheet.SetResult(field, "0");
    RestoreRows(sheet);
    return {std::string(texts::kResetTitle), std::string(texts::kFullResetText)};
}

}  // namespace ledger
