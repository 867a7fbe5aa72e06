// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt_text.h"

namespace window {

std::size_t CharIndex(const QString& text, int utf16Index)
{
    std::size_t chars = 0;
    for (int i = 0; i < utf16Index && i < text.size(); ++i) {
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate()) ++chars;
    }
    return chars;
}

int Utf16Index(const QString& text, std::size_t charIndex)
{
    int i = 0;
    for (std::size_t chars = 0; chars < charIndex && i < text.size(); ++chars) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        i += pair ? 2 : 1;
    }
    return i;
}

}  // namespace window
