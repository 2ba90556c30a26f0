// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A settings file in the INI form: sections of keys, each value text. Operators edit these
// files by hand, so reading keeps every key it can whatever else the file holds (comments,
// blank lines, stray lines, a broken header, a byte-order mark, CRLF line ends, spaces
// around "=", duplicates with the last one counting, quoted values), in one pass over the
// bytes. Writing keeps every line where it stood and changes only the values set, so the
// operator's notes and keys of other programs survive; a file written from nothing comes
// out byte for byte as Qt's own INI writer writes it. A value is never anything but text:
// "@Variant(...)" and the other "@Type(" forms stay the text they are.

#include "tallyard_system_export.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace tallyard {

class TALLYARD_SYSTEM_EXPORT IniDocument {
public:
    IniDocument() = default;
    static IniDocument parse(QByteArrayView bytes);

    // Sections and keys compare without regard to case, as the registry does on Windows.
    std::optional<QString> value(QStringView section, QStringView key) const;
    // Changes the key's last line in place (left as it is when it already holds the value),
    // or adds the key to the section, in key order, and the section at the end.
    void setValue(const QString &section, const QString &key, const QString &value);
    QByteArray toBytes() const;
    bool isEmpty() const { return m_lines.empty(); }

    // One value as it stands on its line, and back: Qt's INI escaping and quoting.
    static QString unescapedValue(QStringView raw);
    static QByteArray escapedValue(const QString &value);

private:
    struct Line {
        QByteArray text;  // without its line end
        int section = -1; // index into m_sections of the block the line belongs to
        QString key;      // empty for anything but a key line
        bool header = false;
    };
    static QString indexKey(QStringView section, QStringView key);
    void reindex();
    qsizetype insertionPoint(int block, const QString &key) const;

    std::vector<Line> m_lines;
    std::vector<QString> m_sections;      // one entry per block, in file order
    QHash<QString, qsizetype> m_lastLine; // folded "section/key" -> its last key line
    bool m_byteOrderMark = false;
    bool m_crlf = false;
};

} // namespace tallyard
