// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Sound files for the sound suites, written by libsndfile itself: a soft tone in every
// encoding an operator may pick, and bytes that are no sound at all.

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

namespace tallyard::test {

// The sound files an operator may pick. Block-coded encodings pad the sound to a whole
// block, so they may decode a little longer (libsndfile's GSM writer closes on a block of two
// 160-sample frames, plus one more).
struct SoundEncoding {
    const char *name;
    int format; // libsndfile's SF_FORMAT_* flags
    const char *suffix;
    int rate;
    int channels;
    int blockFrames;
};
const std::vector<SoundEncoding> &soundEncodings();
const SoundEncoding &soundEncoding(const std::string &name);
std::vector<std::string> soundEncodingNames();

constexpr float ToneLevel = 0.25f;
// A 660 Hz tone at a quarter of full scale, faded in and out, on every channel, interleaved.
std::vector<float> tone(int rate, int channels, int frames);

// Interleaved samples (float, or 16-bit integers written as they are) into a file by
// libsndfile; false when it refuses the format.
bool writeSamples(const QString &path, int format, int rate, int channels, const std::vector<float> &samples);
bool writeSamples(const QString &path, int format, int rate, int channels, const std::vector<int16_t> &samples);

// The tone, ms long, in the named encoding, in folder; the file's path, or an empty one when
// libsndfile wrote nothing.
QString writeSoundFile(const std::string &encoding, const QString &folder, int ms);
// The tone, ms long, as a plain WAVE file (22.05 kHz, mono, 16-bit) at path.
bool writeTone(const QString &path, int ms);

// Bytes of no format at all, the same every time.
QByteArray garbageBytes(int count = 5000);

} // namespace tallyard::test
