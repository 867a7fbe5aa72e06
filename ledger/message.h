// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace ledger {

// What an operation reports: shown by the window in a modal box with one OK
// button and no icon.
struct Message {
    std::string title;
    std::string text;
    friend bool operator==(const Message&, const Message&) = default;
};

namespace texts {

inline constexpr std::string_view kResultTitle = "计算结果";
inline constexpr std::string_view kResultOpening = "系统提示：恭喜，算出发票金额共：";
inline constexpr std::string_view kResultTollPart = "元，其中过路过桥费共：";
inline constexpr std::string_view kResultFuelPart = "元，加油发票共";
inline constexpr std::string_view kResultSheetPart = "元。全部发票共有";
inline constexpr std::string_view kResultHint =
    "张！(提示，如果您还有填不下的发票要加进去，请不要点下面的“全部重置”，点上面第一步的“重置”，"
    "再填写其它发票的面值和数量，再点计算得到的结果会把上次的结果也相加起来。相反，进行全新的计算，要“全部重置”)";

inline constexpr std::string_view kErrorTitle = "发现错误";
inline constexpr std::string_view kInvalidInputText =
    "系统提示：您的输入有误，所有的输入框内必须全部输入数字，有问题的输入已置零，背景变为粉红色，请检查！";
inline constexpr std::string_view kOutOfRangeText =
    "系统提示：数值超出计算范围，发票张数须在-32768到32767之间，金额不能过大，本次计算未生效，请检查输入！";

inline constexpr std::string_view kPreviousTotalsOpening = "相加上次数据，";
inline constexpr std::string_view kPreviousMoney = "总金额";
inline constexpr std::string_view kPreviousSheets = "共";
inline constexpr std::string_view kPreviousToll = "总路费";
inline constexpr std::string_view kPreviousFuel = "总油费";
inline constexpr std::string_view kYuanEnd = "元；";
inline constexpr std::string_view kSheetsEnd = "张；";

inline constexpr std::string_view kResetTitle = "重置第一步数据";
inline constexpr std::string_view kFirstStepResetText = "系统提示：成功，已把第一步里所有数据重置！";
inline constexpr std::string_view kFullResetText = "系统提示：成功，已把所有数据及程序变量重置！";

}  // namespace texts
}  // namespace ledger
