// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;

namespace app {

// What the command line answers (--help, --version) and what it refuses,
// told to the user. On Linux it is printed on the standard output or error;
// Windows has no console for a window program, so there it goes into a
// message box, unless the output was sent to a file or a pipe.
void ReportOutput(const QString& text);
void ReportError(const QString& text);

}  // namespace app
