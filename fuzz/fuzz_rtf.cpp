// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The rich-text reader on any bytes: it refuses what does not start as RTF and leaves the
// document alone, and reads the rest into a document no larger than the file, never
// crashing, hanging or recursing with the file's nesting.

#include "fuzz/FuzzSupport.h"
#include "platform/readers/RtfReader.h"

#include <QTextDocument>

using tallyard::fuzz::check;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Character formats carry fonts, which need the GUI application.
    tallyard::fuzz::ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = tallyard::fuzz::bytesOf(data, size);
    QTextDocument document(QStringLiteral("before"));
    const bool read = tallyard::readRtf(bytes, document);
    check(read == bytes.startsWith("{\\rtf"), "only bytes that start as RTF are read");
    if (!read) {
        check(document.toPlainText() == QStringLiteral("before"), "a refused file leaves the document alone");
        return 0;
    }
    // Each character and paragraph comes from at least one byte of the file.
    check(document.characterCount() <= bytes.size() + 1, "no more characters than the file has bytes");
    check(document.blockCount() <= tallyard::MaxRtfParagraphs, "paragraphs within the limit");
    check(document.characterCount() <= tallyard::MaxRtfCharacters + 1, "characters within the limit");
    check(document.isUndoRedoEnabled(), "the document can undo again after reading");
    return 0;
}
