// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// A count-down on an LED display, as a host program builds one from Quellin: a TimeKeeper
// keeps the time, a timer of the host's own reads it and shows it on a TimeLED.
//
//   quellin-countdown [--seconds N] [--quit-at-zero] [--by-progid]
// prints each whole second as the display shows it.
//
// The controls are C++ classes: create them, call their members, connect their signals.
// --by-progid takes the other road, the one a form loaded from its design takes: the controls
// registered once, created by ProgID and reached by property name.

#include "controls/Quellin.h"
#include "controls/TimeKeeper.h"
#include "controls/TimeLED.h"
#include "platform/core/Properties.h"
#include "platform/forms/ControlRegistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <functional>

using tallyard::Currency;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("Seconds to count down."),
                                     QStringLiteral("N"), QStringLiteral("10"));
    const QCommandLineOption quitAtZero(QStringLiteral("quit-at-zero"),
                                        QStringLiteral("End when the count reaches 0."));
    const QCommandLineOption byProgId(QStringLiteral("by-progid"), QStringLiteral("Create the controls by ProgID."));
    parser.addOptions({seconds, quitAtZero, byProgId});
    parser.process(app);
    const Currency start = Currency::fromInt(parser.value(seconds).toInt());

    QWidget window;
    window.setWindowTitle(QStringLiteral("Quellin count-down"));
    window.resize(360, 160);
    auto *layout = new QVBoxLayout(&window);

    // What the tick needs of the two controls, whichever road made them.
    std::function<double()> timeLeft;
    std::function<void(float)> show;
    std::function<float()> shown;
    if (!parser.isSet(byProgId)) {
        auto *keeper = new quellin::TimeKeeper(&window);
        auto *display = new quellin::TimeLED(&window);
        keeper->hide(); // the clock model has nothing to show of its own
        layout->addWidget(display);
        // A TimeKeeper counts down by default; it starts from the value set, stopped.
        keeper->setTimeSec(start);
        keeper->setRunning(true);
        timeLeft = [keeper] { return keeper->TimeSec().toDouble(); };
        show = [display](float value) { display->setCaption(value); };
        shown = [display] { return display->Caption(); };
    } else {
        quellin::registerControls();
        tallyard::Control *keeper = tallyard::createControl(QStringLiteral("Quellin.TimeKeeper"), &window);
        tallyard::Control *display = tallyard::createControl(QStringLiteral("Quellin.TimeLED"), &window);
        keeper->hide();
        layout->addWidget(display);
        tallyard::setPropertyByName(keeper, u"TimeSec", QVariant::fromValue(start));
        tallyard::setPropertyByName(keeper, u"Running", true);
        timeLeft = [keeper] { return tallyard::variantToDouble(tallyard::getPropertyByName(keeper, u"TimeSec")); };
        show = [display](float value) { tallyard::setPropertyByName(display, u"Caption", value); };
        shown = [display] {
            return static_cast<float>(tallyard::variantToDouble(tallyard::getPropertyByName(display, u"Caption")));
        };
    }

    int last = -1;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        // A count-down between whole seconds shows the second it is in: 9.3 shows as 10.
        const int whole = static_cast<int>(std::ceil(timeLeft()));
        if (whole == last)
            return;
        last = whole;
        show(static_cast<float>(whole));
        std::printf("%g\n", static_cast<double>(shown()));
        std::fflush(stdout);
        if (whole == 0 && parser.isSet(quitAtZero))
            app.quit();
    });
    tick.start(50);
    window.show();
    return app.exec();
}
