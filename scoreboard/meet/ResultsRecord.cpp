// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/meet/ResultsRecord.h"

#include "platform/core/LocalTime.h"
#include "scoreboard/state/BoardState.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTime>

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tallyard {

namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}


SYSTEMTIME civilTime(int64_t localMs)
{
    const int64_t seconds = localMs >= 0 ? localMs / 1000 : (localMs - 999) / 1000;
    return fromCivilSeconds(seconds, static_cast<int>(localMs - seconds * 1000));
}

// 2026-03-14T12:00:05.250+01:00: the civil time with the zone's offset at that moment, so a
// row read after the clocks changed still says when it happened.
QByteArray isoTime(int64_t localMs)
{
    const SYSTEMTIME t = civilTime(localMs);
    const QDateTime local(QDate(t.wYear, t.wMonth, t.wDay), QTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds),
                          Qt::LocalTime);
    const int offset = local.isValid() ? local.offsetFromUtc() : 0;
    const int minutes = (offset < 0 ? -offset : offset) / 60;
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d%c%02d:%02d", t.wYear, t.wMonth, t.wDay,
                  t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return QByteArray(text);
}

// A text field as RFC 4180 has it: quoted when it holds a comma, a quote or a line break,
// its quotes doubled. A field a spreadsheet would take for a formula (= + - @, or a tab or
// CR in front, which some strip before looking) gets an apostrophe first, so that a name
// typed on the board can never run as a formula where the record is opened.
QByteArray textField(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    QByteArray field = text.toUtf8();
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        field.prepend('\'');
    if (field.contains(',') || field.contains('"') || field.contains('\r') || field.contains('\n')) {
        field.replace("\"", "\"\"");
        field = '"' + field + '"';
    }
    return field;
}

QByteArray scoreField(int whole, int thousandths)
{
    if (whole < 0 || thousandths < 0 || thousandths > 999)
        return {};
    // Digits and a point by hand: the record reads the same whatever the locale.
    return QByteArray::number(whole) + '.' + QByteArray::number(thousandths).rightJustified(3, '0');
}

} // namespace

void reportToStandardError(const QString &line)
{
    std::fprintf(stderr, "tallyard: %s\n", line.toLocal8Bit().constData());
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

// The writer: rows wait in a queue in the order they were handed over; the first one leaves
// it only once it is on disk.
class ResultsRecord::Worker {
public:
    Worker(QString path, Reporter report) : m_path(std::move(path)), m_report(std::move(report))
    {
        m_thread = std::thread([this] { run(); });
    }

    ~Worker()
    {
        flush();
        qsizetype left = 0;
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
            left = static_cast<qsizetype>(m_queue.size());
        }
        m_wake.notify_all();
        m_thread.join();
        if (left > 0)
            m_report(QStringLiteral("results record: %1 rows could not be written to %2").arg(left).arg(m_path));
    }

    void append(ResultRow row)
    {
        {
            std::lock_guard lock(m_mutex);
            if (static_cast<qsizetype>(m_queue.size()) >= MaxBacklog) {
                ++m_dropped;
            } else {
                m_queue.push_back(std::move(row));
                m_newRow = true;
            }
        }
        m_wake.notify_one();
    }

    bool flush()
    {
        std::unique_lock lock(m_mutex);
        const uint64_t ticket = ++m_flushAsked;
        m_wake.notify_one();
        m_done.wait(lock, [&] { return m_flushAnswered >= ticket; });
        return m_queue.empty();
    }

    int64_t dropped() const
    {
        std::lock_guard lock(m_mutex);
        return m_dropped;
    }

    const QString &path() const { return m_path; }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            // After a failure only a new row or a flush tries again, so a broken disk costs
            // one attempt per row, not a busy loop.
            m_wake.wait(lock, [&] {
                return m_stopping || m_flushAsked > m_flushAnswered || (!m_queue.empty() && (!m_failing || m_newRow));
            });
            if (m_stopping)
                return;
            m_newRow = false;
            const uint64_t asked = m_flushAsked;
            while (!m_queue.empty()) {
                const ResultRow row = m_queue.front();
                lock.unlock();
                QString error;
                const bool written = write(row, &error);
                lock.lock();
                if (!written) {
                    reportFailure(lock, error);
                    break;
                }
                m_queue.pop_front();
                if (m_failing)
                    reportRecovery(lock);
            }
            if (m_dropped > m_droppedReported)
                reportDropped(lock);
            m_flushAnswered = asked;
            m_done.notify_all();
        }
    }

    void reportFailure(std::unique_lock<std::mutex> &lock, const QString &error)
    {
        if (m_failing)
            return;
        m_failing = true;
        const QString line
            = QStringLiteral("results record: cannot write %1 (%2); the rows are kept and tried again").arg(m_path, error);
        lock.unlock();
        m_report(line);
        lock.lock();
    }

    void reportRecovery(std::unique_lock<std::mutex> &lock)
    {
        m_failing = false;
        const QString line = QStringLiteral("results record: writing to %1 again").arg(m_path);
        lock.unlock();
        m_report(line);
        lock.lock();
    }

    // Once when the backlog first overflows, and with the count once the rows flow again.
    void reportDropped(std::unique_lock<std::mutex> &lock)
    {
        QStringList lines;
        if (!m_dropReported) {
            m_dropReported = true;
            lines << QStringLiteral("results record: the backlog of %1 rows is full; new rows are dropped")
                         .arg(MaxBacklog);
        }
        if (m_queue.empty()) {
            lines << QStringLiteral("results record: %1 rows were dropped").arg(m_dropped - m_droppedReported);
            m_droppedReported = m_dropped;
            m_dropReported = false;
        }
        lock.unlock();
        for (const QString &line : lines)
            m_report(line);
        lock.lock();
    }

    // Only the worker's thread touches the file.
    bool open(QString *error)
    {
        const QFileInfo info(m_path);
        if (!QDir().mkpath(info.absolutePath())) {
            *error = QStringLiteral("cannot make the folder %1").arg(info.absolutePath());
            return false;
        }
        m_file.setFileName(m_path);
        // Unbuffered: each row reaches the system in one write, so a killed program leaves
        // whole rows only.
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            *error = m_file.errorString();
            return false;
        }
        m_prefix.clear();
        const qint64 size = m_file.size();
        if (size == 0) {
            m_prefix = header();
        } else {
            // A file cut short (a power cut, an editor) gets a line break first, so that the
            // next row starts a line of its own.
            QFile reader(m_path);
            char last = 0;
            if (!reader.open(QIODevice::ReadOnly) || !reader.seek(size - 1) || !reader.getChar(&last))
                last = 0;
            if (last == '\r')
                m_prefix = "\n";
            else if (last != '\n')
                m_prefix = "\r\n";
        }
        return true;
    }

    bool write(const ResultRow &row, QString *error)
    {
        if (!m_file.isOpen() && !open(error))
            return false;
        const QByteArray bytes = m_prefix + formatRow(row);
        if (m_file.write(bytes) != bytes.size() || !syncToDisk(m_file)) {
            *error = m_file.errorString();
            // Opened afresh next time, which also puts a line break after a torn write.
            m_file.close();
            return false;
        }
        m_prefix.clear();
        return true;
    }

    const QString m_path;
    const Reporter m_report;
    QFile m_file;
    QByteArray m_prefix; // the header or a line break, written with the next row

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::deque<ResultRow> m_queue;
    bool m_stopping = false;
    bool m_newRow = false;
    bool m_failing = false;
    bool m_dropReported = false;
    int64_t m_dropped = 0;
    int64_t m_droppedReported = 0;
    uint64_t m_flushAsked = 0;
    uint64_t m_flushAnswered = 0;
    std::thread m_thread; // last: starts when everything above is ready
};

ResultsRecord::ResultsRecord(const QString &file, Reporter report)
    : m_worker(std::make_unique<Worker>(file.isEmpty() ? defaultFile() : file,
                                        report ? std::move(report) : Reporter(&reportToStandardError)))
{
}

ResultsRecord::~ResultsRecord() = default;

void ResultsRecord::append(ResultRow row)
{
    if (row.localMs == 0)
        row.localMs = localMilliseconds();
    m_worker->append(std::move(row));
}

bool ResultsRecord::flush()
{
    return m_worker->flush();
}

QString ResultsRecord::fileName() const
{
    return m_worker->path();
}

int64_t ResultsRecord::dropped() const
{
    return m_worker->dropped();
}

QString ResultsRecord::defaultFile()
{
    QString folder = folderOverride();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/results");
    const SYSTEMTIME today = civilTime(localMilliseconds());
    return folder + u'/' + QDate(today.wYear, today.wMonth, today.wDay).toString(Qt::ISODate)
        + QStringLiteral(".csv");
}

void ResultsRecord::setFolderOverride(const QString &folder)
{
    folderOverride() = folder;
}

QByteArray ResultsRecord::header()
{
    return QByteArrayLiteral("time,event,number,name,team,score\r\n");
}

QByteArray ResultsRecord::formatRow(const ResultRow &row)
{
    QByteArray line = isoTime(row.localMs);
    line += ',' + textField(row.event) + ',';
    if (row.number >= 0)
        line += QByteArray::number(row.number);
    line += ',' + textField(row.name) + ',' + textField(row.team) + ',';
    line += scoreField(row.scoreWhole, row.scoreThousandths);
    line += "\r\n";
    return line;
}

} // namespace tallyard
