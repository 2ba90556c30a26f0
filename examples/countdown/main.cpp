// A count-down on an LED display, as a host program builds one from Quellin: a TimeKeeper
// keeps the time, a timer of the host's own reads it and shows it on a TimeLED. Both are
// created by ProgID, the way a form loads them.
//
//   quellin-countdown [--seconds N] [--quit-at-zero]
// prints each whole second as the display shows it.

#include "controls/Quellin.h"
#include "platform/core/Properties.h"
#include "platform/core/Values.h"
#include "platform/forms/ControlRegistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>
#include <cstdio>

using tallyard::Currency;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("Seconds to count down."),
                                     QStringLiteral("N"), QStringLiteral("10"));
    const QCommandLineOption quitAtZero(QStringLiteral("quit-at-zero"), QStringLiteral("End when the count reaches 0."));
    parser.addOptions({seconds, quitAtZero});
    parser.process(app);

    quellin::registerControls();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quellin count-down"));
    window.resize(360, 160);
    auto *layout = new QVBoxLayout(&window);
    tallyard::Control *keeper = tallyard::createControl(QStringLiteral("Quellin.TimeKeeper"), &window);
    tallyard::Control *display = tallyard::createControl(QStringLiteral("Quellin.TimeLED"), &window);
    keeper->hide(); // the clock model has nothing to show of its own
    layout->addWidget(display);

    // A TimeKeeper counts down by default; it starts from the value set, stopped.
    tallyard::setProperty(keeper, u"TimeSec", QVariant::fromValue(Currency::fromInt(parser.value(seconds).toInt())));
    tallyard::setProperty(keeper, u"Running", true);

    int shown = -1;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const double left = tallyard::variantToDouble(tallyard::getProperty(keeper, u"TimeSec"));
        // A count-down between whole seconds shows the second it is in: 9.3 shows as 10.
        const int whole = static_cast<int>(std::ceil(left));
        if (whole == shown)
            return;
        shown = whole;
        tallyard::setProperty(display, u"Caption", static_cast<float>(whole));
        std::printf("%g\n", tallyard::variantToDouble(tallyard::getProperty(display, u"Caption")));
        std::fflush(stdout);
        if (whole == 0 && parser.isSet(quitAtZero))
            app.quit();
    });
    tick.start(50);
    window.show();
    return app.exec();
}
