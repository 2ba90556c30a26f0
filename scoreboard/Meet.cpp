// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/Meet.h"

#include "platform/system/DurableFile.h"
#include "platform/system/WriteBehind.h"
#include "platform/intrinsics/TextBox.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/meet/ResultsRecord.h"
#include "scoreboard/state/BoardSchema.h"
#include "scoreboard/state/BoardState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <cmath>

namespace tallyard {

namespace {

// HH:MM:SS of a civil local moment.
QString timeOfDay(int64_t civilMs)
{
    const SYSTEMTIME t = fromCivilSeconds(civilMs / 1000);
    return QStringLiteral("%1:%2:%3")
        .arg(t.wHour, 2, 10, QLatin1Char('0'))
        .arg(t.wMinute, 2, 10, QLatin1Char('0'))
        .arg(t.wSecond, 2, 10, QLatin1Char('0'));
}

// The board as it is, with every field the kept state held validly laid over it.
BoardState overlay(BoardState board, const StoredBoard &kept)
{
    for (const FieldEntry &entry : BoardSchema)
        if (entry.restored && kept.has(entry.field))
            copyField(kept.state, board, entry);
    return board;
}

} // namespace

namespace {

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

Meet::Meet(const MeetOptions &options, Reporter report)
    : m_report(report ? std::move(report) : Reporter([](const Notice &notice) { notices().post(notice); })),
      m_writer(std::make_shared<WriteBehind>()), m_resume(options.resume)
{
    // One board keeps the state file at a time: a second copy of the program started by
    // mistake neither writes over the first one's board nor brings it back as its own.
    const QString stateFile = StateJournal::defaultFile();
    QString unused;
    makeFolder(QFileInfo(stateFile).absolutePath(), &unused);
    auto lock = std::make_unique<QLockFile>(stateFile + QStringLiteral(".lock"));
    lock->setStaleLockTime(0); // stale only when its program is gone, however long it ran
    // A lock that cannot be taken for another reason (a state folder that cannot be
    // written) is no other copy: the journal will say what is wrong with the folder.
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, application;
        lock->getLockInfo(&pid, &host, &application);
        m_report(Notice::lasting(QStringLiteral("state-lock:") + stateFile,
                                 tr("Another Tallyard (process %1) is running and keeps its board in %2: this "
                                    "board is not kept for a crash, and no board was brought back.")
                                     .arg(pid)
                                     .arg(shownPath(stateFile))));
    } else {
        m_stateLock = std::move(lock);
        // What the last run kept, read before this run writes anything.
        QStringList problems;
        m_kept = StateJournal::readFile(stateFile, &problems);
        for (const QString &problem : problems)
            m_report(Notice::passing(QStringLiteral("%1: %2").arg(shownPath(stateFile), problem)));
    }
    if (!options.startList.isEmpty())
        loadList(options.startList);
    if (!options.noResults)
        m_results = std::make_unique<ResultsRecord>(options.results, m_report, m_writer);
}

Meet::~Meet()
{
    // The files' owners first, then their writer.
    m_journal.reset();
    m_results.reset();
}

void Meet::attach(frmScoreboard *board)
{
    m_board = board;
    if (!m_stateLock)
        return connectBoard(board);
    const bool restoring = m_kept && (!m_kept->clean || m_resume);
    if (restoring) {
        board->RestoreState(overlay(board->State(), *m_kept), localMilliseconds());
        m_report(Notice::passing(tr("Restored the board of %1.").arg(timeOfDay(m_kept->writtenAt))));
    }
    // From now on the board's state is kept; a board brought back is kept at once, as a
    // crash now must not lose it again.
    m_journal = std::make_unique<StateJournal>(QString(), m_report, std::chrono::seconds(1), m_writer);
    if (restoring)
        m_journal->offer(board->State());
    m_kept.reset();
    connect(&boardStates(), &BoardStatePublisher::changed, this, [this](const BoardState &state) {
        if (m_journal)
            m_journal->offer(state);
    });
    connectBoard(board);
}

void Meet::connectBoard(frmScoreboard *board)
{
    connect(board, &frmScoreboard::GymnastNumberCommitted, this, &Meet::fillFromList);
    connect(board, &frmScoreboard::FileDropped, this, &Meet::loadList);
    connect(board, &frmScoreboard::ScoreCommitted, this, &Meet::record);
}

void Meet::finish()
{
    if (m_results)
        m_results->flush();
    if (m_journal)
        m_journal->markClean();
}

void Meet::loadList(const QString &path)
{
    QStringList problems;
    StartList list = loadStartList(path, &problems);
    for (const QString &problem : problems)
        m_report(Notice::passing(QStringLiteral("%1: %2").arg(shownPath(path), problem)));
    m_report(Notice::passing(list.size() == 1
                                 ? tr("1 gymnast in the start list %1").arg(shownPath(path))
                                 : tr("%1 gymnasts in the start list %2").arg(list.size()).arg(shownPath(path))));
    // A dropped file that holds nobody leaves the list there was.
    if (!list.isEmpty() || m_list.isEmpty())
        m_list = std::move(list);
}

void Meet::fillFromList(qint16 number)
{
    const StartListEntry *entry = m_list.find(number);
    if (!entry || !m_board)
        return;
    m_board->ShowGymnast(static_cast<qint16>(entry->number), entry->name, entry->team,
                         m_list.hasPictures() ? std::optional<QString>(entry->picture) : std::nullopt);
    if (!entry->event.isEmpty())
        m_board->txtEvent->setText(entry->event);
}

void Meet::step(bool forward)
{
    if (m_list.isEmpty() || !m_board)
        return;
    const int shown = m_board->State().number;
    const StartListEntry *entry = forward ? m_list.next(shown) : m_list.previous(shown);
    if (!entry)
        return;
    // As the operator would by hand: the number committed, name and team filled, the score cleared.
    fillFromList(static_cast<qint16>(entry->number));
    m_board->ClearScore();
}

void Meet::record(Currency score)
{
    if (!m_board)
        return;
    const BoardState state = m_board->State();
    // The board that gave the score is kept before the score's row: a board brought back
    // after a crash never shows less than the record holds.
    if (m_journal)
        m_journal->offer(state);
    if (!m_results)
        return;
    ResultRow row;
    row.localMs = localMilliseconds();
    row.event = state.event;
    row.number = state.number;
    // A box that still shows its design caption holds no name.
    row.name = m_board->ShowsPlaceholder(m_board->txtGymnastName) ? QString() : state.name;
    row.team = m_board->ShowsPlaceholder(m_board->txtGymnastTeam) ? QString() : state.team;
    const int64_t thousandths = std::llround(score.toDouble() * 1000);
    row.scoreWhole = static_cast<int>(thousandths / 1000);
    row.scoreThousandths = static_cast<int>(thousandths % 1000);
    m_results->append(std::move(row));
}

} // namespace tallyard
