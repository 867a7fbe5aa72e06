#include "window/fonts.h"

#include <QApplication>

namespace window {
namespace {

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void InstallFonts()
{
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    QFont::insertSubstitutions(QStringLiteral("黑体"), {QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(MakeFont(layout::Font::Default));
}

QFont MakeFont(layout::Font font)
{
    const layout::FontSpec& spec = layout::Spec(font);
    QFont made(FromView(spec.family));
    made.setPointSizeF(spec.points);
    made.setBold(spec.bold);
    return made;
}

}  // namespace window
