// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

#include "window/layout.h"

namespace window {

// A place of the layout in logical pixels; Qt's high-DPI scaling takes it
// from there.
inline QRect PixelRect(const layout::Twips& at)
{
    return {layout::Pixels(at.left), layout::Pixels(at.top), layout::Pixels(at.width), layout::Pixels(at.height)};
}

}  // namespace window
