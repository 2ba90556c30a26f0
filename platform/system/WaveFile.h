#pragma once
// Reading a RIFF/WAVE sound file into plain 16-bit samples, ready for the sound device.
// Only uncompressed sounds are read (integer PCM of 8, 16, 24 or 32 bits, IEEE float of
// 32 or 64 bits, in the plain or the extensible format chunk); anything else is refused
// as a whole, so that a file the device cannot play leaves it closed instead of noisy.

#include "tallyard_system_export.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace tallyard {

struct TALLYARD_SYSTEM_EXPORT WaveSound {
    int channels = 0;
    int sampleRate = 0;
    // Interleaved signed 16-bit samples in the machine's byte order.
    QByteArray samples;

    int64_t frameCount() const { return channels > 0 ? samples.size() / (2 * channels) : 0; }
    // Whole milliseconds, rounded down.
    int64_t durationMs() const { return sampleRate > 0 ? frameCount() * 1000 / sampleRate : 0; }
};

// Larger files are refused: a buzzer sound that big would stall the board while loading.
inline constexpr qsizetype MaxWaveFileBytes = 64 * 1024 * 1024;

// The sound in a WAVE file's bytes, or nothing when the bytes are not a WAVE file this
// reader can play (wrong container, compressed or odd sample format, no samples at all).
// A data chunk that claims more bytes than the file holds is read as far as it goes.
TALLYARD_SYSTEM_EXPORT std::optional<WaveSound> decodeWave(const QByteArray &bytes);

} // namespace tallyard
