// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/forms/Forms.h"

#include "scoreboard/forms/frmHelp.h"
#include "scoreboard/forms/frmOptions.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/forms/frmSplash.h"

#include <QApplication>
#include <QPointer>

namespace tallyard::forms {

namespace {

QPointer<frmSplash> splashInstance;
QPointer<frmScoreboard> scoreboardInstance;
QPointer<frmHelp> helpInstance;
std::function<void()> helpHandler;
std::function<void(QWidget *)> optionsHandler;
Placement placement;

template <typename F>
F *instance(QPointer<F> &slot)
{
    // A form that was unloaded is on its way out; the next use gets a new one.
    if (!slot || slot->isUnloaded())
        slot = new F();
    return slot;
}

} // namespace

frmSplash *splash()
{
    const bool fresh = !existingSplash();
    frmSplash *form = instance(splashInstance);
    if (fresh && placement.splash)
        placement.splash(form);
    return form;
}

frmScoreboard *scoreboard()
{
    // A new board goes where the hall wants it, with its audience window.
    const bool fresh = !existingScoreboard();
    frmScoreboard *board = instance(scoreboardInstance);
    if (fresh && placement.board)
        placement.board(board);
    return board;
}

frmHelp *help()
{
    return instance(helpInstance);
}

frmHelp *existingHelp()
{
    return helpInstance && !helpInstance->isUnloaded() ? helpInstance.data() : nullptr;
}

frmSplash *existingSplash()
{
    return splashInstance && !splashInstance->isUnloaded() ? splashInstance.data() : nullptr;
}

frmScoreboard *existingScoreboard()
{
    return scoreboardInstance && !scoreboardInstance->isUnloaded() ? scoreboardInstance.data() : nullptr;
}

void showHelp()
{
    if (helpHandler) {
        helpHandler();
        return;
    }
    // One window: asked for again while open, it comes to the front as it is.
    const bool opening = !existingHelp();
    QWidget *opener = QApplication::activeWindow();
    frmHelp *window = help();
    if (opening)
        window->centreOver(opener);
    else if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized); // back as it was
    window->Show();
}

void showOptions(QWidget *owner)
{
    if (optionsHandler) {
        optionsHandler(owner);
        return;
    }
    auto *dialog = new frmOptions(owner ? owner->window() : nullptr);
    dialog->centreOver(owner ? owner->window() : nullptr);
    dialog->Show(true);
}

void setPlacement(Placement newPlacement)
{
    placement = std::move(newPlacement);
}

void setHelpOverride(std::function<void()> handler)
{
    helpHandler = std::move(handler);
}

void setOptionsOverride(std::function<void(QWidget *)> handler)
{
    optionsHandler = std::move(handler);
}

} // namespace tallyard::forms
