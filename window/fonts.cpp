#include "window/fonts.h"

#include <QApplication>

#include "window/qt_text.h"

namespace window {

void InstallFonts()
{
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    QFont::insertSubstitutions(QStringLiteral("黑体"), {QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(MakeFont(layout::Font::Default));
}

QFont MakeFont(layout::Font font)
{
    const layout::FontStyle& style = layout::StyleOf(font);
    QFont made(ToQString(style.family));
    made.setPointSizeF(style.points);
    made.setBold(style.bold);
    return made;
}

}  // namespace window
