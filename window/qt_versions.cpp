#include "window/qt_versions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyle>

namespace window {

#if QT_VERSION_MAJOR >= 6

void ScaleWithTheScreen() {}

QPoint MousePosition(const QMouseEvent& event)
{
    return event.position().toPoint();
}

QStringList FontFamilies()
{
    return QFontDatabase::families();
}

QString StyleName(const QStyle& style)
{
    return style.name();
}

QString HelpText(const QCommandLineParser& parser)
{
    return parser.helpText();
}

#else

void ScaleWithTheScreen()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

QPoint MousePosition(const QMouseEvent& event)
{
    return event.pos();
}

QStringList FontFamilies()
{
    return QFontDatabase().families();
}

QString StyleName(const QStyle& style)
{
    return style.objectName();  // the key QStyleFactory made it from
}

QString HelpText(const QCommandLineParser& parser)
{
    // Qt 5 takes the program's name from an application object, which must be there; it is given the name Qt 6
    // writes without one.
    char name[] = "<executable_name>";
    char* arguments[] = {name, nullptr};
    int count = 1;
    const QCoreApplication application(count, arguments);
    return parser.helpText();
}

#endif

}  // namespace window
