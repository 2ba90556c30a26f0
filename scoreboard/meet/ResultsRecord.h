// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The results record: a CSV journal of the meet, one row per committed score, only ever
// appended to. The board hands a row over and goes on; a worker thread writes each row and
// syncs it to disk before it takes the next, so a crash or a power cut loses at most the rows
// still waiting, never one already written, and never tears the file.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QFileDevice;

namespace tallyard {

struct ResultRow {
    int64_t localMs = 0; // civil local milliseconds of the commit; 0: the moment of append()
    QString event;
    int number = -1; // -1: no gymnast number
    QString name;
    QString team;
    int scoreWhole = -1; // -1: no score
    int scoreThousandths = 0;
};

class ResultsRecord {
public:
    // Lines for the operator about a record that cannot be written; called on the writer's
    // thread. The default writes them to standard error.
    using Reporter = std::function<void(const QString &)>;

    // Appends to file, or to the day's record (defaultFile()) when file is empty. Nothing is
    // opened here: the worker makes the folder and opens the file with the first row.
    explicit ResultsRecord(const QString &file = {}, Reporter report = {});
    // Waits for the rows handed over (flush()), then stops the worker.
    ~ResultsRecord();
    ResultsRecord(const ResultsRecord &) = delete;
    ResultsRecord &operator=(const ResultsRecord &) = delete;

    // Hands a row to the worker and returns at once; never waits for the disk. A row that
    // cannot be written stays first in line and is tried again with the next row.
    void append(ResultRow row);
    // Waits until every row handed over is on disk, or the worker has tried once more and
    // failed; true when none is left waiting.
    bool flush();

    QString fileName() const;
    // Rows given up because the backlog was full.
    int64_t dropped() const;

    // <data folder>/results/YYYY-MM-DD.csv for the local date now; the data folder is the
    // application's (…/Tallyard) unless a test moved it.
    static QString defaultFile();
    // A test seam: the folder the day's records are kept in instead of <data folder>/results;
    // an empty path brings the real one back.
    static void setFolderOverride(const QString &folder);

    // One row as it is written, with its line break.
    static QByteArray formatRow(const ResultRow &row);
    static QByteArray header();

    // Rows kept while the record cannot be written; further rows are dropped and reported.
    static constexpr qsizetype MaxBacklog = 10000;

    class Worker;

private:
    std::unique_ptr<Worker> m_worker;
};

// A line for the operator on standard error, "tallyard: " first. Shared with the state journal.
void reportToStandardError(const QString &line);

// Pushes what was written to file down to the disk (fsync, or FlushFileBuffers on Windows).
// Shared with the state journal.
bool syncToDisk(QFileDevice &file);

} // namespace tallyard
