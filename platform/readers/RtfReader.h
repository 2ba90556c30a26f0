#pragma once
// Reading rich text (RTF) into a QTextDocument, for the formatted texts an operator keeps
// beside a competition. The reader keeps what a reader of the text sees: the characters,
// bold, italic, underline, strike-through, fonts, sizes, colours, paragraph alignment,
// indents and spacing, list bullets and numbers. Pictures, objects, headers, footers, field
// codes and other hidden parts are left out. Whatever the bytes, reading takes time in
// proportion to them, never recurses as deep as a file nests, and never crashes: a damaged
// or cut file gives the text that could be read.

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

// Replaces the document's content with the rich text in rtf and gives true, or gives false
// and leaves the document as it was when the bytes are not RTF at all (they do not start
// with "{\rtf"), so that the caller may show them another way. A file that is damaged or cut
// short still gives true, with what could be read of it.
TALLYARD_READERS_EXPORT bool readRtf(const QByteArray &rtf, QTextDocument &document);

// The same for the file at path; false, with the document left as it was, also when the file
// cannot be read or holds more than MaxRtfFileBytes.
TALLYARD_READERS_EXPORT bool loadRtfFile(const QString &path, QTextDocument &document);

} // namespace tallyard
