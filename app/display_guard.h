// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace app {

// While it lives, a display that cannot be opened ends the program with one
// line naming the display and exit code 1, where Qt would abort and dump
// core. The platform plugins' own complaints on the way there are dropped;
// every other message of the toolkit passes on as usual.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace app
