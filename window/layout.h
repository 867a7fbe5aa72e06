// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's geometry, fonts and texts as data. Positions and sizes are in
// twips (15 twips make one pixel at 96 dots per inch), from the top-left of
// the client area, or of the keypad frame for the keys; Qt's high-DPI
// scaling takes the logical pixels from there.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "entry/keypad.h"
#include "ledger/back_colour.h"
#include "ledger/receipt_sheet.h"
#include "window/identity.h"

namespace window::layout {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int Pixels(int twips)
{
    return (2 * twips + 15) / 30;
}

inline constexpr std::string_view kWindowTitle = identity::kTitle;
inline constexpr int kClientWidth = 11910;  // 794 pixels
inline constexpr int kClientHeight = 8010;  // 534 pixels
inline constexpr ledger::BackColour kWindowBackground = ledger::BackColour::White;

enum class Font { Default, Song12Bold, Song12, Song1575Bold, Hei2175Bold, Hei1575Bold };

struct FontStyle {
    Font font;
    std::string_view family;
    double points;
    bool bold;
};

// "宋体" and "黑体" are mapped to installed fonts in fonts.cpp. The default
// font is the standard Simplified Chinese dialog font.
// clang-format off
inline constexpr std::array kFonts{
    FontStyle{Font::Default, "宋体", 9, false},
    FontStyle{Font::Song12Bold, "宋体", 12, true},
    FontStyle{Font::Song12, "宋体", 12, false},
    FontStyle{Font::Song1575Bold, "宋体", 15.75, true},
    FontStyle{Font::Hei2175Bold, "黑体", 21.75, true},
    FontStyle{Font::Hei1575Bold, "黑体", 15.75, true},
};
// clang-format on
static_assert(
    [] {
        for (std::size_t i = 0; i < kFonts.size(); ++i) {
            if (kFonts[i].font != static_cast<Font>(i)) return false;
        }
        return true;
    }(),
    "each font's row stands at the font's place in the enum, where StyleOf looks");

constexpr const FontStyle& StyleOf(Font font)
{
    return kFonts[static_cast<std::size_t>(font)];
}

// The font of the entry boxes and result fields: the only one that shows
// typed text, so the only one that may need characters beyond our own texts
// (every text box in the tables below is checked to have it).
inline constexpr Font kTypedFont = Font::Song12Bold;

// The window's font, which its controls inherit unless they name another:
// the one most of them use.
inline constexpr Font kWindowFont = Font::Song12Bold;

// A caption is a fixed text and a line a fixed stroke: the window draws both
// itself, and screen readers find each caption as a label all the same. A
// label is a text that changes (Label9).
enum class Kind { Caption, Label, Button, TextBox, Frame, Line };

enum class Align { TopLeft, TopCentre };

// What a button starts when it is clicked.
enum class Operation : std::uint8_t { Calculate, FirstStepReset, FullReset, UsageHelp };
inline constexpr std::array kOperations{Operation::Calculate, Operation::FirstStepReset, Operation::FullReset,
                                        Operation::UsageHelp};

// A row's check box `C1(row)`, which shows its fuel mark.
struct FuelMark {
    int row;
    friend bool operator==(const FuelMark&, const FuelMark&) = default;
};
// A key of the keypad: `Command3(index)` for the digits 0..9 and the point 10, then the backspace key `Command2`
// at kBackspaceKey.
struct Key {
    int index;
    friend bool operator==(const Key&, const Key&) = default;
};
inline constexpr int kBackspaceKey = entry::kKeyCount;

// What the window binds a control to: the operation of a button, the result field, entry box or fuel mark of the
// sheet that a control shows, a keypad key. Nothing for what it only draws or holds (captions, lines, the frame)
// and for Label9, the one label.
using Binding = std::variant<std::monostate, Operation, ledger::ResultField, ledger::BoxId, FuelMark, Key>;

// One case for each kind of binding, for std::visit: a kind left out fails to compile.
template <class... Cases>
struct ForEachKind : Cases... {
    using Cases::operator()...;
};
template <class... Cases>
ForEachKind(Cases...) -> ForEachKind<Cases...>;  // for clang, which deduces no aggregate's arguments

struct Control {
    std::string_view name;
    Kind kind;
    std::string_view text;  // none for text boxes: they show the sheet's texts
    Twips at;               // a line is one pixel (15 twips) wide
    Font font;
    ledger::BackColour background;  // Standard: the system colour for the kind
    Binding binds = {};             // a button's operation, a result box's field
    std::string_view accessibleName = {};
    Align align = Align::TopLeft;  // of a caption's text in its box
};

using ledger::BackColour;
using ledger::ResultField;

// Every control outside the receipt grid and the keypad.
// clang-format off
inline constexpr std::array kControls{
    Control{"Label1", Kind::Caption, "第一步：填写发票的面值和数量，后面打勾表示是加油发票，可用底下按钮输入:",
            {225, 1080, 9255, 255}, Font::Song12Bold, BackColour::White},
    Control{"Command4", Kind::Button, "重置", {9450, 1000, 750, 330}, Font::Default, BackColour::Standard,
            Operation::FirstStepReset},
    Control{"Line1", Kind::Line, "", {3885, 1680, 15, 4920 - 1680}, Font::Default, BackColour::Standard},
    Control{"Line2", Kind::Line, "", {7875, 1680, 15, 4920 - 1680}, Font::Default, BackColour::Standard},
    Control{"Label5", Kind::Caption, "第二步：点计算按钮得到计算结果；", {240, 5520, 4140, 255}, Font::Song12Bold,
            BackColour::White},
    Control{"Label9", Kind::Label, "", {4305, 5565, 7365, 225}, Font::Default, BackColour::White},
    Control{"RunCommand", Kind::Button, "计 算", {315, 5880, 2210, 890}, Font::Song1575Bold, BackColour::Standard,
            Operation::Calculate},
    Control{"SetBackCommand", Kind::Button, "全部重置", {2520, 5880, 2055, 465}, Font::Song12, BackColour::Standard,
            Operation::FullReset},
    Control{"Command1", Kind::Button, "使用说明", {2520, 6330, 2055, 435}, Font::Song12, BackColour::Standard,
            Operation::UsageHelp},
    Control{"Label6", Kind::Caption, "发票金额共：", {4770, 6000, 1575, 255}, Font::Song12Bold, BackColour::White},
    Control{"Output1", Kind::TextBox, "", {6210, 5880, 1335, 375}, Font::Song12Bold, BackColour::CountedGreen,
            ResultField::Output1, "发票金额共"},
    Control{"Label7", Kind::Caption, "元  发票张数共：", {7650, 6000, 2055, 255}, Font::Song12Bold, BackColour::White},
    Control{"Output2", Kind::TextBox, "", {9690, 5880, 1335, 375}, Font::Song12Bold, BackColour::CountedGreen,
            ResultField::Output2, "发票张数共"},
    Control{"Label8", Kind::Caption, "张", {11130, 6000, 375, 255}, Font::Song12Bold, BackColour::White},
    Control{"Label12", Kind::Caption, "路费总额：", {5040, 6405, 1575, 255}, Font::Song12, BackColour::White},
    Control{"Road1", Kind::TextBox, "", {6195, 6300, 1335, 375}, Font::Song12Bold, BackColour::CountedGreen,
            ResultField::Road1, "路费总额"},
    Control{"Label11", Kind::Caption, "元   加油费总额：", {7665, 6405, 2055, 255}, Font::Song12, BackColour::White},
    Control{"O1", Kind::TextBox, "", {9690, 6300, 1335, 375}, Font::Song12Bold, BackColour::CountedGreen,
            ResultField::O1, "加油费总额"},
    Control{"Label10", Kind::Caption, "元", {11130, 6380, 375, 360}, Font::Song12, BackColour::White},
    Control{"Frame2", Kind::Frame, "", {1365, 6825, 10245, 870}, Font::Default, BackColour::White},
    Control{"ReadMeText", Kind::Caption, "Power By Nevrik", {210, 7770, 11490, 360}, Font::Default, BackColour::White,
            {}, {}, Align::TopCentre},
};
// clang-format on

// Each button starts one operation and each result box shows one result field, every one of them once; nothing
// else binds, and there is one label and one frame.
constexpr bool EachBoundOnce()
{
    std::array<int, kOperations.size()> operations{};
    std::array<int, ledger::kResultFields.size()> fields{};
    int labels = 0;
    int frames = 0;
    for (const Control& control : kControls) {
        const bool operation = std::holds_alternative<Operation>(control.binds);
        const bool field = std::holds_alternative<ResultField>(control.binds);
        if ((control.kind == Kind::Button) != operation || (control.kind == Kind::TextBox) != field) return false;
        if (!operation && !field && !std::holds_alternative<std::monostate>(control.binds)) return false;
        if (operation) ++operations.at(static_cast<std::size_t>(std::get<Operation>(control.binds)));
        if (field) ++fields.at(static_cast<std::size_t>(std::get<ResultField>(control.binds)));
        labels += control.kind == Kind::Label;
        frames += control.kind == Kind::Frame;
    }
    const auto once = [](int bound) { return bound == 1; };
    return std::all_of(operations.begin(), operations.end(), once) && std::all_of(fields.begin(), fields.end(), once) &&
           labels == 1 && frames == 1;
}
static_assert(EachBoundOnce(), "a button without its operation, a result field shown twice or not at all");

// Only a text box has a colour of its own; every other control shows the window's white, or is a button.
static_assert(std::all_of(kControls.begin(), kControls.end(),
                          [](const Control& control) {
                              return control.kind == Kind::TextBox || control.background == BackColour::Standard ||
                                     control.background == kWindowBackground;
                          }),
              "a control other than a text box in a colour the window does not give it");

// Every text box of a table in kTypedFont, the one font that falls back for typed characters.
constexpr bool TextBoxesInTheTypedFont(const auto& table)
{
    return std::all_of(table.begin(), table.end(),
                       [](const auto& control) { return control.kind != Kind::TextBox || control.font == kTypedFont; });
}
static_assert(TextBoxesInTheTypedFont(kControls), "a text box in another font than kTypedFont");

constexpr const Control& KeypadFrame()  // Frame2, which holds the keys
{
    return *std::find_if(kControls.begin(), kControls.end(),
                         [](const Control& control) { return control.kind == Kind::Frame; });
}

// The receipt grid: row i stands in column i mod 3 and line i div 3. Every
// table of the grid has its size checked against the sheet's rows.
inline constexpr int kGridColumns = 3;
inline constexpr int kGridLines = ledger::kRowCount / kGridColumns;
static_assert(kGridLines * kGridColumns == ledger::kRowCount, "the rows fill whole lines of the grid");

inline constexpr std::array kLineTops{1470, 1920, 2400, 2880, 3360, 3840, 4320, 4800};
static_assert(kLineTops.size() == kGridLines);

// The one row where a control of the grid sits otherwise, as the form has always been; -1: as in the other rows.
struct OddRow {
    int row = -1;
    int top = -1;
    int width = -1;
};

struct RowControl {
    std::string_view name;
    Kind kind;
    std::optional<ledger::BoxKind> box;  // the row's entry box that a text box shows
    std::string_view text;               // the entry boxes show the sheet's texts instead
    std::array<int, kGridColumns> left;  // by grid column
    int width;
    int height;
    int topOffset;  // below the line top
    Font font;
    OddRow odd = {};
};

// clang-format off
inline constexpr std::array kRowControls{
    RowControl{"Label2", Kind::Caption, {}, "面值：", {240, 4200, 8160}, 1335, 255, 45, Font::Song12Bold,
               {.row = 14, .width = 915}},
    RowControl{"InputMoney1", Kind::TextBox, ledger::BoxKind::Face, "", {915, 4830, 8820}, 1020, 360, 0,
               Font::Song12Bold, {.row = 5, .top = 1890}},
    RowControl{"Label3", Kind::Caption, {}, "元", {1920, 5880, 9840}, 375, 330, 45, Font::Song12Bold},
    RowControl{"Text1", Kind::TextBox, ledger::BoxKind::Count, "", {2400, 6360, 10320}, 495, 360, 0, Font::Song12Bold},
    RowControl{"Label4", Kind::Caption, {}, "张", {3000, 6960, 10920}, 495, 240, 45, Font::Song12Bold},
};
// clang-format on
static_assert(TextBoxesInTheTypedFont(kRowControls), "a text box in another font than kTypedFont");
static_assert(std::count_if(kRowControls.begin(), kRowControls.end(),
                            [](const RowControl& control) { return control.box == ledger::BoxKind::Face; }) == 1 &&
                  std::count_if(kRowControls.begin(), kRowControls.end(),
                                [](const RowControl& control) { return control.box == ledger::BoxKind::Count; }) == 1,
              "each entry box of a row shown once");
// The control of a row that shows its `box`.
constexpr const RowControl& RowControlOf(ledger::BoxKind box)
{
    return *std::find_if(kRowControls.begin(), kRowControls.end(),
                         [box](const RowControl& control) { return control.box == box; });
}

// The check boxes `C1(i)` bear the window's name. Only the box shows, roughly centred on its line.
inline constexpr std::string_view kWindowName = "C1";
inline constexpr std::array kCheckBoxLeft{3360, 7350, 11340};
static_assert(kCheckBoxLeft.size() == kGridColumns);
inline constexpr int kCheckBoxWidth = 225;
struct TopHeight {
    int top;
    int height;
};
// By grid line, then column.
// clang-format off
inline constexpr std::array<std::array<TopHeight, kGridColumns>, kGridLines> kCheckBoxes{{
    {{{1470, 330}, {1470, 330}, {1470, 330}}},
    {{{1890, 435}, {1890, 435}, {1890, 435}}},
    {{{2415, 330}, {2310, 540}, {2415, 330}}},
    {{{2835, 435}, {2835, 435}, {2835, 435}}},
    {{{3360, 435}, {3360, 330}, {3360, 330}}},
    {{{3885, 330}, {3780, 435}, {3780, 435}}},
    {{{4305, 435}, {4305, 330}, {4305, 330}}},
    {{{4830, 330}, {4830, 330}, {4725, 540}}},
}};
// clang-format on
// A line or a box left out would read as zeros.
static_assert(std::all_of(kCheckBoxes.begin(), kCheckBoxes.end(), [](const auto& line) {
    return std::all_of(line.begin(), line.end(), [](const TopHeight& box) { return box.height > 0; });
}));

constexpr Twips RowControlAt(const RowControl& control, int row)
{
    const auto column = static_cast<std::size_t>(row % kGridColumns);
    const int lineTop = kLineTops.at(static_cast<std::size_t>(row / kGridColumns));
    const bool odd = row == control.odd.row;
    return {control.left[column], odd && control.odd.top >= 0 ? control.odd.top : lineTop + control.topOffset,
            odd && control.odd.width >= 0 ? control.odd.width : control.width, control.height};
}

constexpr Twips CheckBoxAt(int row)
{
    const auto column = static_cast<std::size_t>(row % kGridColumns);
    const TopHeight& box = kCheckBoxes.at(static_cast<std::size_t>(row / kGridColumns))[column];
    return {kCheckBoxLeft[column], box.top, kCheckBoxWidth, box.height};
}

// The keypad: twelve keys in one line inside Frame2, the digits and the point (`Command3`), then backspace.
inline constexpr std::string_view kKeyArrayName = "Command3";
inline constexpr std::string_view kBackspaceName = "Command2";
inline constexpr int kKeyTop = 135;
inline constexpr int kKeyWidth = 780;
inline constexpr int kKeyHeight = 645;
constexpr int KeyLeft(int key)
{
    return key == 0 ? 90 : 105 + 840 * key;
}  // 10 is the point: 8505
inline constexpr int kBackspaceLeft = 9345;

inline constexpr std::string_view kBackspaceCaption = "←";

// Where a key is in the keypad's frame, its caption and its font.
constexpr Twips KeyAt(int key)
{
    return {key == kBackspaceKey ? kBackspaceLeft : KeyLeft(key), kKeyTop, kKeyWidth, kKeyHeight};
}
constexpr std::string_view KeyCaption(int key)
{
    return key == kBackspaceKey ? kBackspaceCaption : entry::kKeyCaptions.at(static_cast<std::size_t>(key));
}
constexpr Font KeyFont(int key)
{
    return key == kBackspaceKey ? Font::Hei1575Bold : Font::Hei2175Bold;
}

// The object name of one of an array of controls: "Text1(3)".
inline std::string Indexed(std::string_view name, int index)
{
    return std::string(name) + "(" + std::to_string(index) + ")";
}

// The control of the single controls' table that binds `binding`.
constexpr const Control& SingleBinding(const Binding& binding)
{
    return *std::find_if(kControls.begin(), kControls.end(),
                         [&binding](const Control& control) { return control.binds == binding; });
}

// A bound control's object name, and where it is in the window's client area; no binding (std::monostate) names no
// control, and throws.
inline std::string ObjectName(const Binding& binding)
{
    return std::visit(
        ForEachKind{[](const ledger::BoxId& box) { return Indexed(RowControlOf(box.kind).name, box.row); },
                    [](FuelMark mark) { return Indexed(kWindowName, mark.row); },
                    [](Key key) {
                        return key.index == kBackspaceKey ? std::string(kBackspaceName)
                                                          : Indexed(kKeyArrayName, key.index);
                    },
                    [](Operation operation) { return std::string(SingleBinding(operation).name); },
                    [](ResultField field) { return std::string(SingleBinding(field).name); },
                    [](std::monostate) -> std::string { throw std::invalid_argument("nothing binds no control"); }},
        binding);
}
constexpr Twips InWindow(const Binding& binding)
{
    return std::visit(
        ForEachKind{[](const ledger::BoxId& box) { return RowControlAt(RowControlOf(box.kind), box.row); },
                    [](FuelMark mark) { return CheckBoxAt(mark.row); },
                    [](Key key) {
                        const Twips frame = KeypadFrame().at;
                        const Twips at = KeyAt(key.index);
                        return Twips{frame.left + at.left, frame.top + at.top, at.width, at.height};
                    },
                    [](Operation operation) { return SingleBinding(operation).at; },
                    [](ResultField field) { return SingleBinding(field).at; },
                    [](std::monostate) -> Twips { throw std::invalid_argument("nothing binds no control"); }},
        binding);
}

// The order Tab visits the controls in: every control the window binds, each once.
inline std::vector<Binding> TabOrder()
{
    using ledger::BoxKind;
    std::vector<Binding> order{Operation::Calculate,
                               ledger::BoxId{BoxKind::Face, 0},
                               ledger::BoxId{BoxKind::Count, 0},
                               ResultField::Output1,
                               ResultField::Output2,
                               Operation::FullReset};
    for (int row = 1; row < ledger::kRowCount; ++row) {  // the other rows, count box first
        order.insert(order.end(), {ledger::BoxId{BoxKind::Count, row}, ledger::BoxId{BoxKind::Face, row}});
    }
    for (int column = 0; column < kGridColumns; ++column) {  // the fuel marks, down each column
        for (int row = column; row < ledger::kRowCount; row += kGridColumns) order.push_back(FuelMark{row});
    }
    order.insert(order.end(), {ResultField::O1, ResultField::Road1, Operation::UsageHelp});
    for (int key = 0; key <= kBackspaceKey; ++key) order.push_back(Key{key});
    order.push_back(Operation::FirstStepReset);
    return order;
}

// What screen readers say where a control shows no text of its own.
inline constexpr std::string_view kRowName = "第%1行 %2";  // row number from 1, then the box
inline constexpr std::string_view kFaceBoxName = "面值";
inline constexpr std::string_view kCountBoxName = "张数";
inline constexpr std::string_view kFuelMarkName = "加油发票";
inline constexpr std::string_view kPointKeyDescription = "小数点";
inline constexpr std::string_view kBackspaceDescription = "退格";

// The one button of every message box.
inline constexpr std::string_view kOkButton = "确定";

}  // namespace window::layout
