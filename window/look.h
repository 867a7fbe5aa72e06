// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace window {

// The look every window of the program shares: its style, the embedded fonts,
// the light colour scheme, and how screen readers see the window. Call once,
// after the application object exists.
void InstallLook();

}  // namespace window
