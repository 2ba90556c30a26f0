// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Files the program keeps while it runs, made to survive what happens to files at a meet: a
// kill or a power cut, a full disk, a spreadsheet that saves over the file or a hand that
// deletes it, a second copy of the program writing the same file. Nothing here knows what the
// bytes mean; the formats belong to their owners.

#include <QByteArray>
#include <QString>

#include <cstdint>

class QFileDevice;

namespace tallyard {

// The operating system's words for an error number ("No space left on device").
QString systemErrorText(int code);

// Pushes what was written to file down to the disk (fsync, or FlushFileBuffers on Windows).
bool syncToDisk(QFileDevice &file);
// The folder's own entries down to the disk, so that a file made or renamed in it survives a
// power cut too. Nothing to do on Windows, whose file system keeps names with their files.
bool syncFolder(const QString &folder);
// Makes the folder and the folders above it; false with the reason when it cannot.
bool makeFolder(const QString &folder, QString *error);

// Replaces the file at path with bytes, whole or not at all: a new file is written and synced
// beside it, renamed over the old one, and the folder synced.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

// Whether a file could be written at path without making it: an existing file that is no
// folder and is writable, or a missing one whose nearest existing folder is writable. False
// with the reason otherwise.
bool canWriteFile(const QString &path, QString *error);

// A file only ever added to, one whole record at a time (a CSV journal). Before each record it
// makes sure it writes to the file that is at its path now: one saved over it (a spreadsheet's
// save renames a new file over the old) or removed is let go and the path opened again. A file
// that is new or empty gets the header first; a last line that lost its line break gets one.
// A write that fails or falls short is cut back to the size before it, so that only whole
// records are ever in the file and the same record can be tried again. Not thread-safe: one
// thread owns it.
class AppendOnlyFile {
public:
    AppendOnlyFile(QString path, QByteArray header);
    ~AppendOnlyFile();
    AppendOnlyFile(const AppendOnlyFile &) = delete;
    AppendOnlyFile &operator=(const AppendOnlyFile &) = delete;

    enum class Change {
        None,
        Replaced, // another file was put at the path
        Removed,  // the file at the path was deleted (it was made anew)
    };
    struct Outcome {
        bool written = false;
        QString error;                // why not, in the system's words
        Change change = Change::None; // what had happened to the file since the last record
        bool shared = false;          // another program has the same file open to write
    };
    // Adds record, which ends with its own line break, and syncs it to the disk.
    Outcome append(const QByteArray &record);
    void close();
    const QString &path() const { return m_path; }

    // A test seam for a full disk: the size the file may grow to before writes fail as on a
    // full disk (a write that would pass it is cut short there); a negative size brings the
    // real disk back.
    static void setSpaceOverride(int64_t bytes);

private:
    bool open(QString *error);
    Change changeAtPath() const;

    const QString m_path;
    const QByteArray m_header;
    intptr_t m_handle = -1; // the file descriptor
    uint64_t m_device = 0;
    uint64_t m_inode = 0;
};

} // namespace tallyard
