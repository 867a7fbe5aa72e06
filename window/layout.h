#pragma once

// The string literals of this file are among the program's texts: the build cuts the embedded fonts to their
// characters (resources/CMakeLists.txt lists the files). A text shown from another file would show as boxes.

// The window's geometry, fonts and texts as data. Positions and sizes are in
// twips (15 twips make one pixel at 96 dots per inch), from the top-left of
// the client area, or of the keypad frame for the keys; Qt's high-DPI
// scaling takes the logical pixels from there.

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
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

constexpr const FontStyle& StyleOf(Font font)
{
    return kFonts[static_cast<std::size_t>(font)];
}

// The font of the entry boxes and result fields: the only one that shows
// typed text, so the only one that may need characters beyond our own texts.
inline constexpr Font kTypedFont = Font::Song12Bold;

// The window's font, which its controls inherit unless they name another:
// the one most of them use.
inline constexpr Font kWindowFont = Font::Song12Bold;

// A caption is a fixed text and a line a fixed stroke: the window draws both
// itself, and screen readers find each caption as a label all the same. A
// label is a text that changes (Label9).
enum class Kind { Caption, Label, Button, TextBox, Frame, Line };

enum class Align { TopLeft, TopCentre };

struct Control {
    std::string_view name;
    Kind kind;
    std::string_view text;  // none for text boxes: they show the sheet's texts
    Twips at;               // a line is one pixel (15 twips) wide
    Font font;
    ledger::BackColour background;  // Standard: the system colour for the kind
    std::string_view accessibleName = {};
    Align align = Align::TopLeft;  // of a caption's text in its box
};

using ledger::BackColour;

// Every control outside the receipt grid and the keypad.
// clang-format off
inline constexpr std::array kControls{
    Control{"Label1", Kind::Caption, "第一步：填写发票的面值和数量，后面打勾表示是加油发票，可用底下按钮输入:",
            {225, 1080, 9255, 255}, Font::Song12Bold, BackColour::White},
    Control{"Command4", Kind::Button, "重置", {9450, 1000, 750, 330}, Font::Default, BackColour::Standard},
    Control{"Line1", Kind::Line, "", {3885, 1680, 15, 4920 - 1680}, Font::Default, BackColour::Standard},
    Control{"Line2", Kind::Line, "", {7875, 1680, 15, 4920 - 1680}, Font::Default, BackColour::Standard},
    Control{"Label5", Kind::Caption, "第二步：点计算按钮得到计算结果；", {240, 5520, 4140, 255}, Font::Song12Bold,
            BackColour::White},
    Control{"Label9", Kind::Label, "", {4305, 5565, 7365, 225}, Font::Default, BackColour::White},
    Control{"RunCommand", Kind::Button, "计 算", {315, 5880, 2210, 890}, Font::Song1575Bold, BackColour::Standard},
    Control{"SetBackCommand", Kind::Button, "全部重置", {2520, 5880, 2055, 465}, Font::Song12, BackColour::Standard},
    Control{"Command1", Kind::Button, "使用说明", {2520, 6330, 2055, 435}, Font::Song12, BackColour::Standard},
    Control{"Label6", Kind::Caption, "发票金额共：", {4770, 6000, 1575, 255}, Font::Song12Bold, BackColour::White},
    Control{"Output1", Kind::TextBox, "", {6210, 5880, 1335, 375}, Font::Song12Bold, BackColour::CountedGreen,
            "发票金额共"},
    Control{"Label7", Kind::Caption, "元  发票张数共：", {7650, 6000, 2055, 255}, Font::Song12Bold, BackColour::White},
    Control{"Output2", Kind::TextBox, "", {9690, 5880, 1335, 375}, Font::Song12Bold, BackColour::CountedGreen,
            "发票张数共"},
    Control{"Label8", Kind::Caption, "张", {11130, 6000, 375, 255}, Font::Song12Bold, BackColour::White},
    Control{"Label12", Kind::Caption, "路费总额：", {5040, 6405, 1575, 255}, Font::Song12, BackColour::White},
    Control{"Road1", Kind::TextBox, "", {6195, 6300, 1335, 375}, Font::Song12Bold, BackColour::CountedGreen,
            "路费总额"},
    Control{"Label11", Kind::Caption, "元   加油费总额：", {7665, 6405, 2055, 255}, Font::Song12, BackColour::White},
    Control{"O1", Kind::TextBox, "", {9690, 6300, 1335, 375}, Font::Song12Bold, BackColour::CountedGreen,
            "加油费总额"},
    Control{"Label10", Kind::Caption, "元", {11130, 6380, 375, 360}, Font::Song12, BackColour::White},
    Control{"Frame2", Kind::Frame, "", {1365, 6825, 10245, 870}, Font::Default, BackColour::White},
    Control{"ReadMeText", Kind::Caption, "Power By Nevrik", {210, 7770, 11490, 360}, Font::Default, BackColour::White,
            {}, Align::TopCentre},
};
// clang-format on

// The result fields, by the sheet's field order.
inline constexpr std::array<std::string_view, ledger::kResultFields.size()> kResultControls{"Output1", "Output2",
                                                                                            "Road1", "O1"};
static_assert(std::ranges::none_of(kResultControls, &std::string_view::empty), "a result field without its control");

// The receipt grid: row i stands in column i mod 3 and line i div 3. Every
// table of the grid has its size checked against the sheet's rows.
inline constexpr int kGridColumns = 3;
inline constexpr int kGridLines = ledger::kRowCount / kGridColumns;
static_assert(kGridLines * kGridColumns == ledger::kRowCount, "the rows fill whole lines of the grid");
inline constexpr int kLastRow = ledger::kRowCount - 1;

inline constexpr std::array kLineTops{1470, 1920, 2400, 2880, 3360, 3840, 4320, 4800};
static_assert(kLineTops.size() == kGridLines);

// Two rows drawn unlike the others of their line, as the form has always
// been: the face-value box of row 5 sits 30 twips higher, and the "面值："
// of row 14 is narrower.
inline constexpr int kRaisedFaceRow = 5;
inline constexpr int kRaisedFaceTop = 1890;
inline constexpr int kNarrowLabelRow = 14;
inline constexpr int kNarrowLabelWidth = 915;

enum class RowPart { Label2, InputMoney1, Label3, Text1, Label4 };

struct RowControl {
    RowPart part;
    std::string_view name;
    Kind kind;
    std::string_view text;               // the entry boxes show the sheet's texts instead
    std::array<int, kGridColumns> left;  // by grid column
    int width;
    int height;
    int topOffset;  // below the line top
    Font font;
};

// clang-format off
inline constexpr std::array kRowControls{
    RowControl{RowPart::Label2, "Label2", Kind::Caption, "面值：", {240, 4200, 8160}, 1335, 255, 45, Font::Song12Bold},
    RowControl{RowPart::InputMoney1, "InputMoney1", Kind::TextBox, "", {915, 4830, 8820}, 1020, 360, 0, Font::Song12Bold},
    RowControl{RowPart::Label3, "Label3", Kind::Caption, "元", {1920, 5880, 9840}, 375, 330, 45, Font::Song12Bold},
    RowControl{RowPart::Text1, "Text1", Kind::TextBox, "", {2400, 6360, 10320}, 495, 360, 0, Font::Song12Bold},
    RowControl{RowPart::Label4, "Label4", Kind::Caption, "张", {3000, 6960, 10920}, 495, 240, 45, Font::Song12Bold},
};
// clang-format on

// Check boxes: only the box shows, roughly centred on its line.
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
static_assert(std::ranges::all_of(kCheckBoxes, [](const auto& line) {
    return std::ranges::all_of(line, [](const TopHeight& box) { return box.height > 0; });
}));

constexpr Twips RowControlAt(const RowControl& control, int row)
{
    const auto column = static_cast<std::size_t>(row % kGridColumns);
    const int lineTop = kLineTops.at(static_cast<std::size_t>(row / kGridColumns));
    int width = control.width;
    int top = lineTop + control.topOffset;
    if (control.part == RowPart::Label2 && row == kNarrowLabelRow) width = kNarrowLabelWidth;
    if (control.part == RowPart::InputMoney1 && row == kRaisedFaceRow) top = kRaisedFaceTop;
    return {control.left[column], top, width, control.height};
}

constexpr Twips CheckBoxAt(int row)
{
    const auto column = static_cast<std::size_t>(row % kGridColumns);
    const TopHeight& box = kCheckBoxes.at(static_cast<std::size_t>(row / kGridColumns))[column];
    return {kCheckBoxLeft[column], box.top, kCheckBoxWidth, box.height};
}

// The order Tab visits the controls in. A stop with rows stands for that
// control of the rows first..last, every `step` rows; with `then`, each
// row's two controls in turn.
struct TabStop {
    std::string_view name;
    int first = -1;  // -1: a single control
    int last = -1;
    int step = 1;
    std::string_view then = {};
};
// clang-format off
inline constexpr std::array kTabOrder{
    TabStop{"RunCommand"}, TabStop{"InputMoney1", 0, 0}, TabStop{"Text1", 0, 0},
    TabStop{"Output1"}, TabStop{"Output2"}, TabStop{"SetBackCommand"},
    TabStop{"Text1", 1, kLastRow, 1, "InputMoney1"},  // the other rows, count box first
    // The fuel marks, down each column (a stop a column).
    TabStop{"C1", 0, kLastRow - 2, kGridColumns}, TabStop{"C1", 1, kLastRow - 1, kGridColumns},
    TabStop{"C1", 2, kLastRow, kGridColumns},
    TabStop{"O1"}, TabStop{"Road1"}, TabStop{"Command1"},
    TabStop{"Command3", 0, 10}, TabStop{"Command2"}, TabStop{"Command4"},
};
// clang-format on
static_assert(kGridColumns == 3, "the fuel marks' stops above take the columns one by one");

// The object name of one of an array of controls: "Text1(3)".
inline std::string Indexed(std::string_view name, int index)
{
    return std::string(name) + "(" + std::to_string(index) + ")";
}

// The object names of kTabOrder, in its order.
inline std::vector<std::string> TabOrderNames()
{
    std::vector<std::string> names;
    for (const TabStop& stop : kTabOrder) {
        if (stop.first < 0) names.emplace_back(stop.name);
        for (int row = stop.first; stop.first >= 0 && row <= stop.last; row += stop.step) {
            names.push_back(Indexed(stop.name, row));
            if (!stop.then.empty()) names.push_back(Indexed(stop.then, row));
        }
    }
    return names;
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

// The keypad: twelve keys in one line inside Frame2.
inline constexpr int kKeyTop = 135;
inline constexpr int kKeyWidth = 780;
inline constexpr int kKeyHeight = 645;
constexpr int KeyLeft(int key)
{
    return key == 0 ? 90 : 105 + 840 * key;
}  // 10 is the point: 8505
inline constexpr int kBackspaceLeft = 9345;

inline constexpr std::string_view kBackspaceCaption = "←";

// A key of the keypad, Command3(key), or Command2 (backspace) one past the last key: where it is in the keypad's
// frame, its caption and its font.
constexpr Twips KeyAt(int key)
{
    return {key == entry::kKeyCount ? kBackspaceLeft : KeyLeft(key), kKeyTop, kKeyWidth, kKeyHeight};
}
constexpr std::string_view KeyCaption(int key)
{
    return key == entry::kKeyCount ? kBackspaceCaption : entry::kKeyCaptions.at(static_cast<std::size_t>(key));
}
constexpr Font KeyFont(int key)
{
    return key == entry::kKeyCount ? Font::Hei1575Bold : Font::Hei2175Bold;
}

}  // namespace window::layout
