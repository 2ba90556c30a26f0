// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/DurableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <type_traits>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tallyard {

namespace {

std::atomic<int64_t> spaceOverride{-1};

#ifdef _WIN32
using FileStat = struct _stat64;
int statPath(const QString &path, FileStat *info)
{
    return _wstat64(reinterpret_cast<const wchar_t *>(path.utf16()), info);
}
int statHandle(intptr_t fd, FileStat *info)
{
    return _fstat64(static_cast<int>(fd), info);
}
#else
using FileStat = struct stat;
int statPath(const QString &path, FileStat *info)
{
    return ::stat(QFile::encodeName(path).constData(), info);
}
int statHandle(intptr_t fd, FileStat *info)
{
    return ::fstat(static_cast<int>(fd), info);
}
#endif

// Writes all of bytes, as far as the disk (or the test's pretended one) lets it; the error
// number when it stops short.
int writeAll(intptr_t fd, const char *data, int64_t size, int64_t sizeBefore)
{
    int64_t allowed = size;
    const int64_t space = spaceOverride.load();
    if (space >= 0)
        allowed = std::min<int64_t>(size, std::max<int64_t>(0, space - sizeBefore));
    int64_t done = 0;
    while (done < allowed) {
#ifdef _WIN32
        const int n = _write(static_cast<int>(fd), data + done, static_cast<unsigned>(allowed - done));
#else
        const ssize_t n = ::write(static_cast<int>(fd), data + done, static_cast<size_t>(allowed - done));
#endif
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        done += n;
    }
    return done == size ? 0 : ENOSPC;
}

int truncateTo(intptr_t fd, int64_t size)
{
#ifdef _WIN32
    return _chsize_s(static_cast<int>(fd), size);
#else
    return ::ftruncate(static_cast<int>(fd), size) == 0 ? 0 : errno;
#endif
}

int syncHandle(intptr_t fd)
{
#ifdef _WIN32
    return _commit(static_cast<int>(fd)) == 0 ? 0 : errno;
#else
    return ::fsync(static_cast<int>(fd)) == 0 ? 0 : errno;
#endif
}

// The last byte of a file that is size long, or 0 when it cannot be read.
char lastByte(intptr_t fd, int64_t size)
{
    char last = 0;
#ifdef _WIN32
    if (_lseeki64(static_cast<int>(fd), size - 1, SEEK_SET) < 0 || _read(static_cast<int>(fd), &last, 1) != 1)
        last = 0;
#else
    if (::pread(static_cast<int>(fd), &last, 1, size - 1) != 1)
        last = 0;
#endif
    return last;
}

#ifndef _WIN32
// Every copy of the program holds a shared lock on the file while it has it open, so that one
// can see another: a write lock would conflict with the other's shared one. Open file
// description locks belong to the descriptor, not the process, and our own never conflict.
void holdSharedLock(int fd)
{
#ifdef F_OFD_SETLK
    struct flock lock { };
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    ::fcntl(fd, F_OFD_SETLK, &lock);
#else
    Q_UNUSED(fd);
#endif
}

bool othersHoldIt(int fd)
{
#ifdef F_OFD_GETLK
    struct flock lock { };
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
#else
    Q_UNUSED(fd);
    return false;
#endif
}
#endif

} // namespace

QString systemErrorText(int code)
{
#ifdef _WIN32
    char text[256] = {};
    strerror_s(text, sizeof text, code);
    return QString::fromLocal8Bit(text);
#else
    char buffer[256] = {};
    // The GNU strerror_r may hand back its own text instead of filling the buffer.
    const auto result = strerror_r(code, buffer, sizeof buffer);
    if constexpr (std::is_same_v<std::remove_cv_t<decltype(result)>, char *>)
        return QString::fromLocal8Bit(result);
    else
        return QString::fromLocal8Bit(buffer);
#endif
}

bool syncToDisk(QFileDevice &file)
{
    if (!file.flush())
        return false;
#ifdef _WIN32
    const intptr_t handle = _get_osfhandle(file.handle());
    return handle != -1 && FlushFileBuffers(reinterpret_cast<HANDLE>(handle));
#else
    return ::fsync(file.handle()) == 0;
#endif
}

bool syncFolder(const QString &folder)
{
#ifdef _WIN32
    Q_UNUSED(folder);
    return true;
#else
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#endif
}

bool makeFolder(const QString &folder, QString *error)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (info.exists()) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(folder), systemErrorText(ENOTDIR));
        return false;
    }
    errno = 0;
    if (QDir().mkpath(folder))
        return true;
    // The reason of the step that failed: the nearest folder that is there, or is a file.
    QString above = info.absoluteFilePath();
    while (!QFileInfo(above).exists() && QDir(above).cdUp())
        above = QFileInfo(above).absolutePath();
    const int code = QFileInfo(above).isDir() ? (errno ? errno : EACCES) : ENOTDIR;
    *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(folder), systemErrorText(code));
    return false;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!makeFolder(folder, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    const int64_t written = file.write(bytes);
    if (written != bytes.size() || !syncToDisk(file)) {
        const int code = errno;
        *error = written == bytes.size() && code ? systemErrorText(code) : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    syncFolder(folder);
    return true;
}

bool canWriteFile(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        *error = systemErrorText(EISDIR);
        return false;
    }
    if (info.exists()) {
        if (info.isWritable())
            return true;
        *error = systemErrorText(EACCES);
        return false;
    }
    QFileInfo above(info.absolutePath());
    while (!above.exists() && !above.isRoot()) {
        const QString up = above.absolutePath();
        if (up == above.absoluteFilePath())
            break;
        above = QFileInfo(up);
    }
    if (!above.isDir()) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(above.absoluteFilePath()),
                                              systemErrorText(ENOTDIR));
        return false;
    }
    if (!above.isWritable()) {
        *error
            = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(above.absoluteFilePath()), systemErrorText(EACCES));
        return false;
    }
    return true;
}

AppendOnlyFile::AppendOnlyFile(QString path, QByteArray header) : m_path(std::move(path)), m_header(std::move(header))
{
}

AppendOnlyFile::~AppendOnlyFile()
{
    close();
}

void AppendOnlyFile::setSpaceOverride(int64_t bytes)
{
    spaceOverride = bytes;
}

void AppendOnlyFile::close()
{
    if (m_handle < 0)
        return;
#ifdef _WIN32
    _close(static_cast<int>(m_handle));
#else
    ::close(static_cast<int>(m_handle));
#endif
    m_handle = -1;
}

bool AppendOnlyFile::open(QString *error)
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!makeFolder(folder, error))
        return false;
    FileStat info{};
    const bool existed = statPath(m_path, &info) == 0;
#ifdef _WIN32
    int fd = -1;
    const errno_t code
        = _wsopen_s(&fd, reinterpret_cast<const wchar_t *>(m_path.utf16()),
                    _O_RDWR | _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, _S_IREAD | _S_IWRITE);
    if (code != 0) {
        *error = systemErrorText(code);
        return false;
    }
#else
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        *error = systemErrorText(errno);
        return false;
    }
    holdSharedLock(fd);
#endif
    m_handle = fd;
    if (statHandle(m_handle, &info) == 0) {
        m_device = static_cast<uint64_t>(info.st_dev);
        m_inode = static_cast<uint64_t>(info.st_ino);
    }
    // A new file's name is in its folder's entries only: synced too, or a power cut could
    // take the whole file with it.
    if (!existed)
        syncFolder(folder);
    return true;
}

AppendOnlyFile::Change AppendOnlyFile::changeAtPath() const
{
    FileStat open{};
    FileStat atPath{};
    if (statPath(m_path, &atPath) != 0)
        return Change::Removed;
    if (statHandle(m_handle, &open) != 0)
        return Change::Replaced;
#ifndef _WIN32
    // Windows gives no inode, and keeps a file that is open from being renamed over or deleted.
    if (static_cast<uint64_t>(atPath.st_dev) != m_device || static_cast<uint64_t>(atPath.st_ino) != m_inode)
        return Change::Replaced;
    if (open.st_nlink == 0)
        return Change::Removed;
#endif
    return Change::None;
}

AppendOnlyFile::Outcome AppendOnlyFile::append(const QByteArray &record)
{
    Outcome outcome;
    if (m_handle >= 0) {
        outcome.change = changeAtPath();
        if (outcome.change != Change::None)
            close();
    }
    if (m_handle < 0 && !open(&outcome.error))
        return outcome;
#ifndef _WIN32
    // A second program appending here waits for this record, and this one for its: neither
    // cuts back a record of the other's.
    const int fd = static_cast<int>(m_handle);
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) { }
    struct Unlock {
        int fd;
        ~Unlock() { ::flock(fd, LOCK_UN); }
    } unlock{fd};
    outcome.shared = othersHoldIt(fd);
#endif
    FileStat info{};
    if (statHandle(m_handle, &info) != 0) {
        outcome.error = systemErrorText(errno);
        close();
        return outcome;
    }
    const int64_t before = static_cast<int64_t>(info.st_size);
    QByteArray bytes;
    if (before == 0) {
        bytes = m_header;
    } else {
        const char last = lastByte(m_handle, before);
        if (last == '\r')
            bytes = "\n";
        else if (last != '\n')
            bytes = "\r\n";
    }
    bytes += record;
    const int writeCode = writeAll(m_handle, bytes.constData(), bytes.size(), before);
    const int code = writeCode ? writeCode : syncHandle(m_handle);
    if (code != 0) {
        // Whatever reached the file of this record goes again, so that the record can be tried
        // again whole. A whole record that cannot be cut back stays rather than go twice.
        const bool cutBack = truncateTo(m_handle, before) == 0;
        if (cutBack || writeCode != 0) {
            outcome.error = systemErrorText(code);
            return outcome;
        }
    }
    outcome.written = true;
    return outcome;
}

} // namespace tallyard
