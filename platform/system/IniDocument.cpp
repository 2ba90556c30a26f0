// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/IniDocument.h"

#include <array>
#include <utility>

namespace tallyard {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmedView(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// The control characters written as a backslash and a letter, both ways.
constexpr std::array<std::pair<char16_t, char16_t>, 7> letterEscapes{
    {{u'a', u'\a'}, {u'b', u'\b'}, {u'f', u'\f'}, {u'n', u'\n'}, {u'r', u'\r'}, {u't', u'\t'}, {u'v', u'\v'}}};

char16_t escapedBy(char16_t letter)
{
    for (const auto &[l, c] : letterEscapes)
        if (l == letter)
            return c;
    return 0;
}

char16_t letterFor(char16_t control)
{
    for (const auto &[l, c] : letterEscapes)
        if (c == control)
            return l;
    return 0;
}

bool isComment(QByteArrayView line)
{
    const QByteArrayView content = trimmedView(line);
    return content.startsWith(';') || content.startsWith('#');
}

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// The text after a line's "=", or nothing when the line holds no key.
QByteArrayView rawValue(const QByteArray &line)
{
    const qsizetype equals = line.indexOf('=');
    return equals < 0 ? QByteArrayView() : QByteArrayView(line).sliced(equals + 1);
}

} // namespace

IniDocument IniDocument::parse(QByteArrayView bytes)
{
    IniDocument doc;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        doc.m_byteOrderMark = true;
        bytes = bytes.sliced(3);
    }
    int block = -1;
    qsizetype start = 0;
    bool first = true;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool terminated = end >= 0;
        if (!terminated)
            end = bytes.size();
        QByteArrayView text = bytes.sliced(start, end - start);
        if (text.endsWith('\r')) {
            text.chop(1);
            if (first && terminated)
                doc.m_crlf = true;
        }
        first = false;
        start = end + 1;

        Line line{text.toByteArray(), block, {}, false};
        const QByteArrayView content = trimmedView(text);
        const qsizetype equals = content.indexOf('=');
        // A header, also without its "]" or without its "[", as long as it holds no "=".
        const bool header = !content.isEmpty() && content[0] != ';' && content[0] != '#'
            && (content[0] == '[' || (equals < 0 && content.endsWith(']')));
        if (header) {
            QByteArrayView name = content.startsWith('[') ? content.sliced(1) : content;
            if (const qsizetype close = name.indexOf(']'); close >= 0)
                name = name.first(close);
            doc.m_sections.push_back(QString::fromUtf8(trimmedView(name)));
            block = static_cast<int>(doc.m_sections.size()) - 1;
            line.section = block;
            line.header = true;
        } else if (!content.isEmpty() && content[0] != ';' && content[0] != '#' && equals > 0) {
            line.key = QString::fromUtf8(trimmedView(content.first(equals)));
        }
        doc.m_lines.push_back(std::move(line));
    }
    doc.reindex();
    return doc;
}

QString IniDocument::indexKey(QStringView section, QStringView key)
{
    return section.toString().toCaseFolded() + u'\n' + key.toString().toCaseFolded();
}

void IniDocument::reindex()
{
    m_lastLine.clear();
    for (qsizetype i = 0; i < static_cast<qsizetype>(m_lines.size()); ++i) {
        const Line &line = m_lines[i];
        if (!line.key.isEmpty())
            m_lastLine.insert(indexKey(line.section < 0 ? QString() : m_sections[line.section], line.key), i);
    }
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const auto it = m_lastLine.constFind(indexKey(section, key));
    if (it == m_lastLine.cend())
        return std::nullopt;
    return unescapedValue(QString::fromUtf8(rawValue(m_lines[*it].text)));
}

qsizetype IniDocument::insertionPoint(int block, const QString &key) const
{
    qsizetype after = -1;
    for (qsizetype i = 0; i < static_cast<qsizetype>(m_lines.size()); ++i) {
        const Line &line = m_lines[i];
        if (line.section != block)
            continue;
        if (line.header) {
            after = i;
        } else if (!line.key.isEmpty()) {
            // Keys stand in the order Qt's writer gives them; a note above a key stays with it.
            if (QString::compare(line.key, key, Qt::CaseSensitive) > 0) {
                while (i > after + 1 && isComment(m_lines[i - 1].text))
                    --i;
                return i;
            }
            after = i;
        }
    }
    return after + 1;
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    if (const auto it = m_lastLine.constFind(indexKey(section, key)); it != m_lastLine.cend()) {
        Line &line = m_lines[*it];
        // The operator's own spelling of the key stays, and so does a line that already says it.
        if (unescapedValue(QString::fromUtf8(rawValue(line.text))) != value)
            line.text = line.key.toUtf8() + '=' + escapedValue(value);
        return;
    }
    const QByteArray text = key.toUtf8() + '=' + escapedValue(value);
    const QString folded = section.toCaseFolded();
    int block = -1;
    for (int b = static_cast<int>(m_sections.size()) - 1; b >= 0 && block < 0; --b)
        if (m_sections[b].toCaseFolded() == folded)
            block = b;
    if (block >= 0) {
        m_lines.insert(m_lines.begin() + insertionPoint(block, key), Line{text, block, key, false});
    } else {
        const int previous = m_lines.empty() ? -1 : m_lines.back().section;
        if (!m_lines.empty() && !trimmedView(m_lines.back().text).isEmpty())
            m_lines.push_back(Line{{}, previous, {}, false});
        m_sections.push_back(section);
        block = static_cast<int>(m_sections.size()) - 1;
        m_lines.push_back(Line{'[' + section.toUtf8() + ']', block, {}, true});
        m_lines.push_back(Line{text, block, key, false});
    }
    reindex();
}

QByteArray IniDocument::toBytes() const
{
    const QByteArrayView end = m_crlf ? "\r\n" : "\n";
    QByteArray bytes;
    if (m_byteOrderMark)
        bytes += "\xEF\xBB\xBF";
    for (const Line &line : m_lines) {
        bytes += line.text;
        bytes += end;
    }
    return bytes;
}

QString IniDocument::unescapedValue(QStringView raw)
{
    while (!raw.isEmpty() && (raw.front() == u' ' || raw.front() == u'\t'))
        raw = raw.sliced(1);
    QString out;
    out.reserve(raw.size());
    qsizetype kept = 0; // blanks outside quotes at the end do not count
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char16_t c = raw[i].unicode();
        if (c == u'"') {
            quoted = !quoted;
            kept = out.size();
            continue;
        }
        if (c == u';' && !quoted)
            break; // the rest of the line is a comment
        if (c == u'\\' && i + 1 < raw.size()) {
            const char16_t e = raw[++i].unicode();
            if (const char16_t control = escapedBy(e)) {
                out += QChar(control);
                kept = out.size();
                continue;
            }
            switch (e) {
            case u'"':
            case u'\'':
            case u'\\':
            case u'?':
                out += QChar(e);
                break;
            case u'x': {
                char16_t code = 0;
                qsizetype digits = 0;
                for (int d; i + 1 < raw.size() && (d = hexDigit(raw[i + 1].unicode())) >= 0; ++i, ++digits)
                    code = static_cast<char16_t>((code << 4) | d);
                if (digits)
                    out += QChar(code);
                else
                    out += u"\\x";
                break;
            }
            default:
                if (e >= u'0' && e <= u'7') {
                    char16_t code = static_cast<char16_t>(e - u'0');
                    for (; i + 1 < raw.size() && raw[i + 1] >= u'0' && raw[i + 1] <= u'7'; ++i)
                        code = static_cast<char16_t>((code << 3) | (raw[i + 1].unicode() - u'0'));
                    out += QChar(code);
                } else {
                    out += u'\\'; // not an escape: the text as it stands
                    out += QChar(e);
                }
            }
            kept = out.size();
            continue;
        }
        out += QChar(c);
        if (quoted || (c != u' ' && c != u'\t'))
            kept = out.size();
    }
    out.truncate(kept);
    // Qt's writer doubles a leading "@"; any other "@Type(" stays the text it is.
    if (out.startsWith(QStringLiteral("@@")))
        out.remove(0, 1);
    return out;
}

QByteArray IniDocument::escapedValue(const QString &value)
{
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QString out;
    out.reserve(text.size() + 2);
    bool quotes = false;
    bool escapeNextIfHex = false;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u';' || c == u',' || c == u'=')
            quotes = true;
        // A hex digit after an "\x" or "\0" escape would read as part of it.
        if (escapeNextIfHex && hexDigit(c) >= 0) {
            out += QStringLiteral("\\x") + QString::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        if (const char16_t letter = letterFor(c)) {
            out += u'\\';
            out += QChar(letter);
            continue;
        }
        switch (c) {
        case u'\0':
            out += u"\\0";
            escapeNextIfHex = true;
            break;
        case u'"':
        case u'\\':
            out += u'\\';
            out += ch;
            break;
        default:
            if (c <= 0x1F) {
                out += QStringLiteral("\\x") + QString::number(c, 16);
                escapeNextIfHex = true;
            } else {
                out += ch;
            }
        }
    }
    if (quotes || out.startsWith(u' ') || out.endsWith(u' '))
        out = u'"' + out + u'"';
    return out.toUtf8();
}

} // namespace tallyard
