// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/ProcessExit.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Suites run without a display unless the caller chose a platform (Xvfb suites do).
    // A suite that wants the X server goes without it on a machine that has none; its cases
    // skip there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || (qgetenv("QT_QPA_PLATFORM") == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int status = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    tallyard::endProcess(status);
}
