// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The multimedia device a form plays a sound file through: an invisible control driven by
// command strings, as the board drives its buzzer. It opens a sound file (a WAVE in any
// encoding libsndfile reads, or FLAC, Ogg, MP3 ...), plays it, stops, rewinds and closes it,
// and raises Done when a sound has played to its end.
//
// Like the device it stands in for, "Stop" only halts: the next "Play" goes on from where
// the sound stood, which is why a host rewinds with "Prev" after Done. A sound that cannot
// be played (no file, a file that is not a sound libsndfile decodes within the reader's
// bounds, no sound output on the machine) leaves the device silent; no command ever throws
// or shows a message.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/Control.h"
#include "platform/readers/SoundFile.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>

#include <optional>

class QAudioSink;
class QBuffer;

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT MMControl : public Control {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "MMControl")
    Q_CLASSINFO("ProgID", "MCI.MMControl")
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)
    Q_PROPERTY(QString Command READ Command WRITE setCommand)
    Q_PROPERTY(tallyard::MMControl::ModeType Mode READ Mode)
    Q_PROPERTY(qint32 Length READ Length)
    Q_PROPERTY(qint32 Position READ Position)

public:
    // The device's state, with the numbers the multimedia control gave them.
    enum ModeType { NotOpen = 524, Stopped = 525, Playing = 526 };
    Q_ENUM(ModeType)
    // How a Play ended, as Done reports it.
    enum NotifyCodeType { Successful = 1, Failure = 8 };
    Q_ENUM(NotifyCodeType)

    explicit MMControl(QWidget *parent = nullptr);
    ~MMControl() override;

    // The file the next "Open" opens; changing it does not touch a file already open.
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &newFileName) { m_fileName = newFileName; }

    // Writing a command carries it out: "Open", "Play", "Stop", "Prev" or "Close", in any
    // case; any other text is ignored. A command is an action, not a state, so it reads
    // back empty (and copying a control's properties runs nothing).
    QString Command() const { return {}; }
    void setCommand(const QString &newCommand);

    // The form goes away: the sound stops and the device closes.
    void stopActivity() override { close(); }

    ModeType Mode() const { return m_mode; }
    bool isOpen() const { return m_mode != NotOpen; }
    // Milliseconds: the open sound's length, and where it stands (where the next "Play"
    // starts, or how far a playing sound has got). Both 0 while closed.
    qint32 Length() const;
    qint32 Position() const;

signals:
    // A Play has ended: Successful when the sound played to its end, Failure when the
    // sound output broke off under it. Not raised for Stop, Prev or Close, nor for a Play
    // that restarts a sound still playing, so a handler may send commands freely.
    void Done(qint16 NotifyCode);

private:
    void open();
    void play();
    void stop();
    void prev();
    void close();
    // The sound output for the open sound's format; false when the machine has none.
    bool ensureSink();
    // Stops the sound output and lets it go. Qt's sound outputs run events while they are
    // destroyed, so the output is destroyed later, from the event loop, never inside a
    // command or a destructor where a tick could re-enter the form.
    void releaseSink();
    // Bytes of the sound played so far in the current Play, counted from its start.
    qint64 playedBytes() const;
    qint64 soundBytes() const;
    // The open sound's 16-bit frames in time and back.
    qint32 bytesPerFrame() const;
    qint64 durationUs(qint64 bytes) const;
    qint64 bytesForUs(qint64 microseconds) const;
    // Rounded to the nearest millisecond, so that a sound of 250 ms reads 250.
    qint32 bytesToMs(qint64 bytes) const;
    // Runs while playing: notices the end of the sound and a sound output that broke off.
    void watchPlayback();
    void finish(NotifyCodeType code, qint64 position);

    QString m_fileName;
    ModeType m_mode = NotOpen;
    std::optional<DecodedSound> m_sound;
    QByteArray m_samples;
    qint64 m_position = 0;      // bytes; where the next Play starts
    qint64 m_startPosition = 0; // bytes; where the current Play started
    QAudioSink *m_sink = nullptr;
    // The samples as the output reads them; belongs to the output, so it lives as long as
    // the output does, however late that is destroyed.
    QBuffer *m_feed = nullptr;
    QTimer m_watch;
    QElapsedTimer m_drained; // since every byte was handed to the sound output
};

} // namespace tallyard
