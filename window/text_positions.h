#pragma once

#include <QString>

#include <cstddef>

namespace window {

// Qt counts positions in UTF-16 units, the sheet in characters (code points).
std::size_t CharIndex(const QString& text, int utf16Index);
int Utf16Index(const QString& text, std::size_t charIndex);

}  // namespace window
