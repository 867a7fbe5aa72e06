// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstddef>
#include <string_view>

namespace window {

// The sheet's texts are UTF-8 and its positions count characters (code
// points); Qt's strings are UTF-16 and count UTF-16 units.

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::size_t CharIndex(const QString& text, int utf16Index);
int Utf16Index(const QString& text, std::size_t charIndex);

}  // namespace window
