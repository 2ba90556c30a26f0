// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The board's live state kept on disk (board.json), so that the board comes back after a
// crash or a power cut. The board offers each new state and goes on; a worker thread writes
// the latest one within a second of a change, atomically and synced, so the file on disk is
// always one whole state. A clean quit marks the file clean.

#include "platform/system/Notices.h"
#include "scoreboard/state/BoardSchema.h"
#include "scoreboard/state/BoardState.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace tallyard {

// What a board.json gave back: the state with the fields the file held validly (only those
// that come back after a crash), the others as a default BoardState has them.
struct StoredBoard {
    BoardState state;
    BoardFields fields;    // the fields read
    bool clean = false;    // written at a clean quit
    int64_t writtenAt = 0; // civil local milliseconds; 0 when the file gave none

    bool has(BoardField field) const { return fields.test(static_cast<size_t>(field)); }
};

class WriteBehind;

class StateJournal {
public:
    // What the operator is to hear about a state that cannot be written; called on the
    // writer's thread. The default posts to the program's notices.
    using Reporter = std::function<void(const Notice &)>;

    // Keeps the state in file, or in defaultFile() when file is empty, through writer (a
    // writer of its own when none is given). interval: how long a change that is only text
    // being typed may wait, so that a burst of keys costs one write; a change the operator
    // committed (a number, a score, a clock started, stopped or set) is written at once.
    explicit StateJournal(const QString &file = {}, Reporter report = {},
                          std::chrono::milliseconds interval = std::chrono::seconds(1),
                          std::shared_ptr<WriteBehind> writer = {});
    // Writes a state still waiting (not clean).
    ~StateJournal();
    StateJournal(const StateJournal &) = delete;
    StateJournal &operator=(const StateJournal &) = delete;

    // Takes a new state from the board and returns at once; never waits for the disk.
    void offer(const BoardState &state);
    // At a clean quit: writes the latest state once more, marked clean, and waits for it.
    // Nothing is written when no state was ever offered. True when the file was written.
    bool markClean();
    // Writes a waiting state now and waits for it; true when nothing is left unwritten.
    bool flush();

    QString fileName() const;
    // Files written so far.
    int writes() const;

    // $XDG_STATE_HOME/Tallyard/board.json (~/.local/state by default) on Linux, the
    // application's local data folder elsewhere.
    static QString defaultFile();
    // A test seam: the folder board.json is kept in; an empty path brings the real one back.
    static void setFolderOverride(const QString &folder);

    // The file's bytes for a state. writtenAt: civil local milliseconds.
    static QByteArray toJson(const BoardState &state, bool clean, int64_t writtenAt);
    // What bytes hold of a state: nothing for damaged JSON or another format; else each valid
    // field, the others left out. One line in problems (when given) for each thing ignored.
    static std::optional<StoredBoard> read(QByteArrayView bytes, QStringList *problems);
    // The same from a file; nothing, and no problem, when there is no file.
    static std::optional<StoredBoard> readFile(const QString &path, QStringList *problems);

    static constexpr int Format = 1;
    static constexpr qsizetype MaxFileBytes = 1 << 20;

private:
    QString m_path;
    Reporter m_report;
    std::shared_ptr<WriteBehind> m_writer;
    int m_lane = 0;
    std::optional<BoardState> m_offered; // the caller's: the last state offered
};

} // namespace tallyard
