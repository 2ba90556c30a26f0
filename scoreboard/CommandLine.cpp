// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/CommandLine.h"

#include "platform/system/Endpoint.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace tallyard {

CommandLine parseCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "A scoreboard for gymnastics competitions, driven from the keyboard."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption screen(
        QStringLiteral("screen"),
        QCoreApplication::translate("CommandLine", "Open the board on screen <n> (0 is the primary)."),
        QCoreApplication::translate("CommandLine", "n"));
    const QCommandLineOption fullscreen(QStringLiteral("fullscreen"),
                                        QCoreApplication::translate("CommandLine", "Open the board full-screen."));
    const QCommandLineOption audienceScreen(
        QStringLiteral("audience-screen"),
        QCoreApplication::translate(
            "CommandLine", "Show the audience a full-screen copy of the board on screen <n>; Esc on it hides it."),
        QCoreApplication::translate("CommandLine", "n"));
    const QCommandLineOption listScreens(
        QStringLiteral("list-screens"),
        QCoreApplication::translate("CommandLine", "List the screens with their numbers and sizes."));
    const QCommandLineOption startList(
        QStringLiteral("start-list"),
        QCoreApplication::translate("CommandLine", "Load the gymnasts of a start list (CSV: number, name, team)."),
        QCoreApplication::translate("CommandLine", "file"));
    const QCommandLineOption results(
        QStringLiteral("results"),
        QCoreApplication::translate("CommandLine",
                                    "Append each committed score to <file> instead of the day's record."),
        QCoreApplication::translate("CommandLine", "file"));
    const QCommandLineOption noResults(QStringLiteral("no-results"),
                                       QCoreApplication::translate("CommandLine", "Keep no record of the scores."));
    const QCommandLineOption resume(
        QStringLiteral("resume"),
        QCoreApplication::translate("CommandLine", "Bring back the board as it was, also after a clean quit."));
    const QCommandLineOption serve(
        QStringLiteral("serve"),
        QCoreApplication::translate("CommandLine",
                                    "Serve live, read-only views of the board to web browsers on <[address:]port>."),
        QCoreApplication::translate("CommandLine", "[address:]port"));
    const QCommandLineOption boardLanguage(
        QStringLiteral("board-language"),
        QCoreApplication::translate("CommandLine",
                                    "Show the board's captions in <language> (en, de, fr, es); the dialogs follow "
                                    "the system's language."),
        QCoreApplication::translate("CommandLine", "language"));
    const QCommandLineOption control(
        QStringLiteral("control"),
        QCoreApplication::translate("CommandLine",
                                    "With --serve: take commands from paired devices (a phone's control page, a "
                                    "Stream Deck, scripts) at /api/command/NAME."));
    const QCommandLineOption gamepads(
        QStringLiteral("gamepads"),
        QCoreApplication::translate("CommandLine", "Take commands from gamepads (F3 on the board shows them)."));
    const QCommandLineOption exportBindings(
        QStringLiteral("export-bindings"),
        QCoreApplication::translate("CommandLine",
                                    "Write the keys and gamepad buttons of each command to <file>, and end."),
        QCoreApplication::translate("CommandLine", "file"));
    const QCommandLineOption importBindings(
        QStringLiteral("import-bindings"),
        QCoreApplication::translate("CommandLine",
                                    "Take the keys and gamepad buttons of each command from <file> (all or, "
                                    "should the file be wrong anywhere, none), and end."),
        QCoreApplication::translate("CommandLine", "file"));
    parser.addOptions({screen, fullscreen, audienceScreen, listScreens, startList, results, noResults, resume, serve,
                       boardLanguage, control, gamepads, exportBindings, importBindings});
    QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"));
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(quitWhenShown);

    CommandLine result;
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n\n" << parser.helpText();
        result.exitCode = 1;
        return result;
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        // Qt's own options are Qt's to list; it prints them and ends the program.
        out.flush();
        parser.process(arguments);
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
    // A screen number is a whole number from 0.
    const auto screenNumber = [&](const QCommandLineOption &option, int &number) {
        if (!parser.isSet(option))
            return true;
        bool ok = false;
        const int n = parser.value(option).toInt(&ok);
        if (!ok || n < 0) {
            err << QCoreApplication::translate("CommandLine", "--%1 takes a screen number, 0 or more: '%2'")
                       .arg(option.names().constFirst(), parser.value(option))
                << "\n\n"
                << parser.helpText();
            return false;
        }
        number = n;
        return true;
    };
    if (!screenNumber(screen, result.screen) || !screenNumber(audienceScreen, result.audienceScreen)) {
        result.exitCode = 1;
        return result;
    }
    if (parser.isSet(results) && parser.isSet(noResults)) {
        err << QCoreApplication::translate("CommandLine", "--results and --no-results exclude each other") << "\n\n"
            << parser.helpText();
        result.exitCode = 1;
        return result;
    }
    if (parser.values(serve).size() > 1) {
        err << QCoreApplication::translate("CommandLine", "--serve is given once: the web views have one address")
            << "\n\n"
            << parser.helpText();
        result.exitCode = 1;
        return result;
    }
    if (parser.isSet(serve)) {
        const QString value = parser.value(serve).trimmed();
        QString why;
        if (!splitEndpoint(value, &why)) {
            err << QCoreApplication::translate("CommandLine",
                                               "--serve takes [address:]port, the port a number from 0 to 65535: '%1'")
                       .arg(parser.value(serve))
                << "\n\n"
                << parser.helpText();
            result.exitCode = 1;
            return result;
        }
        result.serve = value;
    }
    if (parser.isSet(control) && !parser.isSet(serve)) {
        err << QCoreApplication::translate("CommandLine",
                                           "--control needs --serve: the commands come through the web views")
            << "\n\n"
            << parser.helpText();
        result.exitCode = 1;
        return result;
    }
    result.control = parser.isSet(control);
    result.gamepads = parser.isSet(gamepads);
    result.exportBindings = parser.value(exportBindings);
    result.importBindings = parser.value(importBindings);
    result.boardLanguage = parser.value(boardLanguage);
    result.startList = parser.value(startList);
    result.results = parser.value(results);
    result.noResults = parser.isSet(noResults);
    result.resume = parser.isSet(resume);
    result.fullscreen = parser.isSet(fullscreen);
    result.listScreens = parser.isSet(listScreens);
    result.quitWhenShown = parser.isSet(quitWhenShown);
    return result;
}

} // namespace tallyard
