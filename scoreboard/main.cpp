// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/Display.h"
#include "platform/system/DurableFile.h"
#include "platform/system/Notices.h"
#include "platform/system/SettingsStore.h"
#include "platform/system/ProcessExit.h"
#include "scoreboard/CommandLine.h"
#include "scoreboard/Meet.h"
#include "scoreboard/Registration.h"
#include "scoreboard/control/Bindings.h"
#include "scoreboard/control/Inputs.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/meet/ResultsRecord.h"
#include "scoreboard/Version.h"
#include "scoreboard/forms/Forms.h"
#include "scoreboard/forms/frmSplash.h"
#include "scoreboard/hall/BoardDesign.h"
#include "scoreboard/hall/Hall.h"
#include "scoreboard/hall/NoticeViews.h"
#include "scoreboard/i18n/Language.h"
#include "scoreboard/settings/Settings.h"
#ifdef TALLYARD_WEB_VIEWS
#include "scoreboard/control/RemoteControl.h"
#include "scoreboard/hall/RemoteWindow.h"
#include "scoreboard/web/WebViews.h"
#endif

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextStream>
#include <QTimer>

namespace {

// The key that opens the operator's window of remote control (F3).
constexpr qint16 RemoteWindowKey = 114;

// --export-bindings and --import-bindings: the settings' bindings to a file or from one, with
// no window; the status to end with.
int bindingsCommand(const tallyard::CommandLine &options, QTextStream &err)
{
    using namespace tallyard;
    SettingsStore store(ApplicationName);
    LoadSettings(store);
    if (!options.exportBindings.isEmpty()) {
        const QByteArray file = bindingsFile(CommandKeys::current(), Bindings::load(store));
        QString why;
        if (options.exportBindings == u"-") {
            QTextStream(stdout) << QString::fromUtf8(file);
        } else if (!writeFileAtomically(options.exportBindings, file, &why)) {
            err << QCoreApplication::translate("CommandLine", "Tallyard: the bindings could not be written to %1 (%2)")
                       .arg(options.exportBindings, why)
                << '\n';
            return 1;
        }
        return 0;
    }
    QFile file(options.importBindings);
    if (!file.open(QIODevice::ReadOnly)) {
        err << QCoreApplication::translate("CommandLine", "Tallyard: cannot read %1 (%2)")
                   .arg(options.importBindings, file.errorString())
            << '\n';
        return 1;
    }
    QStringList problems;
    const std::optional<ReadBindings> read = readBindingsFile(file.read(64 * 1024 + 1), &problems);
    if (!read) {
        err << QCoreApplication::translate("CommandLine", "Tallyard: %1 is not taken, nothing of it:")
                   .arg(options.importBindings)
            << '\n';
        for (const QString &problem : problems)
            err << "  " << problem << '\n';
        return 1;
    }
    read->commandKeys.apply();
    read->bindings.save(store);
    if (!SaveSettings(store)) {
        err << QCoreApplication::translate("CommandLine", "Tallyard: the settings could not be saved to %1 (%2)")
                   .arg(store.location(), store.errorString())
            << '\n';
        return 1;
    }
    return 0;
}

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
        if (options.exitCode < 0 && (!options.exportBindings.isEmpty() || !options.importBindings.isEmpty()))
            options.exitCode = bindingsCommand(options, err);
        // Without a display Qt would abort; the board says so and ends with a status of its own.
        if (options.exitCode < 0) {
            switch (tallyard::reachDisplay(QCoreApplication::arguments())) {
            case tallyard::DisplayReach::Reachable:
                break;
            case tallyard::DisplayReach::NoneNamed:
                err << QCoreApplication::translate("CommandLine",
                                                   "Tallyard: there is no display to show the board on (neither "
                                                   "DISPLAY nor WAYLAND_DISPLAY is set); start it in a desktop "
                                                   "session.")
                    << '\n';
                options.exitCode = tallyard::NoDisplayStatus;
                break;
            case tallyard::DisplayReach::Unreachable:
                err << QCoreApplication::translate("CommandLine",
                                                   "Tallyard: the display %1 does not answer; start the board in "
                                                   "a desktop session.")
                           .arg(qEnvironmentVariable("DISPLAY"))
                    << '\n';
                options.exitCode = tallyard::NoDisplayStatus;
                break;
            }
        }
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
    // The board's inputs beyond its command keys; their log goes beside the results record.
    const QString resultsFile = options.results.isEmpty() ? tallyard::ResultsRecord::defaultFile() : options.results;
    tallyard::Inputs inputs({.gamepads = options.gamepads, .logFolder = QFileInfo(resultsFile).absolutePath()}, &meet);
#ifdef TALLYARD_WEB_VIEWS
    std::shared_ptr<tallyard::RemoteControl> remote;
    if (options.control) {
        remote = std::make_shared<tallyard::RemoteControl>(&inputs.runner());
        tallyard::WebViews::setControl(remote);
    }
    QPointer<tallyard::RemoteWindow> remoteWindow;
    // F3 on the board: the operator's window of remote control, on the board's screen.
    QObject::connect(&inputs, &tallyard::Inputs::otherKey, &app, [&](qint16 code) {
        if (code != RemoteWindowKey || (!remote && !options.gamepads))
            return;
        if (!remoteWindow)
            remoteWindow = new tallyard::RemoteWindow(remote.get(), &inputs);
        if (tallyard::frmScoreboard *board = inputs.runner().board())
            remoteWindow->move(board->geometry().center() - QPoint(remoteWindow->sizeHint().width() / 2, 200));
        remoteWindow->show();
        remoteWindow->raise();
    });
#endif
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
    tallyard::forms::setPlacement(
        {tallyard::hall::placeOnChosenScreen, [&meet, &inputs](tallyard::frmScoreboard *board) {
             tallyard::hall::prepareBoard(board);
             meet.attach(board);
             inputs.attach(board);
         }});
    tallyard::forms::splash()->Show();
    if (options.quitWhenShown)
        QTimer::singleShot(0, &app, &QApplication::quit);
    const int status = app.exec();
#ifdef TALLYARD_WEB_VIEWS
    delete remoteWindow.data();
#endif
    meet.finish();
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    // Everything of the program is gone when run returns; see endProcess for what is skipped.
    tallyard::endProcess(run(argc, argv));
}
