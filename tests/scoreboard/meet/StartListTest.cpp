// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/meet/StartList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace tallyard;

namespace {

// The bytes of a literal, NULs included.
template <size_t N>
QByteArray bytesOf(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

struct Row {
    int number;
    const char *name;
    const char *team;
    const char *event = "";
    const char *picture = "";
    int line = 0;
};

void expectRows(const StartList &list, const std::vector<Row> &rows)
{
    ASSERT_EQ(list.size(), qsizetype(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const StartListEntry &entry = list.entries()[qsizetype(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(entry.number, rows[i].number);
        EXPECT_EQ(entry.name, QString::fromUtf8(rows[i].name));
        EXPECT_EQ(entry.team, QString::fromUtf8(rows[i].team));
        EXPECT_EQ(entry.event, QString::fromUtf8(rows[i].event));
        EXPECT_EQ(entry.picture, QString::fromUtf8(rows[i].picture));
        EXPECT_EQ(entry.line, rows[i].line);
    }
}

struct Form {
    const char *what;
    QByteArray bytes;
    std::vector<Row> rows;
};

TEST(StartList, ReadsTheFormsSpreadsheetsSave)
{
    const std::vector<Form> forms = {
        {"header, LF",
         "number,name,team\n1,Anna Berg,TSV\n2,Bo Li,SC\n",
         {{1, "Anna Berg", "TSV", "", "", 2}, {2, "Bo Li", "SC", "", "", 3}}},
        {"CRLF, no final line end",
         "number,name,team\r\n1,Anna,TSV\r\n2,Bo,SC",
         {{1, "Anna", "TSV", "", "", 2}, {2, "Bo", "SC", "", "", 3}}},
        {"lone CR",
         "number,name,team\r1,Anna,TSV\r2,Bo,SC\r",
         {{1, "Anna", "TSV", "", "", 2}, {2, "Bo", "SC", "", "", 3}}},
        {"byte-order mark and semicolons, commas in the text",
         "\xEF\xBB\xBFnumber;name;team\n3;Berg, Anna;TSV 1860, M\xC3\xBCnchen\n",
         {{3, "Berg, Anna",
           "TSV 1860, M\xC3\xBC"
           "nchen",
           "", "", 2}}},
        {"quoted fields",
         "number,name,team\n5,\"Smith, \"\"Jo\"\"\",\"A;B\"\n6,\"Two\r\nlines\",C\n7,Zed,D\n",
         {{5, "Smith, \"Jo\"", "A;B", "", "", 2}, {6, "Two\r\nlines", "C", "", "", 3}, {7, "Zed", "D", "", "", 5}}},
        {"semicolons with quoted separators and line breaks",
         "number;name;team\n8;\"a;b,c\";\"x\ny\"\n9;E;F\n",
         {{8, "a;b,c", "x\ny", "", "", 2}, {9, "E", "F", "", "", 4}}},
        {"header in any order and case, blanks, unknown columns",
         " Team ;Notes; NUMBER ;Name\nTSV;fast;12;Anna\n",
         {{12, "Anna", "TSV", "", "", 2}}},
        {"optional columns",
         "picture,event,number,name,team\nimg/a.png,Floor,4,Anna,TSV\n,,5,Bo,SC\n",
         {{4, "Anna", "TSV", "Floor", "img/a.png", 2}, {5, "Bo", "SC", "", "", 3}}},
        {"no header: number, name, team, the rest ignored",
         "7,Anna,TSV,Floor,x.png\n8,Bo\n",
         {{7, "Anna", "TSV", "", "", 1}, {8, "Bo", "", "", "", 2}}},
        {"a first row naming no number column is data", "-1,name,team\n", {{-1, "name", "team", "", "", 1}}},
        {"blank lines, empty rows, a trailing empty line",
         "\n\nnumber,name,team\n\n,,\n 007 , Anna ,TSV\n , \n\n",
         {{7, "Anna", "TSV", "", "", 6}}},
    };
    for (const Form &form : forms) {
        SCOPED_TRACE(form.what);
        QStringList problems;
        expectRows(StartList::read(form.bytes, &problems), form.rows);
        EXPECT_EQ(problems.join(u'\n').toStdString(), "");
    }
}

QByteArray utf16le(const QString &text)
{
    return QByteArray("\xFF\xFE", 2)
        + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * qsizetype(sizeof(char16_t)));
}

// Real exports, as the clubs send them: the separator, the encoding and the header's language
// found from the file itself.
TEST(StartList, ReadsTheListsClubsSend)
{
    const struct {
        const char *what;
        QByteArray bytes;
        qsizetype count;
        Row first;
        const char *problem; // a word of the one problem said, or nullptr
    } lists[] = {
        {"German Excel, semicolons, commas in every field, no header",
         "101;M\xC3\xBCller, J\xC3\xBCrgen;TSV 1860 M\xC3\xBCnchen, Turnabteilung\r\n",
         1,
         {101, "M\xC3\xBCller, J\xC3\xBCrgen", "TSV 1860 M\xC3\xBCnchen, Turnabteilung", "", "", 1},
         nullptr},
        {"German Excel, several rows",
         "101;M\xC3\xBCller, J\xC3\xBCrgen;TSV 1860 M\xC3\xBCnchen, Turnabteilung\r\n102;Berg;SV, Nord\r\n",
         2,
         {101, "M\xC3\xBCller, J\xC3\xBCrgen", "TSV 1860 M\xC3\xBCnchen, Turnabteilung", "", "", 1},
         nullptr},
        {"European Excel's default CSV (Windows-1252)",
         "Nr;Name;Verein\r\n7;Sch\xE4"
         "fer, Bj\xF6rn;TSV\r\n",
         1,
         {7,
          "Sch\xC3\xA4"
          "fer, Bj\xC3\xB6rn",
          "TSV", "", "", 2},
         "Windows-1252"},
        {"Excel Unicode text (UTF-16, tabs)",
         utf16le(QStringLiteral("Startnummer\tName\tMannschaft\r\n12\tZo\u00eb\t\u00c9quipe A\r\n")),
         1,
         {12, "Zo\xC3\xAB", "\xC3\x89quipe A", "", "", 2},
         nullptr},
        {"tab-separated UTF-8", "number\tname\tteam\n5\tAnn\tClub, B\n", 1, {5, "Ann", "Club, B", "", "", 2}, nullptr},
        {"a French header",
         "Dossard;Nom;Club;\xC3\x89preuve\n3;L\xC3\xA9"
         "a;Club A;Sol\n",
         1,
         {3,
          "L\xC3\xA9"
          "a",
          "Club A", "Sol", "", 2},
         nullptr},
        {"a Spanish header",
         "Dorsal,Nombre,Equipo\n9,Jos\xC3\xA9,Club C\n",
         1,
         {9, "Jos\xC3\xA9", "Club C", "", "", 2},
         nullptr},
        {"a German header in another order",
         "Verein;Start-Nr.;Name\nTSV;4;J\xC3\xB6rg\n",
         1,
         {4, "J\xC3\xB6rg", "TSV", "", "", 2},
         nullptr},
        {"a header without a team column", "Nr;Name\n1;Ann\n", 1, {1, "Ann", "", "", "", 2}, "no team column"},
    };
    for (const auto &list : lists) {
        SCOPED_TRACE(list.what);
        QStringList problems;
        const StartList read = StartList::read(list.bytes, &problems);
        ASSERT_EQ(read.size(), list.count) << problems.join(u'\n').toStdString();
        const StartListEntry &first = read.entries().first();
        EXPECT_EQ(first.number, list.first.number);
        EXPECT_EQ(first.name, QString::fromUtf8(list.first.name));
        EXPECT_EQ(first.team, QString::fromUtf8(list.first.team));
        EXPECT_EQ(first.event, QString::fromUtf8(list.first.event));
        EXPECT_EQ(first.line, list.first.line);
        ASSERT_EQ(problems.size(), list.problem ? 1 : 0) << problems.join(u'\n').toStdString();
        if (list.problem) {
            EXPECT_TRUE(problems[0].contains(QLatin1String(list.problem))) << problems[0].toStdString();
        }
    }
}

struct Bad {
    const char *what;
    QByteArray bytes;
    std::vector<int> numbers;                        // the rows that load
    std::vector<std::pair<int, const char *>> lines; // each problem: its line and a word of it
};

TEST(StartList, KeepsTheGoodRowsAndTellsTheLineOfEachBadOne)
{
    const std::vector<Bad> bad = {
        {"numbers missing, out of range, not whole",
         "number,name\n,Anna\n10000,B\n-2,C\n3.5,D\nseven,E\n1,F\n+2,G\n",
         {1, 2},
         {{1, "no team column"},
          {2, "no gymnast number"},
          {3, "outside"},
          {4, "outside"},
          {5, "not a whole"},
          {6, "not a whole"}}},
        {"a duplicate number: the first counts", "1,A\n2,B\n01,C\n", {1, 2}, {{3, "already on line 1"}}},
        {"lines counted across CRLF, blank lines and quoted breaks",
         "number,name\r\n\r\n\"x\r\ny\",A\r\n\r\nz,B\r\n3,\"C\rD\"\r4,E",
         {3, 4},
         {{1, "no team column"}, {3, "not a whole"}, {6, "not a whole"}}},
        {"an unclosed quote refuses its own line only", "1,A,T\n2,\"Bo,B\n3,C,T\n", {1, 3}, {{2, "not closed"}}},
        {"a stray quote that another row's quote would close",
         "1,\"Ann,TSV\n2,Bob,\"Club, B\"\n3,Cy,C\n",
         {2, 3},
         {{1, "not closed"}}},
        {"an unclosed quote beyond the field bound",
         "1,A,T\n2,\"" + QByteArray(2000, 'x') + "\n",
         {1},
         {{2, "not closed"}}},
        {"binary garbage around a good row",
         bytesOf("\x00\xff\xfe rubbish\n4,Dana,D\n\x89PNG\r\n\x1a\n"),
         {4},
         {{0, "not in UTF-8"}, {1, "not a whole"}, {3, "not a whole"}, {4, "not a whole"}}},
        {"not UTF-8: read as Windows-1252", "5,M\xfcller,T\xe4\n6,Ok,T\n", {5, 6}, {{0, "Windows-1252"}}},
        {"a header and nothing else", "number,name,team\r\n", {}, {{0, "names no gymnast"}}},
    };
    for (const Bad &b : bad) {
        SCOPED_TRACE(b.what);
        QStringList problems;
        const StartList list = StartList::read(b.bytes, &problems);
        std::vector<int> numbers;
        for (const StartListEntry &entry : list.entries())
            numbers.push_back(entry.number);
        EXPECT_EQ(numbers, b.numbers);
        ASSERT_EQ(problems.size(), qsizetype(b.lines.size())) << problems.join(u'\n').toStdString();
        for (size_t i = 0; i < b.lines.size(); ++i) {
            const auto [line, word] = b.lines[i];
            if (line > 0) {
                EXPECT_TRUE(problems[qsizetype(i)].startsWith(QStringLiteral("line %1: ").arg(line)))
                    << problems[qsizetype(i)].toStdString();
            }
            EXPECT_TRUE(problems[qsizetype(i)].contains(QLatin1String(word))) << problems[qsizetype(i)].toStdString();
        }
    }
    // The letters as they were typed, not replacement marks.
    const StartList list = StartList::read("5,M\xfcller,T\xe4\x80\n", nullptr);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list.entries()[0].name, QStringLiteral("M\u00fcller"));
    EXPECT_EQ(list.entries()[0].team, QStringLiteral("T\u00e4\u20ac"));
}

TEST(StartList, ReportsCarryNoControlCharactersToTheTerminal)
{
    QStringList problems;
    StartList::read("\x1b]0;owned\x07,A\n", &problems);
    ASSERT_FALSE(problems.isEmpty());
    EXPECT_FALSE(problems[0].contains(QChar(0x1b)));
    EXPECT_FALSE(problems[0].contains(QChar(0x07)));
}

TEST(StartList, StopsAtTheBounds)
{
    QByteArray rows = "number,name\n";
    for (int n = 0; n < StartList::MaxRows + 2; ++n)
        rows += QByteArray::number(n % 5000) + (n < 5000 ? ",A\n" : ",dup\n");
    // 10,002 rows, the second half duplicates: 5,000 refusals, then the bound on line 10,002.
    QStringList problems;
    EXPECT_EQ(StartList::read(rows, &problems).size(), 5000);
    ASSERT_EQ(problems.size(), 5002); // and the header's missing team column
    EXPECT_TRUE(problems.last().startsWith(QStringLiteral("line 10002: more than 10000 rows")))
        << problems.last().toStdString();

    QByteArray many;
    for (int n = 0; n < StartList::MaxRows + 1; ++n)
        many += QByteArray::number(n % 10000 - (n >= 10000 ? 1 : 0)) + ",A\n";
    problems.clear();
    EXPECT_EQ(StartList::read(many, &problems).size(), StartList::MaxRows);
    EXPECT_EQ(problems,
              QStringList{QStringLiteral("line 10001: more than 10000 rows; this row and the rest are ignored")});

    // Characters, not bytes: 1,000 of a two-byte letter fit. An ignored column has no bound.
    const QByteArray umlaut = "\xC3\xBC";
    const struct {
        QByteArray name;
        bool loads;
    } fields[] = {{QByteArray(1000, 'x'), true},
                  {QByteArray(1001, 'x'), false},
                  {umlaut.repeated(1000), true},
                  {umlaut.repeated(1001), false},
                  {" " + QByteArray(1000, 'x') + " ", true}};
    for (const auto &field : fields) {
        problems.clear();
        const StartList list
            = StartList::read("1,ok\n2," + field.name + ",T," + QByteArray(5000, 'n') + "\n", &problems);
        EXPECT_EQ(list.size(), field.loads ? 2 : 1) << field.name.size();
        EXPECT_EQ(problems.size(), field.loads ? 0 : 1);
        if (!field.loads) {
            EXPECT_TRUE(problems[0].startsWith(QStringLiteral("line 2: a field is longer than 1000 characters")));
        }
    }

    problems.clear();
    const QByteArray huge = "1,A\n" + QByteArray(StartList::MaxFileSize, ' ');
    EXPECT_TRUE(StartList::read(huge, &problems).isEmpty());
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(QLatin1String("16 MB")));
}

TEST(StartList, StepsThroughTheListInItsOrder)
{
    const StartList list = StartList::read("number,name\n30,C\n10,A\n70,G\n", nullptr);
    const auto numberOf = [](const StartListEntry *entry) { return entry ? entry->number : -100; };
    const struct {
        int from, next, previous;
    } steps[] = {{30, 10, -100}, {10, 70, 30}, {70, -100, 10}, {42, 30, 70}, {-1, 30, 70}};
    for (const auto &step : steps) {
        EXPECT_EQ(numberOf(list.next(step.from)), step.next) << step.from;
        EXPECT_EQ(numberOf(list.previous(step.from)), step.previous) << step.from;
    }
    ASSERT_NE(list.find(70), nullptr);
    EXPECT_EQ(list.find(70)->name, QStringLiteral("G"));
    EXPECT_EQ(list.find(42), nullptr);

    const StartList empty = StartList::read("", nullptr);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.next(1), nullptr);
    EXPECT_EQ(empty.previous(1), nullptr);
}

TEST(StartList, LoadsAFileAndFindsPicturesBesideIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("meet")));
    const QString path = dir.filePath(QStringLiteral("meet/list.csv"));
    const QString absolute = dir.filePath(QStringLiteral("logo.png"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("number;name;team;picture\n1;A;T;faces/a.png\n2;B;T;../b.png\n3;C;T;" + absolute.toUtf8()
                   + "\n4;D;T;\n");
    }
    QStringList problems;
    const StartList list = loadStartList(path, &problems);
    ASSERT_EQ(problems.size(), 3) << "three pictures that are not there";
    for (int line = 2; line <= 4; ++line)
        EXPECT_TRUE(problems[line - 2].startsWith(QStringLiteral("line %1: the picture").arg(line)))
            << problems[line - 2].toStdString();
    EXPECT_TRUE(list.hasPictures());
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list.entries()[0].picture, dir.filePath(QStringLiteral("meet/faces/a.png")));
    EXPECT_EQ(list.entries()[1].picture, dir.filePath(QStringLiteral("b.png")));
    EXPECT_EQ(list.entries()[2].picture, absolute);
    EXPECT_EQ(list.entries()[3].picture, QString());

    for (const QString &unreadable : {dir.filePath(QStringLiteral("gone.csv")), dir.filePath(QStringLiteral("meet"))}) {
        problems.clear();
        EXPECT_TRUE(loadStartList(unreadable, &problems).isEmpty());
        ASSERT_EQ(problems.size(), 1);
        EXPECT_TRUE(problems[0].startsWith(QStringLiteral("cannot read ") + unreadable)) << problems[0].toStdString();
    }
}

} // namespace
