// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/fonts.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>

#include <algorithm>
#include <array>

#include "window/qt_text.h"
#include "window/qt_versions.h"

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
// Every font of the layout is one of them.
static_assert(std::all_of(layout::kFonts.begin(), layout::kFonts.end(), [](const layout::FontStyle& style) {
    return std::count_if(kFamilies.begin(), kFamilies.end(),
                         [&style](const Family& family) { return family.name == style.family; }) == 1;
}));

// Cut at build time to exactly the characters of the program's texts; typed
// characters beyond them fall back to the system's fonts.
constexpr std::array kEmbeddedFaces{":/fonts/receipt-song-regular.otf", ":/fonts/receipt-song-bold.otf",
                                    ":/fonts/receipt-hei-bold.otf"};

// A platform theme (qt6ct) sets the desktop's font on the application once the program runs; ours goes back on,
// for what draws in the application's font: the message boxes, and the title Qt draws itself on Wayland.
class FontKeeper : public QObject {
public:
    using QObject::QObject;
    const QFont& Font() const { return font_; }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Setting it sends this event again, and then the font is ours.
        if (watched == qApp && event->type() == QEvent::ApplicationFontChange && QApplication::font() != font_) {
            QApplication::setFont(font_);
        }
        return false;
    }

private:
    const QFont font_ = MakeFont(layout::Font::Default);
};

}  // namespace

QString ChosenFamily(std::string_view layoutFamily, const QStringList& installed)
{
    const Family& family = *std::find_if(kFamilies.begin(), kFamilies.end(),
                                         [layoutFamily](const Family& each) { return each.name == layoutFamily; });
    for (const std::string_view name : {family.preferred, family.name}) {
        if (installed.contains(ToQString(name), Qt::CaseInsensitive)) return ToQString(name);
    }
    return ToQString(family.embedded);
}

void InstallFonts()
{
    for (const char* face : kEmbeddedFaces) QFontDatabase::addApplicationFont(QString::fromLatin1(face));
    // The layout's names map to exactly one font that is there: asking for a
    // family that is missing sends the font matching through a costly search
    // of the system's fonts (as does QFontDatabase::hasFamily, through the
    // families' localised names).
    const QStringList installed = FontFamilies();
    for (const Family& family : kFamilies) {
        QFont::insertSubstitution(ToQString(family.name), ChosenFamily(family.name, installed));
    }
    auto* keeper = new FontKeeper(qApp);
    QApplication::setFont(keeper->Font());
    qApp->installEventFilter(keeper);
}

QFont MakeFont(layout::Font font)
{
    const layout::FontStyle& style = layout::StyleOf(font);
    QFont made(QFont::substitute(ToQString(style.family)));
    made.setPointSizeF(style.points);
    made.setBold(style.bold);
    // Typed text may need characters from the system's fonts. Every other
    // text is ours, all of it in the faces: no search for fallback fonts.
    // Set either way, so that a control never inherits the other.
    made.setStyleStrategy(font == layout::kTypedFont ? QFont::PreferDefault : QFont::NoFontMerging);
    return made;
}

}  // namespace window
