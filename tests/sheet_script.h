#pragma once

// A sheet set up by a script, so that a test case fits on one line: "f5=2.5", "c5=" set row 5's face and count
// texts, "t5" ticks its fuel mark, "r=50|0|0|x" sets the result fields, "calc" and "reset" run the
// operations. In texts "_" stands for a blank and "d^n" for the character d n times.

#include <sstream>

#include "ledger/calculate.h"
#include "ledger/resets.h"

constexpr ledger::BoxId Face(int row) { return {ledger::BoxKind::Face, row}; }
constexpr ledger::BoxId Count(int row) { return {ledger::BoxKind::Count, row}; }

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

inline void Play(ledger::ReceiptSheet& sheet, const std::string& script)
{
    std::istringstream words(script);
    for (std::string word, text; words >> word;) {
        const std::string value = Expand(word.substr(word.find('=') + 1));
        const int row = std::atoi(word.c_str() + 1);
        if (word == "calc") ledger::Calculate(sheet);
        else if (word == "reset") ledger::FirstStepReset(sheet);
        else if (word[0] == 'f' || word[0] == 'c') sheet.SetText(word[0] == 'f' ? Face(row) : Count(row), value);
        else if (word[0] == 't') sheet.SetFuelMark(row, 1);
        std::istringstream fields(value + "|");
        for (const ledger::ResultField field : ledger::kResultFields) {
            if (word.rfind("r=", 0) == 0 && std::getline(fields, text, '|')) sheet.SetResult(field, text);
        }
    }
}
