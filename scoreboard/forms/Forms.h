// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// One instance of each form, created on first use and reused; a form that was unloaded is
// created anew by its next use.

#include <functional>

class QWidget;

namespace tallyard {
class frmSplash;
class frmScoreboard;
class frmHelp;
class Form;
} // namespace tallyard

namespace tallyard::forms {

frmSplash *splash();
frmHelp *help();
frmHelp *existingHelp();
frmScoreboard *scoreboard();
// The existing instances, or nullptr, without creating one.
frmSplash *existingSplash();
frmScoreboard *existingScoreboard();

// The help viewer (non-modal) and the Options dialog (modal over owner, centred on it).
// Tests may put handlers in their place; an empty handler brings the real window back.
void showHelp();
void showOptions(QWidget *owner);
void setHelpOverride(std::function<void()> handler);
void setOptionsOverride(std::function<void(QWidget *owner)> handler);

// Where a new splash and a new board go: the hall places them (the chosen screen, full
// screen, the audience window). Set once at start-up; without them each form places itself.
struct Placement {
    std::function<void(Form *)> splash;
    std::function<void(frmScoreboard *)> board;
};
void setPlacement(Placement placement);

} // namespace tallyard::forms
