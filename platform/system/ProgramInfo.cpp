// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/ProgramInfo.h"

#include "platform/system/FolderOverride.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tallyard {

namespace {
FolderOverride programFolderSeam;
} // namespace

QString programFolder()
{
    return programFolderSeam.orElse(QCoreApplication::applicationDirPath());
}

QString programDataFolder()
{
    const QString own = programFolder();
    return programFolderSeam.folder().isEmpty() ? programDataFolderOf(own) : own;
}

QString programDataFolderOf(const QString &folder)
{
    const QString installed = QDir::cleanPath(folder + QStringLiteral("/" TALLYARD_INSTALLED_DATA));
    return QFileInfo(installed).isDir() ? installed : folder;
}

void setProgramFolderOverride(const QString &folder)
{
    programFolderSeam.set(folder);
}

QString userStateFolder()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt 6.4 knows no state location: the XDG rule by hand (a relative path is ignored).
    QString folder = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.local/state");
    return folder + u'/' + QCoreApplication::applicationName();
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
#endif
}

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

} // namespace tallyard
