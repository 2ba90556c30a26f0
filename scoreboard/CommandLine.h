// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The program's command line: --help and --version answer and end the program, an unknown
// option prints the usage and fails; everything else says how the program should start.

#include <QString>
#include <QStringList>

class QTextStream;

namespace tallyard {

// The status the program ends with when there is no display to show the board on (1: a
// command line refused or a bindings file not written or taken).
inline constexpr int NoDisplayStatus = 3;

struct CommandLine {
    // Set when the program should end at once with this status, having printed its answer.
    int exitCode = -1;
    // Quit as soon as the first window is on the screen (the start-up benchmark).
    bool quitWhenShown = false;
    // Print the screens and end (needs the window system, so main answers it).
    bool listScreens = false;
    // The board's screen and full-screen, and the audience window's screen; -1: none.
    int screen = -1;
    bool fullscreen = false;
    int audienceScreen = -1;
    // The record of the meet: a start list to load, the results record's file (empty: the
    // day's file in the user's data folder) or none at all, and whether to bring back a
    // board that was closed cleanly.
    QString startList;
    QString results;
    bool noResults = false;
    bool resume = false;
    // The live web views' "[ADDRESS:]PORT" (empty: not served); the port is checked here,
    // the address where it is bound.
    QString serve;
    // The language of the board's captions (empty: English, as designed).
    QString boardLanguage;
    // Remote control: commands from the network (with serve) and from gamepads; the bindings
    // file to write, or to take, before ending at once.
    bool control = false;
    bool gamepads = false;
    QString exportBindings;
    QString importBindings;
};

// arguments as QCoreApplication::arguments() gives them, the program's name first.
CommandLine parseCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace tallyard
