// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The code pages of an RTF text: which ones the reader understands, what a font's character
// set stands for, and how the bytes written in one become characters.
//
// Understood: the Windows code pages word processors write (874, 932, 936, 949, 950,
// 1250 to 1258), Mac Roman (10000), the two DOS code pages an RTF text can name (437, 850),
// UTF-8 (65001), and the Symbol font's own set. Windows-1252 decodes by table, so it works
// even where Qt has no code-page converters. Left out on purpose: every other code page, and
// the Korean Johab set (charset 130), which help files do not use; a text in one of them
// reads as the document's code page, or as Windows-1252.

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>

namespace tallyard::rtf {

inline constexpr int DefaultCodePage = 1252;

// Whether codePage is one the reader understands; a document or font that names another
// keeps the code page it had.
bool isKnownCodePage(int codePage);

// The code page a font's character set (\fcharsetN) stands for; 0 when it stands for the
// document's own.
int codePageOfCharset(int charset);

// How many bytes the character that starts with lead takes: 2 for a lead byte of a
// double-byte code page, 2 to 4 for the first byte of a UTF-8 sequence, 1 otherwise.
int characterLength(int codePage, unsigned char lead);

// Whether the second byte of a character may be a printable ASCII byte, as in the
// double-byte code pages: then plain text right after a lead byte continues its character.
bool hasAsciiTrailBytes(int codePage);

// Turns bytes into text. Each call stands on its own: a character cut at the end of the
// bytes is lost, never carried into the next call. Converters are made once per code page.
class RtfDecoder {
public:
    QString decode(QByteArrayView bytes, int codePage);

private:
    // Only understood code pages come here, so the map stays small.
    std::map<int, QStringDecoder> m_converters;
};

} // namespace tallyard::rtf
