// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/readers/RtfCodePage.h"

#include "platform/readers/TextDecoding.h"

#include <cstdint>

namespace tallyard::rtf {
namespace {

enum class Kind : uint8_t { SingleByte, DoubleByte, Utf8, Symbol };

struct CodePage {
    int number;
    int charset;           // the \fcharset that stands for it; -1 for none
    const char *converter; // Qt's name for it; nullptr for those decoded here
    Kind kind = Kind::SingleByte;
    // A double-byte code page's lead bytes, in one or two ranges.
    unsigned char leadFrom = 0, leadTo = 0, leadFrom2 = 0, leadTo2 = 0;
};

constexpr CodePage CodePages[] = {
    // Windows' number for the Symbol font's own character set.
    {42, 2, nullptr, Kind::Symbol},
    {437, 254, "IBM437"},
    {850, 255, "IBM850"},
    {874, 222, "windows-874"},
    {932, 128, "Shift_JIS", Kind::DoubleByte, 0x81, 0x9F, 0xE0, 0xFC},
    {936, 134, "GBK", Kind::DoubleByte, 0x81, 0xFE},
    {949, 129, "windows-949", Kind::DoubleByte, 0x81, 0xFE},
    {950, 136, "Big5", Kind::DoubleByte, 0x81, 0xFE},
    {1250, 238, "windows-1250"},
    {1251, 204, "windows-1251"},
    {1252, -1, nullptr},
    {1253, 161, "windows-1253"},
    {1254, 162, "windows-1254"},
    {1255, 177, "windows-1255"},
    {1256, 178, "windows-1256"},
    {1257, 186, "windows-1257"},
    {1258, 163, "windows-1258"},
    {10000, 77, "macintosh"},
    {65001, -1, nullptr, Kind::Utf8},
};

const CodePage *find(int number)
{
    for (const CodePage &page : CodePages) {
        if (page.number == number)
            return &page;
    }
    return nullptr;
}

} // namespace

bool isKnownCodePage(int codePage)
{
    return find(codePage) != nullptr;
}

int codePageOfCharset(int charset)
{
    for (const CodePage &page : CodePages) {
        if (page.charset == charset)
            return page.number;
    }
    return 0;
}

int characterLength(int codePage, unsigned char lead)
{
    const CodePage *page = find(codePage);
    if (!page)
        return 1;
    if (page->kind == Kind::DoubleByte) {
        const bool isLead
            = (lead >= page->leadFrom && lead <= page->leadTo) || (lead >= page->leadFrom2 && lead <= page->leadTo2);
        return isLead ? 2 : 1;
    }
    if (page->kind == Kind::Utf8)
        return lead >= 0xC2 && lead <= 0xDF ? 2
            : lead >= 0xE0 && lead <= 0xEF  ? 3
            : lead >= 0xF0 && lead <= 0xF4  ? 4
                                            : 1;
    return 1;
}

bool hasAsciiTrailBytes(int codePage)
{
    const CodePage *page = find(codePage);
    return page && page->kind == Kind::DoubleByte;
}

QString RtfDecoder::decode(QByteArrayView bytes, int codePage)
{
    const CodePage *page = find(codePage);
    if (page && page->kind == Kind::Symbol) {
        // Symbol fonts draw their own glyphs; the one that matters in a text is the bullet
        // lists are made of.
        QString text = QString::fromLatin1(bytes);
        text.replace(QChar(0xB7), QChar(0x2022));
        return text;
    }
    if (page && page->kind == Kind::Utf8)
        return QString::fromUtf8(bytes);
    if (page && page->converter) {
        auto it = m_converters.find(codePage);
        if (it == m_converters.end())
            it = m_converters.emplace(codePage, QStringDecoder(page->converter, QStringConverter::Flag::Stateless))
                     .first;
        if (it->second.isValid())
            return it->second.decode(bytes);
    }
    return decodeWindows1252(bytes);
}

} // namespace tallyard::rtf
