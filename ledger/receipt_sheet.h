// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ledger/back_colour.h"

namespace ledger {

inline constexpr int kRowCount = 24;

// The two entry boxes of a row: the face value `InputMoney1(i)` and the
// count `Text1(i)`.
enum class BoxKind : std::uint8_t { Face, Count };

struct BoxId {
    BoxKind kind;
    int row;
    friend bool operator==(const BoxId&, const BoxId&) = default;
};

// The four result fields, which are the running totals, by the names of their controls.
enum class ResultField : std::uint8_t {
    Output1,  // the money: every receipt's amount
    Output2,  // the number of receipts (the sheet total), a 16-bit whole number
    Road1,    // the toll part of the money
    O1,       // the fuel part of the money
};
inline constexpr std::array kResultFields{ResultField::Output1, ResultField::Output2, ResultField::Road1,
                                          ResultField::O1};

// An entry box: its text, and a selection of `selLength` characters that
// starts at the caret `selStart` (an empty selection is a plain caret).
struct EntryBox {
    std::string text;
    std::size_t selStart = 0;
    std::size_t selLength = 0;
    friend bool operator==(const EntryBox&, const EntryBox&) = default;
};

struct RowDefault {
    std::string_view face;
    std::string_view count;
    bool common;  // a common face value, shown on grey
};

// Texts of every row at start-up and after either reset, by row index; the
// rows run across each line of the three-column grid, then down.
// clang-format off
inline constexpr std::array<RowDefault, kRowCount> kRowDefaults{{
    {"1", "0", false},   {"20", "0", false},  {"150", "0", false},
    {"2", "0", false},   {"25", "0", false},  {"180", "0", true},
    {"5", "0", true},    {"30", "0", false},  {"200", "0", false},
    {"7", "0", true},    {"35", "0", false},  {"275", "0", true},
    {"8", "0", false},   {"40", "0", false},  {"0", "1", false},
    {"10", "0", true},   {"45", "0", false},  {"0", "1", false},
    {"15", "0", false},  {"50", "0", false},  {"0", "1", false},
    {"18", "0", false},  {"100", "0", false}, {"0", "1", false},
}};
// clang-format on
// A row left out would read as empty texts.
static_assert(std::none_of(kRowDefaults.begin(), kRowDefaults.end(),
                           [](const RowDefault& row) { return row.face.empty(); }));

// The colour a calculation or a reset paints a row's box: green where the
// calculation counted the row, else grey for a common face value, else white.
// Before the first of them, every box but the grey ones shows `Standard`.
BackColour PaintedColour(BoxId box, bool counted);

// The fields an operation wrote since the window last looked, so that the
// window refreshes exactly those controls and leaves the rest (and their
// carets) alone. A written text counts even when it did not change.
class Writes {
public:
    void MarkText(BoxId box) { bits_.set(Index(kText, box)); }
    void MarkColour(BoxId box) { bits_.set(Index(kColour, box)); }
    void MarkFuelMark(int row) { bits_.set(kFuelMarks + static_cast<std::size_t>(row)); }
    void MarkResult(ResultField field) { bits_.set(kResults + static_cast<std::size_t>(field)); }
    void MarkPreviousTotals() { bits_.set(kPreviousTotals); }

    bool HasText(BoxId box) const { return bits_.test(Index(kText, box)); }
    bool HasColour(BoxId box) const { return bits_.test(Index(kColour, box)); }
    bool HasFuelMark(int row) const { return bits_.test(kFuelMarks + static_cast<std::size_t>(row)); }
    bool HasResult(ResultField field) const { return bits_.test(kResults + static_cast<std::size_t>(field)); }
    bool HasPreviousTotals() const { return bits_.test(kPreviousTotals); }
    friend bool operator==(const Writes&, const Writes&) = default;

private:
    static constexpr std::size_t kRows = kRowCount;
    static constexpr std::size_t kText = 0;            // face and count texts
    static constexpr std::size_t kColour = 2 * kRows;  // face and count colours
    static constexpr std::size_t kFuelMarks = 4 * kRows;
    static constexpr std::size_t kResults = 5 * kRows;
    static constexpr std::size_t kPreviousTotals = kResults + kResultFields.size();

    static std::size_t Index(std::size_t base, BoxId box)
    {
        return base + (box.kind == BoxKind::Count ? kRows : 0) + static_cast<std::size_t>(box.row);
    }

    std::bitset<kPreviousTotals + 1> bits_;
};

// The sheet of 24 receipt rows, the four result fields and the
// previous-totals line: exactly what the window shows, as texts, marks and
// colours. It converts nothing to numbers and accepts any text.
//
// Setters record what they wrote (see `Writes`). The `Mirror...` setters are
// for the window reporting what the user did directly in a control; the
// control already shows it, so they record nothing. A row index outside
// 0..23 throws std::out_of_range.
class ReceiptSheet {
public:
    ReceiptSheet();  // the start state

    const EntryBox& Box(BoxId box) const;
    const std::string& Text(BoxId box) const { return Box(box).text; }
    // Replaces the whole text: the caret goes to 0 with nothing selected.
    void SetText(BoxId box, std::string text);
    // An edit in place: the new text with the caret at `caret`, nothing selected.
    void SetEdited(BoxId box, std::string text, std::size_t caret);
    void MirrorBox(BoxId box, std::string text, std::size_t selStart, std::size_t selLength);
    void MirrorSelection(BoxId box, std::size_t selStart, std::size_t selLength);

    BackColour Colour(BoxId box) const;
    void SetColour(BoxId box, BackColour colour);

    int FuelMark(int row) const;  // 0 or 1
    void SetFuelMark(int row, int mark);
    void MirrorFuelMark(int row, int mark);

    const std::string& Result(ResultField field) const;
    void SetResult(ResultField field, std::string text);
    void MirrorResult(ResultField field, std::string text);

    // The previous-totals line, shown by `Label9`: what the last calculation carried over.
    const std::string& PreviousTotals() const { return previousTotals_; }
    void SetPreviousTotals(std::string text);

    // Returns what was written since the last call and forgets it.
    Writes TakeWrites();

    // The same content: texts, selections, colours, marks and lines. What was written since the window last
    // looked is not content.
    friend bool operator==(const ReceiptSheet& a, const ReceiptSheet& b)
    {
        return a.rows_ == b.rows_ && a.results_ == b.results_ && a.previousTotals_ == b.previousTotals_;
    }

private:
    struct Row {
        EntryBox face;
        EntryBox count;
        BackColour faceColour = BackColour::Standard;
        BackColour countColour = BackColour::Standard;
        int fuelMark = 0;  // 1: a fuel row (the check box `C1(i)`), 0: a toll row
        friend bool operator==(const Row&, const Row&) = default;
    };

    Row& RowAt(int row);
    const Row& RowAt(int row) const;
    EntryBox& BoxAt(BoxId box);

    std::array<Row, kRowCount> rows_;
    std::array<std::string, kResultFields.size()> results_;
    std::string previousTotals_;
    Writes writes_;
};

}  // namespace ledger
