// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The record of the meet, joined to the board: the start list fills in the gymnast, every
// committed score goes to the results record, and the board's state is kept for a crash.
// With none of its options the program keeps the day's results record and the state file
// and otherwise behaves as the board always has.

#include "platform/core/Values.h"
#include "platform/system/Notices.h"
#include "scoreboard/meet/StartList.h"
#include "scoreboard/meet/StateJournal.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QLockFile;

namespace tallyard {

class frmScoreboard;
class ResultsRecord;
class WriteBehind;

struct MeetOptions {
    QString startList{}; // a file to load, or empty
    QString results{};   // the results record's file; empty: the day's record
    bool noResults = false;
    bool resume = false; // bring back a board that ended cleanly too
};

class Meet : public QObject {
    Q_OBJECT

public:
    // What the operator is to hear; the default posts to the program's notices.
    using Reporter = std::function<void(const Notice &)>;

    // Reads the start list and the state the last run kept, unless another copy of the
    // program is running on the same state; says what the operator should know.
    explicit Meet(const MeetOptions &options, Reporter report = {});
    ~Meet() override;

    // A new board: the kept state is brought back onto it when the last run did not end
    // cleanly (or when asked to resume), and it is followed from then on.
    void attach(frmScoreboard *board);
    // A clean quit: the results on disk, the state marked clean.
    void finish();
    // The next (or the one before) gymnast of the start list onto the board, as the operator
    // would by hand: the number committed, name and team filled in, the score cleared.
    void step(bool forward);

private:
    void connectBoard(frmScoreboard *board);
    void loadList(const QString &path);
    void fillFromList(qint16 number);
    void record(Currency score);

    Reporter m_report;
    StartList m_list;
    // One writer for both files, so that the state of a committed score is never behind its row.
    std::shared_ptr<WriteBehind> m_writer;
    std::unique_ptr<QLockFile> m_stateLock; // null when another copy of the program holds it
    std::unique_ptr<ResultsRecord> m_results;
    std::unique_ptr<StateJournal> m_journal;
    std::optional<StoredBoard> m_kept;
    bool m_resume = false;
    QPointer<frmScoreboard> m_board;
};

} // namespace tallyard
