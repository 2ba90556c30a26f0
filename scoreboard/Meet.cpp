// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/Meet.h"

#include "platform/forms/VirtualKeys.h"
#include "platform/intrinsics/TextBox.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/meet/ResultsRecord.h"
#include "scoreboard/state/BoardState.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

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
    const BoardState &k = kept.state;
    if (kept.has(StoredBoard::Event))
        board.event = k.event;
    if (kept.has(StoredBoard::Name))
        board.name = k.name;
    if (kept.has(StoredBoard::Team))
        board.team = k.team;
    if (kept.has(StoredBoard::Number))
        board.number = k.number;
    if (kept.has(StoredBoard::Score)) {
        board.scoreWhole = k.scoreWhole;
        board.scoreThousandths = k.scoreThousandths;
    }
    for (size_t i = 0; i < board.clocks.size(); ++i)
        if (kept.has(StoredBoard::clockField(i)))
            board.clocks[i] = k.clocks[i];
    if (kept.has(StoredBoard::HomePicture))
        board.homePicture = k.homePicture;
    if (kept.has(StoredBoard::VisitorPicture))
        board.visitorPicture = k.visitorPicture;
    return board;
}

} // namespace

Meet::Meet(const MeetOptions &options, QTextStream &err) : m_err(err), m_resume(options.resume)
{
    // What the last run kept, read before this run writes anything.
    QStringList problems;
    m_kept = StateJournal::readFile(StateJournal::defaultFile(), &problems);
    for (const QString &problem : problems)
        m_err << "tallyard: " << StateJournal::defaultFile() << ": " << problem << '\n';
    m_err.flush();
    if (!options.startList.isEmpty())
        loadList(options.startList);
    if (!options.noResults)
        m_results = std::make_unique<ResultsRecord>(options.results);
}

Meet::~Meet() = default;

void Meet::attach(frmScoreboard *board)
{
    m_board = board;
    if (m_kept && (!m_kept->clean || m_resume)) {
        board->RestoreState(overlay(board->State(), *m_kept), localMilliseconds());
        m_err << QCoreApplication::translate("Meet", "tallyard: restored the board of %1").arg(timeOfDay(m_kept->writtenAt))
              << '\n';
        m_err.flush();
    }
    // From now on the board's state is kept, within a second of each change; a board brought
    // back is kept at once, as a crash now must not lose it again.
    m_journal = std::make_unique<StateJournal>();
    if (m_kept && (!m_kept->clean || m_resume))
        m_journal->offer(board->State());
    m_kept.reset();
    connect(&boardStates(), &BoardStatePublisher::changed, this, [this](const BoardState &state) {
        if (m_journal)
            m_journal->offer(state);
    });
    connect(board, &frmScoreboard::GymnastNumberCommitted, this, &Meet::fillFromList);
    connect(board, &frmScoreboard::OtherKey, this, [this](qint16 code) {
        // What presentation remotes send; a command key the operator put on them came first.
        if (code == vk::Next || code == vk::Prior)
            step(code == vk::Next);
    });
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
        m_err << "tallyard: " << path << ": " << problem << '\n';
    m_err << (list.size() == 1
                  ? QCoreApplication::translate("Meet", "tallyard: 1 gymnast in the start list %1").arg(path)
                  : QCoreApplication::translate("Meet", "tallyard: %1 gymnasts in the start list %2").arg(list.size()).arg(path))
          << '\n';
    m_err.flush();
    // A dropped file that holds nobody leaves the list there was.
    if (!list.isEmpty() || m_list.isEmpty())
        m_list = std::move(list);
}

void Meet::fillFromList(qint16 number)
{
    const StartListEntry *entry = m_list.find(number);
    if (!entry || !m_board)
        return;
    m_board->ShowGymnast(static_cast<qint16>(entry->number), entry->name, entry->team, entry->picture);
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
    if (!m_results || !m_board)
        return;
    const BoardState state = m_board->State();
    ResultRow row;
    row.localMs = localMilliseconds();
    row.event = state.event;
    row.number = state.number;
    row.name = state.name;
    row.team = state.team;
    const int64_t thousandths = std::llround(score.toDouble() * 1000);
    row.scoreWhole = static_cast<int>(thousandths / 1000);
    row.scoreThousandths = static_cast<int>(thousandths % 1000);
    m_results->append(std::move(row));
}

} // namespace tallyard
