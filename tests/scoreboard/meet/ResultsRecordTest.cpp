// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The results record as a spreadsheet will read it: whole rows in the order of the commits,
// quoted and guarded text, scores with a point in any locale, a file only ever added to, a
// disk that fails told once while the rows wait for it, and a file saved over, deleted or cut
// by hand while the program runs.

#include "platform/system/DurableFile.h"
#include "platform/system/WriteBehind.h"
#include "scoreboard/meet/ResultsRecord.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tallyard {
using test::civilMs;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The notices, as the record posts them from its thread.
struct Reports {
    std::mutex mutex;
    QStringList lines;
    QList<Notice> notices;
    ResultsRecord::Reporter reporter()
    {
        return [this](const Notice &notice) {
            std::lock_guard lock(mutex);
            lines << notice.text;
            notices << notice;
        };
    }
    qsizetype containing(const char *what)
    {
        std::lock_guard lock(mutex);
        return lines.filter(QString::fromLatin1(what)).size();
    }
    QString all()
    {
        std::lock_guard lock(mutex);
        return lines.join(u'\n');
    }
};

ResultRow row(int number, const QString &name = QStringLiteral("Anna"))
{
    ResultRow r;
    r.localMs = civilMs(2026, 3, 14, 12, 0, 5, 250);
    r.event = QStringLiteral("Floor");
    r.number = number;
    r.name = name;
    r.team = QStringLiteral("TSV");
    r.scoreWhole = 9;
    r.scoreThousandths = 850;
    return r;
}

class ResultsRecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Central European time whatever the machine's zone, winter and summer.
        m_zone = qgetenv("TZ");
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
        ResultsRecord::setFolderOverride(m_dir.filePath(QStringLiteral("day/results")));
    }
    void TearDown() override
    {
        AppendOnlyFile::setSpaceOverride(-1);
        ResultsRecord::setFolderOverride({});
        if (m_zone.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", m_zone);
        tzset();
    }
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    Reports m_reports;

private:
    QByteArray m_zone;
};

TEST_F(ResultsRecordTest, ScriptedCommitsGiveQuotedGuardedRowsWithAPointInAGermanLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // where the machine has it
    struct Case {
        int month, day, hour;
        const char *event;
        int number;
        const char *name, *team;
        int whole, thousandths;
        const char *expected;
    };
    const Case cases[] = {
        {3, 14, 12, "Floor", 12, "Anna Müller", "TSV", 9, 850,
         "2026-03-14T12:00:05.250+01:00,Floor,12,Anna Müller,TSV,9.850"},
        {7, 1, 9, "Vault", 7, "Smith, \"Jo\"", "A,B", 10, 5,
         "2026-07-01T09:00:05.250+02:00,Vault,7,\"Smith, \"\"Jo\"\"\",\"A,B\",10.005"},
        {7, 1, 9, "=1+1", 1, "+49 111", "-x", 0, 0, "2026-07-01T09:00:05.250+02:00,'=1+1,1,'+49 111,'-x,0.000"},
        {7, 1, 9, "@SUM(A1,A2)", 2, "\tTab", "two\nlines", 19, 999,
         "2026-07-01T09:00:05.250+02:00,\"'@SUM(A1,A2)\",2,'\tTab,\"two\nlines\",19.999"},
        {12, 31, 23, "", -1, "\rCR", "", -1, 0, "2026-12-31T23:00:05.250+01:00,,,\"'\rCR\",,"},
    };
    {
        test::FakeLocalTime now(2026, 3, 14, 11, 59, 0);
        ResultsRecord record({}, m_reports.reporter());
        EXPECT_EQ(record.fileName(), m_dir.filePath(QStringLiteral("day/results/2026-03-14.csv")));
        for (const Case &c : cases) {
            const ResultRow r{civilMs(2026, c.month, c.day, c.hour, 0, 5, 250),
                              QString::fromUtf8(c.event),
                              c.number,
                              QString::fromUtf8(c.name),
                              QString::fromUtf8(c.team),
                              c.whole,
                              c.thousandths};
            record.append(r);
        }
        EXPECT_TRUE(record.flush());
    }
    QByteArray expected = "time,event,number,name,team,score\r\n";
    for (const Case &c : cases)
        expected += QByteArray(c.expected) + "\r\n";
    EXPECT_EQ(contents(m_dir.filePath(QStringLiteral("day/results/2026-03-14.csv"))), expected);
    EXPECT_TRUE(m_reports.lines.isEmpty()) << m_reports.lines.join(u'\n').toStdString();
    std::setlocale(LC_NUMERIC, numeric.c_str());
    QLocale::setDefault(previous);
}

TEST_F(ResultsRecordTest, AnExistingFileIsOnlyAddedToWithItsLastLineClosed)
{
    const QByteArray first = ResultsRecord::formatRow(row(1));
    const struct {
        const char *name;
        const char *before; // nullptr: no file
        const char *between;
    } cases[] = {
        {"no file", nullptr, "time,event,number,name,team,score\r\n"},
        {"an empty file", "", "time,event,number,name,team,score\r\n"},
        {"closed with CRLF", "old,row\r\n", ""},
        {"closed with LF", "old,row\n", ""},
        {"cut after CR", "old,row\r", "\n"},
        {"cut in a row", "old,ro", "\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(c.name);
        if (c.before)
            write(file, c.before);
        {
            ResultsRecord record(file, m_reports.reporter());
            record.append(row(1));
            record.append(row(2));
        } // the destructor waits for both
        EXPECT_EQ(contents(file),
                  QByteArray(c.before ? c.before : "") + c.between + first + ResultsRecord::formatRow(row(2)));
    }
}

struct Fault {
    const char *name;
    bool (*make)(const QString &file);
    bool (*clear)(const QString &file);
};

// A record that cannot be written is said at the start, once; its rows wait in order and
// follow as soon as it can be written, which is said too.
void expectToldOnceAndRowsFollow(const QTemporaryDir &dir, const Fault &fault)
{
    SCOPED_TRACE(fault.name);
    Reports reports;
    const QString file = dir.filePath(QString::fromLatin1(fault.name) + QStringLiteral("/meet.csv"));
    ASSERT_TRUE(fault.make(file));
    {
        ResultsRecord record(file, reports.reporter());
        EXPECT_EQ(reports.containing("cannot be written"), 1) << "said before the first score";
        record.append(row(1));
        EXPECT_FALSE(record.flush());
        record.append(row(2));
        EXPECT_FALSE(record.flush());
        ASSERT_TRUE(fault.clear(file));
        record.append(row(3));
        EXPECT_TRUE(record.flush());
    }
    EXPECT_EQ(contents(file),
              ResultsRecord::header() + ResultsRecord::formatRow(row(1)) + ResultsRecord::formatRow(row(2))
                  + ResultsRecord::formatRow(row(3)));
    EXPECT_EQ(reports.containing("cannot be written"), 1) << reports.all().toStdString();
    EXPECT_EQ(reports.containing("written again"), 1);
    ASSERT_FALSE(reports.notices.isEmpty());
    EXPECT_EQ(reports.notices.first().kind, Notice::Lasting);
    EXPECT_EQ(reports.notices.last().kind, Notice::Mended);
}

TEST_F(ResultsRecordTest, AFolderInTheRecordsPlaceIsToldOnceAndItsRowsFollowWhenItIsGone)
{
    expectToldOnceAndRowsFollow(m_dir,
                                {"a folder in the file's place",
                                 [](const QString &file) { return QDir().mkpath(file); },
                                 [](const QString &file) { return QDir(file).removeRecursively(); }});
}

// Permissions do not stop the superuser: CTest runs this one as an unprivileged user.
TEST_F(ResultsRecordTest, Unprivileged_AReadOnlyFolderIsToldOnceAndItsRowsFollowWhenItIsWritable)
{
#ifndef _WIN32
    ASSERT_NE(geteuid(), 0u) << "run as an unprivileged user (tests/support/unprivileged.sh)";
#endif
    expectToldOnceAndRowsFollow(
        m_dir,
        {"a read-only folder",
         [](const QString &file) {
             const QString folder = QFileInfo(file).absolutePath();
             return QDir().mkpath(folder) && QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
         },
         [](const QString &file) {
             return QFile::setPermissions(QFileInfo(file).absolutePath(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
         }});
}

// What happens to a record between two scores while the program runs, by a spreadsheet's
// save (a new file renamed over it), a deletion or a hand that cuts it: every later score is
// in the file at the named path, after whole lines, and a file swapped or deleted is said.
TEST_F(ResultsRecordTest, TheRecordAtItsPathGetsEveryScoreWhateverHappenedToTheFile)
{
    const QByteArray header = ResultsRecord::header();
    const QByteArray first = ResultsRecord::formatRow(row(1));
    const QByteArray second = ResultsRecord::formatRow(row(2));
    const struct {
        const char *name;
        void (*change)(const QString &file);
        QByteArray expected;
        const char *said; // nullptr: nothing is said
    } cases[] = {
        {"saved over by a spreadsheet",
         [](const QString &file) {
             ASSERT_TRUE(QFile::copy(file, file + QStringLiteral(".new")));
             ASSERT_EQ(std::rename(QFile::encodeName(file + QStringLiteral(".new")).constData(),
                                   QFile::encodeName(file).constData()),
                       0);
         },
         header + first + second, "replaced"},
        {"deleted", [](const QString &file) { ASSERT_TRUE(QFile::remove(file)); }, header + second, "deleted"},
        {"emptied by hand", [](const QString &file) { ASSERT_TRUE(QFile::resize(file, 0)); }, header + second, nullptr},
        {"its last line break lost",
         [](const QString &file) { ASSERT_TRUE(QFile::resize(file, QFileInfo(file).size() - 2)); },
         header + first.chopped(2) + "\r\n" + second, nullptr},
        {"its last LF lost", [](const QString &file) { ASSERT_TRUE(QFile::resize(file, QFileInfo(file).size() - 1)); },
         header + first.chopped(1) + "\n" + second, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Reports reports;
        const QString file = path(c.name);
        {
            ResultsRecord record(file, reports.reporter());
            record.append(row(1));
            ASSERT_TRUE(record.flush());
            c.change(file);
            record.append(row(2));
            ASSERT_TRUE(record.flush());
        }
        EXPECT_EQ(contents(file), c.expected);
        EXPECT_EQ(reports.lines.size(), c.said ? 1 : 0) << reports.all().toStdString();
        if (c.said) {
            EXPECT_EQ(reports.containing(c.said), 1) << reports.all().toStdString();
        }
    }
}

// Two copies of the program on one record (a board started twice): the second hears of the
// first, and each keeps its rows.
TEST_F(ResultsRecordTest, TwoWritersOfOneRecordAreSaidAndBothKeepTheirRows)
{
    const QString file = path("shared");
    Reports second;
    {
        ResultsRecord first(file, m_reports.reporter());
        ResultsRecord other(file, second.reporter());
        for (int n = 1; n <= 3; ++n) {
            first.append(row(n));
            ASSERT_TRUE(first.flush());
            other.append(row(10 + n));
            ASSERT_TRUE(other.flush());
        }
    }
    QByteArray expected = ResultsRecord::header();
    for (int n = 1; n <= 3; ++n)
        expected += ResultsRecord::formatRow(row(n)) + ResultsRecord::formatRow(row(10 + n));
    EXPECT_EQ(contents(file), expected);
    EXPECT_EQ(second.containing("Another program is writing"), 1) << second.all().toStdString();
}

// A disk that fills in the middle of a row: the part written is cut back, the reason is the
// system's own, and the row goes in whole, once, when there is room again, before the rows
// that came after it.
TEST_F(ResultsRecordTest, AFullDiskLeavesOnlyWholeRowsAndTheWaitingRowsFollowInOrder)
{
    const QString file = path("full");
    const QByteArray before = ResultsRecord::header() + ResultsRecord::formatRow(row(1));
    {
        ResultsRecord record(file, m_reports.reporter());
        record.append(row(1));
        ASSERT_TRUE(record.flush());
        AppendOnlyFile::setSpaceOverride(before.size() + 20);
        record.append(row(2));
        EXPECT_FALSE(record.flush());
        EXPECT_EQ(contents(file), before) << "no part of a row";
        record.append(row(3));
        EXPECT_FALSE(record.flush());
        EXPECT_EQ(contents(file), before);
        AppendOnlyFile::setSpaceOverride(-1);
        // Room again: the writer's own retry brings the rows, without a new score.
        QElapsedTimer waited;
        waited.start();
        while (contents(file).size() == before.size() && waited.elapsed() < 10000)
            QThread::msleep(50);
        EXPECT_TRUE(record.flush());
    }
    EXPECT_EQ(contents(file), before + ResultsRecord::formatRow(row(2)) + ResultsRecord::formatRow(row(3)));
    EXPECT_EQ(m_reports.containing("No space left on device"), 1) << m_reports.all().toStdString();
    EXPECT_EQ(m_reports.containing("written again"), 1);
}

TEST_F(ResultsRecordTest, ABacklogBeyondItsBoundDropsRowsAndSaysSo)
{
    const QString file = path("blocked");
    ASSERT_TRUE(QDir().mkpath(file));
    {
        ResultsRecord record(file, m_reports.reporter());
        for (qsizetype i = 0; i < ResultsRecord::MaxBacklog + 3; ++i)
            record.append(row(1));
        EXPECT_FALSE(record.flush());
        EXPECT_EQ(record.dropped(), 3);
        EXPECT_EQ(m_reports.containing("newer scores are not kept"), 1);
    }
    EXPECT_EQ(m_reports.containing("10000 scores could not be written"), 1);
}

} // namespace
} // namespace tallyard
