// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/support/SoundFiles.h"

#include <QDir>
#include <QFile>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <type_traits>

namespace tallyard::test {

const std::vector<SoundEncoding> &soundEncodings()
{
    static const std::vector<SoundEncoding> table{
        {"Pcm16Stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_16, "wav", 44100, 2, 0},
        {"Pcm24", SF_FORMAT_WAV | SF_FORMAT_PCM_24, "wav", 48000, 1, 0},
        {"Float", SF_FORMAT_WAV | SF_FORMAT_FLOAT, "wav", 22050, 1, 0},
        {"ImaAdpcmStereo", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, "wav", 22050, 2, 1024},
        {"MsAdpcm", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, "wav", 22050, 1, 1024},
        {"MuLaw", SF_FORMAT_WAV | SF_FORMAT_ULAW, "wav", 8000, 1, 0},
        {"ALaw", SF_FORMAT_WAV | SF_FORMAT_ALAW, "wav", 8000, 1, 0},
        {"Gsm610", SF_FORMAT_WAV | SF_FORMAT_GSM610, "wav", 8000, 1, 640},
        {"FlacStereo", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, "flac", 44100, 2, 0},
        {"OggVorbis", SF_FORMAT_OGG | SF_FORMAT_VORBIS, "ogg", 22050, 1, 0},
        {"OggOpus", SF_FORMAT_OGG | SF_FORMAT_OPUS, "opus", 48000, 1, 0},
        {"Mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, "mp3", 22050, 1, 0},
    };
    return table;
}

const SoundEncoding &soundEncoding(const std::string &name)
{
    for (const SoundEncoding &e : soundEncodings())
        if (name == e.name)
            return e;
    throw std::invalid_argument("no sound encoding " + name);
}

std::vector<std::string> soundEncodingNames()
{
    std::vector<std::string> names;
    for (const SoundEncoding &e : soundEncodings())
        names.emplace_back(e.name);
    return names;
}

std::vector<float> tone(int rate, int channels, int frames)
{
    std::vector<float> samples(static_cast<size_t>(frames * channels));
    for (int i = 0; i < frames; ++i) {
        const double fade = std::min({1.0, i / 200.0, (frames - i) / 200.0});
        const float v = static_cast<float>(ToneLevel * fade * std::sin(2 * std::numbers::pi * 660 * i / rate));
        for (int c = 0; c < channels; ++c)
            samples[static_cast<size_t>(i * channels + c)] = v;
    }
    return samples;
}

namespace {

template <typename Sample>
bool write(const QString &path, int format, int rate, int channels, const std::vector<Sample> &samples)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const sf_count_t frames = static_cast<sf_count_t>(samples.size()) / channels;
    sf_count_t written = 0;
    if constexpr (std::is_same_v<Sample, int16_t>)
        written = sf_writef_short(file, samples.data(), frames);
    else
        written = sf_writef_float(file, samples.data(), frames);
    return sf_close(file) == 0 && written == frames;
}

} // namespace

bool writeSamples(const QString &path, int format, int rate, int channels, const std::vector<float> &samples)
{
    return write(path, format, rate, channels, samples);
}

bool writeSamples(const QString &path, int format, int rate, int channels, const std::vector<int16_t> &samples)
{
    return write(path, format, rate, channels, samples);
}

QString writeSoundFile(const std::string &encoding, const QString &folder, int ms)
{
    const SoundEncoding &e = soundEncoding(encoding);
    const QString path = QDir(folder).filePath(QString::fromStdString(encoding) + u'.' + QLatin1StringView(e.suffix));
    return writeSamples(path, e.format, e.rate, e.channels, tone(e.rate, e.channels, e.rate * ms / 1000)) ? path
                                                                                                          : QString();
}

bool writeTone(const QString &path, int ms)
{
    constexpr int rate = 22050;
    return writeSamples(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, 1, tone(rate, 1, rate * ms / 1000));
}

QByteArray garbageBytes(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>((i * 7919) % 251);
    return bytes;
}

} // namespace tallyard::test
