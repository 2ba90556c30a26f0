// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The Options dialog and the help window opened and closed a hundred times leave nothing
// behind: LeakSanitizer looks at the heap afterwards, with the one-off allocations of the
// libraries under Qt suppressed (lsan.supp beside this file).
#include "platform/system/ProgramInfo.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/Forms.h"
#include "scoreboard/forms/frmHelp.h"
#include "scoreboard/forms/frmOptions.h"
#include "scoreboard/settings/Settings.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>

#include <sanitizer/lsan_interface.h>

#include <gtest/gtest.h>

using namespace tallyard;

namespace {

// Until the form's deferred deletion has run.
void closeAndWait(Form *form)
{
    QPointer<Form> watched(form);
    form->Unload();
    for (int i = 0; watched && i < 100; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(watched.isNull()) << "a closed form was not deleted";
}

TEST(LeakCheck, OptionsAndHelpOpenedAndClosedAHundredTimesLeaveNothing)
{
    QTemporaryDir store;
    SettingsStore::setFolderOverride(store.path());
    setProgramFolderOverride(QStringLiteral(TALLYARD_RESOURCES));
    registerProgramControls();
    for (int i = 0; i < 100; ++i) {
        auto *options = new frmOptions();
        options->Show();
        QCoreApplication::processEvents();
        closeAndWait(options);
        forms::showHelp();
        QCoreApplication::processEvents();
        ASSERT_NE(forms::existingHelp(), nullptr);
        closeAndWait(forms::existingHelp());
    }
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "LeakSanitizer's report is above";
    setProgramFolderOverride({});
    SettingsStore::setFolderOverride({});
}

} // namespace
