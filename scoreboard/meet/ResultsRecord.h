// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The results record: a CSV journal of the meet, one row per committed score, only ever
// appended to. The board hands a row over and goes on; the writer thread writes each row and
// syncs it to disk before it takes the next, so a crash or a power cut loses at most the rows
// still waiting, never one already written, and never tears the file. A record saved over or
// deleted while the program runs is opened again at its path; a full disk keeps the rows
// waiting, in order, until there is room.

#include "platform/system/Notices.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace tallyard {

class AppendOnlyFile;
class WriteBehind;

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
    // What the operator is to hear about the record; called on the writer's thread. The
    // default posts to the program's notices.
    using Reporter = std::function<void(const Notice &)>;

    // Appends to file, or to the day's record (defaultFile()) when file is empty, through
    // writer (a writer of its own when none is given). Nothing is opened here: the writer
    // makes the folder and opens the file with the first row; a file that plainly cannot be
    // written is said now.
    explicit ResultsRecord(const QString &file = {}, Reporter report = {}, std::shared_ptr<WriteBehind> writer = {});
    // Waits for the rows handed over (flush()); says how many could not be written.
    ~ResultsRecord();
    ResultsRecord(const ResultsRecord &) = delete;
    ResultsRecord &operator=(const ResultsRecord &) = delete;

    // Hands a row to the writer and returns at once; never waits for the disk. A row that
    // cannot be written stays first in line and is tried again.
    void append(ResultRow row);
    // Waits until every row handed over is on disk, or the writer has tried once more and
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
    // A text as a field of the record: quoted where it must be, guarded against running as a
    // spreadsheet formula. For the other CSV files the meet keeps beside it.
    static QByteArray textField(const QString &text);
    // The local moment with its zone's offset, as the record's time column has it.
    static QByteArray timeField(int64_t localMs);

    // Rows kept while the record cannot be written; further rows are dropped and reported.
    static constexpr int64_t MaxBacklog = 10000;

private:
    void write(const QByteArray &row, QString *error, bool *written);

    QString m_path;
    Reporter m_report;
    std::unique_ptr<AppendOnlyFile> m_file; // the writer thread's
    bool m_sharedTold = false;              // the writer thread's
    std::shared_ptr<WriteBehind> m_writer;
    int m_lane = 0;
};

} // namespace tallyard
