#include "platform/system/WaveFile.h"
#include "tests/platform/LittleEndian.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace tallyard;

namespace {

using test::put16;
using test::put32;

QByteArray chunk(const char *id, const QByteArray &body, int declaredSize = -1)
{
    QByteArray out(id, 4);
    put32(out, declaredSize < 0 ? static_cast<uint32_t>(body.size()) : static_cast<uint32_t>(declaredSize));
    out += body;
    if (body.size() & 1)
        out += '\0';
    return out;
}

QByteArray fmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, int blockAlign = -1)
{
    const uint16_t align = blockAlign < 0 ? static_cast<uint16_t>(channels * bits / 8) : static_cast<uint16_t>(blockAlign);
    QByteArray body;
    put16(body, tag);
    put16(body, channels);
    put32(body, rate);
    put32(body, rate * align);
    put16(body, align);
    put16(body, bits);
    return body;
}

QByteArray riff(const QByteArray &chunks)
{
    QByteArray out("RIFF");
    put32(out, static_cast<uint32_t>(4 + chunks.size()));
    return out + "WAVE" + chunks;
}

std::vector<int16_t> samplesOf(const WaveSound &sound)
{
    std::vector<int16_t> values(static_cast<size_t>(sound.samples.size() / 2));
    std::memcpy(values.data(), sound.samples.constData(), static_cast<size_t>(sound.samples.size()));
    return values;
}

QByteArray pcm16(std::initializer_list<int16_t> values)
{
    QByteArray out;
    for (int16_t v : values)
        put16(out, static_cast<uint16_t>(v));
    return out;
}

} // namespace

// Every sample layout the reader accepts comes out as the same 16-bit values.
struct SampleCase {
    const char *name;
    uint16_t tag;
    uint16_t bits;
    QByteArray data;
    std::vector<int16_t> expected;
    friend void PrintTo(const SampleCase &c, std::ostream *os) { *os << c.name; }
};

class WaveSampleFormats : public ::testing::TestWithParam<SampleCase> {};

TEST_P(WaveSampleFormats, ConvertToSigned16Bit)
{
    const SampleCase &c = GetParam();
    const auto sound = decodeWave(riff(chunk("fmt ", fmtBody(c.tag, 1, 8000, c.bits)) + chunk("data", c.data)));
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->sampleRate, 8000);
    EXPECT_EQ(samplesOf(*sound), c.expected);
}

namespace {

QByteArray floats(std::initializer_list<float> values)
{
    QByteArray out;
    for (float v : values) {
        uint32_t raw;
        std::memcpy(&raw, &v, 4);
        put32(out, raw);
    }
    return out;
}

QByteArray doubles(std::initializer_list<double> values)
{
    QByteArray out;
    for (double v : values) {
        char b[8];
        qToLittleEndian(v, b);
        out.append(b, 8);
    }
    return out;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Wave, WaveSampleFormats,
    ::testing::Values(
        SampleCase{"Unsigned8", 1, 8, QByteArray("\x80\xff\x00", 3), {0, 32512, -32768}},
        SampleCase{"Signed16", 1, 16, pcm16({0, 32767, -32768, 1234}), {0, 32767, -32768, 1234}},
        SampleCase{"Signed24", 1, 24, QByteArray("\x00\x00\x00\xff\xff\x7f\x00\x00\x80", 9), {0, 32767, -32768}},
        SampleCase{"Signed32", 1, 32, QByteArray("\x00\x00\x00\x00\xff\xff\xff\x7f\x00\x00\x00\x80", 12),
                   {0, 32767, -32768}},
        SampleCase{"Float32ClampedAtFullScale", 3, 32, floats({0.0f, 0.5f, -1.0f, 2.0f}), {0, 16384, -32767, 32767}},
        SampleCase{"Float64", 3, 64, doubles({0.25, -0.25}), {8192, -8192}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WaveFile, StereoKeepsChannelsInterleavedAndTimesTheSound)
{
    QByteArray data;
    for (int i = 0; i < 22050; ++i)
        data += pcm16({static_cast<int16_t>(i & 0x7fff), -1});
    const auto sound = decodeWave(riff(chunk("fmt ", fmtBody(1, 2, 22050, 16)) + chunk("data", data)));
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->frameCount(), 22050);
    EXPECT_EQ(sound->durationMs(), 1000);
    EXPECT_EQ(samplesOf(*sound)[1], -1);
}

TEST(WaveFile, ExtensibleFormatIsReadByItsSubFormat)
{
    QByteArray body = fmtBody(0xFFFE, 1, 44100, 16);
    put16(body, 22);     // extension size
    put16(body, 16);     // valid bits
    put32(body, 0x4);    // channel mask: front centre
    put16(body, 1);      // sub-format: PCM, then the rest of its GUID
    body += QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    const auto sound = decodeWave(riff(chunk("fmt ", body) + chunk("data", pcm16({7, -7}))));
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(samplesOf(*sound), (std::vector<int16_t>{7, -7}));
}

TEST(WaveFile, OtherChunksAndOddPaddingAreSkipped)
{
    const QByteArray file = riff(chunk("LIST", QByteArray("INFOabc", 7)) + chunk("fmt ", fmtBody(1, 1, 8000, 16))
                                 + chunk("fact", QByteArray(4, '\0')) + chunk("data", pcm16({100, 200})));
    const auto sound = decodeWave(file);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(samplesOf(*sound), (std::vector<int16_t>{100, 200}));
}

TEST(WaveFile, DataChunkCutShortIsReadAsFarAsItGoesInWholeFrames)
{
    // Declares 1000 bytes, holds 5: two whole 16-bit samples and half of a third.
    const QByteArray file = riff(chunk("fmt ", fmtBody(1, 1, 8000, 16)))
                            + chunk("data", QByteArray("\x01\x00\x02\x00\x03", 5), 1000).left(8 + 5);
    const auto sound = decodeWave(file);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(samplesOf(*sound), (std::vector<int16_t>{1, 2}));
}

// Files the device must refuse as a whole, so that it stays closed and silent.
struct RefusedCase {
    const char *name;
    QByteArray bytes;
    friend void PrintTo(const RefusedCase &c, std::ostream *os) { *os << c.name; }
};

class WaveRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(WaveRefused, GivesNoSound)
{
    EXPECT_FALSE(decodeWave(GetParam().bytes).has_value());
}

namespace {

const QByteArray someData = chunk("data", pcm16({1, 2, 3, 4}));

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Wave, WaveRefused,
    ::testing::Values(
        RefusedCase{"Empty", QByteArray()},
        RefusedCase{"Text", QByteArray("this is not a sound at all, just some text in a .wav")},
        RefusedCase{"HeaderOnly", QByteArray("RIFF\x04\x00\x00\x00WAVE", 12)},
        RefusedCase{"NotWave", QByteArray("RIFF\x04\x00\x00\x00" "AVI ", 12) + chunk("fmt ", fmtBody(1, 1, 8000, 16)) + someData},
        RefusedCase{"NoFormat", riff(someData)},
        RefusedCase{"NoData", riff(chunk("fmt ", fmtBody(1, 1, 8000, 16)))},
        RefusedCase{"NoWholeFrame", riff(chunk("fmt ", fmtBody(1, 2, 8000, 16)) + chunk("data", QByteArray(3, '\0')))},
        RefusedCase{"FormatChunkTooShort", riff(chunk("fmt ", fmtBody(1, 1, 8000, 16).left(12)) + someData)},
        RefusedCase{"Adpcm", riff(chunk("fmt ", fmtBody(2, 1, 8000, 4, 256)) + someData)},
        RefusedCase{"Float16", riff(chunk("fmt ", fmtBody(3, 1, 8000, 16)) + someData)},
        RefusedCase{"TwelveBits", riff(chunk("fmt ", fmtBody(1, 1, 8000, 12, 2)) + someData)},
        RefusedCase{"NoChannels", riff(chunk("fmt ", fmtBody(1, 0, 8000, 16, 2)) + someData)},
        RefusedCase{"NineChannels", riff(chunk("fmt ", fmtBody(1, 9, 8000, 16)) + someData)},
        RefusedCase{"ZeroRate", riff(chunk("fmt ", fmtBody(1, 1, 0, 16)) + someData)},
        RefusedCase{"AbsurdRate", riff(chunk("fmt ", fmtBody(1, 1, 0x7fffffff, 16)) + someData)},
        RefusedCase{"BlockAlignDisagrees", riff(chunk("fmt ", fmtBody(1, 2, 8000, 16, 3)) + someData)},
        RefusedCase{"ChunkSizeBeyondFile", riff(chunk("fmt ", fmtBody(1, 1, 8000, 16), 1 << 30) + someData)},
        RefusedCase{"ExtensibleWithoutExtension", riff(chunk("fmt ", fmtBody(0xFFFE, 1, 8000, 16)) + someData)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WaveFile, FilesBeyondTheSizeLimitAreRefusedUnread)
{
    QByteArray file = riff(chunk("fmt ", fmtBody(1, 1, 8000, 16)) + chunk("data", QByteArray()));
    file.resize(MaxWaveFileBytes + 1);
    EXPECT_FALSE(decodeWave(file).has_value());
}
