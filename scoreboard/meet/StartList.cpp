// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/meet/StartList.h"

#include "platform/readers/TextDecoding.h"
#include "platform/system/ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csv.h>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace tallyard {

// The list is read in three steps. Its bytes become UTF-8 (UTF-16 with its byte-order mark,
// as Excel saves "Unicode text", or Windows-1252 where the bytes are not UTF-8). The
// separator is the one of tab, semicolon and comma that splits the first records into the
// same number of fields. The records are found by a scan of our own that knows which quotes
// belong to the file's quoting and which were typed by mistake: a quote that never closes,
// or closes where no field can end, refuses its own line only. libcsv then splits each
// record into its fields (quotes, doubled quotes, separators and line breaks inside quotes).

namespace {

// The context the texts below are translated under.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(StartList)
};

enum Column { Number, Name, Team, Event, Picture, ColumnCount };
using Columns = std::array<int, ColumnCount>; // the field index of each column, -1 for none
constexpr Columns noColumns = {-1, -1, -1, -1, -1};
constexpr Columns withoutHeader = {0, 1, 2, -1, -1};

// What a header may call each column, in the languages the program speaks, as headerKey()
// gives them: lower case, without accents, blanks or points ("Start-Nr." is "startnr").
const std::array<std::initializer_list<const char *>, ColumnCount> columnNames = {{
    {"number", "no", "nr", "num", "bib", "startnumber", "startno", "startnr", "startnummer", "nummer", "dossard",
     "numero", "dorsal"},
    {"name", "gymnast", "athlete", "turner", "turnerin", "nom", "gymnaste", "nombre", "gimnasta", "atleta"},
    {"team", "club", "verein", "mannschaft", "riege", "equipe", "equipo"},
    {"event", "apparatus", "gerat", "geraet", "disziplin", "epreuve", "agres", "aparato", "prueba"},
    {"picture", "photo", "image", "bild", "foto", "imagen"},
}};

QString headerKey(const QString &name)
{
    QString key;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}

int columnNamed(const QString &name)
{
    const QString key = headerKey(name);
    for (int c = 0; c < ColumnCount; ++c)
        for (const char *known : columnNames[c])
            if (key == QLatin1String(known))
                return c;
    return -1;
}

// A field longer than this in bytes cannot decode to MaxFieldLength characters or fewer (UTF-8
// spends at most four bytes on a character, and an invalid byte becomes one character).
constexpr qsizetype maxFieldBytes = 4 * StartList::MaxFieldLength;
// The records the separator is chosen from.
constexpr int sampledRecords = 20;

QString tooLargeProblem()
{
    return Text::tr("the list is larger than 16 MB, more than any start list needs; nothing is loaded");
}

QString atLine(int line, const QString &why)
{
    return Text::tr("line %1: %2").arg(line).arg(why);
}

// The list's bytes as UTF-8, and what was done to get there.
QByteArray asUtf8(QByteArrayView bytes, QStringList *problems)
{
    const auto utf16 = [&](bool littleEndian, qsizetype skip) {
        QByteArray swapped;
        QByteArrayView units = bytes.sliced(skip);
        units.chop(units.size() % 2);
        if (!littleEndian) {
            swapped = units.toByteArray();
            for (qsizetype i = 0; i + 1 < swapped.size(); i += 2)
                std::swap(swapped[i], swapped[i + 1]);
            units = swapped;
        }
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(units.data()), units.size() / 2).toUtf8();
    };
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return bytes.sliced(3).toByteArray();
    if (bytes.startsWith("\xFF\xFE"))
        return utf16(true, 2);
    if (bytes.startsWith("\xFE\xFF"))
        return utf16(false, 2);
    // UTF-16 without its mark: plain letters with a zero byte beside each.
    if (bytes.size() >= 4 && bytes.size() % 2 == 0) {
        const qsizetype pairs = std::min<qsizetype>(bytes.size() / 2, 64);
        bool low = true, high = true;
        for (qsizetype i = 0; i < pairs; ++i) {
            low = low && bytes[2 * i] != 0 && bytes[2 * i + 1] == 0;
            high = high && bytes[2 * i] == 0 && bytes[2 * i + 1] != 0;
        }
        if (low || high)
            return utf16(low, 0);
    }
    if (bytes.isValidUtf8())
        return bytes.toByteArray();
    if (problems)
        problems->append(
            Text::tr("the list is not in UTF-8, so it was read as Windows-1252 (Western European); should a "
                     "name look wrong, save the list as \"CSV UTF-8\""));
    return decodeWindows1252(bytes).toUtf8();
}

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

qsizetype afterBreak(QByteArrayView b, qsizetype at)
{
    return at + ((b[at] == '\r' && at + 1 < b.size() && b[at + 1] == '\n') ? 2 : 1);
}

qsizetype lineEnd(QByteArrayView b, qsizetype from)
{
    while (from < b.size() && !isBreak(b[from]))
        ++from;
    return from;
}

struct RawRecord {
    qsizetype begin = 0;
    qsizetype end = 0;
    int line = 1; // the 1-based line it starts on
    int fields = 1;
    bool unbalanced = false; // a quote on its line that is not the file's: the line is refused
};

// Hands each record of the list to onRecord (which answers false to stop), blank lines too.
template <typename OnRecord>
void splitRecords(QByteArrayView b, char separator, OnRecord &&onRecord)
{
    const qsizetype n = b.size();
    qsizetype i = 0;
    int line = 1;
    while (i < n) {
        RawRecord record{i, i, line};
        bool quoted = false, fieldStart = true, bad = false;
        int breaks = 0;
        qsizetype openedAt = 0;
        qsizetype j = i;
        while (j < n) {
            const char c = b[j];
            if (quoted) {
                if (c == '"') {
                    if (j + 1 < n && b[j + 1] == '"') {
                        j += 2;
                        continue;
                    }
                    quoted = false;
                    ++j;
                    // A quote that ran over a line break must close where a field ends;
                    // otherwise it was typed by mistake and paired with another's quote.
                    qsizetype k = j;
                    while (k < n && (b[k] == ' ' || (b[k] == '\t' && separator != '\t')))
                        ++k;
                    if (breaks > 0 && k < n && b[k] != separator && !isBreak(b[k])) {
                        bad = true;
                        break;
                    }
                    continue;
                }
                if (isBreak(c)) {
                    ++breaks;
                    j = afterBreak(b, j);
                    // No field runs that long: the quote is a mistake.
                    if (j - openedAt > maxFieldBytes) {
                        bad = true;
                        break;
                    }
                    continue;
                }
                ++j;
                continue;
            }
            if (isBreak(c))
                break;
            if (c == '"' && fieldStart) {
                quoted = true;
                openedAt = j;
                fieldStart = false;
            } else if (c == separator) {
                ++record.fields;
                fieldStart = true;
            } else if (c != ' ' && c != '\t') {
                fieldStart = false;
            }
            ++j;
        }
        if (quoted && !bad)
            bad = breaks > 0 || j >= n; // never closed
        if (bad) {
            // The record is its first line only; reading goes on with the next.
            record.end = lineEnd(b, i);
            record.unbalanced = true;
            i = record.end < n ? afterBreak(b, record.end) : n;
            line = record.line + 1;
        } else {
            record.end = j;
            line += breaks;
            if (j < n) {
                i = afterBreak(b, j);
                ++line;
            } else {
                i = n;
            }
        }
        if (!onRecord(record))
            return;
    }
}

bool isBlank(QByteArrayView raw)
{
    return std::all_of(raw.begin(), raw.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    });
}

// Of tab, semicolon and comma, the one that splits the first records into the same number of
// fields, the most; where two do, a tab before a semicolon before a comma (a name holds a
// comma far more often than a semicolon). Where none agrees from line to line, the one that
// gives the most fields on average; where all give one field, a comma.
char separatorOf(QByteArrayView bytes)
{
    char best = ',';
    bool bestSteady = false;
    double bestFields = 1;
    for (const char candidate : {'\t', ';', ','}) {
        int records = 0, fields = 0, first = -1;
        bool steady = true;
        splitRecords(bytes, candidate, [&](const RawRecord &record) {
            if (record.unbalanced || isBlank(bytes.sliced(record.begin, record.end - record.begin)))
                return true;
            if (first < 0)
                first = record.fields;
            steady = steady && record.fields == first;
            fields += record.fields;
            return ++records < sampledRecords;
        });
        if (records == 0)
            continue;
        const double average = double(fields) / records;
        steady = steady && first > 1;
        if (average <= 1)
            continue;
        if ((steady && !bestSteady) || (steady == bestSteady && average > bestFields)) {
            best = candidate;
            bestSteady = steady;
            bestFields = average;
        }
    }
    return best;
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

int spaceOnly(unsigned char c)
{
    return c == ' ';
}

int spaceOrTab(unsigned char c)
{
    return c == ' ' || c == '\t';
}

struct Reader {
    QStringList *problems = nullptr;
    bool decided = false; // whether the first record was a header is known
    Columns columns = withoutHeader;
    Columns header = noColumns; // the first record read as a header
    bool firstIsNumber = false;
    bool hasPictures = false;
    int rows = 0;
    bool stopped = false;

    // The row being read.
    int start = 1;
    int field = 0;
    std::array<QString, ColumnCount> values;
    bool blank = true;
    bool tooLong = false;

    QList<StartListEntry> entries;
    QHash<int, qsizetype> indexOf;

    void report(int at, const QString &why)
    {
        if (problems)
            problems->append(atLine(at, why));
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
        values[column] = std::move(text);
    }

    void onField(QByteArrayView raw)
    {
        const int index = field++;
        blank = blank && isBlank(raw);
        if (!decided) {
            // Both readings of the first record are kept until its end tells which it is.
            const QString name = raw.size() > maxFieldBytes ? QString() : QString::fromUtf8(raw).trimmed();
            if (index == 0) {
                const ParsedNumber::Kind kind = parseNumber(name).kind;
                firstIsNumber = kind == ParsedNumber::Fine || kind == ParsedNumber::OutOfRange;
            }
            const int column = columnNamed(name);
            if (column >= 0 && header[column] < 0)
                header[column] = index;
        }
        for (int c = 0; c < ColumnCount; ++c) {
            if (columns[c] == index)
                keep(Column(c), raw);
        }
    }

    void onRow()
    {
        if (!decided && !blank) {
            decided = true;
            if (!firstIsNumber && header[Number] >= 0) {
                columns = header;
                hasPictures = header[Picture] >= 0;
                if (header[Name] < 0)
                    report(start,
                           Text::tr("the header names no name column (such as name, Name, nom, nombre); the "
                                    "gymnasts' names stay empty"));
                if (header[Team] < 0)
                    report(start,
                           Text::tr("the header names no team column (such as team, club, Verein, Mannschaft, "
                                    "équipe, equipo); the gymnasts' teams stay empty"));
                clearRow();
                return;
            }
        }
        finishRow();
        clearRow();
    }

    // Counts a row against the bound; false when it and the rest are past it.
    bool countRow(int at)
    {
        if (++rows <= StartList::MaxRows)
            return true;
        report(at, Text::tr("more than %1 rows; this row and the rest are ignored").arg(StartList::MaxRows));
        stopped = true;
        return false;
    }

    void finishRow()
    {
        if (blank) // a blank line, or one of separators only, as spreadsheets save empty rows
            return;
        if (!countRow(start))
            return;
        if (tooLong) {
            report(start, Text::tr("a field is longer than %1 characters").arg(StartList::MaxFieldLength));
            return;
        }
        const ParsedNumber number = parseNumber(values[Number]);
        switch (number.kind) {
        case ParsedNumber::Empty:
            report(start, Text::tr("no gymnast number"));
            return;
        case ParsedNumber::NotWhole:
            report(start, Text::tr("the gymnast number %1 is not a whole number").arg(shown(values[Number])));
            return;
        case ParsedNumber::OutOfRange:
            report(start,
                   Text::tr("the gymnast number %1 is outside %2..%3")
                       .arg(shown(values[Number]))
                       .arg(StartList::LowestNumber)
                       .arg(StartList::HighestNumber));
            return;
        case ParsedNumber::Fine:
            break;
        }
        if (const auto found = indexOf.constFind(number.value); found != indexOf.constEnd()) {
            report(start,
                   Text::tr("the gymnast number %1 is already on line %2; this row is ignored")
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
        field = 0;
        for (QString &value : values)
            value.clear();
        blank = true;
        tooLong = false;
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
    if (bytes.size() > MaxFileSize) {
        if (problems)
            problems->append(tooLargeProblem());
        return {};
    }
    const QByteArray text = asUtf8(bytes, problems);
    Reader reader;
    reader.problems = problems;

    csv_parser parser;
    if (csv_init(&parser, 0) != 0) {
        if (problems)
            problems->append(Text::tr("no memory to read the list"));
        return {};
    }
    const char separator = separatorOf(text);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser, separator == '\t' ? spaceOnly : spaceOrTab);
    splitRecords(text, separator, [&](const RawRecord &record) {
        const QByteArrayView raw = QByteArrayView(text).sliced(record.begin, record.end - record.begin);
        if (record.unbalanced) {
            if (!reader.countRow(record.line))
                return false;
            reader.report(record.line, Text::tr("a quote opened on this line is not closed; this row is ignored"));
            return true;
        }
        reader.start = record.line;
        const size_t size = size_t(raw.size());
        if (csv_parse(&parser, raw.data(), size, fieldCallback, rowCallback, &reader) != size) {
            reader.report(record.line, Text::tr("no memory to read further; the rest is ignored"));
            return false;
        }
        csv_fini(&parser, fieldCallback, rowCallback, &reader);
        return !reader.stopped;
    });
    csv_free(&parser);

    if (reader.entries.isEmpty() && problems)
        problems->append(Text::tr("the list names no gymnast"));
    StartList list;
    list.m_entries = std::move(reader.entries);
    list.m_indexOf = std::move(reader.indexOf);
    list.m_hasPictures = reader.hasPictures;
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
        return fail(Text::tr("cannot read %1: it is a folder").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(Text::tr("cannot read %1: %2").arg(path, file.errorString()));
    // A size the file system reports can be wrong (a device, a pipe), so the reading is
    // bounded too: one byte past the bound tells a file too large.
    if (file.size() > StartList::MaxFileSize)
        return fail(tooLargeProblem());
    const QByteArray bytes = file.read(StartList::MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(Text::tr("cannot read %1: %2").arg(path, file.errorString()));
    StartList list = StartList::read(bytes, problems);
    const QDir folder = info.absoluteDir();
    for (StartListEntry &entry : list.m_entries) {
        if (entry.picture.isEmpty())
            continue;
        if (QDir::isRelativePath(entry.picture))
            entry.picture = QDir::cleanPath(folder.filePath(entry.picture));
        if (problems && !fileExists(entry.picture))
            problems->append(atLine(entry.line,
                                    Text::tr("the picture %1 is not there; this gymnast shows no picture")
                                        .arg(QDir::toNativeSeparators(entry.picture))));
    }
    return list;
}

} // namespace tallyard
