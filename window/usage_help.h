// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "ledger/message.h"

namespace window {

inline constexpr std::string_view kUsageTitle = "使用说明";
inline constexpr std::string_view kUsageText =
    "使用说明：对于司机兄弟来说，路费小票到了要报销的时候由于路票的面额种类很多，算金额/数量总数的时候总是容易算错，"
    "这个小小的计算器的此时将方便您计算总钱数和张数，输入尽量正确即可。使用时，所有的输入框的数字都可以更改，"
    "支持计算到小数点后两位。为了输入方便，已预设了很多不同面额的票，您只要输入小票的数量即可，"
    "部分灰色框的面额比较常见，方便您快速找到；由于支持小数点后2位，加油发票也可以填写了。"
    "点上面的“重置”只是把第一步的数据重置，如果一次算不全数据，得到结果，点这个“重置”，"
    "再输入其它没有计算的数据，计算结果会自动相加。而点下面的“全部重置”，"
    "会把所有输入框的值设回本软件刚打开的样子，欢迎使用！";

// What "使用说明" shows.
inline ledger::Message UsageHelp()
{
    return {std::string(kUsageTitle), std::string(kUsageText)};
}

}  // namespace window
