// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The board in the hall: which screen it opens on, whether full-screen, and the audience
// window on another screen. Chosen on the command line for each competition, never stored.
// Screens are numbered as the operator sees them listed: 0 is the primary, then the others in
// the order the window system gives them.

#include <QList>
#include <QString>

class QScreen;
class QTextStream;

namespace tallyard {
class AudienceWindow;
class Form;
class frmScoreboard;
} // namespace tallyard

namespace tallyard::hall {

struct Options {
    int screen = -1; // -1: where the window system puts it
    bool fullscreen = false;
    int audienceScreen = -1; // -1: no audience window
};

QList<QScreen *> screens();
// One line per screen: "0: <name> 1920 x 1080 at 0,0 (primary)".
QString describeScreens();
// The options as the screens there are allow them; each screen that does not exist is
// reported on err and dropped.
Options checked(const Options &wanted, QTextStream &err);

void setOptions(const Options &options);
const Options &options();

// Puts a form that centres itself by the primary screen's size in the same place on the chosen
// screen (the primary unless --screen says another), wherever that screen stands.
void placeOnChosenScreen(Form *form);
// Places a new board, full-screen if asked, and gives it its audience window.
void prepareBoard(frmScoreboard *board);
// The audience window of the current board, or nullptr.
AudienceWindow *audienceWindow();

} // namespace tallyard::hall
