// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A sheet set up by a script, a test case on one line: "f5=2.5", "c5=" set row 5's face and count texts, "t5" ticks
// its fuel mark, "r=50|0|0|x" sets the result fields, "calc" and "reset" run the operations. In texts "_" is a blank,
// "d^n" the character d n times. Any other word fails the test, so that a typo cannot change what a case tests.

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "entry/keypad.h"
#include "ledger/calculate.h"
#include "ledger/resets.h"

// Where the tests number the keypad's keys 0..10, backspace comes next.
inline constexpr int kBackspace = entry::kKeyCount;

inline constexpr auto Face = [](int row) { return ledger::BoxId{ledger::BoxKind::Face, row}; };
inline constexpr auto Count = [](int row) { return ledger::BoxId{ledger::BoxKind::Count, row}; };

inline std::string Expand(std::string text)
{
    for (char& c : text) c = c == '_' ? ' ' : c;
    for (std::size_t at; (at = text.find('^')) != std::string::npos;) {
        const std::size_t end = text.find_first_not_of("0123456789", at + 1);
        text = text.substr(0, at - 1) + std::string(std::stoul(text.substr(at + 1, end - at - 1)), text[at - 1]) +
               text.substr(std::min(end, text.size()));
    }
    return text;
}

inline std::string Results(const ledger::ReceiptSheet& sheet)
{
    using ledger::ResultField;
    return sheet.Result(ResultField::Output1) + "|" + sheet.Result(ResultField::Output2) + "|" +
           sheet.Result(ResultField::Road1) + "|" + sheet.Result(ResultField::O1);
}

inline void RunScript(ledger::ReceiptSheet& sheet, const std::string& script)
{
    static const std::regex kBox("([fc])([0-9]+)=(.*)"), kMark("t([0-9]+)"), kResults("r=(.*)");
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        std::smatch part;
        if (word == "calc") {
            ledger::Calculate(sheet);
        } else if (word == "reset") {
            ledger::FirstStepReset(sheet);
        } else if (std::regex_match(word, part, kBox)) {
            const int row = std::stoi(part[2]);
            sheet.SetText(part[1] == "f" ? Face(row) : Count(row), Expand(part[3]));
        } else if (std::regex_match(word, part, kMark)) {
            sheet.SetFuelMark(std::stoi(part[1]), 1);
        } else if (std::regex_match(word, part, kResults)) {
            std::istringstream fields(Expand(part[1]) + "|");
            std::string text;
            for (const ledger::ResultField field : ledger::kResultFields) {
                if (std::getline(fields, text, '|')) sheet.SetResult(field, text);
            }
        } else {
            ADD_FAILURE() << "the sheet script has no word \"" << word << "\"";
        }
    }
}
