// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The tokens of an RTF text, one at a time, with no recursion however deep the groups nest.
// It knows the syntax only: groups, control words with their parameters, control symbols,
// text, bytes given in hex, \bin data, and \uN with the stand-ins that follow it for readers
// without Unicode (\ucN of them, counted per group), which it skips itself. What a word means
// is the document builder's business.

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <string_view>
#include <vector>

namespace tallyard {

struct RtfToken {
    enum class Kind : uint8_t {
        End,        // the bytes have run out, or the outermost group has closed
        OpenGroup,  // {
        CloseGroup, // }
        Word,       // \name, with a parameter when digits follow; \uc and \u are not passed on
        Symbol,     // \ and one character that is not a letter: \~ \- \* \{ ... (\'hh is a Byte)
        Text,       // a run of printable ASCII without { } and \, or one tab
        Byte,       // \'hh, or a byte of 0x80 or above in the text
        Unicode,    // \uN, as a UTF-16 code unit
        Binary,     // the data of \binN, stepped over
    };
    Kind kind = Kind::End;
    bool hasParam = false;
    // A group opened or closed beyond MaxRtfGroupDepth: its \uc is not undone where it closes.
    bool deep = false;
    // Word: its parameter, which stops growing at the int limit; Symbol: the character;
    // Byte: the byte; Unicode: the code unit.
    int param = 0;
    // Word: its name; Text: the run; Binary: the data.
    std::string_view text;
};

class RtfTokenizer {
public:
    // Long runs of text come in pieces of at most this many bytes.
    static constexpr std::size_t MaxTextRun = 16 * 1024;

    // The tokenizer reads the bytes where they lie: they must outlive it.
    explicit RtfTokenizer(QByteArrayView rtf);
    explicit RtfTokenizer(QByteArray &&) = delete;

    RtfToken next();

    // How many of the open groups lie beyond MaxRtfGroupDepth.
    int64_t deepGroups() const { return m_deep; }

private:
    // Each reads one token into token, or gives false for bytes that make none.
    bool scan(RtfToken &token);
    bool controlSequence(RtfToken &token);
    bool controlWord(RtfToken &token);
    // Whether token stands in for the last \u's character and goes; a run of text loses as
    // many characters as are still to skip.
    bool isStandIn(RtfToken &token);

    const char *m_p;
    const char *m_end;
    bool m_done = false;
    // The \uc of the document and of each group open within the depth limit.
    std::vector<int> m_standInCounts;
    int64_t m_deep = 0;
    // Stand-ins still to skip after a \u.
    int m_standIns = 0;
};

} // namespace tallyard
