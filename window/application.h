#pragma once

namespace window {

// Names the application: its name and version (for --help, --version and
// the X11 WM_CLASS) and its desktop entry (the Wayland app id), so that docks
// match the window to its launcher. Works before the application object.
void DescribeApplication();

// The look every window of the program shares: the embedded fonts and the
// light colour scheme. Call once, after the application object exists.
void InstallLook();

}  // namespace window
