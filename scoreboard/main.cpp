// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/Notices.h"
#include "platform/system/ProcessExit.h"
#include "scoreboard/CommandLine.h"
#include "scoreboard/Meet.h"
#include "scoreboard/Registration.h"
#include "scoreboard/Version.h"
#include "scoreboard/forms/Forms.h"
#include "scoreboard/forms/frmSplash.h"
#include "scoreboard/hall/BoardDesign.h"
#include "scoreboard/hall/Hall.h"
#include "scoreboard/hall/NoticeViews.h"
#include "scoreboard/i18n/Language.h"
#include "scoreboard/settings/Settings.h"
#ifdef TALLYARD_WEB_VIEWS
#include "scoreboard/web/WebViews.h"
#endif

#include <QApplication>
#include <QTextStream>
#include <QTimer>

namespace {

int run(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(tallyard::ApplicationName);
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(tallyard::version::Major)
                                                .arg(tallyard::version::Minor)
                                                .arg(tallyard::version::Revision));
    tallyard::CommandLine options;
    {
        // The command line is read before any window system is asked for, so --help and
        // --version answer on a machine without a display too.
        QCoreApplication reader(argc, argv);
        tallyard::language::installOperatorLanguage();
        QTextStream out(stdout);
        QTextStream err(stderr);
        options = tallyard::parseCommandLine(QCoreApplication::arguments(), out, err);
    }
    if (options.exitCode >= 0)
        return options.exitCode;

    QApplication app(argc, argv);
    tallyard::language::installOperatorLanguage();
    // From here on whatever the program has to say reaches the operator in the program too.
    tallyard::NoticeViews noticeViews;
    const auto tell = [](const QString &said) {
        for (const QString &line : said.split(u'\n', Qt::SkipEmptyParts))
            tallyard::notices().post(tallyard::Notice::passing(line));
    };
    if (!tallyard::language::setBoardLanguage(options.boardLanguage)) {
        tell(
            QCoreApplication::translate("CommandLine", "There is no board language '%1' (%2); the board shows English.")
                .arg(options.boardLanguage, tallyard::language::available().join(QStringLiteral(", "))));
    }
    if (options.listScreens) {
        QTextStream(stdout) << tallyard::hall::describeScreens();
        return 0;
    }
    {
        QString said;
        QTextStream err(&said);
        tallyard::hall::setOptions(tallyard::hall::checked(
            {.screen = options.screen, .fullscreen = options.fullscreen, .audienceScreen = options.audienceScreen},
            err));
        tell(said);
    }
    tallyard::registerProgramControls();
    tallyard::Meet meet({.startList = options.startList,
                         .results = options.results,
                         .noResults = options.noResults,
                         .resume = options.resume});
    if (!options.serve.isEmpty()) {
        // A port that cannot be served is said; the board runs on.
        QString said;
        QTextStream err(&said);
#ifdef TALLYARD_WEB_VIEWS
        QTextStream out(stdout);
        tallyard::WebViews::setBoardDesign(tallyard::hall::boardDesignJson());
        tallyard::WebViews::start(options.serve, out, err);
#else
        err << QCoreApplication::translate("CommandLine",
                                           "--serve: this build has no web views (Qt Network was missing)")
            << '\n';
#endif
        err.flush();
        tell(said);
    }
    tallyard::forms::setPlacement({tallyard::hall::placeOnChosenScreen, [&meet](tallyard::frmScoreboard *board) {
                                       tallyard::hall::prepareBoard(board);
                                       meet.attach(board);
                                   }});
    tallyard::forms::splash()->Show();
    if (options.quitWhenShown)
        QTimer::singleShot(0, &app, &QApplication::quit);
    const int status = app.exec();
    meet.finish();
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    // Everything of the program is gone when run returns; see endProcess for what is skipped.
    tallyard::endProcess(run(argc, argv));
}
