// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace window {

// The window's backgrounds are fixed (white, grey, green, pink), so its texts
// must be dark whatever the desktop's colour scheme: the whole application,
// message boxes included, uses the standard light scheme. Call once, after
// the application object exists.
void InstallLightScheme();

}  // namespace window
