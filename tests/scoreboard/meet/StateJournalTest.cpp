// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The state file as the next start will read it: a whole state after a burst of changes,
// and from a damaged or foreign file every value that is valid and nothing else.

#include "scoreboard/meet/StateJournal.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace tallyard {
namespace {

BoardState sample()
{
    BoardState s;
    s.event = QStringLiteral("Vault");
    s.name = QStringLiteral("Zoë");
    s.team = QStringLiteral("TSV \"Nord\"");
    s.number = 42;
    s.scoreWhole = 13;
    s.scoreThousandths = 475;
    s.clocks[BoardState::Routine] = {72.5, 1000, true, false, 90};
    s.clocks[BoardState::WarmUp] = {30, 2000, false, true, 1200};
    s.homePicture = QStringLiteral("/meet/home.png");
    return s;
}

TEST(StateJournal, ABurstOfTypingEndsAsTheLastStateWholeOnDisk)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("state/board.json"));
    StateJournal journal(file, {}, std::chrono::milliseconds(200));
    BoardState state = sample();
    journal.offer(state);
    ASSERT_TRUE(journal.flush());
    const int before = journal.writes();
    for (int i = 0; i < 50; ++i) {
        state.name += u'x';
        journal.offer(state);
    }
    // Written by itself once the interval is over, nobody asking.
    for (int waited = 0; journal.writes() == before && waited < 10000; waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(journal.writes(), before + 1) << "typing waits for its interval, then goes to disk";
    ASSERT_TRUE(journal.flush());
    EXPECT_LE(journal.writes(), before + 3) << "a burst costs a write or two, not one each";
    QStringList problems;
    const auto kept = StateJournal::readFile(file, &problems);
    ASSERT_TRUE(kept.has_value());
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    EXPECT_FALSE(kept->clean);
    EXPECT_EQ(kept->state.number, 42);
    EXPECT_EQ(kept->state.name, state.name);
    EXPECT_EQ(kept->state.team, state.team);
    EXPECT_TRUE(kept->state.clocks[BoardState::Routine].sameAs(state.clocks[BoardState::Routine]));
    EXPECT_TRUE(kept->state.clocks[BoardState::WarmUp].sameAs(state.clocks[BoardState::WarmUp]));
    ASSERT_TRUE(journal.markClean());
    EXPECT_TRUE(StateJournal::readFile(file, nullptr)->clean);
    EXPECT_FALSE(StateJournal::readFile(dir.filePath(QStringLiteral("none.json")), &problems).has_value());
}

// What the operator committed is on disk as soon as the writer can take it, however long
// typing may wait: a crash a moment after a score brings the score back.
TEST(StateJournal, ACommittedChangeIsWrittenAtOnce)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("board.json"));
    StateJournal journal(file, {}, std::chrono::hours(1));
    BoardState state = sample();
    journal.offer(state);
    const struct {
        const char *name;
        void (*change)(BoardState &state);
    } changes[] = {
        {"a number", [](BoardState &s) { s.number = 7; }},
        {"a score", [](BoardState &s) { s.scoreThousandths = 500; }},
        {"a clock stopped", [](BoardState &s) { s.clocks[BoardState::Routine].running = false; }},
        {"a clock reset", [](BoardState &s) { s.clocks[BoardState::WarmUp].seconds = 1200; }},
    };
    for (const auto &c : changes) {
        SCOPED_TRACE(c.name);
        c.change(state);
        const int before = journal.writes();
        journal.offer(state);
        for (int waited = 0; journal.writes() == before && waited < 10000; waited += 5)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const auto kept = StateJournal::readFile(file, nullptr);
        ASSERT_TRUE(kept.has_value());
        EXPECT_EQ(kept->state.number, state.number);
        EXPECT_EQ(kept->state.scoreThousandths, state.scoreThousandths);
        EXPECT_TRUE(kept->state.clocks[BoardState::WarmUp].sameAs(state.clocks[BoardState::WarmUp]));
    }
}

// Each broken file keeps what it can: the fields named in `kept` are read, every ignored
// value is one line for the operator.
TEST(StateJournal, ADamagedFileGivesBackWhatIsValidAndSaysWhatIsNot)
{
    const QByteArray whole = StateJournal::toJson(sample(), false, 5000);
    const auto edited = [&whole](const char *from, const char *to) {
        QByteArray bytes = whole;
        const qsizetype at = bytes.indexOf(from);
        EXPECT_GE(at, 0) << from;
        return bytes.replace(at, qstrlen(from), to);
    };
    using F = BoardField;
    const auto set = [](std::initializer_list<BoardField> fields) {
        BoardFields out;
        for (const BoardField field : fields)
            out.set(static_cast<size_t>(field));
        return out;
    };
    const struct {
        const char *name;
        QByteArray bytes;
        bool read;
        BoardFields kept, lost;
    } cases[]{
        {"Whole", whole, true,
         set({F::Event, F::Name, F::Team, F::Number, F::Score, F::RoutineClock, F::FallClock, F::WarmUpClock,
              F::HomePicture, F::VisitorPicture}),
         set({F::BackColor, F::DigitStyle})}, // the look is the settings': never read back
        {"NumberOutOfRange", edited("\"number\": 42", "\"number\": 12345"), true, set({F::Name, F::Score}),
         set({F::Number})},
        {"ScoreOutOfRange", edited("\"whole\": 13", "\"whole\": 20"), true, set({F::Number}), set({F::Score})},
        {"NameNotText", edited("\"name\": \"Zo", "\"name\": 7, \"x\": \"Zo"), true, set({F::Team}), set({F::Name})},
        {"ClockNotANumber", edited("\"seconds\": 72.5", "\"seconds\": \"soon\""), true, set({F::Number}),
         set({F::RoutineClock})},
        {"Cut", whole.left(whole.size() / 2), false, {}, {}},
        {"AnotherVersion", edited("\"format\": 1", "\"format\": 2"), false, {}, {}},
        {"NotJson", QByteArray("\x89PNG\r\n\x1a\n", 8), false, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList problems;
        const auto kept = StateJournal::read(c.bytes, &problems);
        ASSERT_EQ(kept.has_value(), c.read);
        EXPECT_EQ(problems.isEmpty(), c.read && (c.lost & ~set({F::BackColor, F::DigitStyle})).none())
            << problems.join(u'\n').toStdString();
        if (!kept)
            continue;
        EXPECT_EQ(kept->fields & c.kept, c.kept);
        EXPECT_TRUE((kept->fields & c.lost).none());
        EXPECT_EQ(kept->writtenAt, 5000);
    }
}

} // namespace
} // namespace tallyard
