// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The results record as a spreadsheet will read it: whole rows in the order of the commits,
// quoted and guarded text, scores with a point in any locale, a file only ever added to, and
// a disk that fails told once while the rows wait for it.

#include "scoreboard/meet/ResultsRecord.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
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

// The reports, as the record calls them from its thread.
struct Reports {
    std::mutex mutex;
    QStringList lines;
    ResultsRecord::Reporter reporter()
    {
        return [this](const QString &line) {
            std::lock_guard lock(mutex);
            lines << line;
        };
    }
    qsizetype containing(const char *what)
    {
        std::lock_guard lock(mutex);
        return lines.filter(QString::fromLatin1(what)).size();
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
        {3, 14, 12, "Floor", 12, "Anna Müller", "TSV", 9, 850, "2026-03-14T12:00:05.250+01:00,Floor,12,Anna Müller,TSV,9.850"},
        {7, 1, 9, "Vault", 7, "Smith, \"Jo\"", "A,B", 10, 5, "2026-07-01T09:00:05.250+02:00,Vault,7,\"Smith, \"\"Jo\"\"\",\"A,B\",10.005"},
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
                        QString::fromUtf8(c.event), c.number, QString::fromUtf8(c.name), QString::fromUtf8(c.team),
                        c.whole, c.thousandths};
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
        EXPECT_EQ(contents(file), QByteArray(c.before ? c.before : "") + c.between + first
                      + ResultsRecord::formatRow(row(2)));
    }
}

TEST_F(ResultsRecordTest, AnUnwritableRecordIsToldOnceAndItsRowsFollowInOrderWhenItIsWritable)
{
    struct Fault {
        const char *name;
        bool (*make)(const QString &file);
        bool (*clear)(const QString &file);
    };
    const Fault faults[] = {
        {"a folder in the file's place", [](const QString &file) { return QDir().mkpath(file); },
         [](const QString &file) { return QDir(file).removeRecursively(); }},
        {"a read-only folder",
         [](const QString &file) {
             const QString folder = QFileInfo(file).absolutePath();
             return QDir().mkpath(folder) && QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
         },
         [](const QString &file) {
             return QFile::setPermissions(QFileInfo(file).absolutePath(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
         }},
    };
    for (const Fault &fault : faults) {
        SCOPED_TRACE(fault.name);
#ifndef _WIN32
        if (std::string(fault.name) == "a read-only folder" && geteuid() == 0)
            continue; // permissions do not stop the superuser
#endif
        Reports reports;
        const QString file = m_dir.filePath(QString::fromLatin1(fault.name) + QStringLiteral("/meet.csv"));
        ASSERT_TRUE(fault.make(file));
        {
            ResultsRecord record(file, reports.reporter());
            record.append(row(1));
            EXPECT_FALSE(record.flush());
            record.append(row(2));
            EXPECT_FALSE(record.flush());
            EXPECT_EQ(reports.containing("cannot write"), 1);
            ASSERT_TRUE(fault.clear(file));
            record.append(row(3));
            EXPECT_TRUE(record.flush());
        }
        EXPECT_EQ(contents(file), ResultsRecord::header() + ResultsRecord::formatRow(row(1))
                      + ResultsRecord::formatRow(row(2)) + ResultsRecord::formatRow(row(3)));
        EXPECT_EQ(reports.containing("cannot write"), 1);
        EXPECT_EQ(reports.containing("again"), 2); // kept and tried again; writing again
    }
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
        EXPECT_EQ(m_reports.containing("backlog"), 1);
    }
    EXPECT_EQ(m_reports.containing("10000 rows could not be written"), 1);
}

} // namespace
} // namespace tallyard
