// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

#include <string_view>

#include "window/layout.h"

namespace window {

// Registers the embedded faces, maps "宋体" and "黑体" to SimSun / SimHei
// where installed and to the embedded faces otherwise, and makes the default
// font the Simplified Chinese one.
// Call once, after the application object exists.
void InstallFonts();

// The font of the layout's table, in the family its "宋体" or "黑体" maps to.
QFont MakeFont(layout::Font font);

// The family "宋体" or "黑体" stands for: the classic Windows font where it is
// installed, listed by its English or (on Chinese Windows) its Chinese name;
// else our embedded face.
QString ChosenFamily(std::string_view layoutFamily, const QStringList& installed);

}  // namespace window
