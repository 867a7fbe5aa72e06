#pragma once

#include <QFont>

#include "window/layout.h"

namespace window {

// Registers the embedded faces, maps "宋体" and "黑体" to SimSun / SimHei
// where installed and to the embedded faces otherwise, and makes the default
// font the Simplified Chinese one.
// Call once, after the application object exists.
void InstallFonts();

QFont MakeFont(layout::Font font);

}  // namespace window
