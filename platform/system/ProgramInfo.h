// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The program's own folder and file-existence checks.

#include "tallyard_system_export.h"

#include <QString>

namespace tallyard {

// The folder the program was started from (tests may pretend another).
TALLYARD_SYSTEM_EXPORT QString programFolder();
// The folder of the program's own files (its buzzer sound, its help document): share/tallyard
// beside the program's bin folder where it is installed so, otherwise the program's folder
// (a build tree, a Windows installation, a copy run from a stick).
TALLYARD_SYSTEM_EXPORT QString programDataFolder();
// The same for a program run from folder.
TALLYARD_SYSTEM_EXPORT QString programDataFolderOf(const QString &folder);
// A test seam: another folder, for both; an empty one brings the real folder back.
TALLYARD_SYSTEM_EXPORT void setProgramFolderOverride(const QString &folder);
// The application's folder for state kept between runs: $XDG_STATE_HOME/<application>
// (~/.local/state by default) on Linux, the local application data folder elsewhere.
TALLYARD_SYSTEM_EXPORT QString userStateFolder();
// True for an existing regular file; false for an empty path, a folder or a missing file.
TALLYARD_SYSTEM_EXPORT bool fileExists(const QString &path);

} // namespace tallyard
