// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/look.h"

#include <QApplication>

#include "window/box_frame_style.h"
#include "window/fonts.h"
#include "window/light_scheme.h"
#include "window/window_accessible.h"

namespace window {

void InstallLook()
{
    QApplication::setStyle(new BoxFrameStyle);  // before the scheme, which it would otherwise replace
    InstallFonts();
    InstallLightScheme();
    InstallWindowAccessibility();
}

}  // namespace window
