// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "app/report.h"
#include "window/identity.h"
#include "window/qt_text.h"

namespace app {
namespace {

// The parser names the program in its usage line from an application object's arguments; the window's
// application is not there yet, so a short-lived one named after the program stands in. (On Windows Qt reads
// the command line itself, and names the program as it was started.)
QString HelpText(const QCommandLineParser& parser)
{
    QByteArray name = QCoreApplication::applicationName().toLocal8Bit();
    char* arguments[] = {name.data(), nullptr};
    int count = 1;
    const QCoreApplication named(count, arguments);
    return parser.helpText();
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Adds up road-toll receipts and fuel invoices for reimbursement, exact to the cent.\n") +
        window::ToQString(window::identity::kTitle) +
        QStringLiteral("：合计过路费小票和加油发票的金额与张数。\n"
                       "The window's \"使用说明\" button shows the usage help."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QString program = QCoreApplication::applicationName();

    if (!parser.parse(arguments)) {
        ReportError(program + QStringLiteral(": ") + parser.errorText() + QStringLiteral("\n"));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        ReportOutput(HelpText(parser));
        return 0;
    }
    if (parser.isSet(version)) {
        ReportOutput(program + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        ReportError(program + QStringLiteral(": unexpected argument '") + parser.positionalArguments().first() +
                    QStringLiteral("'; try --help\n"));
        return 2;
    }
    return std::nullopt;
}

}  // namespace app
