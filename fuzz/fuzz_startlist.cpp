// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The start list on any bytes: every entry read has a number in range that no other entry
// has, fields within the bound, and the line it started on, in the file's order; there are
// at most MaxRows entries; each problem is one line without control characters. What was
// read, written back as a plain quoted CSV, reads back the same with nothing to report.
// An input whose first byte is 7 modulo 8 is also read thirty times over, so that the row
// bound is reached within libFuzzer's input sizes.

#include "fuzz/FuzzSupport.h"
#include "scoreboard/meet/StartList.h"

#include <QSet>

#include <algorithm>

using namespace tallyard;
using tallyard::fuzz::check;

namespace {

qsizetype characters(const QString &text)
{
    return text.size() - std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

QByteArray quoted(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

void checkList(const StartList &list, const QStringList &problems)
{
    check(list.size() <= StartList::MaxRows, "at most MaxRows entries");
    check(list.isEmpty() == (list.size() == 0), "isEmpty agrees with size");
    QSet<int> numbers;
    int lastLine = 0;
    for (const StartListEntry &entry : list.entries()) {
        check(entry.number >= StartList::LowestNumber && entry.number <= StartList::HighestNumber, "number in range");
        check(!numbers.contains(entry.number), "numbers are unique");
        numbers.insert(entry.number);
        check(list.find(entry.number) == &entry, "find gives the entry");
        for (const QString *field : {&entry.name, &entry.team, &entry.event, &entry.picture})
            check(characters(*field) <= StartList::MaxFieldLength, "fields within the bound");
        check(entry.line > lastLine, "entries in the file's order, each on its own line");
        lastLine = entry.line;
    }
    for (const StartListEntry *at = list.next(StartList::HighestNumber + 1); at; at = list.next(at->number))
        check(list.find(at->number) == at, "next walks the list");
    for (const QString &problem : problems) {
        check(std::none_of(problem.begin(), problem.end(), [](QChar c) { return c.unicode() < 0x20; }),
              "a problem is one line without control characters");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = tallyard::fuzz::bytesOf(data, size);
    QStringList problems;
    const StartList list = StartList::read(bytes, &problems);
    checkList(list, problems);

    QByteArray written = "number,name,team,event,picture\n";
    for (const StartListEntry &entry : list.entries()) {
        written += QByteArray::number(entry.number) + ',' + quoted(entry.name) + ',' + quoted(entry.team) + ','
            + quoted(entry.event) + ',' + quoted(entry.picture) + "\r\n";
    }
    QStringList again;
    const StartList reread = StartList::read(written, &again);
    check(reread.size() == list.size(), "a written list reads back whole");
    check(list.isEmpty() || again.isEmpty(), "a written list reads back without problems");
    for (qsizetype i = 0; i < list.size(); ++i) {
        const StartListEntry &a = list.entries()[i], &b = reread.entries()[i];
        check(a.number == b.number && a.name == b.name && a.team == b.team && a.event == b.event
                  && a.picture == b.picture,
              "a written entry reads back the same");
    }

    if (size > 0 && data[0] % 8 == 7) {
        problems.clear();
        checkList(StartList::read(bytes.repeated(30), &problems), problems);
    }
    return 0;
}
