// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/readers/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace tallyard {

namespace {

// Frames decoded per call: small enough to stop close to the bound, large enough to cost
// nothing per call.
constexpr sf_count_t ChunkFrames = 4096;

// The file's bytes as libsndfile's virtual file: read-only, and seekable anywhere at or
// after the start, as a real file is (a read past the end gives nothing).
struct MemoryFile {
    const QByteArray *bytes = nullptr;
    sf_count_t position = 0;
};

MemoryFile &fileOf(void *user)
{
    return *static_cast<MemoryFile *>(user);
}

sf_count_t fileLength(void *user)
{
    return fileOf(user).bytes->size();
}

sf_count_t fileSeek(sf_count_t offset, int whence, void *user)
{
    MemoryFile &file = fileOf(user);
    sf_count_t base = 0;
    switch (whence) {
    case SEEK_SET:
        break;
    case SEEK_CUR:
        base = file.position;
        break;
    case SEEK_END:
        base = file.bytes->size();
        break;
    default:
        return -1;
    }
    // A header's offsets are the file's word: refuse what would overflow or land before
    // the start, rather than wrap.
    if (offset > 0 ? base > std::numeric_limits<sf_count_t>::max() - offset : base + offset < 0)
        return -1;
    file.position = base + offset;
    return file.position;
}

sf_count_t fileRead(void *destination, sf_count_t count, void *user)
{
    MemoryFile &file = fileOf(user);
    const sf_count_t size = file.bytes->size();
    if (count <= 0 || file.position >= size)
        return 0;
    const sf_count_t n = std::min(count, size - file.position);
    std::memcpy(destination, file.bytes->constData() + file.position, static_cast<size_t>(n));
    file.position += n;
    return n;
}

sf_count_t fileWrite(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t fileTell(void *user)
{
    return fileOf(user).position;
}

// Samples are read as floats and brought to 16 bits here: libsndfile gives a float WAVE's
// samples to a 16-bit read unscaled (so it would play as silence) and lets a lossy codec's
// overshoot past full scale wrap round into a crack. Integer sounds come through exactly
// (libsndfile scales 16-bit samples by 1/32768).
int16_t toSample(float value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int16_t>(std::lrint(std::clamp(value * 32768.0f, -32768.0f, 32767.0f)));
}

quint32 littleEndian32(const char *at)
{
    const auto *b = reinterpret_cast<const unsigned char *>(at);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

void setLittleEndian32(char *at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

// libsndfile trusts the sizes inside a WAVE file's metadata chunks (LIST, cue, smpl, ...):
// a LIST sub-chunk whose size wraps round 32 bits keeps sf_open walking in a circle for
// ever, from a file of 30 bytes. A buzzer needs none of that metadata, so on a copy every
// chunk but the format, the fact and the sound itself becomes padding (JUNK, which
// libsndfile skips by its size), cut to the bytes there are; a file without such chunks
// goes on as it is.
QByteArray withoutMetadataChunks(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return bytes;
    QByteArray tidy = bytes;
    const qsizetype end = tidy.size();
    qsizetype at = 12;
    while (at + 8 <= end) {
        const QByteArrayView id(tidy.constData() + at, 4);
        const qsizetype body = at + 8;
        qsizetype size = littleEndian32(tidy.constData() + at + 4);
        if (id == "data" || id == "fmt " || id == "fact") {
            // The sound may claim more than there is (a recording cut short): it is read as
            // far as it goes, and nothing after it is a chunk.
            if (body + size > end)
                break;
        } else {
            size = std::min(size, end - body);
            char *header = tidy.data() + at;
            std::memcpy(header, "JUNK", 4);
            setLittleEndian32(header + 4, static_cast<quint32>(size));
        }
        at = body + size + (size & 1);
    }
    return tidy;
}

} // namespace

std::optional<DecodedSound> decodeSound(const QByteArray &bytes, qsizetype maxBytes)
{
    if (bytes.isEmpty() || bytes.size() > MaxSoundFileBytes)
        return std::nullopt;

    const QByteArray tidy = withoutMetadataChunks(bytes);
    MemoryFile file{&tidy, 0};
    SF_VIRTUAL_IO io{fileLength, fileSeek, fileRead, fileWrite, fileTell};
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> sound(sf_open_virtual(&io, SFM_READ, &info, &file), sf_close);
    if (!sound)
        return std::nullopt;
    if (info.channels < 1 || info.channels > MaxSoundChannels || info.samplerate < MinSoundSampleRate
        || info.samplerate > MaxSoundSampleRate)
        return std::nullopt;

    // The frame count a header declares is not trusted (it may be unknown, or a lie); the
    // sound is decoded until it ends or fills the bound.
    const qsizetype frameBytes = 2 * static_cast<qsizetype>(info.channels);
    const qsizetype maxFrames = std::clamp<qsizetype>(maxBytes, 0, MaxDecodedSoundBytes) / frameBytes;
    std::vector<float> buffer(static_cast<size_t>(ChunkFrames * info.channels));
    std::vector<int16_t> chunk(buffer.size());
    DecodedSound out;
    out.channels = info.channels;
    out.sampleRate = info.samplerate;
    qsizetype frames = 0;
    while (frames < maxFrames) {
        const sf_count_t wanted = std::min<sf_count_t>(ChunkFrames, maxFrames - frames);
        const sf_count_t got = sf_readf_float(sound.get(), buffer.data(), wanted);
        if (got <= 0)
            break;
        const size_t count = static_cast<size_t>(got * info.channels);
        std::transform(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count), chunk.begin(), toSample);
        out.samples.append(reinterpret_cast<const char *>(chunk.data()), static_cast<qsizetype>(count * 2));
        frames += got;
    }
    if (frames == 0)
        return std::nullopt;
    return out;
}

} // namespace tallyard
