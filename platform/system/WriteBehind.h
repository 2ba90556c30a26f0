// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// One writer thread for the files a program keeps while it runs, so that its caller never
// waits for a disk: it hands bytes over and goes on. Each lane is one file with a write of its
// owner's; a lane keeps every piece in order (the rows of a journal) or only the newest (a
// state replaced whole). Pieces are written in the order they were handed over, across lanes,
// so that a file handed its piece first (the state) is never behind one handed its piece
// after (the row the state explains). A lane whose writes fail keeps its pieces and tries
// again every RetryInterval, with each new piece and at each flush; its owner hears once when
// it starts failing and once when it writes again.

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace tallyard {

class WriteBehind {
public:
    // What a lane's owner hears, on the writer's thread.
    struct Event {
        enum Kind {
            Failed,      // writes stopped working: error says why
            Recovered,   // a write worked again after Failed
            BacklogFull, // an Every lane holds count pieces; newer ones are dropped
            Dropped,     // the backlog has drained; count pieces were dropped
        } kind;
        QString error;
        int64_t count = 0;
    };
    // Writes one piece; false, with the reason, when it did not reach the disk whole.
    using Write = std::function<bool(const QByteArray &bytes, QString *error)>;
    using Listen = std::function<void(const Event &event)>;

    enum class Keep { Every, Latest };
    struct LaneOptions {
        Keep keep = Keep::Every;
        // Latest: how long a piece not handed over as urgent may wait, so that a burst of
        // changes costs one write.
        std::chrono::milliseconds delay{0};
        // Every: the pieces kept while the lane fails; newer ones are dropped.
        int64_t maxBacklog = 10000;
        // The owner knows already that writes will fail (and has said so): the first write
        // that works then raises Recovered, and the first failure no Failed.
        bool startsFailing = false;
    };
    using Lane = int;

    WriteBehind();
    // Every lane's pieces are tried once more; then the thread stops.
    ~WriteBehind();
    WriteBehind(const WriteBehind &) = delete;
    WriteBehind &operator=(const WriteBehind &) = delete;

    Lane open(const LaneOptions &options, Write write, Listen listen);
    // Hands a piece over and returns at once.
    void put(Lane lane, QByteArray bytes, bool urgent = true);
    // Waits until every piece handed over to any lane is written, or was tried once more and
    // failed; true when the lane has nothing left waiting.
    bool flush(Lane lane);
    // Flushes, then forgets the lane: no write or event of it comes after. The pieces it had
    // left unwritten.
    int64_t close(Lane lane);
    // Pieces the lane has written so far, and pieces it has dropped for a full backlog.
    int64_t writes(Lane lane) const;
    int64_t dropped(Lane lane) const;

    static constexpr std::chrono::seconds RetryInterval{2};

private:
    class Worker;
    std::unique_ptr<Worker> m_worker;
};

} // namespace tallyard
