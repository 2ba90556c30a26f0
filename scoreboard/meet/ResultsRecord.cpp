// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/meet/ResultsRecord.h"

#include "platform/core/LocalTime.h"
#include "platform/system/DurableFile.h"
#include "platform/system/FolderOverride.h"
#include "platform/system/WriteBehind.h"
#include "scoreboard/state/BoardState.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTime>

#include <cstdio>

namespace tallyard {

namespace {

FolderOverride resultsFolderSeam;

SYSTEMTIME civilTime(int64_t localMs)
{
    const int64_t seconds = localMs >= 0 ? localMs / 1000 : (localMs - 999) / 1000;
    return fromCivilSeconds(seconds, static_cast<int>(localMs - seconds * 1000));
}

// 2026-03-14T12:00:05.250+01:00: the civil time with the zone's offset at that moment, so a
// row read after the clocks changed still says when it happened.
QByteArray isoTime(int64_t localMs)
{
    const SYSTEMTIME t = civilTime(localMs);
    const QDateTime local(QDate(t.wYear, t.wMonth, t.wDay), QTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds),
                          Qt::LocalTime);
    const int offset = local.isValid() ? local.offsetFromUtc() : 0;
    const int minutes = (offset < 0 ? -offset : offset) / 60;
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d%c%02d:%02d", t.wYear, t.wMonth, t.wDay,
                  t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return QByteArray(text);
}

// A text field as RFC 4180 has it: quoted when it holds a comma, a quote or a line break,
// its quotes doubled. A field a spreadsheet would take for a formula (= + - @, or a tab or
// CR in front, which some strip before looking) gets an apostrophe first, so that a name
// typed on the board can never run as a formula where the record is opened.
QByteArray quotedField(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    QByteArray field = text.toUtf8();
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        field.prepend('\'');
    if (field.contains(',') || field.contains('"') || field.contains('\r') || field.contains('\n')) {
        field.replace("\"", "\"\"");
        field = '"' + field + '"';
    }
    return field;
}

QByteArray scoreField(int whole, int thousandths)
{
    if (whole < 0 || thousandths < 0 || thousandths > 999)
        return {};
    // Digits and a point by hand: the record reads the same whatever the locale.
    return QByteArray::number(whole) + '.' + QByteArray::number(thousandths).rightJustified(3, '0');
}

} // namespace

namespace {

// The context the texts below are translated under.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ResultsRecord)
};

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

ResultsRecord::ResultsRecord(const QString &file, Reporter report, std::shared_ptr<WriteBehind> writer)
    : m_path(file.isEmpty() ? defaultFile() : file),
      m_report(report ? std::move(report) : Reporter([](const Notice &notice) { notices().post(notice); })),
      m_file(std::make_unique<AppendOnlyFile>(m_path, header())),
      m_writer(writer ? std::move(writer) : std::make_shared<WriteBehind>())
{
    // A record that plainly cannot be written (a folder, a read-only place) is said at the
    // start, not at the first score; it is tried all the same, and said again when it works.
    QString why;
    const bool writable = canWriteFile(m_path, &why);
    if (!writable)
        m_report(Notice::lasting(QStringLiteral("results:") + m_path,
                                 Text::tr("The results record %1 cannot be written (%2). Scores are kept and written "
                                          "as soon as it can be; or choose another file with --results.")
                                     .arg(shownPath(m_path), why)));
    WriteBehind::LaneOptions options;
    options.keep = WriteBehind::Keep::Every;
    options.maxBacklog = MaxBacklog;
    options.startsFailing = !writable;
    m_lane = m_writer->open(
        options,
        [this](const QByteArray &row, QString *error) {
            bool written = false;
            write(row, error, &written);
            return written;
        },
        [this](const WriteBehind::Event &event) {
            const QString key = QStringLiteral("results:") + m_path;
            switch (event.kind) {
            case WriteBehind::Event::Failed:
                m_report(Notice::lasting(key,
                                         Text::tr("The results record %1 cannot be written (%2). Scores are kept "
                                                  "and written as soon as it can be.")
                                             .arg(shownPath(m_path), event.error)));
                break;
            case WriteBehind::Event::Recovered:
                m_report(Notice::mended(
                    key,
                    Text::tr("The results record %1 is written again; the scores kept meanwhile are in it.")
                        .arg(shownPath(m_path))));
                break;
            case WriteBehind::Event::BacklogFull:
                m_report(
                    Notice::lasting(QStringLiteral("results-backlog:") + m_path,
                                    Text::tr("%1 scores wait for the results record %2; newer scores are not kept.")
                                        .arg(event.count)
                                        .arg(shownPath(m_path))));
                break;
            case WriteBehind::Event::Dropped:
                m_report(Notice::mended(QStringLiteral("results-backlog:") + m_path,
                                        Text::tr("%1 scores could not be kept for the results record %2.")
                                            .arg(event.count)
                                            .arg(shownPath(m_path))));
                break;
            }
        });
}

ResultsRecord::~ResultsRecord()
{
    const int64_t left = m_writer->close(m_lane);
    if (left > 0)
        m_report(Notice::passing(
            Text::tr("%1 scores could not be written to the results record %2.").arg(left).arg(shownPath(m_path))));
}

// On the writer's thread.
void ResultsRecord::write(const QByteArray &row, QString *error, bool *written)
{
    const AppendOnlyFile::Outcome outcome = m_file->append(row);
    switch (outcome.change) {
    case AppendOnlyFile::Change::None:
        break;
    case AppendOnlyFile::Change::Replaced:
        m_report(Notice::passing(Text::tr("The results record %1 was replaced by another file (saved by another "
                                          "program?); the scores go on in the file now there.")
                                     .arg(shownPath(m_path))));
        break;
    case AppendOnlyFile::Change::Removed:
        m_report(
            Notice::passing(Text::tr("The results record %1 was deleted; it is made again and the scores go on in it.")
                                .arg(shownPath(m_path))));
        break;
    }
    if (outcome.shared && !m_sharedTold)
        m_report(Notice::passing(Text::tr("Another program is writing the results record %1 too; both keep their "
                                          "scores in it.")
                                     .arg(shownPath(m_path))));
    m_sharedTold = m_sharedTold || outcome.shared;
    *error = outcome.error;
    *written = outcome.written;
}

void ResultsRecord::append(ResultRow row)
{
    if (row.localMs == 0)
        row.localMs = localMilliseconds();
    m_writer->put(m_lane, formatRow(row));
}

bool ResultsRecord::flush()
{
    return m_writer->flush(m_lane);
}

QString ResultsRecord::fileName() const
{
    return m_path;
}

int64_t ResultsRecord::dropped() const
{
    return m_writer->dropped(m_lane);
}

QString ResultsRecord::defaultFile()
{
    const QString folder = resultsFolderSeam.orElse(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                                    + QStringLiteral("/results"));
    const SYSTEMTIME today = civilTime(localMilliseconds());
    return folder + u'/' + QDate(today.wYear, today.wMonth, today.wDay).toString(Qt::ISODate) + QStringLiteral(".csv");
}

void ResultsRecord::setFolderOverride(const QString &folder)
{
    resultsFolderSeam.set(folder);
}

QByteArray ResultsRecord::textField(const QString &text)
{
    return quotedField(text);
}

QByteArray ResultsRecord::timeField(int64_t localMs)
{
    return isoTime(localMs);
}

QByteArray ResultsRecord::header()
{
    return QByteArrayLiteral("time,event,number,name,team,score\r\n");
}

QByteArray ResultsRecord::formatRow(const ResultRow &row)
{
    QByteArray line = isoTime(row.localMs);
    line += ',' + quotedField(row.event) + ',';
    if (row.number >= 0)
        line += QByteArray::number(row.number);
    line += ',' + quotedField(row.name) + ',' + quotedField(row.team) + ',';
    line += scoreField(row.scoreWhole, row.scoreThousandths);
    line += "\r\n";
    return line;
}

} // namespace tallyard
