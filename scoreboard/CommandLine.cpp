#include "scoreboard/CommandLine.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace tallyard {

CommandLine parseCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A scoreboard for gymnastics competitions, driven from the keyboard."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"));
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(quitWhenShown);

    CommandLine result;
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n\n" << parser.helpText();
        result.exitCode = 1;
        return result;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        result.exitCode = 0;
        return result;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        result.exitCode = 0;
        return result;
    }
    result.quitWhenShown = parser.isSet(quitWhenShown);
    return result;
}

} // namespace tallyard
