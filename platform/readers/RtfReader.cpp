// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/readers/RtfReader.h"

#include "platform/readers/RtfCodePage.h"
#include "platform/readers/RtfTokenizer.h"

#include <QColor>
#include <QFile>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tallyard {
namespace {

// RTF measures indents and spacing in twips (1/20 point). The document lays out in pixels;
// a 96 dpi screen has 15 twips to the pixel, the scale the texts were written at.
constexpr double TwipsPerPixel = 15.0;
// 22 inches, the widest page a word processor lays out: anything beyond is a damaged value.
constexpr int MaxTwips = 31680;
// Font sizes come in half points; 12 points when a text names none.
constexpr int DefaultHalfPoints = 24;
constexpr int MaxHalfPoints = 3276;
// Tables are bounded so that a file of nothing but separators cannot grow them without end.
constexpr std::size_t MaxFonts = 4096;
constexpr std::size_t MaxColours = 4096;
constexpr qsizetype MaxFontName = 255;
// Text and bytes waiting for the document go to it in pieces of about this size, so that a
// long run in one formatting never sits in memory twice.
constexpr qsizetype PendingChunk = 16 * 1024;

enum class Act : uint8_t {
    Skip,
    FontTable,
    ColourTable,
    Char,
    Paragraph,
    Page,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    Super,
    Sub,
    NoSuperSub,
    Plain,
    Font,
    FontSize,
    Foreground,
    Shading,
    Highlight,
    Pard,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    DefaultFont,
    AnsiCodePage,
    CharacterSet,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
};

struct Word {
    std::string_view name;
    Act act;
    uint16_t value = 0; // the character of a Char, the code page of a CharacterSet
};

// Words not listed are ignored, which is also how \fldrslt, \listtext and \pntext keep their
// text: a field's shown result and a list item's bullet or number read as ordinary text.
constexpr auto Words = [] {
    std::array table{
        // Destinations whose text is never shown.
        Word{"annotation", Act::Skip},
        Word{"atnid", Act::Skip},
        Word{"atnauthor", Act::Skip},
        Word{"bkmkstart", Act::Skip},
        Word{"bkmkend", Act::Skip},
        Word{"do", Act::Skip},
        Word{"fldinst", Act::Skip},
        Word{"footer", Act::Skip},
        Word{"footerf", Act::Skip},
        Word{"footerl", Act::Skip},
        Word{"footerr", Act::Skip},
        Word{"footnote", Act::Skip},
        Word{"ftncn", Act::Skip},
        Word{"ftnsep", Act::Skip},
        Word{"ftnsepc", Act::Skip},
        Word{"header", Act::Skip},
        Word{"headerf", Act::Skip},
        Word{"headerl", Act::Skip},
        Word{"headerr", Act::Skip},
        Word{"info", Act::Skip},
        Word{"listoverridetable", Act::Skip},
        Word{"listtable", Act::Skip},
        Word{"nonshppict", Act::Skip},
        Word{"object", Act::Skip},
        Word{"pict", Act::Skip},
        Word{"pn", Act::Skip},
        Word{"pntxta", Act::Skip},
        Word{"pntxtb", Act::Skip},
        Word{"revtbl", Act::Skip},
        Word{"rsidtbl", Act::Skip},
        Word{"stylesheet", Act::Skip},
        Word{"tc", Act::Skip},
        Word{"xe", Act::Skip},
        Word{"fonttbl", Act::FontTable},
        Word{"colortbl", Act::ColourTable},
        // Characters.
        Word{"tab", Act::Char, u'\t'},
        Word{"cell", Act::Char, u'\t'},
        Word{"nestcell", Act::Char, u'\t'},
        Word{"line", Act::Char, 0x2028},
        Word{"emdash", Act::Char, 0x2014},
        Word{"endash", Act::Char, 0x2013},
        Word{"emspace", Act::Char, 0x2003},
        Word{"enspace", Act::Char, 0x2002},
        Word{"qmspace", Act::Char, 0x2005},
        Word{"bullet", Act::Char, 0x2022},
        Word{"lquote", Act::Char, 0x2018},
        Word{"rquote", Act::Char, 0x2019},
        Word{"ldblquote", Act::Char, 0x201C},
        Word{"rdblquote", Act::Char, 0x201D},
        Word{"zwj", Act::Char, 0x200D},
        Word{"zwnj", Act::Char, 0x200C},
        Word{"ltrmark", Act::Char, 0x200E},
        Word{"rtlmark", Act::Char, 0x200F},
        Word{"par", Act::Paragraph},
        Word{"row", Act::Paragraph},
        Word{"nestrow", Act::Paragraph},
        Word{"page", Act::Page},
        Word{"sect", Act::Page},
        // Character formatting.
        Word{"b", Act::Bold},
        Word{"i", Act::Italic},
        Word{"ul", Act::Underline},
        Word{"uld", Act::Underline},
        Word{"uldash", Act::Underline},
        Word{"uldashd", Act::Underline},
        Word{"uldashdd", Act::Underline},
        Word{"uldb", Act::Underline},
        Word{"ulhwave", Act::Underline},
        Word{"ulldash", Act::Underline},
        Word{"ulth", Act::Underline},
        Word{"ulthd", Act::Underline},
        Word{"ulthdash", Act::Underline},
        Word{"ulthdashd", Act::Underline},
        Word{"ulthdashdd", Act::Underline},
        Word{"ulthldash", Act::Underline},
        Word{"ululdbwave", Act::Underline},
        Word{"ulw", Act::Underline},
        Word{"ulwave", Act::Underline},
        Word{"ulnone", Act::UnderlineNone},
        Word{"strike", Act::Strike},
        Word{"striked", Act::Strike},
        Word{"v", Act::Hidden},
        Word{"super", Act::Super},
        Word{"sub", Act::Sub},
        Word{"nosupersub", Act::NoSuperSub},
        Word{"plain", Act::Plain},
        Word{"f", Act::Font},
        Word{"fs", Act::FontSize},
        Word{"cf", Act::Foreground},
        Word{"cb", Act::Shading},
        Word{"highlight", Act::Highlight},
        // Paragraph formatting.
        Word{"pard", Act::Pard},
        Word{"ql", Act::AlignLeft},
        Word{"qc", Act::AlignCentre},
        Word{"qr", Act::AlignRight},
        Word{"qj", Act::AlignJustify},
        Word{"qd", Act::AlignJustify},
        Word{"li", Act::LeftIndent},
        Word{"lin", Act::LeftIndent},
        Word{"ri", Act::RightIndent},
        Word{"rin", Act::RightIndent},
        Word{"fi", Act::FirstIndent},
        Word{"sb", Act::SpaceBefore},
        Word{"sa", Act::SpaceAfter},
        // Encoding and tables.
        Word{"deff", Act::DefaultFont},
        Word{"ansicpg", Act::AnsiCodePage},
        Word{"ansi", Act::CharacterSet, 1252},
        Word{"mac", Act::CharacterSet, 10000},
        Word{"pc", Act::CharacterSet, 437},
        Word{"pca", Act::CharacterSet, 850},
        Word{"fcharset", Act::FontCharset},
        Word{"cpg", Act::FontCodePage},
        Word{"red", Act::Red},
        Word{"green", Act::Green},
        Word{"blue", Act::Blue},
    };
    std::sort(table.begin(), table.end(), [](const Word &a, const Word &b) { return a.name < b.name; });
    return table;
}();

const Word *findWord(std::string_view name)
{
    const auto it = std::lower_bound(Words.begin(), Words.end(), name,
                                     [](const Word &word, std::string_view key) { return word.name < key; });
    return it != Words.end() && it->name == name ? &*it : nullptr;
}

// Where the text of a group goes.
enum class Destination : uint8_t { Text, FontTable, ColourTable, Skip };
enum class Align : uint8_t { Left, Centre, Right, Justify };

struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int8_t script = 0; // 1 superscript, -1 subscript
    int font = -1;     // an index into the font table; -1 is the document's default font
    int halfPoints = DefaultHalfPoints;
    int foreground = 0; // indices into the colour table
    int shading = 0;
    int highlight = 0;
    bool operator==(const CharProps &) const = default;
};

struct ParaProps {
    Align align = Align::Left;
    int left = 0; // all in twips
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
};

// What a group saves on opening and gets back on closing.
struct GroupState {
    CharProps chars;
    ParaProps para;
    Destination dest = Destination::Text;
};

struct FontEntry {
    QString family;
    int codePage = 0; // 0: the document's code page
};

int twips(int value)
{
    return std::clamp(value, -MaxTwips, MaxTwips);
}

// Characters a QTextDocument must not get as text: controls other than the tab, the
// separators it would split blocks at (paragraphs come from paragraph marks alone, so that
// their number stays bounded), its frame markers and lone surrogates.
void cleanForDocument(QString &text)
{
    char16_t *data = reinterpret_cast<char16_t *>(text.data());
    const qsizetype size = text.size();
    qsizetype out = 0;
    for (qsizetype i = 0; i < size; ++i) {
        char16_t c = data[i];
        if (c < 0x20 && c != u'\t')
            continue;
        if (c == 0x2029) {
            c = 0x2028;
        } else if (c == 0xFDD0 || c == 0xFDD1) {
            c = 0xFFFD;
        } else if (QChar::isHighSurrogate(c)) {
            if (i + 1 < size && QChar::isLowSurrogate(data[i + 1])) {
                data[out++] = c;
                c = data[++i];
            } else {
                c = 0xFFFD;
            }
        } else if (QChar::isLowSurrogate(c)) {
            c = 0xFFFD;
        }
        data[out++] = c;
    }
    text.truncate(out);
}

// Builds the document from the tokens: the state of each group, the font and colour
// tables, and the text in runs of one formatting.
class Reader {
public:
    Reader(const QByteArray &rtf, QTextDocument &document) : m_tokens(rtf), m_cursor(&document)
    {
        m_groups.emplace_back();
    }

    void read()
    {
        using Kind = RtfToken::Kind;
        m_cursor.beginEditBlock();
        while (!m_full) {
            const RtfToken token = m_tokens.next();
            if (token.kind == Kind::End)
                break;
            // Bytes decode together until something else comes between them.
            if (token.kind != Kind::Byte && token.kind != Kind::Text)
                flushBytes();
            if (token.kind == Kind::OpenGroup) {
                openGroup(token.deep);
            } else if (token.kind == Kind::CloseGroup) {
                closeGroup(token.deep);
            } else if (skipping()) {
                continue;
            } else if (token.kind == Kind::Word) {
                // No word is longer; a longer name needs no look-up.
                if (const Word *word = token.text.size() <= 32 ? findWord(token.text) : nullptr)
                    apply(*word, token.hasParam, token.param);
            } else if (token.kind == Kind::Symbol) {
                symbol(static_cast<char>(token.param));
            } else if (token.kind == Kind::Text) {
                text(token.text);
            } else if (token.kind == Kind::Byte) {
                byte(static_cast<unsigned char>(token.param));
            } else if (token.kind == Kind::Unicode) {
                character(static_cast<char16_t>(token.param));
            }
        }
        finish();
        m_cursor.endEditBlock();
    }

private:
    GroupState &top() { return m_groups.back(); }
    bool skipping() { return m_deepSkip > 0 || top().dest == Destination::Skip; }

    // Groups ---------------------------------------------------------------------------------

    // A group too deep to have a state of its own changes nothing where it closes.
    void openGroup(bool deep)
    {
        if (!deep)
            m_groups.push_back(m_groups.back());
    }

    void closeGroup(bool deep)
    {
        if (deep) {
            if (m_tokens.deepGroups() < m_deepSkip)
                m_deepSkip = 0;
            return;
        }
        if (top().dest == Destination::FontTable)
            commitFont();
        else if (top().dest == Destination::ColourTable && m_colourSet)
            commitColour();
        if (m_groups.size() > 1)
            m_groups.pop_back();
    }

    void setDestination(Destination dest)
    {
        // A group too deep to have a state of its own cannot change where its text goes: one
        // that would is skipped as a whole instead.
        if (m_tokens.deepGroups() > 0) {
            if (dest != Destination::Text && m_deepSkip == 0)
                m_deepSkip = m_tokens.deepGroups();
            return;
        }
        if (top().dest != Destination::Skip)
            top().dest = dest;
    }

    // Tokens ---------------------------------------------------------------------------------

    void symbol(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            character(static_cast<char16_t>(c));
            break;
        case '~':
            character(0x00A0);
            break;
        case '_':
            character(0x2011);
            break;
        case '*':
            setDestination(Destination::Skip);
            break; // we show no optional destination
        case '\r':
        case '\n':
            paragraphBreak();
            break;
        default:
            break; // \- (an optional hyphen: lines break where the layout likes) and others
        }
    }

    void text(std::string_view run)
    {
        // In a double-byte code page the second byte of a character may be plain ASCII.
        if (m_trailBytesDue > 0 && run.front() != '\t' && rtf::hasAsciiTrailBytes(m_bytesCodePage)) {
            byte(static_cast<unsigned char>(run.front()));
            run.remove_prefix(1);
        }
        flushBytes();
        if (run.empty())
            return;
        if (top().dest == Destination::Text) {
            if (startRun())
                appendToRun(QLatin1StringView(run.data(), static_cast<qsizetype>(run.size())));
        } else {
            for (const char c : run)
                tableCharacter(static_cast<unsigned char>(c));
        }
    }

    // A byte of text in the current code page: bytes are collected, so that the characters
    // of a multi-byte code page decode together.
    void byte(unsigned char c)
    {
        const int codePage = currentCodePage();
        if (!m_bytes.isEmpty() && codePage != m_bytesCodePage)
            flushBytes();
        m_bytesCodePage = codePage;
        m_bytes.append(static_cast<char>(c));
        m_trailBytesDue = m_trailBytesDue > 0 ? m_trailBytesDue - 1 : rtf::characterLength(codePage, c) - 1;
        if (m_trailBytesDue == 0 && m_bytes.size() >= PendingChunk)
            flushBytes();
    }

    void flushBytes()
    {
        m_trailBytesDue = 0;
        if (m_bytes.isEmpty())
            return;
        const QString text = m_decoder.decode(m_bytes, m_bytesCodePage);
        m_bytes.clear();
        if (top().dest == Destination::Text) {
            if (startRun())
                appendToRun(text);
        } else {
            for (const QChar c : text)
                tableCharacter(c.unicode());
        }
    }

    void apply(const Word &word, bool hasParam, int param)
    {
        GroupState &group = top();
        CharProps &chars = group.chars;
        ParaProps &para = group.para;
        const bool on = !hasParam || param != 0;
        const bool inFontTable = group.dest == Destination::FontTable;
        const bool inColourTable = group.dest == Destination::ColourTable;
        switch (word.act) {
        case Act::Skip:
            setDestination(Destination::Skip);
            break;
        case Act::FontTable:
            setDestination(Destination::FontTable);
            break;
        case Act::ColourTable:
            setDestination(Destination::ColourTable);
            break;
        case Act::Char:
            character(word.value);
            break;
        case Act::Paragraph:
            paragraphBreak();
            break;
        case Act::Page:
            // A page break after a paragraph mark would only add an empty paragraph.
            if (!paragraphEmpty())
                paragraphBreak();
            break;
        case Act::Bold:
            chars.bold = on;
            break;
        case Act::Italic:
            chars.italic = on;
            break;
        case Act::Underline:
            chars.underline = on;
            break;
        case Act::UnderlineNone:
            chars.underline = false;
            break;
        case Act::Strike:
            chars.strike = on;
            break;
        case Act::Hidden:
            chars.hidden = on;
            break;
        case Act::Super:
            chars.script = 1;
            break;
        case Act::Sub:
            chars.script = -1;
            break;
        case Act::NoSuperSub:
            chars.script = 0;
            break;
        case Act::Plain:
            chars = CharProps{};
            break;
        case Act::Font:
            if (inFontTable) {
                commitFont();
                m_fontDef.index = hasParam ? param : -1;
            } else {
                chars.font = hasParam ? param : -1;
            }
            break;
        case Act::FontSize:
            chars.halfPoints = hasParam && param > 0 ? std::clamp(param, 2, MaxHalfPoints) : DefaultHalfPoints;
            break;
        case Act::Foreground:
            chars.foreground = hasParam ? param : 0;
            break;
        case Act::Shading:
            chars.shading = hasParam ? param : 0;
            break;
        case Act::Highlight:
            chars.highlight = hasParam ? param : 0;
            break;
        case Act::Pard:
            para = ParaProps{};
            break;
        case Act::AlignLeft:
            para.align = Align::Left;
            break;
        case Act::AlignCentre:
            para.align = Align::Centre;
            break;
        case Act::AlignRight:
            para.align = Align::Right;
            break;
        case Act::AlignJustify:
            para.align = Align::Justify;
            break;
        case Act::LeftIndent:
            para.left = twips(param);
            break;
        case Act::RightIndent:
            para.right = twips(param);
            break;
        case Act::FirstIndent:
            para.first = twips(param);
            break;
        case Act::SpaceBefore:
            para.before = twips(param);
            break;
        case Act::SpaceAfter:
            para.after = twips(param);
            break;
        case Act::DefaultFont:
            m_defaultFont = param;
            break;
        case Act::AnsiCodePage:
            if (rtf::isKnownCodePage(param))
                m_docCodePage = param;
            break;
        case Act::CharacterSet:
            m_docCodePage = word.value;
            break;
        case Act::FontCharset:
            if (inFontTable)
                m_fontDef.charset = param;
            break;
        case Act::FontCodePage:
            if (inFontTable && rtf::isKnownCodePage(param))
                m_fontDef.codePage = param;
            break;
        case Act::Red:
        case Act::Green:
        case Act::Blue:
            if (inColourTable) {
                const int component = std::clamp(param, 0, 255);
                (word.act == Act::Red ? m_red : word.act == Act::Green ? m_green : m_blue) = component;
                m_colourSet = true;
            }
            break;
        }
    }

    // Text -----------------------------------------------------------------------------------

    void character(char16_t c)
    {
        if (top().dest == Destination::Text) {
            if (startRun())
                appendToRun(QChar(c));
        } else {
            tableCharacter(c);
        }
    }

    template <typename Text>
    void appendToRun(const Text &text)
    {
        m_run += text;
        // A surrogate pair goes to the document whole.
        if (m_run.size() >= PendingChunk && !m_run.back().isHighSurrogate())
            flushRun();
    }

    // Gets the run ready for text in the current formatting; false for hidden text.
    bool startRun()
    {
        const GroupState &group = top();
        if (group.chars.hidden)
            return false;
        if (!m_run.isEmpty() && !(m_runProps == group.chars))
            flushRun();
        m_runProps = group.chars;
        m_lastTextPara = group.para;
        return true;
    }

    void flushRun()
    {
        if (m_run.isEmpty())
            return;
        cleanForDocument(m_run);
        if (!m_run.isEmpty() && openPendingParagraph()) {
            const qsizetype room = MaxRtfCharacters - m_characters;
            if (m_run.size() > room) {
                m_run.truncate(room > 0 && m_run.at(room - 1).isHighSurrogate() ? room - 1 : room);
                m_full = true;
            }
            if (!m_run.isEmpty())
                m_cursor.insertText(m_run, charFormat(m_runProps));
            m_characters += m_run.size();
        }
        m_run.clear();
    }

    // A paragraph mark ends its paragraph, but the next one only opens once something goes
    // into it: the mark that ends a file's last paragraph leaves no empty one behind.
    void paragraphBreak()
    {
        if (top().dest != Destination::Text)
            return;
        flushRun();
        if (!openPendingParagraph())
            return;
        m_cursor.setBlockFormat(blockFormat(top().para));
        m_breakPending = true;
    }

    // A paragraph's end counts as one of the document's characters.
    bool openPendingParagraph()
    {
        if (!m_breakPending)
            return true;
        if (m_paragraphs >= MaxRtfParagraphs || m_characters >= MaxRtfCharacters) {
            m_full = true;
            return false;
        }
        m_cursor.insertBlock();
        ++m_paragraphs;
        ++m_characters;
        m_breakPending = false;
        return true;
    }

    bool paragraphEmpty() const { return m_run.isEmpty() && (m_breakPending || m_cursor.atBlockStart()); }

    void finish()
    {
        flushBytes();
        flushRun();
        // A last paragraph without a mark takes the formatting its text was written in.
        if (!m_breakPending && !m_cursor.atBlockStart())
            m_cursor.setBlockFormat(blockFormat(m_lastTextPara));
    }

    // Tables ---------------------------------------------------------------------------------

    void tableCharacter(char16_t c)
    {
        if (top().dest == Destination::FontTable) {
            if (c == u';')
                commitFont();
            else if (m_fontDef.name.size() < MaxFontName)
                m_fontDef.name += QChar(c);
        } else if (top().dest == Destination::ColourTable && c == u';') {
            commitColour();
        }
    }

    void commitFont()
    {
        if (m_fontDef.index >= 0 && (m_fonts.size() < MaxFonts || m_fonts.count(m_fontDef.index))) {
            const int codePage
                = m_fontDef.codePage > 0 ? m_fontDef.codePage : rtf::codePageOfCharset(m_fontDef.charset);
            m_fonts[m_fontDef.index] = FontEntry{m_fontDef.name.trimmed(), codePage};
        }
        m_fontDef = FontDefinition{};
    }

    void commitColour()
    {
        // An entry with no components is the automatic colour (the first one, as a rule).
        if (m_colours.size() < MaxColours)
            m_colours.push_back(m_colourSet ? std::optional<QColor>(QColor(m_red, m_green, m_blue)) : std::nullopt);
        m_red = m_green = m_blue = 0;
        m_colourSet = false;
    }

    // A font the table does not name falls back to the document's default font.
    const FontEntry *font(int index) const
    {
        auto it = m_fonts.find(index);
        if (it == m_fonts.end())
            it = m_fonts.find(m_defaultFont);
        return it == m_fonts.end() ? nullptr : &it->second;
    }

    std::optional<QColor> colour(int index) const
    {
        if (index < 0 || static_cast<std::size_t>(index) >= m_colours.size())
            return std::nullopt;
        return m_colours[static_cast<std::size_t>(index)];
    }

    int currentCodePage()
    {
        int codePage = 0;
        if (top().dest == Destination::FontTable)
            codePage = m_fontDef.codePage > 0 ? m_fontDef.codePage : rtf::codePageOfCharset(m_fontDef.charset);
        else if (const FontEntry *entry = font(top().chars.font))
            codePage = entry->codePage;
        return codePage > 0 ? codePage : m_docCodePage;
    }

    // Formats --------------------------------------------------------------------------------

    QTextCharFormat charFormat(const CharProps &props)
    {
        if (m_formatValid && props == m_formatProps)
            return m_format;
        QTextCharFormat format;
        format.setFontWeight(props.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(props.italic);
        format.setFontUnderline(props.underline);
        format.setFontStrikeOut(props.strike);
        format.setFontPointSize(props.halfPoints / 2.0);
        if (props.script != 0)
            format.setVerticalAlignment(props.script > 0 ? QTextCharFormat::AlignSuperScript
                                                         : QTextCharFormat::AlignSubScript);
        if (const FontEntry *entry = font(props.font); entry && !entry->family.isEmpty())
            format.setFontFamilies(QStringList{entry->family});
        if (const std::optional<QColor> c = colour(props.foreground))
            format.setForeground(*c);
        // A highlight lies over the shading.
        if (const std::optional<QColor> c = colour(props.highlight > 0 ? props.highlight : props.shading))
            format.setBackground(*c);
        m_formatProps = props;
        m_format = format;
        m_formatValid = true;
        return format;
    }

    static QTextBlockFormat blockFormat(const ParaProps &para)
    {
        QTextBlockFormat format;
        switch (para.align) {
        case Align::Left:
            format.setAlignment(Qt::AlignLeft);
            break;
        case Align::Centre:
            format.setAlignment(Qt::AlignHCenter);
            break;
        case Align::Right:
            format.setAlignment(Qt::AlignRight);
            break;
        case Align::Justify:
            format.setAlignment(Qt::AlignJustify);
            break;
        }
        // Indents into the page margin have no room in a text box; the first line may still
        // hang left of the others, back to the box's edge.
        const int left = std::max(para.left, 0);
        format.setLeftMargin(left / TwipsPerPixel);
        format.setRightMargin(std::max(para.right, 0) / TwipsPerPixel);
        format.setTextIndent(std::max(para.first, -left) / TwipsPerPixel);
        format.setTopMargin(std::max(para.before, 0) / TwipsPerPixel);
        format.setBottomMargin(std::max(para.after, 0) / TwipsPerPixel);
        return format;
    }

    struct FontDefinition {
        int index = -1;
        int charset = 0;
        int codePage = 0;
        QString name;
    };

    RtfTokenizer m_tokens;
    QTextCursor m_cursor;

    std::vector<GroupState> m_groups;
    // The count of groups beyond the depth limit when one of them began to be skipped as a
    // whole; 0 when none is.
    int64_t m_deepSkip = 0;

    int m_docCodePage = rtf::DefaultCodePage;
    // Font 0 unless the file names another: writers leave \deff out when it is 0.
    int m_defaultFont = 0;
    std::unordered_map<int, FontEntry> m_fonts;
    FontDefinition m_fontDef;
    std::vector<std::optional<QColor>> m_colours;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colourSet = false;

    QByteArray m_bytes;
    int m_bytesCodePage = rtf::DefaultCodePage;
    // Bytes still to come for the character the last byte began.
    int m_trailBytesDue = 0;
    rtf::RtfDecoder m_decoder;

    // The text not yet in the document, all in one formatting.
    QString m_run;
    CharProps m_runProps;
    ParaProps m_lastTextPara;
    bool m_breakPending = false;
    int m_paragraphs = 1;
    qsizetype m_characters = 0;
    bool m_full = false;

    CharProps m_formatProps;
    QTextCharFormat m_format;
    bool m_formatValid = false;
};

} // namespace

bool readRtf(const QByteArray &rtf, QTextDocument &document)
{
    if (!rtf.startsWith("{\\rtf"))
        return false;
    // A freshly read text has nothing to undo, and recording each run would cost memory.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    Reader(rtf, document).read();
    document.setUndoRedoEnabled(undo);
    return true;
}

bool loadRtfFile(const QString &path, QTextDocument &document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (!file.isSequential() && file.size() > MaxRtfFileBytes)
        return false;
    // Read one byte past the limit: a pipe or a growing file tells its size no other way.
    const QByteArray bytes = file.read(MaxRtfFileBytes + 1);
    if (bytes.size() > MaxRtfFileBytes)
        return false;
    return readRtf(bytes, document);
}

} // namespace tallyard
