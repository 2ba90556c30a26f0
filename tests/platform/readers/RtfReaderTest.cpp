// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/readers/RtfReader.h"

#include "platform/readers/RtfCodePage.h"
#include "platform/readers/RtfTokenizer.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <random>

// Failures show the text, not its code units one by one.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

using namespace tallyard;

namespace {

// The blocks' text joined by newlines; unlike toPlainText it keeps no-break spaces and line
// separators as the reader of the document sees them.
QString textOf(const QTextDocument &document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks << block.text();
    return blocks.join(u'\n');
}

QString read(const QByteArray &rtf, QTextDocument &document)
{
    EXPECT_TRUE(readRtf(rtf, document));
    return textOf(document);
}

// The formatting of the first occurrence of piece, as its last character has it.
QTextCharFormat formatOf(const QTextDocument &document, const QString &piece)
{
    const QTextCursor found = document.find(piece, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(found.isNull()) << piece.toStdString();
    return found.charFormat();
}

QByteArray repeated(const QByteArray &piece, int times)
{
    QByteArray out;
    out.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST(RtfReader, ReadsTheTextAReaderSees)
{
    const struct {
        const char *rtf;
        const char *text; // UTF-8
        int blocks;
    } cases[] = {
        {R"({\rtf1\ansi Hello, world.})", "Hello, world.", 1},
        // One space ends a control word; a second one is text.
        {R"({\rtf1 \b bold\b0  two})", "bold two", 1},
        {"{\\rtf1 Hel\r\nlo\n}", "Hello", 1},
        {R"({\rtf1 One\par Two\par})", "One\nTwo", 2},
        {R"({\rtf1 One\par\par Two})", "One\n\nTwo", 3},
        {R"({\rtf1 One\par\uc0\u7 })", "One", 1},
        {"{\\rtf1 One\\\nTwo}", "One\nTwo", 2},
        {R"({\rtf1 A\line B\tab C})", "A\u2028B\tC", 1},
        {R"({\rtf1 A\page B\par\page C})", "A\nB\nC", 3},
        {R"({\rtf1 \\ \{ \} a\~b co\-op \_})", "\\ { } a\u00a0b coop \u2011", 1},
        {R"({\rtf1 \emdash\endash\bullet\lquote x\rquote\ldblquote y\rdblquote})", "—–•‘x’“y”", 1},
        {R"({\rtf1 \foo12 \unknownword x})", "x", 1},
        {R"({\rtf1 A}B)", "A", 1},
        // Hidden parts and the tables leave no text behind.
        {R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red1\green2\blue3;}A})", "A", 1},
        {R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}{\author Me}}A})", "A", 1},
        {R"({\rtf1{\header head}{\footer foot}{\*\generator gen;}A{\*\bkmkstart m}B})", "AB", 1},
        {R"({\rtf1 A{\pict\wmetafile8 0102ff}{\*\shppict{\pict 0a0b}}{\object{\*\objdata 00}}B})", "AB", 1},
        {R"({\rtf1 A{\v hidden}B{\*\unknown {nested} text}C})", "ABC", 1},
        // A field shows its result, not its instruction.
        {R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt Shown}} {\field{\fldinst PAGE}{\fldrslt 7}}})", "Shown 7",
         1},
        // Binary data is stepped over, braces and all.
        {"{\\rtf1 A{\\pict\\bin3 }{\\}B}", "AB", 1},
        // List bullets and numbers stay at the start of their paragraphs.
        {R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\listtext\f1\'b7\tab}Item\par{\pntext 2.\tab}Next})",
         "•\tItem\n2.\tNext", 2},
        {R"({\rtf1 A\cell B\cell\row C})", "A\tB\t\nC", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rtf);
        QTextDocument document;
        EXPECT_EQ(read(c.rtf, document), QString::fromUtf8(c.text));
        EXPECT_EQ(document.blockCount(), c.blocks);
    }
}

TEST(RtfReader, DecodesUnicodeAndCodePageCharacters)
{
    const struct {
        const char *rtf;
        const char *text;                // UTF-8
        const char *converter = nullptr; // the Qt converter a case needs, if it is not built in
    } cases[] = {
        // \u is followed by \uc stand-ins (one by default) for readers without Unicode.
        {R"({\rtf1 caf\u233?!})", "café!"},
        {R"({\rtf1 \uc2\u8364 EU = \uc0\u8364 x})", "€ = €x"},
        {R"({\rtf1 \u233\'e9x})", "éx"},
        {"{\\rtf1 \\u233\tx\ty}", "éx\ty"},
        {R"({\rtf1 \u-10179?\u-8704?})", "😀"},
        {R"({\rtf1 {\uc2\u233 ab}\u233 c d})", "éé d"},
        // The stand-ins end with their group.
        {R"({\rtf1 {\uc3\u233 a}b})", "éb"},
        {R"({\rtf1 \uc0\u-10179 x\u7 \u13 y})", "\ufffdxy"},
        {R"({\rtf1 \'e9t\'e9 \'80 \'93q\'94})", "été € “q”"},
        {"{\\rtf1 caf\xe9}", "café"},
        {R"({\rtf1\ansicpg65001 \'e2\'82\'ac \'c3})", "€ \ufffd"},
        // A code page the reader does not know leaves the one before it.
        {R"({\rtf1\ansicpg866 \'e9{\fonttbl{\f1\cpg866 X;}}\f1\'e9})", "éé"},
        // Other code pages come from the document and its fonts.
        {R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})", "Аб", "windows-1251"},
        {R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}}\f1\'c0{\f0\'c0}})", "АÀ", "windows-1251"},
        {R"({\rtf1\ansicpg932 \'82\'a0\'83\'5c})", "あソ", "Shift_JIS"},
        {R"({\rtf1 \mac \'8e})", "é", "macintosh"},
        {R"({\rtf1\ansicpg1251\ansicpg866 \'c0})", "А", "windows-1251"},
        // Plain text right after a lead byte is the second half of its character, and \uc
        // between the halves does not part them.
        {R"({\rtf1\ansicpg932 \'83@x \'82\uc0 \'a0})", "ァx あ", "Shift_JIS"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rtf);
        if (c.converter && !QStringDecoder(c.converter).isValid())
            continue; // this Qt has no code-page converters
        QTextDocument document;
        EXPECT_EQ(read(c.rtf, document), QString::fromUtf8(c.text));
    }
}

TEST(RtfReader, CharacterFormattingFollowsTheControlWordsAndGroups)
{
    QTextDocument document;
    read(R"({\rtf1 plain {\b bold} {\i italic} {\ul under}{\ulnone none} {\strike struck} )"
         R"(\b ON\b0 OFF \i\ul\strike all\plain reset {\b outer {\i inner} after} tail )"
         R"({\uldb double\ul0 single})",
         document);
    const struct {
        const char *piece;
        bool bold, italic, underline, strike;
    } cases[] = {
        {"plain", false, false, false, false}, {"bold", true, false, false, false},
        {"italic", false, true, false, false}, {"under", false, false, true, false},
        {"none", false, false, false, false},  {"struck", false, false, false, true},
        {"ON", true, false, false, false},     {"OFF", false, false, false, false},
        {"all", false, true, true, true},      {"reset", false, false, false, false},
        {"outer", true, false, false, false},  {"inner", true, true, false, false},
        {"after", true, false, false, false},  {"tail", false, false, false, false},
        {"double", false, false, true, false}, {"single", false, false, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.piece);
        const QTextCharFormat format = formatOf(document, QString::fromLatin1(c.piece));
        EXPECT_EQ(format.fontWeight() == QFont::Bold, c.bold);
        EXPECT_EQ(format.fontItalic(), c.italic);
        EXPECT_EQ(format.fontUnderline(), c.underline);
        EXPECT_EQ(format.fontStrikeOut(), c.strike);
    }
}

TEST(RtfReader, FontsSizesAndColoursComeFromTheirTables)
{
    QTextDocument document;
    read(R"({\rtf1\deff0{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss{\*\panose 0}Arial;}})"
         R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;}serif {\f1 sans} {\fs36 big} )"
         R"({\f9 unknown} {\cf1 red} {\cf2\highlight1 blue} {\cb2 shaded} {\cf1\cf0 auto} {\cf7 missing} )"
         R"({\fs99999999999999 huge} \plain\f1 reset})",
         document);
    const struct {
        const char *piece;
        const char *family;
        double points;
        QColor foreground, background;
    } cases[] = {
        {"serif", "Times New Roman", 12, {}, {}},
        {"sans", "Arial", 12, {}, {}},
        {"big", "Times New Roman", 18, {}, {}},
        {"unknown", "Times New Roman", 12, {}, {}},
        {"red", "Times New Roman", 12, Qt::red, {}},
        {"blue", "Times New Roman", 12, Qt::blue, Qt::red},
        {"shaded", "Times New Roman", 12, {}, Qt::blue},
        {"auto", "Times New Roman", 12, {}, {}},
        {"missing", "Times New Roman", 12, {}, {}},
        {"huge", "Times New Roman", 1638, {}, {}},
        {"reset", "Arial", 12, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.piece);
        const QTextCharFormat format = formatOf(document, QString::fromLatin1(c.piece));
        EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{QString::fromLatin1(c.family)});
        EXPECT_DOUBLE_EQ(format.fontPointSize(), c.points);
        // An invalid colour stands for none set.
        EXPECT_EQ(format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor(),
                  c.foreground);
        EXPECT_EQ(format.hasProperty(QTextFormat::BackgroundBrush) ? format.background().color() : QColor(),
                  c.background);
    }
    EXPECT_EQ(textOf(document), QStringLiteral("serif sans big unknown red blue shaded auto missing huge reset"));
}

TEST(RtfReader, ParagraphsTakeTheirAlignmentIndentsAndSpacing)
{
    QTextDocument document;
    read(R"({\rtf1\qc Centre\par\pard\qr Right\par\pard\qj Justified\par\pard Left\par)"
         R"(\li1500\ri300\fi-750\sb150\sa300 Indented\par\pard\li-300\fi-9000 Clamped\par)"
         R"({\pard\qc Grouped\par}Plain\par{\qr Last}})",
         document);
    const struct {
        Qt::Alignment alignment;
        qreal left, right, indent, top, bottom; // pixels, 15 twips each
    } cases[] = {
        {Qt::AlignHCenter, 0, 0, 0, 0, 0}, {Qt::AlignRight, 0, 0, 0, 0, 0},       {Qt::AlignJustify, 0, 0, 0, 0, 0},
        {Qt::AlignLeft, 0, 0, 0, 0, 0},    {Qt::AlignLeft, 100, 20, -50, 10, 20}, {Qt::AlignLeft, 0, 0, 0, 0, 0},
        {Qt::AlignHCenter, 0, 0, 0, 0, 0}, {Qt::AlignLeft, 0, 0, 0, 0, 0},        {Qt::AlignRight, 0, 0, 0, 0, 0},
    };
    ASSERT_EQ(document.blockCount(), static_cast<int>(std::size(cases)));
    QTextBlock block = document.begin();
    for (const auto &c : cases) {
        SCOPED_TRACE(block.text().toStdString());
        const QTextBlockFormat format = block.blockFormat();
        EXPECT_EQ(format.alignment() & Qt::AlignHorizontal_Mask, c.alignment);
        EXPECT_DOUBLE_EQ(format.leftMargin(), c.left);
        EXPECT_DOUBLE_EQ(format.rightMargin(), c.right);
        EXPECT_DOUBLE_EQ(format.textIndent(), c.indent);
        EXPECT_DOUBLE_EQ(format.topMargin(), c.top);
        EXPECT_DOUBLE_EQ(format.bottomMargin(), c.bottom);
        block = block.next();
    }
}

TEST(RtfReader, DamagedFilesGiveWhatCouldBeRead)
{
    const struct {
        QByteArray rtf;
        const char *text;
    } cases[] = {
        {R"({\rtf1 abc)", "abc"},
        {R"({\rtf1 {\b bold)", "bold"},
        {R"({\rtf1 abc\b)", "abc"},
        {R"({\rtf1 abc\)", "abc"},
        {R"({\rtf1 abc\'4)", "abc"},
        {R"({\rtf1 a\'zz})", "azz"},
        {R"({\rtf1 a\u)", "a"},
        {R"({\rtf1 a}}}}b)", "a"},
        {R"({\rtf1 a\bin999999999999 abc})", "a"},
        {R"({\rtf1 a\bin-5 b})", "ab"},
        {R"({\rtf1 \u99999999999 x\u-99999 y})", "\xef\xbf\xbd\xef\xbf\xbd"},
        {R"({\rtf1 \uc99999999999\u233 abc}d})", "é"},
        {R"({\rtf1 \li-99999999999999\fi99999999999 x})", "x"},
        {R"({\rtf1{\colortbl;\red999\green-5\blue;}{\cf1 x}})", "x"},
        {QByteArray("{\\rtf1 a\0b\x01\x7f}", 13), "ab\x7f"},
        {R"({\rtf1{\fonttbl{\f0 Unclosed)", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rtf.toStdString());
        QTextDocument document;
        EXPECT_EQ(read(c.rtf, document), QString::fromUtf8(c.text));
    }
}

TEST(RtfReader, BytesThatAreNotRtfLeaveTheDocumentAlone)
{
    const QByteArray cases[] = {"", "Hello", "{\\rt", " {\\rtf1 x}", "\xef\xbb\xbf{\\rtf1 x}", "{\\RTF1 x}"};
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.toStdString());
        QTextDocument document(QStringLiteral("kept"));
        EXPECT_FALSE(readRtf(bytes, document));
        EXPECT_EQ(document.toPlainText(), QStringLiteral("kept"));
    }
}

TEST(RtfReader, DeepNestingIsBoundedButKeepsItsText)
{
    // Formatting still comes undone up to the depth limit.
    QTextDocument shallow;
    read("{\\rtf1 " + repeated("{\\b ", MaxRtfGroupDepth - 1) + "x" + repeated("}", MaxRtfGroupDepth - 1) + "y}",
         shallow);
    EXPECT_EQ(formatOf(shallow, QStringLiteral("x")).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(shallow, QStringLiteral("y")).fontWeight(), QFont::Normal);

    // Beyond it, text still shows and hidden destinations are still left out.
    const int depth = 100000;
    QTextDocument deep;
    EXPECT_EQ(read("{\\rtf1 " + repeated("{", depth) + "deep{\\*\\secret hidden{more}}" + repeated("}", depth)
                       + " after{\\info gone}}",
                   deep),
              QStringLiteral("deep after"));

    QTextDocument unclosed;
    EXPECT_EQ(read("{\\rtf1 " + repeated("{\\i ", depth) + "end", unclosed), QStringLiteral("end"));
}

TEST(RtfReader, LargeOrHostileInputsFinishQuickly)
{
    std::mt19937 random(20240611);
    QByteArray noise(1024 * 1024, Qt::Uninitialized);
    for (char &byte : noise)
        byte = static_cast<char>(random() & 0xff);
    // Random bytes soon close the outermost group, which ends the document; random pieces of
    // RTF that never close it keep the reader busy to the last byte. Groups close more often
    // than they open, so that the text is not all inside skipped ones.
    const char *const pieces[] = {"{",
                                  "}",
                                  "}",
                                  "}",
                                  "}",
                                  "}",
                                  "\\plain ",
                                  "\\b ",
                                  "\\i0",
                                  "\\par ",
                                  "\\u-10179?",
                                  "\\'e9",
                                  "\\uc2 ",
                                  "{\\*\\x ",
                                  "{\\fonttbl",
                                  "\\f1 ",
                                  ";",
                                  "\\bin5 {}{}}",
                                  "\\cf2 ",
                                  "text ",
                                  "\xe9",
                                  "\\ ",
                                  "\\'",
                                  "{\\colortbl\\red9;",
                                  "\\ansicpg932 ",
                                  "\\v "};
    QByteArray tokens = "{\\rtf1 ";
    for (int depth = 1; tokens.size() < 1024 * 1024;) {
        const QByteArray piece = pieces[random() % std::size(pieces)];
        if (piece == "}" && depth == 1)
            continue;
        depth += piece.startsWith('{') ? 1 : piece == "}" ? -1 : 0;
        tokens += piece;
    }
    const struct {
        const char *name;
        QByteArray rtf;
    } cases[] = {
        {"random bytes", "{\\rtf1 " + noise},
        {"random bytes, not RTF", noise},
        {"random pieces of RTF", tokens},
        {"alternating formats", "{\\rtf1 " + repeated("{\\b a}{\\i\\cf1 b}", 60000) + "}"},
        {"code-page escapes", "{\\rtf1\\ansicpg1251 " + repeated("\\'c0\\'e9", 100000) + "}"},
        {"unicode", "{\\rtf1 " + repeated("\\u8364?", 150000) + "}"},
        {"font table", "{\\rtf1{\\fonttbl" + repeated("{\\f1\\fcharset128 F;}", 40000) + "}}"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument document;
        // A hang shows as the suite's timeout.
        const bool isRtf = readRtf(c.rtf, document);
        EXPECT_EQ(isRtf, c.rtf.startsWith("{\\rtf"));
        // No byte of the file becomes more than one character.
        EXPECT_LE(document.characterCount(), c.rtf.size() + 1);
    }
}

TEST(RtfReader, ParagraphsStopAtTheLimit)
{
    QTextDocument document;
    read("{\\rtf1 " + repeated("p\\par ", MaxRtfParagraphs + 10) + "}", document);
    EXPECT_EQ(document.blockCount(), MaxRtfParagraphs);
    EXPECT_EQ(document.lastBlock().text(), QStringLiteral("p"));
}

TEST(RtfReader, FilesAreReadUpToTheSizeLimit)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("notes.rtf"));
    const QString huge = dir.filePath(QStringLiteral("huge.rtf"));
    {
        QFile file(good);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"({\rtf1 {\b Notes}})");
        QFile big(huge);
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write(R"({\rtf1 x})");
        ASSERT_TRUE(big.resize(MaxRtfFileBytes + 1));
    }
    QTextDocument document;
    EXPECT_TRUE(loadRtfFile(good, document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Notes"));
    EXPECT_FALSE(loadRtfFile(huge, document));
    EXPECT_FALSE(loadRtfFile(dir.filePath(QStringLiteral("missing.rtf")), document));
    EXPECT_FALSE(loadRtfFile(dir.path(), document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Notes"));
}

TEST(RtfReader, LongRunsGoToTheDocumentWithoutCuttingACharacter)
{
    const QString smiley = QStringLiteral("\U0001F600");
    const struct {
        const char *what;
        QByteArray rtf;
        QString text;
    } cases[] = {
        {"UTF-8", "{\\rtf1\\ansicpg65001 " + repeated("\\'e2\\'82\\'ac", 30000) + "}", QString(30000, QChar(0x20AC))},
        {"Shift_JIS", "{\\rtf1\\ansicpg932 " + repeated("\\'82\\'a0", 30000) + "}",
         QStringDecoder("Shift_JIS").isValid() ? QString(30000, QChar(0x3042)) : QString()},
        {"surrogate pairs", "{\\rtf1 x" + repeated("\\u-10179?\\u-8704?", 30000) + "}",
         QStringLiteral("x") + smiley.repeated(30000)},
        {"plain text", "{\\rtf1 " + repeated("ab", 30000) + "}", QStringLiteral("ab").repeated(30000)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.text.isEmpty())
            continue; // no converter in this Qt
        QTextDocument document;
        EXPECT_EQ(read(c.rtf, document), c.text);
    }
}

TEST(RtfReader, CharactersStopAtTheLimit)
{
    const qsizetype most = MaxRtfCharacters;
    const struct {
        const char *what;
        QByteArray tail; // after most - 1 letters
        QString text;    // what the document holds after them
    } cases[] = {
        {"text", repeated("a", 11), QStringLiteral("a")},
        // A pair of surrogates that does not fit goes whole.
        {"a character outside the BMP", "\\u-10179?\\u-8704?b", QString()},
        // A paragraph's end takes the last place.
        {"a paragraph", "\\par b", QStringLiteral("\n")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QTextDocument document;
        const QString text = read("{\\rtf1 " + QByteArray(most - 1, 'a') + c.tail + "}", document);
        EXPECT_EQ(text.size(), most - 1 + c.text.size());
        EXPECT_TRUE(text.endsWith(u'a' + c.text));
        EXPECT_LE(document.characterCount(), most + 1);
    }
}

// Renders tokens as text: { } \word-1 \symbol 'text' x(hex byte) U+unit bin'data'.
QString tokensOf(const QByteArray &rtf)
{
    QStringList out;
    RtfTokenizer tokenizer(rtf);
    for (RtfToken token = tokenizer.next(); token.kind != RtfToken::Kind::End; token = tokenizer.next()) {
        const QString text = QString::fromLatin1(token.text.data(), static_cast<qsizetype>(token.text.size()));
        switch (token.kind) {
        case RtfToken::Kind::OpenGroup:
            out << QStringLiteral("{");
            break;
        case RtfToken::Kind::CloseGroup:
            out << QStringLiteral("}");
            break;
        case RtfToken::Kind::Word:
            out << u'\\' + text + (token.hasParam ? QString::number(token.param) : QString());
            break;
        case RtfToken::Kind::Symbol:
            out << u'\\' + (token.param == '\n' ? QStringLiteral("<nl>") : QString(QChar(token.param)));
            break;
        case RtfToken::Kind::Text:
            out << u'\'' + text + u'\'';
            break;
        case RtfToken::Kind::Byte:
            out << QStringLiteral("x(%1)").arg(token.param, 2, 16, QChar(u'0'));
            break;
        case RtfToken::Kind::Unicode:
            out << QStringLiteral("U+%1").arg(token.param, 4, 16, QChar(u'0')).toUpper();
            break;
        case RtfToken::Kind::Binary:
            out << QStringLiteral("bin'") + text + u'\'';
            break;
        case RtfToken::Kind::End:
            break;
        }
    }
    return out.join(u' ');
}

TEST(RtfTokenizer, SplitsTheBytesIntoTokens)
{
    const struct {
        const char *rtf;
        const char *tokens;
    } cases[] = {
        {R"({\rtf1 \b0 x}tail)", R"({ \rtf1 \b0 'x' })"},
        // One space ends a word; a minus sign without digits is text; digits stop growing.
        {R"(\li-20 \fi-  x\fs99999999999)", R"(\li-20 \fi '-  x' \fs2147483647)"},
        {R"(\'e9\'4\'zz\'A0)", "x(e9) x(04) 'zz' x(a0)"},
        {"a\r\nb\x01"
         "c\xe9\td",
         "'a' 'b' 'c' x(e9) '\t' 'd'"},
        {"\\~\\-\\*\\{\\\n\\", R"(\~ \- \* \{ \<nl>)"},
        {R"(\bin3 {}\y\bin-5 z\bin99 ab)", R"(bin'{}\' 'y' bin'' 'z' bin'ab')"},
        // \u and the stand-ins that follow it: \uc of them, whatever they are, in its group.
        {R"(\u233?x\uc2\u233 ab c)", "U+00E9 'x' U+00E9 ' c'"},
        {R"(\uc2\u8364\'80\b x\u233\bin2 ab c)", "U+20AC 'x' U+00E9 'c'"},
        {R"({{\uc0\u233 x}\u233?y{\uc3\u233 a}b})", "{ { U+00E9 'x' } U+00E9 'y' { U+00E9 } 'b' }"},
        {R"(\u-10179?\u70000 ?\u?)", R"(U+D83D U+FFFD \u '?')"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rtf);
        EXPECT_EQ(tokensOf(c.rtf), QString::fromLatin1(c.tokens));
    }
}

TEST(RtfTokenizer, LongRunsComeInPiecesAndDeepGroupsAreCountedApart)
{
    const QByteArray run(RtfTokenizer::MaxTextRun + 1, 'a');
    EXPECT_EQ(tokensOf(run), u'\'' + QString(RtfTokenizer::MaxTextRun, u'a') + QStringLiteral("' 'a'"));

    // MaxRtfGroupDepth groups, the outermost one among them, have a \uc of their own; one
    // deeper changes that of the group around it.
    const QByteArray nested = "{" + repeated("{", MaxRtfGroupDepth) + "\\uc0}\\u233 ?}";
    RtfTokenizer tokenizer(nested);
    int deep = 0;
    int64_t deepest = 0;
    RtfToken token = tokenizer.next();
    for (; token.kind == RtfToken::Kind::OpenGroup; token = tokenizer.next()) {
        deep += token.deep ? 1 : 0;
        deepest = std::max(deepest, tokenizer.deepGroups());
    }
    EXPECT_EQ(deep, 1);
    EXPECT_EQ(deepest, 1);
    EXPECT_TRUE(token.deep);
    EXPECT_EQ(tokenizer.deepGroups(), 0);
    EXPECT_EQ(tokenizer.next().kind, RtfToken::Kind::Unicode);
    EXPECT_EQ(tokenizer.next().text, "?") << "the deep group's \\uc0 is not undone";
}

TEST(RtfCodePage, TurnsBytesIntoTextOrKnowsHowLongACharacterIs)
{
    const struct {
        int codePage;
        QByteArray bytes;
        const char *text; // UTF-8; nullptr where this Qt has no converter for the code page
        int firstLength;  // of the character the first byte begins
    } cases[] = {
        {1252, "\x80\x81\x93", "€\u0081“", 1},
        {866, "\xe9", "é", 1}, // not understood: Windows-1252
        {42,
         "\xb7"
         "a",
         "•a", 1},
        {65001, "\xe2\x82\xac", "€", 3},
        {65001, "\xf0\x9f\x98\x80", "\U0001F600", 4},
        {65001, "\xc3", "\ufffd", 2},
        {65001, "\x80", "\ufffd", 1},
        {932, "\x82\xa0", "あ", 2},
        {932, "\xb1", "ｱ", 1},
        {936, "\x81\x40", "丂", 2},
        {10000, "\x8e", "é", 1},
    };
    rtf::RtfDecoder decoder;
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.codePage << ' ' << c.bytes.toHex().toStdString());
        EXPECT_EQ(rtf::characterLength(c.codePage, static_cast<unsigned char>(c.bytes.front())), c.firstLength);
        const QString text = decoder.decode(c.bytes, c.codePage);
        if (text != QString::fromUtf8(c.text) && c.codePage > 900 && c.codePage < 1000)
            continue; // this Qt has no double-byte converters
        EXPECT_EQ(text, QString::fromUtf8(c.text));
    }
    EXPECT_FALSE(rtf::isKnownCodePage(866));
    EXPECT_EQ(rtf::codePageOfCharset(0), 0) << "the document's own";
    EXPECT_EQ(rtf::codePageOfCharset(130), 0) << "Johab is not read";
    EXPECT_TRUE(rtf::hasAsciiTrailBytes(932));
    EXPECT_FALSE(rtf::hasAsciiTrailBytes(65001));
}

} // namespace
