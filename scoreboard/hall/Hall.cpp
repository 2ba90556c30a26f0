// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/hall/Hall.h"

#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/hall/AudienceWindow.h"
#include "scoreboard/hall/NoticeViews.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextStream>

namespace tallyard::hall {

namespace {

Options &current()
{
    static Options options;
    return options;
}

QPointer<AudienceWindow> &audience()
{
    static QPointer<AudienceWindow> window;
    return window;
}

QScreen *screenNumber(int n)
{
    const QList<QScreen *> all = screens();
    return n >= 0 && n < all.size() ? all.at(n) : nullptr;
}

QString range()
{
    const qsizetype count = screens().size();
    return count == 1 ? QCoreApplication::translate("Hall", "only screen 0")
                      : QCoreApplication::translate("Hall", "screens 0 to %1").arg(count - 1);
}

} // namespace

QList<QScreen *> screens()
{
    QList<QScreen *> all = QGuiApplication::screens();
    if (QScreen *primary = QGuiApplication::primaryScreen()) {
        all.removeAll(primary);
        all.prepend(primary);
    }
    return all;
}

QString describeScreens()
{
    QString text;
    const QList<QScreen *> all = screens();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QRect g = all.at(i)->geometry();
        text += QStringLiteral("%1: %2 %3 x %4 at %5,%6%7\n")
                    .arg(i)
                    .arg(all.at(i)->name())
                    .arg(g.width())
                    .arg(g.height())
                    .arg(g.x())
                    .arg(g.y())
                    .arg(i == 0 ? QCoreApplication::translate("Hall", " (primary)") : QString());
    }
    return text;
}

Options checked(const Options &wanted, QTextStream &err)
{
    Options options = wanted;
    if (options.screen >= 0 && !screenNumber(options.screen)) {
        err << QCoreApplication::translate("Hall", "There is no screen %1 (%2); the board opens on screen 0.")
                   .arg(options.screen)
                   .arg(range())
            << '\n';
        options.screen = -1;
    }
    if (options.audienceScreen >= 0 && !screenNumber(options.audienceScreen)) {
        err << QCoreApplication::translate("Hall",
                                           "There is no screen %1 for the audience window (%2); the board opens alone.")
                   .arg(options.audienceScreen)
                   .arg(range())
            << '\n';
        options.audienceScreen = -1;
    }
    err.flush();
    return options;
}

void setOptions(const Options &options)
{
    current() = options;
}

const Options &options()
{
    return current();
}

void placeOnChosenScreen(Form *form)
{
    QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    QScreen *target = screenNumber(current().screen);
    if (!target)
        target = primary;
    // The form placed itself by the primary screen's size alone, as if that screen stood at
    // 0,0; a primary monitor to the right of another one does not.
    const QPoint offset = target->geometry().center() - QRect(QPoint(), primary->size()).center();
    if (!offset.isNull())
        form->move(form->pos() + offset);
    if (target != primary)
        form->setScreen(target);
}

void prepareBoard(frmScoreboard *board)
{
    placeOnChosenScreen(board);
    if (current().fullscreen) {
        // The screen's whole area too, for a screen no window manager looks after.
        if (QScreen *target = screenNumber(current().screen < 0 ? 0 : current().screen)) {
            board->setScreen(target);
            board->setGeometry(target->geometry());
        }
        board->QWidget::setWindowState(Qt::WindowFullScreen);
    }
    if (QScreen *screen = screenNumber(current().audienceScreen)) {
        delete audience();
        audience() = new AudienceWindow(board, screen);
    }
    if (NoticeViews *views = NoticeViews::current())
        views->followBoard(board, audience() != nullptr);
}

AudienceWindow *audienceWindow()
{
    return audience();
}

} // namespace tallyard::hall
