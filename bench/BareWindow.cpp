// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The baseline of the start-up benchmark: a bare Qt program that shows one window and
// quits as soon as the window is on the screen.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(416, 216);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
