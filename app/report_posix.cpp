// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include <cstdio>

#include "app/report.h"

namespace app {

void ReportOutput(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

void ReportError(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
}

}  // namespace app
