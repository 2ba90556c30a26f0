// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The meet's start list: who competes, in which order, as the organisers' spreadsheet saves
// it (CSV or Unicode text: comma, semicolon or tab; UTF-8, UTF-16 or Windows-1252; a header
// in English, German, French or Spanish, or none). The reader keeps every row it can use and tells, row
// by row, why it refused the others, so that a list with one bad line still runs the meet.

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tallyard {

struct StartListEntry {
    int number = 0; // the gymnast number, -1..9999
    QString name;
    QString team;
    QString event;
    QString picture; // as written in the list; loadStartList makes a relative one absolute
    int line = 0;    // the 1-based line of the file the row starts on
};

class StartList {
public:
    // The bounds of what is read: more rows are ignored (reported once), a longer field
    // refuses its row, a larger file is refused whole.
    static constexpr int MaxRows = 10000;
    static constexpr int MaxFieldLength = 1000; // characters, after trimming blanks
    static constexpr qsizetype MaxFileSize = 16 * 1024 * 1024;
    static constexpr int LowestNumber = -1;
    static constexpr int HighestNumber = 9999;

    // Reads a whole list. Each row refused, and anything else worth the operator's eye,
    // adds a line such as "line 7: no gymnast number" to problems (may be null).
    static StartList read(QByteArrayView bytes, QStringList *problems);

    // Null when the number is not in the list.
    const StartListEntry *find(int number) const;
    // In list order. The entry after (before) the number's own; for a number not in the list
    // the first (last) entry, so that stepping from a board with nobody on it starts the
    // list; null past either end and for an empty list.
    const StartListEntry *next(int number) const;
    const StartListEntry *previous(int number) const;

    bool isEmpty() const { return m_entries.isEmpty(); }
    // Whether the list has a picture column: then a gymnast without a picture shows none.
    bool hasPictures() const { return m_hasPictures; }
    qsizetype size() const { return m_entries.size(); }
    const QList<StartListEntry> &entries() const { return m_entries; }

private:
    friend StartList loadStartList(const QString &path, QStringList *problems);

    QList<StartListEntry> m_entries;
    QHash<int, qsizetype> m_indexOf; // number -> index in m_entries
    bool m_hasPictures = false;
};

// Reads the list file at path. A file that cannot be read reports why and gives an empty
// list; nothing is thrown. Relative picture paths are made absolute against the list's
// folder; a picture that is not there is a problem of its row. The problems name lines, not
// the file: the caller says which file they are about.
StartList loadStartList(const QString &path, QStringList *problems);

} // namespace tallyard
