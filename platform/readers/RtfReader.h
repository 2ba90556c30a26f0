// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Reading rich text (RTF) into a QTextDocument, for the help text and the formatted texts an
// operator keeps beside a competition: what hand-written files and word processors' "Save as
// RTF" hold. The reader keeps what a reader of the text sees: the characters (in the code
// pages RtfCodePage.h lists, and as Unicode), bold, italic, underline, strike-through,
// super- and subscript, fonts, sizes, colours, highlighting, paragraph alignment,
// indents and spacing, and the visible text of list bullets and numbers, fields' results and
// table cells (a cell ends with a tab, a row with a paragraph). Left out on purpose: hidden text, pictures,
// objects, headers, footers, footnotes, annotations, field codes, style sheets (their
// formatting is written out again in the text), tab stops, table and page layout, borders,
// and right-to-left layout. Whatever the bytes, reading takes time in proportion to them,
// never recurses as deep as a file nests, holds a bounded document, and never crashes: a
// damaged or cut file gives the text that could be read.

#include "tallyard_readers_export.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace tallyard {

// Larger files are refused, so that a huge file cannot take the machine's memory.
inline constexpr qsizetype MaxRtfFileBytes = 16 * 1024 * 1024;
// Groups nested deeper than this are read as if they were not groups: their text shows, but
// formatting changed inside them is not undone where they close.
inline constexpr int MaxRtfGroupDepth = 256;
// The text stops after this many paragraphs: a board's texts never come near, and a file of
// nothing but paragraph marks would otherwise cost a few hundred bytes of memory per mark.
inline constexpr int MaxRtfParagraphs = 100000;
// The text stops after this many characters, a paragraph's end counting as one: far beyond
// any help text, and a document costs some tens of bytes for each of its characters.
inline constexpr qsizetype MaxRtfCharacters = 2000000;

// Replaces the document's content with the rich text in rtf and gives true, or gives false
// and leaves the document as it was when the bytes are not RTF at all (they do not start
// with "{\rtf"), so that the caller may show them another way. A file that is damaged or cut
// short still gives true, with what could be read of it.
TALLYARD_READERS_EXPORT bool readRtf(const QByteArray &rtf, QTextDocument &document);

// The same for the file at path; false, with the document left as it was, also when the file
// cannot be read or holds more than MaxRtfFileBytes.
TALLYARD_READERS_EXPORT bool loadRtfFile(const QString &path, QTextDocument &document);

} // namespace tallyard
