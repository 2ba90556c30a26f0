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

} // namespace

std::optional<DecodedSound> decodeSound(const QByteArray &bytes, qsizetype maxBytes)
{
    if (bytes.isEmpty() || bytes.size() > MaxSoundFileBytes)
        return std::nullopt;

    MemoryFile file{&bytes, 0};
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
