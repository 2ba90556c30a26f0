#pragma once
// Little-endian writers for the sound suites' hand-built WAVE files.

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

namespace tallyard::test {

inline void put16(QByteArray &out, uint16_t v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

inline void put32(QByteArray &out, uint32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace tallyard::test
