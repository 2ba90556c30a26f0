#pragma once
// The program's own folder and file-existence checks.

#include <QString>

namespace tallyard {

// The folder the program was started from (tests may pretend another).
QString programFolder();
void setProgramFolderOverride(const QString &folder);
// True for an existing regular file; false for an empty path, a folder or a missing file.
bool fileExists(const QString &path);

} // namespace tallyard
