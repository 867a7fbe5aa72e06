// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCoreApplication>
#include <QString>

#include <windows.h>

#include "app/report.h"

namespace app {
namespace {

// Into the standard handle when the starter gave one (a file, a pipe or a
// console), else into a message box.
void Report(DWORD handle, UINT icon, const QString& text)
{
    const HANDLE output = GetStdHandle(handle);
    if (output != nullptr && output != INVALID_HANDLE_VALUE && GetFileType(output) != FILE_TYPE_UNKNOWN) {
        const QByteArray bytes = text.toUtf8();
        DWORD written = 0;
        WriteFile(output, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        return;
    }
    const QString title = QCoreApplication::applicationName();
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.trimmed().utf16()),
                reinterpret_cast<const wchar_t*>(title.utf16()), MB_OK | icon);
}

}  // namespace

void ReportOutput(const QString& text)
{
    Report(STD_OUTPUT_HANDLE, MB_ICONINFORMATION, text);
}

void ReportError(const QString& text)
{
    Report(STD_ERROR_HANDLE, MB_ICONWARNING, text);
}

}  // namespace app
