// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/readers/SoundFile.h"
#include "tests/support/SoundFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sndfile.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

using namespace tallyard;
using namespace tallyard::test;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A sound written to memory by way of a scratch file.
template <typename Sample>
QByteArray soundBytes(int format, int rate, int channels, const std::vector<Sample> &samples)
{
    // A folder of its own: the suite's cases run side by side in processes of their own.
    const QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("sound"));
    return writeSamples(path, format, rate, channels, samples) ? bytesOf(path) : QByteArray();
}

std::vector<int16_t> samplesOf(const DecodedSound &sound)
{
    std::vector<int16_t> values(static_cast<size_t>(sound.samples.size() / 2));
    std::memcpy(values.data(), sound.samples.constData(), static_cast<size_t>(sound.samples.size()));
    return values;
}

// Root mean square of every channel-th sample from the first, as a share of full scale.
template <typename Sample>
double level(const std::vector<Sample> &samples, int channels, int first = 0)
{
    constexpr double fullScale = std::is_same_v<Sample, int16_t> ? 32768.0 : 1.0;
    double sum = 0;
    size_t n = 0;
    for (size_t i = static_cast<size_t>(first); i < samples.size(); i += static_cast<size_t>(channels), ++n)
        sum += double(samples[i]) * double(samples[i]);
    return n ? std::sqrt(sum / static_cast<double>(n)) / fullScale : 0.0;
}

} // namespace

class SoundEncodings : public ::testing::TestWithParam<std::string> { };

TEST_P(SoundEncodings, DecodeToTheWholeToneAtItsRateAndLevel)
{
    const SoundEncoding &e = soundEncoding(GetParam());
    const int frames = e.rate / 4;
    const std::vector<float> written = tone(e.rate, e.channels, frames);
    const QByteArray bytes = soundBytes(e.format, e.rate, e.channels, written);
    ASSERT_FALSE(bytes.isEmpty()) << "libsndfile wrote no " << e.name;
    const auto sound = decodeSound(bytes);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->channels, e.channels);
    EXPECT_EQ(sound->sampleRate, e.rate);
    EXPECT_GE(sound->frameCount(), frames);
    EXPECT_LE(sound->frameCount(), frames + e.blockFrames);
    // The tone at its own level (lossy codecs come close), not silence nor noise; a block's
    // padding is silence.
    const double expected = level(written, 1) * std::sqrt(double(frames) / double(sound->frameCount()));
    EXPECT_NEAR(level(samplesOf(*sound), 1), expected, expected * 0.2);
}

INSTANTIATE_TEST_SUITE_P(SoundFile, SoundEncodings, ::testing::ValuesIn(soundEncodingNames()),
                         [](const auto &info) { return info.param; });

// What this reader makes of the samples libsndfile gives it: exact for 16-bit integers,
// float beyond full scale clipped rather than wrapped, nothing-a-number as silence.
TEST(SoundFile, SamplesBecomeSigned16BitClippedAtFullScale)
{
    const std::vector<int16_t> integers{0, 32767, -32768, 1234, -1};
    const auto pcm = decodeSound(soundBytes(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, integers));
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(samplesOf(*pcm), integers);

    const std::vector<float> floats{0.5f, -0.25f, 2.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()};
    const auto floating = decodeSound(soundBytes(SF_FORMAT_WAV | SF_FORMAT_FLOAT, 8000, 1, floats));
    ASSERT_TRUE(floating.has_value());
    EXPECT_EQ(samplesOf(*floating), (std::vector<int16_t>{16384, -8192, 32767, -32768, 0}));
}

TEST(SoundFile, StereoKeepsItsChannelsApartAndInterleaved)
{
    std::vector<float> samples = tone(22050, 2, 22050);
    for (size_t i = 1; i < samples.size(); i += 2)
        samples[i] = 0.0f; // the right channel silent
    const auto sound = decodeSound(soundBytes(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 2, samples));
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->frameCount(), 22050);
    EXPECT_EQ(sound->durationMs(), 1000);
    const std::vector<int16_t> values = samplesOf(*sound);
    EXPECT_GT(level(values, 2, 0), 0.1);
    EXPECT_EQ(level(values, 2, 1), 0.0);
}

TEST(SoundFile, SamplesCutShortAreReadAsFarAsTheyGoInWholeFrames)
{
    QByteArray bytes = soundBytes(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, tone(8000, 1, 100));
    bytes.chop(3); // the header still claims 100 samples; 98 and a half are left
    const auto sound = decodeSound(bytes);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->frameCount(), 98);
}

// However long the sound a file declares or holds, decoding ends at the bound, and only
// whole frames are kept.
TEST(SoundFile, DecodingStopsAtTheBoundInWholeFrames)
{
    // Two seconds of stereo silence: a FLAC file of a few hundred bytes.
    const QByteArray bytes = soundBytes(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 8000, 2, std::vector<float>(2 * 16000));
    ASSERT_LT(bytes.size(), 4096);
    const auto sound = decodeSound(bytes, 8000 * 4 + 3);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->frameCount(), 8000);
    EXPECT_EQ(sound->samples.size(), 8000 * 4);
    EXPECT_EQ(decodeSound(bytes)->frameCount(), 16000) << "the default bound is far above a buzzer's sound";
}

// Files the device must refuse as a whole, so that it stays closed and silent.
TEST(SoundFile, WhatIsNoPlayableSoundGivesNothing)
{
    const auto pcm16 = [](int rate, int channels) {
        const QByteArray bytes = soundBytes(SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, channels,
                                            std::vector<int16_t>(size_t(channels) * 100, 1000));
        EXPECT_FALSE(bytes.isEmpty()) << "libsndfile wrote no WAVE of " << channels << " channels at " << rate << " Hz";
        return bytes;
    };
    const QByteArray garbage = garbageBytes();
    QByteArray oversized = pcm16(8000, 1);
    oversized.resize(MaxSoundFileBytes + 1);
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[]{
        {"Empty", QByteArray()},
        {"Text", QByteArray("this is not a sound at all, just some text in a .wav")},
        {"Garbage", garbage},
        {"HeaderOnly", QByteArray("RIFF\x04\x00\x00\x00WAVE", 12)},
        {"NoSamples", soundBytes(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, std::vector<int16_t>())},
        {"NineChannels", pcm16(8000, MaxSoundChannels + 1)},
        {"RateTooLow", pcm16(MinSoundSampleRate - 1, 1)},
        {"RateTooHigh", pcm16(MaxSoundSampleRate + 1, 1)},
        {"BeyondTheSizeCap", oversized},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(decodeSound(c.bytes).has_value());
    }
    EXPECT_TRUE(decodeSound(pcm16(MinSoundSampleRate, MaxSoundChannels)).has_value()) << "the bounds themselves play";
}

// Metadata the buzzer has no use for, however broken, neither hangs the reader nor costs the
// sound: libsndfile alone walks round a LIST entry whose size wraps 32 bits for ever.
TEST(SoundFile, BrokenMetadataChunksCostNothingOfTheSound)
{
    const auto chunk = [](const char *id, quint32 size, QByteArray body) {
        QByteArray c(id, 4);
        for (int i = 0; i < 4; ++i)
            c.append(char((size >> (8 * i)) & 0xff));
        return c + body;
    };
    const QByteArray format
        = chunk("fmt ", 16, QByteArray("\x01\x00\x01\x00\x40\x1f\x00\x00\x80\x3e\x00\x00\x02\x00\x10\x00", 16));
    const QByteArray sound = chunk("data", 8, QByteArray("\x01\x00\x02\x00\x03\x00\x04\x00", 8));
    const struct {
        const char *name;
        QByteArray before, after;
    } cases[]{
        {"ListEntryWrappingRound", chunk("LIST", 9, QByteArray("\xff\xff\xff\xff\xf7\xff\xff\xff\x00\x00", 10)), {}},
        {"ListClaimingFourGigabytes", {}, chunk("LIST", 0xffffffff, "INFOIART")},
        {"CuesCutShort", {}, chunk("cue ", 100, "12345678")},
        {"WellFormedTitle", chunk("LIST", 16, QByteArray("INFOINAM\x04\x00\x00\x00Vault", 16)), {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray body = "WAVE" + c.before + format + sound + c.after;
        const auto decoded = decodeSound(chunk("RIFF", quint32(body.size()), body));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(samplesOf(*decoded), (std::vector<int16_t>{1, 2, 3, 4}));
    }
}
