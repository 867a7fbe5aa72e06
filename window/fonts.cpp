#include "window/fonts.h"

#include <QApplication>
#include <QFontDatabase>

#include <array>

#include "window/qt_text.h"

namespace window {
namespace {

struct Family {
    std::string_view name;       // as the layout names it
    std::string_view preferred;  // the classic Windows font, where installed
    std::string_view embedded;   // our own cut of Noto CJK SC
};

constexpr std::array kFamilies{
    Family{"宋体", "SimSun", "Receipt Song"},
    Family{"黑体", "SimHei", "Receipt Hei"},
};

// Cut at build time to exactly the characters of the program's texts; typed
// characters beyond them fall back to the system's fonts.
constexpr std::array kEmbeddedFaces{":/fonts/receipt-song-regular.otf", ":/fonts/receipt-song-bold.otf",
                                    ":/fonts/receipt-hei-bold.otf"};

}  // namespace

void InstallFonts()
{
    for (const char* face : kEmbeddedFaces) QFontDatabase::addApplicationFont(QString::fromLatin1(face));
    for (const Family& family : kFamilies) {
        QFont::insertSubstitutions(ToQString(family.name), {ToQString(family.preferred), ToQString(family.embedded)});
    }
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
