// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace window {

// Screen readers find the window's captions, which no widget draws, as
// labels of their own, with their text and their place, after the window's
// widgets. Call once, after the application object exists.
void InstallWindowAccessibility();

}  // namespace window
