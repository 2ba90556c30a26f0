#include "platform/system/WaveFile.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tallyard {

namespace {

constexpr uint16_t FormatPcm = 1;
constexpr uint16_t FormatFloat = 3;
constexpr uint16_t FormatExtensible = 0xFFFE;
constexpr int MaxChannels = 8;
constexpr uint32_t MinSampleRate = 1000;
constexpr uint32_t MaxSampleRate = 384000;

struct Format {
    uint16_t tag = 0;
    int channels = 0;
    uint32_t sampleRate = 0;
    int bytesPerSample = 0;
};

uint16_t le16(const char *p)
{
    return qFromLittleEndian<uint16_t>(p);
}

uint32_t le32(const char *p)
{
    return qFromLittleEndian<uint32_t>(p);
}

bool sameId(const char *p, const char *id)
{
    return std::memcmp(p, id, 4) == 0;
}

// The format chunk, checked against what this reader converts; nothing when it cannot.
std::optional<Format> readFormat(const char *p, qsizetype size)
{
    if (size < 16)
        return std::nullopt;
    Format format;
    format.tag = le16(p);
    format.channels = le16(p + 2);
    format.sampleRate = le32(p + 4);
    const int blockAlign = le16(p + 12);
    const int bits = le16(p + 14);
    if (format.tag == FormatExtensible) {
        // The real format is the first two bytes of the sub-format GUID.
        if (size < 40)
            return std::nullopt;
        format.tag = le16(p + 24);
    }
    const bool pcm = format.tag == FormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floating = format.tag == FormatFloat && (bits == 32 || bits == 64);
    if (!pcm && !floating)
        return std::nullopt;
    if (format.channels < 1 || format.channels > MaxChannels)
        return std::nullopt;
    if (format.sampleRate < MinSampleRate || format.sampleRate > MaxSampleRate)
        return std::nullopt;
    format.bytesPerSample = bits / 8;
    if (blockAlign != format.channels * format.bytesPerSample)
        return std::nullopt;
    return format;
}

int16_t fromUnit(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
}

int16_t convertSample(const char *p, const Format &format)
{
    if (format.tag == FormatFloat) {
        if (format.bytesPerSample == 4) {
            const uint32_t raw = le32(p);
            float value;
            std::memcpy(&value, &raw, sizeof value);
            return fromUnit(value);
        }
        const uint64_t raw = qFromLittleEndian<uint64_t>(p);
        double value;
        std::memcpy(&value, &raw, sizeof value);
        return fromUnit(value);
    }
    switch (format.bytesPerSample) {
    case 1: // unsigned, silence at 128
        return static_cast<int16_t>((static_cast<int>(static_cast<uint8_t>(*p)) - 128) * 256);
    case 2:
        return static_cast<int16_t>(le16(p));
    case 3: // keep the top 16 of the 24 bits
        return static_cast<int16_t>(le16(p + 1));
    default:
        return static_cast<int16_t>(le16(p + 2));
    }
}

} // namespace

std::optional<WaveSound> decodeWave(const QByteArray &bytes)
{
    const qsizetype size = bytes.size();
    if (size < 12 || size > MaxWaveFileBytes)
        return std::nullopt;
    const char *base = bytes.constData();
    if (!sameId(base, "RIFF") || !sameId(base + 8, "WAVE"))
        return std::nullopt;

    // The RIFF length is not trusted (writers that were cut short get it wrong); the chunks
    // are walked as far as the file goes.
    std::optional<Format> format;
    const char *data = nullptr;
    qsizetype dataSize = 0;
    qint64 pos = 12;
    while (pos + 8 <= size) {
        const char *chunk = base + pos;
        const qint64 declared = le32(chunk + 4);
        const qsizetype available = static_cast<qsizetype>(std::min<qint64>(declared, size - pos - 8));
        if (sameId(chunk, "fmt ") && !format) {
            format = readFormat(chunk + 8, available);
            if (!format)
                return std::nullopt;
        } else if (sameId(chunk, "data") && !data) {
            data = chunk + 8;
            dataSize = available;
        }
        // Chunks are padded to an even length.
        pos += 8 + declared + (declared & 1);
    }
    if (!format || !data)
        return std::nullopt;

    const qsizetype frameBytes = format->channels * format->bytesPerSample;
    const qsizetype frames = dataSize / frameBytes;
    if (frames == 0)
        return std::nullopt;

    WaveSound sound;
    sound.channels = format->channels;
    sound.sampleRate = static_cast<int>(format->sampleRate);
    const qsizetype count = frames * format->channels;
    sound.samples.resize(count * 2);
    auto *out = reinterpret_cast<char *>(sound.samples.data());
    for (qsizetype i = 0; i < count; ++i) {
        const int16_t value = convertSample(data + i * format->bytesPerSample, *format);
        std::memcpy(out + i * 2, &value, 2);
    }
    return sound;
}

} // namespace tallyard
