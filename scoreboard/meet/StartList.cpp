// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/meet/StartList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csv.h>

#include <algorithm>
#include <array>

namespace tallyard {

// libcsv splits the records (quotes, doubled quotes, separators and line breaks inside
// quotes, CR, LF or CRLF ends, blank lines skipped). Around it we choose the separator, strip
// a byte-order mark, count lines, decode UTF-8 and apply the bounds. The bytes go to libcsv one
// line at a time, so a finished row always belongs to the line just fed; a row that began on
// an earlier line is found by counting the line breaks inside its fields.

namespace {

enum Column { Number, Name, Team, Event, Picture, ColumnCount };
const std::array<QLatin1String, ColumnCount> columnNames
    = {QLatin1String("number"), QLatin1String("name"), QLatin1String("team"), QLatin1String("event"),
       QLatin1String("picture")};
using Columns = std::array<int, ColumnCount>; // the field index of each column, -1 for none
constexpr Columns noColumns = {-1, -1, -1, -1, -1};
constexpr Columns withoutHeader = {0, 1, 2, -1, -1};

// A field longer than this in bytes cannot decode to MaxFieldLength characters or fewer (UTF-8
// spends at most four bytes on a character, and an invalid byte becomes one character).
constexpr qsizetype maxFieldBytes = 4 * StartList::MaxFieldLength;

QString tooLargeProblem()
{
    return QStringLiteral("the list is larger than 16 MB, more than any start list needs; nothing is loaded");
}

// The separator of a file: the more frequent of ';' and ',' in its first record, outside
// quotes, as a spreadsheet saves with ';' where the decimal mark is a comma. A tie, a record
// with neither (one column), is read with ','.
char separatorOf(QByteArrayView bytes)
{
    qsizetype commas = 0, semicolons = 0;
    bool quoted = false, fieldStart = true, seen = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < bytes.size() && bytes[i + 1] == '"')
                    ++i;
                else
                    quoted = false;
            }
            continue;
        }
        switch (c) {
        case '"':
            quoted = fieldStart;
            fieldStart = false;
            seen = true;
            break;
        case ',':
        case ';':
            ++(c == ',' ? commas : semicolons);
            fieldStart = seen = true;
            break;
        case '\r':
        case '\n':
            if (seen)
                return semicolons > commas ? ';' : ',';
            break; // a blank line before the first record
        case ' ':
        case '\t':
            break;
        default:
            fieldStart = false;
            seen = true;
        }
    }
    return semicolons > commas ? ';' : ',';
}

// Line breaks as the lines are counted: CRLF, a lone CR or a lone LF.
int lineBreaks(QByteArrayView raw)
{
    int breaks = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\n' || (raw[i] == '\r' && (i + 1 == raw.size() || raw[i + 1] != '\n')))
            ++breaks;
    }
    return breaks;
}

bool isBlank(QByteArrayView raw)
{
    return std::all_of(raw.begin(), raw.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    });
}

qsizetype characters(QStringView text)
{
    return text.size() - std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

// A field quoted in a report: short, and without control characters, which could reach a
// terminal as commands.
QString shown(QStringView text)
{
    QString out = text.left(40).toString();
    for (QChar &c : out) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0))
            c = QChar::ReplacementCharacter;
    }
    if (out.size() < text.size())
        out += QChar(0x2026);
    return u'"' + out + u'"';
}

struct ParsedNumber {
    enum Kind { Empty, NotWhole, OutOfRange, Fine } kind;
    int value;
};

// Plain decimal digits with an optional sign, leading zeros allowed ("007" is 7).
ParsedNumber parseNumber(QStringView text)
{
    if (text.isEmpty())
        return {ParsedNumber::Empty, 0};
    const bool negative = text.front() == u'-';
    const qsizetype first = (negative || text.front() == u'+') ? 1 : 0;
    if (first == text.size())
        return {ParsedNumber::NotWhole, 0};
    int value = 0;
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return {ParsedNumber::NotWhole, 0};
        value = std::min(value * 10 + (c - u'0'), StartList::HighestNumber + 1);
    }
    if (negative)
        value = -value;
    if (value < StartList::LowestNumber || value > StartList::HighestNumber)
        return {ParsedNumber::OutOfRange, value};
    return {ParsedNumber::Fine, value};
}

struct Reader {
    QStringList *problems = nullptr;
    int line = 1;         // the line being fed to the parser
    bool decided = false; // whether the first record was a header is known
    Columns columns = withoutHeader;
    Columns header = noColumns; // the first record read as a header
    bool firstIsNumber = false;
    int rows = 0;
    bool stopped = false;
    bool unclosedQuote = false; // the field libcsv hands over last runs to the end of the file
    bool encodingReported = false;

    // The row being read.
    int field = 0;
    int breaks = 0;
    std::array<QString, ColumnCount> values;
    bool blank = true;
    bool tooLong = false;
    bool invalidText = false;

    QList<StartListEntry> entries;
    QHash<int, qsizetype> indexOf;

    void report(int at, const QString &why)
    {
        if (problems)
            problems->append(QStringLiteral("line %1: %2").arg(at).arg(why));
    }

    void keep(Column column, QByteArrayView raw)
    {
        if (raw.size() > maxFieldBytes) {
            tooLong = true;
            return;
        }
        QString text = QString::fromUtf8(raw).trimmed();
        if (characters(text) > StartList::MaxFieldLength) {
            tooLong = true;
            return;
        }
        invalidText = invalidText || !raw.isValidUtf8();
        values[column] = std::move(text);
    }

    void onField(QByteArrayView raw)
    {
        const int fieldBreaks = lineBreaks(raw);
        breaks += fieldBreaks;
        if (unclosedQuote) {
            report(line - fieldBreaks,
                   QStringLiteral("a quote opened here is never closed; the rest of the list is read as one field"));
            unclosedQuote = false;
        }
        const int index = field++;
        blank = blank && isBlank(raw);
        if (!decided) {
            // Both readings of the first record are kept until its end tells which it is.
            const QString name = raw.size() > maxFieldBytes ? QString() : QString::fromUtf8(raw).trimmed();
            if (index == 0) {
                const ParsedNumber::Kind kind = parseNumber(name).kind;
                firstIsNumber = kind == ParsedNumber::Fine || kind == ParsedNumber::OutOfRange;
            }
            for (int c = 0; c < ColumnCount; ++c) {
                if (header[c] < 0 && name.compare(columnNames[c], Qt::CaseInsensitive) == 0)
                    header[c] = index;
            }
        }
        for (int c = 0; c < ColumnCount; ++c) {
            if (columns[c] == index)
                keep(Column(c), raw);
        }
    }

    void onRow()
    {
        const int start = line - breaks;
        if (!decided && !blank) {
            decided = true;
            if (!firstIsNumber && header[Number] >= 0) {
                columns = header;
                clearRow();
                return;
            }
        }
        finishRow(start);
        clearRow();
    }

    void finishRow(int start)
    {
        if (blank) // a blank line, or one of separators only, as spreadsheets save empty rows
            return;
        if (++rows > StartList::MaxRows) {
            report(start,
                   QStringLiteral("more than %1 rows; this row and the rest are ignored").arg(StartList::MaxRows));
            stopped = true;
            return;
        }
        if (invalidText && !encodingReported) {
            report(start,
                   QStringLiteral("text that is not UTF-8 shows as %1 (save the list as \"CSV UTF-8\")")
                       .arg(QChar(QChar::ReplacementCharacter)));
            encodingReported = true;
        }
        if (tooLong) {
            report(start, QStringLiteral("a field is longer than %1 characters").arg(StartList::MaxFieldLength));
            return;
        }
        const ParsedNumber number = parseNumber(values[Number]);
        switch (number.kind) {
        case ParsedNumber::Empty:
            report(start, QStringLiteral("no gymnast number"));
            return;
        case ParsedNumber::NotWhole:
            report(start, QStringLiteral("the gymnast number %1 is not a whole number").arg(shown(values[Number])));
            return;
        case ParsedNumber::OutOfRange:
            report(start,
                   QStringLiteral("the gymnast number %1 is outside %2..%3")
                       .arg(shown(values[Number]))
                       .arg(StartList::LowestNumber)
                       .arg(StartList::HighestNumber));
            return;
        case ParsedNumber::Fine:
            break;
        }
        if (const auto found = indexOf.constFind(number.value); found != indexOf.constEnd()) {
            report(start,
                   QStringLiteral("the gymnast number %1 is already on line %2; this row is ignored")
                       .arg(number.value)
                       .arg(entries[*found].line));
            return;
        }
        indexOf.insert(number.value, entries.size());
        entries.append({number.value, std::move(values[Name]), std::move(values[Team]), std::move(values[Event]),
                        std::move(values[Picture]), start});
    }

    void clearRow()
    {
        field = breaks = 0;
        for (QString &value : values)
            value.clear();
        blank = true;
        tooLong = invalidText = false;
    }
};

void fieldCallback(void *data, size_t size, void *context)
{
    static_cast<Reader *>(context)->onField(QByteArrayView(static_cast<const char *>(data), qsizetype(size)));
}

void rowCallback(int, void *context)
{
    static_cast<Reader *>(context)->onRow();
}

} // namespace

StartList StartList::read(QByteArrayView bytes, QStringList *problems)
{
    Reader reader;
    reader.problems = problems;
    if (bytes.size() > MaxFileSize) {
        if (problems)
            problems->append(tooLargeProblem());
        return {};
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);

    csv_parser parser;
    if (csv_init(&parser, 0) != 0) {
        if (problems)
            problems->append(QStringLiteral("no memory to read the list"));
        return {};
    }
    csv_set_delim(&parser, static_cast<unsigned char>(separatorOf(bytes)));
    const char *const end = bytes.data() + bytes.size();
    int line = 1;
    for (const char *at = bytes.data(); at < end && !reader.stopped;) {
        const char *next = std::find_if(at, end, [](char c) { return c == '\r' || c == '\n'; });
        const bool ended = next < end;
        if (ended)
            next += (*next == '\r' && next + 1 < end && next[1] == '\n') ? 2 : 1;
        reader.line = line;
        const size_t size = size_t(next - at);
        if (csv_parse(&parser, at, size, fieldCallback, rowCallback, &reader) != size) {
            reader.report(line, QStringLiteral("no memory to read further; the rest is ignored"));
            reader.stopped = true;
        }
        line += ended ? 1 : 0;
        at = next;
    }
    if (!reader.stopped) {
        // The last record has no line end, or a quote that never closes. A strict finish
        // tells the second apart; the tolerant one then hands over what was read.
        reader.line = line;
        csv_set_opts(&parser, CSV_STRICT | CSV_STRICT_FINI);
        if (csv_fini(&parser, fieldCallback, rowCallback, &reader) != 0 && csv_error(&parser) == CSV_EPARSE) {
            reader.unclosedQuote = true;
            csv_set_opts(&parser, 0);
            csv_fini(&parser, fieldCallback, rowCallback, &reader);
        }
    }
    csv_free(&parser);

    if (reader.entries.isEmpty() && problems)
        problems->append(QStringLiteral("the list names no gymnast"));
    StartList list;
    list.m_entries = std::move(reader.entries);
    list.m_indexOf = std::move(reader.indexOf);
    return list;
}

const StartListEntry *StartList::find(int number) const
{
    const auto found = m_indexOf.constFind(number);
    return found == m_indexOf.constEnd() ? nullptr : &m_entries[*found];
}

const StartListEntry *StartList::next(int number) const
{
    const auto found = m_indexOf.constFind(number);
    const qsizetype at = found == m_indexOf.constEnd() ? 0 : *found + 1;
    return at < m_entries.size() ? &m_entries[at] : nullptr;
}

const StartListEntry *StartList::previous(int number) const
{
    const auto found = m_indexOf.constFind(number);
    const qsizetype at = found == m_indexOf.constEnd() ? m_entries.size() - 1 : *found - 1;
    return at >= 0 ? &m_entries[at] : nullptr;
}

StartList loadStartList(const QString &path, QStringList *problems)
{
    const auto fail = [problems](const QString &why) {
        if (problems)
            problems->append(why);
        return StartList();
    };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(QStringLiteral("cannot read %1: it is a folder").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    // A size the file system reports can be wrong (a device, a pipe), so the reading is
    // bounded too: one byte past the bound tells a file too large.
    if (file.size() > StartList::MaxFileSize)
        return fail(tooLargeProblem());
    const QByteArray bytes = file.read(StartList::MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    StartList list = StartList::read(bytes, problems);
    const QDir folder = info.absoluteDir();
    for (StartListEntry &entry : list.m_entries) {
        if (!entry.picture.isEmpty() && QDir::isRelativePath(entry.picture))
            entry.picture = QDir::cleanPath(folder.filePath(entry.picture));
    }
    return list;
}

} // namespace tallyard
