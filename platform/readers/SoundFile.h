// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Reading a sound file into plain 16-bit samples, ready for the sound device. The decoding
// is libsndfile's: every WAVE encoding it reads (integer PCM, float, IMA and Microsoft ADPCM,
// µ-law, A-law, GSM 6.10, ...), and FLAC, Ogg Vorbis, Opus, MP3 and the other containers it
// knows. The file is read from bytes in memory, so the size cap holds before any decoding,
// and the sound is bounded in channels, rate and length; anything outside is refused as a
// whole, so that a file the device cannot play leaves it closed instead of noisy.

#include "tallyard_readers_export.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace tallyard {

struct TALLYARD_READERS_EXPORT DecodedSound {
    int channels = 0;
    int sampleRate = 0;
    // Interleaved signed 16-bit samples in the machine's byte order.
    QByteArray samples;

    int64_t frameCount() const { return channels > 0 ? samples.size() / (2 * channels) : 0; }
    // Whole milliseconds, rounded down.
    int64_t durationMs() const { return sampleRate > 0 ? frameCount() * 1000 / sampleRate : 0; }
};

// Larger files are refused unread: a buzzer sound that big would stall the board while loading.
inline constexpr qsizetype MaxSoundFileBytes = 64 * 1024 * 1024;
// A compressed file may declare hours of sound in a few bytes; decoding stops once the
// samples fill this much (the size cap's worth of 16-bit samples), keeping what came before.
inline constexpr qsizetype MaxDecodedSoundBytes = MaxSoundFileBytes;
inline constexpr int MaxSoundChannels = 8;
inline constexpr int MinSoundSampleRate = 1000;
inline constexpr int MaxSoundSampleRate = 384000;

// The sound in a file's bytes, or nothing when they are not a sound this reader plays (an
// unknown or broken file, too many channels, an odd rate, no samples at all). Samples that
// stand cut short at the end are read as far as the file goes, in whole frames. maxBytes
// bounds the decoded samples (whole frames, at most MaxDecodedSoundBytes).
TALLYARD_READERS_EXPORT std::optional<DecodedSound> decodeSound(const QByteArray &bytes,
                                                                qsizetype maxBytes = MaxDecodedSoundBytes);

} // namespace tallyard
