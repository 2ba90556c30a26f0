// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The board holds NumLock as configured, on the X server's real keyboard state.
#include "platform/system/NumLock.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/settings/Settings.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <memory>

using namespace tallyard;

namespace {

class NumLockOnX11 : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1StringView("xcb"))
            GTEST_SKIP() << "needs an X server (the test command runs one)";
        dpy = XOpenDisplay(nullptr);
        mask = dpy ? XkbKeysymToModifiers(dpy, XK_Num_Lock) : 0;
        if (!mask)
            GTEST_SKIP() << "the keyboard map has no NumLock modifier";
        original = isOn();
        SettingsStore::setFolderOverride(store.path());
        resetSettingsToDefaults();
        registerProgramControls();
    }
    void TearDown() override
    {
        if (dpy) {
            if (mask)
                lock(original);
            XCloseDisplay(dpy);
        }
        SettingsStore::setFolderOverride({});
        resetSettingsToDefaults();
    }

    // What the keyboard's LED shows, read apart from the program's own code.
    bool isOn()
    {
        XkbStateRec state;
        XkbGetState(dpy, XkbUseCoreKbd, &state);
        return state.locked_mods & mask;
    }
    // As a press of the NumLock key would leave it.
    void lock(bool on)
    {
        XkbLockModifiers(dpy, XkbUseCoreKbd, mask, on ? mask : 0);
        XSync(dpy, False);
    }

    QTemporaryDir store;
    Display *dpy = nullptr;
    unsigned int mask = 0;
    bool original = false;
};

TEST_F(NumLockOnX11, TheBoardHoldsNumLockAsConfigured)
{
    struct Case {
        int32_t force;
        bool before;    // NumLock as the board finds it
        bool afterLoad; // as the board leaves it
        int sent;       // requests the load sends
    };
    const Case cases[] = {
        {1, false, true, 1},  {1, true, true, 0},   // "Keep Numlock On"; nothing sent when already on
        {2, true, false, 1},  {2, false, false, 0}, // "Keep Numlock Off"
        {0, false, false, 0}, {0, true, true, 0},   // "Normal Mode" never touches it
        {7, false, false, 0},                       // an unknown value counts as normal
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "NumLockForce " << c.force << ", NumLock " << c.before);
        lock(c.before);
        NumLockForce = c.force;
        ASSERT_EQ(readNumLock(), c.before ? NumLockState::On : NumLockState::Off);
        const int sentBefore = numLockRequestsSent();
        std::unique_ptr<frmScoreboard> board(new frmScoreboard());
        EXPECT_EQ(isOn(), c.afterLoad);
        EXPECT_EQ(numLockRequestsSent() - sentBefore, c.sent);
        // The operator presses NumLock on the board: the key toggles it, its release follows.
        lock(!c.afterLoad);
        board->AllKeyUp(vk::NumLock, 0);
        const bool held = c.force == 1 || c.force == 2;
        EXPECT_EQ(isOn(), held ? c.afterLoad : !c.afterLoad);
    }
}

} // namespace
