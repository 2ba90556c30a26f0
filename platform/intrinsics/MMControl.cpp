// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/MMControl.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

#include <algorithm>

namespace tallyard {

namespace {

// How often a playing sound is looked at: often enough that Done follows the sound's end
// closely, rarely enough to cost nothing.
constexpr int WatchIntervalMs = 20;
// Once every byte is handed over, the output normally reports it played within its own
// latency (under a tenth of a second on a sound card, about two seconds on a null sink);
// an output that never does is taken to have finished after this long.
constexpr qint64 DrainTimeoutMs = 4000;

} // namespace

MMControl::MMControl(QWidget *parent) : Control(parent)
{
    setVisibleFlag(false);
    setTabStop(false);
    m_watch.setInterval(WatchIntervalMs);
    connect(&m_watch, &QTimer::timeout, this, [this] { runGuarded("MMControl", [this] { watchPlayback(); }); });
}

MMControl::~MMControl()
{
    close();
}

void MMControl::setCommand(const QString &newCommand)
{
    const QString command = newCommand.trimmed();
    const auto is
        = [&](const char *name) { return command.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0; };
    if (is("Open"))
        open();
    else if (is("Play"))
        play();
    else if (is("Stop"))
        stop();
    else if (is("Prev"))
        prev();
    else if (is("Close"))
        close();
}

qint64 MMControl::soundBytes() const
{
    return m_sound ? m_sound->samples.size() : 0;
}

qint32 MMControl::bytesPerFrame() const
{
    return m_sound ? 2 * m_sound->channels : 0;
}

// Whole frames only, as the sound output counts them.
qint64 MMControl::durationUs(qint64 bytes) const
{
    if (!m_sound || bytes <= 0 || m_sound->sampleRate <= 0 || bytesPerFrame() <= 0)
        return 0;
    return 1000000LL * (bytes / bytesPerFrame()) / m_sound->sampleRate;
}

qint64 MMControl::bytesForUs(qint64 microseconds) const
{
    if (!m_sound)
        return 0;
    return bytesPerFrame() * (microseconds * m_sound->sampleRate / 1000000LL);
}

qint32 MMControl::bytesToMs(qint64 bytes) const
{
    return static_cast<qint32>((durationUs(bytes) + 500) / 1000);
}

qint32 MMControl::Length() const
{
    return m_sound ? bytesToMs(soundBytes()) : 0;
}

qint32 MMControl::Position() const
{
    if (!m_sound)
        return 0;
    return bytesToMs(m_mode == Playing ? playedBytes() : m_position);
}

qint64 MMControl::playedBytes() const
{
    if (!m_sink)
        return m_startPosition;
    const qint64 played = bytesForUs(m_sink->processedUSecs());
    return std::min(m_startPosition + played, soundBytes());
}

void MMControl::open()
{
    close();
    if (m_fileName.isEmpty())
        return;
    // A missing, unreadable or unplayable file leaves the device closed, without a word.
    if (!QFileInfo(m_fileName).isFile())
        return;
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxSoundFileBytes)
        return;
    auto sound = decodeSound(file.readAll());
    if (!sound)
        return;
    m_sound = std::move(sound);
    m_samples = m_sound->samples;
    m_position = 0;
    m_mode = Stopped;
}

bool MMControl::ensureSink()
{
    if (m_sink)
        return true;
    // Asked at every first Play after an Open, so a sound server that has come up since
    // the program started is found.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(m_sound->sampleRate);
    format.setChannelCount(m_sound->channels);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = new QAudioSink(device, format);
    m_feed = new QBuffer(m_sink);
    m_feed->setData(m_samples);
    m_feed->open(QIODevice::ReadOnly);
    return true;
}

void MMControl::releaseSink()
{
    if (!m_sink)
        return;
    m_sink->stop();
    m_sink->disconnect(this);
    m_sink->deleteLater();
    m_sink = nullptr;
    m_feed = nullptr;
}

void MMControl::play()
{
    if (m_mode == NotOpen)
        return;
    if (m_mode == Playing) {
        // Played again while playing: start over.
        m_watch.stop();
        m_sink->stop();
        m_position = 0;
        m_mode = Stopped;
    }
    // A sound left at its end (nobody rewound it) plays again from the start, rather than
    // playing nothing.
    if (m_position >= soundBytes())
        m_position = 0;
    if (!ensureSink())
        return;
    m_feed->seek(m_position);
    m_startPosition = m_position;
    m_sink->start(m_feed);
    if (m_sink->state() == QAudio::StoppedState || m_sink->error() == QAudio::OpenError
        || m_sink->error() == QAudio::FatalError) {
        // The output refused the sound: stay silent, and ask for a fresh output next time.
        releaseSink();
        return;
    }
    m_mode = Playing;
    m_drained.invalidate();
    m_watch.start();
}

void MMControl::watchPlayback()
{
    if (m_mode != Playing || !m_sink) {
        m_watch.stop();
        return;
    }
    if (m_sink->state() == QAudio::StoppedState) {
        // The output went away under the sound (the sound server stopped, the device was
        // unplugged): end the Play and start with a fresh output next time.
        const qint64 position = playedBytes();
        releaseSink();
        finish(Failure, position);
        return;
    }
    if (!m_feed->atEnd())
        return;
    if (!m_drained.isValid())
        m_drained.start();
    // Every byte is handed over; the sound has ended once the output has played them.
    const qint64 remainingUs = durationUs(soundBytes() - m_startPosition);
    if (m_sink->processedUSecs() < remainingUs - 1000 && m_drained.elapsed() < DrainTimeoutMs)
        return;
    m_sink->stop();
    finish(Successful, soundBytes());
}

void MMControl::finish(NotifyCodeType code, qint64 position)
{
    m_watch.stop();
    m_mode = Stopped;
    m_position = position;
    // Last, because the handler may well send the device its next commands.
    runGuarded("MMControl Done", [&] { emit Done(static_cast<qint16>(code)); });
}

void MMControl::stop()
{
    if (m_mode != Playing)
        return;
    const qint64 position = playedBytes();
    m_watch.stop();
    m_sink->stop();
    m_mode = Stopped;
    m_position = position;
}

void MMControl::prev()
{
    if (m_mode == NotOpen)
        return;
    stop();
    m_position = 0;
}

void MMControl::close()
{
    m_watch.stop();
    releaseSink();
    m_samples.clear();
    m_sound.reset();
    m_position = 0;
    m_startPosition = 0;
    m_mode = NotOpen;
}

} // namespace tallyard
