// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/readers/RtfTokenizer.h"

#include "platform/core/Values.h"
#include "platform/readers/RtfReader.h"

#include <algorithm>
#include <limits>

namespace tallyard {
namespace {

using Kind = RtfToken::Kind;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int hexValue(char c)
{
    if (isAsciiDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Plain text: runs of these are text as they stand.
bool isPlain(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x80 && c != '{' && c != '}' && c != '\\';
}

} // namespace

RtfTokenizer::RtfTokenizer(QByteArrayView rtf) : m_p(rtf.data()), m_end(rtf.data() + rtf.size()), m_standInCounts{1} { }

RtfToken RtfTokenizer::next()
{
    RtfToken token;
    while (!m_done && m_p < m_end) {
        if (!scan(token))
            continue;
        if (token.kind == Kind::OpenGroup || token.kind == Kind::CloseGroup) {
            m_standIns = 0; // the stand-ins end with their group
            return token;
        }
        if (isStandIn(token))
            continue;
        if (token.kind == Kind::Word && token.text == "uc") {
            m_standInCounts.back() = token.hasParam ? std::max(token.param, 0) : 1;
            continue;
        }
        if (token.kind == Kind::Word && token.text == "u" && token.hasParam) {
            // A signed 16-bit number: characters above 0x7FFF come negative.
            const int value = token.param;
            const bool inRange = value >= -0x8000 && value <= 0xFFFF;
            token = RtfToken{Kind::Unicode, false, false, inRange ? (value < 0 ? value + 0x10000 : value) : 0xFFFD, {}};
            m_standIns = m_standInCounts.back();
        }
        return token;
    }
    return RtfToken{};
}

bool RtfTokenizer::isStandIn(RtfToken &token)
{
    if (m_standIns == 0)
        return false;
    if (token.kind != Kind::Text) {
        --m_standIns;
        return true;
    }
    const std::size_t skipped = std::min<std::size_t>(static_cast<std::size_t>(m_standIns), token.text.size());
    token.text.remove_prefix(skipped);
    m_standIns -= static_cast<int>(skipped);
    return token.text.empty();
}

bool RtfTokenizer::scan(RtfToken &token)
{
    token = RtfToken{};
    const char c = *m_p++;
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
    case '{':
        token.kind = Kind::OpenGroup;
        if (m_deep > 0 || m_standInCounts.size() > MaxRtfGroupDepth) {
            ++m_deep;
            token.deep = true;
        } else {
            m_standInCounts.push_back(m_standInCounts.back());
        }
        return true;
    case '}':
        token.kind = Kind::CloseGroup;
        if (m_deep > 0) {
            --m_deep;
            token.deep = true;
            return true;
        }
        if (m_standInCounts.size() > 1)
            m_standInCounts.pop_back();
        // Whatever follows the outermost group is not part of the document.
        m_done = m_standInCounts.size() == 1;
        return true;
    case '\\':
        return controlSequence(token);
    case '\t':
        token.kind = Kind::Text;
        token.text = std::string_view(m_p - 1, 1);
        return true;
    default:
        break;
    }
    if (u >= 0x80) {
        token.kind = Kind::Byte;
        token.param = u;
        return true;
    }
    // Line breaks in the source are only there to keep lines short; other control bytes
    // mean nothing.
    if (u < 0x20)
        return false;
    const char *start = m_p - 1;
    const char *limit = start + std::min<std::ptrdiff_t>(MaxTextRun, m_end - start);
    while (m_p < limit && isPlain(*m_p))
        ++m_p;
    token.kind = Kind::Text;
    token.text = std::string_view(start, static_cast<std::size_t>(m_p - start));
    return true;
}

bool RtfTokenizer::controlSequence(RtfToken &token)
{
    if (m_p == m_end)
        return false;
    const char c = *m_p;
    if (isLetter(c))
        return controlWord(token);
    ++m_p;
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        for (; digits < 2 && m_p < m_end && hexValue(*m_p) >= 0; ++digits, ++m_p)
            value = value * 16 + hexValue(*m_p);
        token.kind = Kind::Byte;
        token.param = value;
        return digits > 0;
    }
    token.kind = Kind::Symbol;
    token.param = static_cast<unsigned char>(c);
    return true;
}

bool RtfTokenizer::controlWord(RtfToken &token)
{
    const char *start = m_p;
    while (m_p < m_end && isLetter(*m_p))
        ++m_p;
    token.kind = Kind::Word;
    token.text = std::string_view(start, static_cast<std::size_t>(m_p - start));
    bool negative = false;
    if (m_end - m_p >= 2 && *m_p == '-' && isAsciiDigit(m_p[1])) {
        negative = true;
        ++m_p;
    }
    int64_t value = 0;
    // Every digit is read, however many, but the value stops growing at the int limit.
    for (; m_p < m_end && isAsciiDigit(*m_p); ++m_p) {
        token.hasParam = true;
        value = std::min<int64_t>(value * 10 + (*m_p - '0'), std::numeric_limits<int>::max());
    }
    token.param = static_cast<int>(negative ? -value : value);
    if (m_p < m_end && *m_p == ' ')
        ++m_p;
    if (token.text == "bin") {
        // Binary data may hold braces and backslashes: it is stepped over, never read.
        const auto size = std::clamp<int64_t>(token.hasParam ? token.param : 0, 0, m_end - m_p);
        token = RtfToken{Kind::Binary, false, false, 0, std::string_view(m_p, static_cast<std::size_t>(size))};
        m_p += size;
    }
    return true;
}

} // namespace tallyard
