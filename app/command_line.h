// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace app {

// Reads the command line: --help and --version print and give 0, anything
// else given is refused with 2. Nothing when the window should open. Needs
// no display.
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace app
