#include "scoreboard/Registration.h"
#include "scoreboard/forms/Forms.h"
#include "scoreboard/forms/frmSplash.h"
#include "scoreboard/settings/Settings.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(tallyard::ApplicationName);
    tallyard::registerProgramControls();
    tallyard::forms::splash()->Show();
    // For the start-up benchmark: quit as soon as the splash is on the screen.
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-when-shown")))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
