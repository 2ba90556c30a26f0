// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/WriteBehind.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace tallyard {

namespace {
using Clock = std::chrono::steady_clock;
}

class WriteBehind::Worker {
public:
    Worker()
    {
        m_thread = std::thread([this] { run(); });
    }

    ~Worker()
    {
        {
            std::unique_lock lock(m_mutex);
            waitForFlush(lock);
            m_stopping = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    Lane open(const LaneOptions &options, Write write, Listen listen)
    {
        std::lock_guard lock(m_mutex);
        const Lane id = m_nextLane++;
        LaneState &lane = m_lanes[id];
        lane.options = options;
        lane.write = std::move(write);
        lane.listen = std::move(listen);
        lane.failing = options.startsFailing;
        return id;
    }

    void put(Lane id, QByteArray bytes, bool urgent)
    {
        {
            std::lock_guard lock(m_mutex);
            const auto found = m_lanes.find(id);
            if (found == m_lanes.end())
                return;
            LaneState &lane = found->second;
            const Clock::time_point now = Clock::now();
            if (lane.options.keep == Keep::Every) {
                if (static_cast<int64_t>(lane.pieces.size()) >= lane.options.maxBacklog) {
                    if (lane.dropped++ == lane.droppedReported)
                        lane.events.push_back({Event::BacklogFull, {}, lane.options.maxBacklog});
                } else {
                    lane.pieces.push_back({std::move(bytes), ++m_sequence});
                }
            } else {
                const Clock::time_point due = urgent ? now : now + lane.options.delay;
                if (lane.pieces.empty()) {
                    lane.pieces.push_back({std::move(bytes), ++m_sequence});
                    lane.dueAt = due;
                } else {
                    lane.pieces.front() = {std::move(bytes), ++m_sequence};
                    lane.dueAt = std::min(lane.dueAt, due);
                }
            }
            // A lane that fails tries again with each new piece, as well as on its retry time.
            if (lane.failing)
                lane.retryAt = now;
        }
        m_wake.notify_all();
    }

    bool flush(Lane id)
    {
        std::unique_lock lock(m_mutex);
        waitForFlush(lock);
        const auto found = m_lanes.find(id);
        return found == m_lanes.end() || found->second.pieces.empty();
    }

    int64_t close(Lane id)
    {
        std::unique_lock lock(m_mutex);
        waitForFlush(lock);
        m_done.wait(lock, [&] { return m_busy != id; });
        const auto found = m_lanes.find(id);
        if (found == m_lanes.end())
            return 0;
        const auto left = static_cast<int64_t>(found->second.pieces.size());
        m_lanes.erase(found);
        return left;
    }

    int64_t writes(Lane id) const
    {
        std::lock_guard lock(m_mutex);
        const auto found = m_lanes.find(id);
        return found == m_lanes.end() ? 0 : found->second.writes;
    }

    int64_t dropped(Lane id) const
    {
        std::lock_guard lock(m_mutex);
        const auto found = m_lanes.find(id);
        return found == m_lanes.end() ? 0 : found->second.dropped;
    }

private:
    struct Piece {
        QByteArray bytes;
        uint64_t sequence = 0;
    };
    struct LaneState {
        LaneOptions options;
        Write write;
        Listen listen;
        std::deque<Piece> pieces; // a Latest lane holds one at most
        Clock::time_point dueAt;  // when a Latest lane's piece is to be written
        bool failing = false;
        Clock::time_point retryAt;
        uint64_t failedInFlush = 0; // the flush in which the lane last failed
        int64_t dropped = 0;
        int64_t droppedReported = 0;
        int64_t writes = 0;
        std::vector<Event> events; // waiting to be told, on this thread
    };

    void waitForFlush(std::unique_lock<std::mutex> &lock)
    {
        const uint64_t ticket = ++m_flushAsked;
        m_wake.notify_all();
        m_done.wait(lock, [&] { return m_flushAnswered >= ticket; });
    }

    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            tellEvents(lock);
            if (m_flushAsked > m_flushAnswered) {
                // Everything waiting, in order, each lane until it fails once.
                const uint64_t ticket = m_flushAsked;
                while (LaneEntry *lane = pick(Clock::time_point::max(), ticket, nullptr))
                    writeFirst(*lane, lock, ticket);
                tellEvents(lock);
                m_flushAnswered = ticket;
                m_done.notify_all();
                continue;
            }
            if (m_stopping)
                return;
            Clock::time_point wake = Clock::time_point::max();
            if (LaneEntry *lane = pick(Clock::now(), 0, &wake)) {
                writeFirst(*lane, lock, 0);
                continue;
            }
            // Any notice (a new piece, a flush, the end) or the next piece's time: the loop
            // looks again at everything.
            if (wake == Clock::time_point::max())
                m_wake.wait(lock);
            else
                m_wake.wait_until(lock, wake);
        }
    }

    using LaneEntry = std::map<Lane, LaneState>::value_type;

    // The lane whose first piece is due by now and was handed over first; in a flush (ticket)
    // every lane that has not failed in it is due. wake: when the next piece falls due.
    LaneEntry *pick(Clock::time_point now, uint64_t ticket, Clock::time_point *wake)
    {
        LaneEntry *chosen = nullptr;
        for (LaneEntry &entry : m_lanes) {
            LaneState &lane = entry.second;
            if (lane.pieces.empty())
                continue;
            if (ticket != 0 && lane.failedInFlush == ticket)
                continue;
            Clock::time_point due = now;
            if (ticket == 0) {
                due = lane.failing ? lane.retryAt : lane.options.keep == Keep::Latest ? lane.dueAt : now;
                if (lane.failing && lane.options.keep == Keep::Latest)
                    due = std::max(due, lane.dueAt);
            }
            if (due > now) {
                if (wake)
                    *wake = std::min(*wake, due);
                continue;
            }
            if (!chosen || lane.pieces.front().sequence < chosen->second.pieces.front().sequence)
                chosen = &entry;
        }
        return chosen;
    }

    void writeFirst(LaneEntry &entry, std::unique_lock<std::mutex> &lock, uint64_t ticket)
    {
        LaneState &lane = entry.second;
        const Piece piece = lane.pieces.front();
        m_busy = entry.first;
        lock.unlock();
        QString error;
        const bool written = lane.write(piece.bytes, &error);
        lock.lock();
        if (written) {
            // A Latest lane may have been handed a newer piece meanwhile: that one stays.
            if (!lane.pieces.empty() && lane.pieces.front().sequence == piece.sequence)
                lane.pieces.pop_front();
            ++lane.writes;
            if (lane.failing) {
                lane.failing = false;
                lane.events.push_back({Event::Recovered, {}, 0});
            }
            if (lane.dropped > lane.droppedReported && lane.pieces.empty()) {
                lane.events.push_back({Event::Dropped, {}, lane.dropped - lane.droppedReported});
                lane.droppedReported = lane.dropped;
            }
        } else {
            lane.retryAt = Clock::now() + RetryInterval;
            if (ticket != 0)
                lane.failedInFlush = ticket;
            if (!lane.failing) {
                lane.failing = true;
                lane.events.push_back({Event::Failed, error, 0});
            }
        }
        tellEvents(lock);
        m_busy = 0;
        m_done.notify_all();
    }

    // Tells each lane's owner what happened, without the lock, so that an owner may call in.
    void tellEvents(std::unique_lock<std::mutex> &lock)
    {
        for (LaneEntry &entry : m_lanes) {
            LaneState &lane = entry.second;
            if (lane.events.empty() || !lane.listen)
                continue;
            const std::vector<Event> events = std::exchange(lane.events, {});
            const Lane previous = m_busy;
            m_busy = entry.first;
            lock.unlock();
            for (const Event &event : events)
                lane.listen(event);
            lock.lock();
            m_busy = previous;
        }
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::map<Lane, LaneState> m_lanes; // a map: a lane stays where it is while others come and go
    Lane m_nextLane = 1;
    Lane m_busy = 0; // the lane being written or told, 0 for none
    uint64_t m_sequence = 0;
    uint64_t m_flushAsked = 0;
    uint64_t m_flushAnswered = 0;
    bool m_stopping = false;
    std::thread m_thread; // last: starts when everything above is ready
};

WriteBehind::WriteBehind() : m_worker(std::make_unique<Worker>()) { }

WriteBehind::~WriteBehind() = default;

WriteBehind::Lane WriteBehind::open(const LaneOptions &options, Write write, Listen listen)
{
    return m_worker->open(options, std::move(write), std::move(listen));
}

void WriteBehind::put(Lane lane, QByteArray bytes, bool urgent)
{
    m_worker->put(lane, std::move(bytes), urgent);
}

bool WriteBehind::flush(Lane lane)
{
    return m_worker->flush(lane);
}

int64_t WriteBehind::close(Lane lane)
{
    return m_worker->close(lane);
}

int64_t WriteBehind::writes(Lane lane) const
{
    return m_worker->writes(lane);
}

int64_t WriteBehind::dropped(Lane lane) const
{
    return m_worker->dropped(lane);
}

} // namespace tallyard
