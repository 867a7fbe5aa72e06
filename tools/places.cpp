// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints where the window's controls are, from the window's own layout tables, for the checks of the Windows
// program and of the page (check-dist, test-web) to click and look at: one line a control, NAME="LEFT TOP WIDTH
// HEIGHT" in pixels from the top left of the window's client area, with a name's brackets as underscores ("Text1_1_",
// "Command3_10_"), which the shell reads as assignments. Built by tools/control-places when a check runs; the tables
// need the standard library only.
#include <cstdio>
#include <string>
#include <string_view>

#include "window/layout.h"

namespace {

using window::layout::Pixels;

void Print(std::string shell, const window::layout::Twips& at)
{
    for (char& c : shell) c = c == '(' || c == ')' ? '_' : c;
    std::printf("%s=\"%d %d %d %d\"\n", shell.c_str(), Pixels(at.left), Pixels(at.top), Pixels(at.width),
                Pixels(at.height));
}

}  // namespace

int main()
{
    namespace layout = window::layout;
    for (const layout::Control& control : layout::kControls) {  // the bound ones below
        if (std::holds_alternative<std::monostate>(control.binds)) Print(std::string(control.name), control.at);
    }
    for (const layout::Binding& control : layout::TabOrder()) {
        Print(layout::ObjectName(control), layout::InWindow(control));
    }
}
