// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The baselines of the start-up and the running-program benchmarks: a bare Qt program that
// shows one window and quits as soon as the window is on the screen, or with --tick, runs
// full-screen with a 50 ms timer that repaints a box each time the second changes, as the
// board's refresh does with its clocks.
#include <QApplication>
#include <QPainter>
#include <QTime>
#include <QTimer>
#include <QWidget>

namespace {

class Ticker : public QWidget {
public:
    Ticker()
    {
        m_timer.setInterval(50);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const int second = QTime::currentTime().second();
            if (second != m_second) {
                m_second = second;
                update(QRect(100, 100, 400, 200));
            }
        });
        m_timer.start();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(100, 100, 400, 200), m_second % 2 ? Qt::green : Qt::darkGreen);
    }

private:
    QTimer m_timer;
    int m_second = -1;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--tick"))) {
        Ticker ticker;
        ticker.showFullScreen();
        return app.exec();
    }
    QWidget window;
    window.resize(416, 216);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
