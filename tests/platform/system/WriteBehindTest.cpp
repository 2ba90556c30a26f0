// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The one writer thread of the program's files: pieces reach their files in the order they
// were handed over, whatever else waits, and nothing waits longer than its lane allows.

#include "platform/system/WriteBehind.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace tallyard {
namespace {

using namespace std::chrono_literals;

struct Disk {
    std::mutex mutex;
    std::vector<std::string> written;
    WriteBehind::Write lane(const char *name)
    {
        return [this, name](const QByteArray &bytes, QString *) {
            std::lock_guard lock(mutex);
            written.push_back(std::string(name) + ":" + bytes.toStdString());
            return true;
        };
    }
    std::vector<std::string> now()
    {
        std::lock_guard lock(mutex);
        return written;
    }
    bool waitFor(size_t count)
    {
        for (int waited = 0; waited < 5000; waited += 5) {
            if (now().size() >= count)
                return true;
            std::this_thread::sleep_for(5ms);
        }
        return false;
    }
};

TEST(WriteBehind, PiecesGoInTheOrderHandedOverAndNoneWaitsForAnotherLanesDelay)
{
    const struct {
        const char *name;
        bool stateUrgent;
        std::vector<std::string> promptly; // written without a flush, in this order
    } cases[] = {
        {"a committed state, then its row", true, {"state:1", "row:1"}},
        {"typing waiting its delay, then a row", false, {"row:1"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Disk disk;
        WriteBehind writer;
        const auto state = writer.open({WriteBehind::Keep::Latest, std::chrono::hours(1)}, disk.lane("state"), {});
        const auto rows = writer.open({}, disk.lane("row"), {});
        writer.put(state, "1", c.stateUrgent);
        std::this_thread::sleep_for(50ms); // the writer waits by now, for whatever it waits for
        writer.put(rows, "1");
        ASSERT_TRUE(disk.waitFor(c.promptly.size()));
        std::this_thread::sleep_for(20ms);
        EXPECT_EQ(disk.now(), c.promptly);
        writer.flush(state);
        EXPECT_EQ(disk.now().size(), 2u) << "a flush writes what waits";
        writer.close(state);
        writer.close(rows);
    }
}

TEST(WriteBehind, AFailingLaneKeepsItsPiecesInOrderAndSaysSoOnce)
{
    std::mutex mutex;
    bool full = true;
    std::vector<std::string> written;
    std::vector<WriteBehind::Event::Kind> heard;
    WriteBehind writer;
    const auto lane = writer.open(
        {},
        [&](const QByteArray &bytes, QString *error) {
            std::lock_guard lock(mutex);
            if (full) {
                *error = QStringLiteral("No space left on device");
                return false;
            }
            written.push_back(bytes.toStdString());
            return true;
        },
        [&](const WriteBehind::Event &event) {
            std::lock_guard lock(mutex);
            heard.push_back(event.kind);
        });
    for (const char *piece : {"a", "b", "c"}) {
        writer.put(lane, piece);
        EXPECT_FALSE(writer.flush(lane));
    }
    {
        std::lock_guard lock(mutex);
        full = false;
    }
    EXPECT_TRUE(writer.flush(lane));
    EXPECT_EQ(written, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(heard,
              (std::vector<WriteBehind::Event::Kind>{WriteBehind::Event::Failed, WriteBehind::Event::Recovered}));
    EXPECT_EQ(writer.close(lane), 0);
}

} // namespace
} // namespace tallyard
