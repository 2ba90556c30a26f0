// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/ControlRegistry.h"
#include "platform/intrinsics/Intrinsics.h"
#include "platform/intrinsics/MMControl.h"
#include "platform/core/Properties.h"
#include "tests/support/SoundFiles.h"

#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace tallyard;
using namespace tallyard::test;

namespace {

// Generous: a null sink holds about two seconds of sound before it counts it as played.
constexpr int DoneTimeoutMs = 15000;

bool soundOutputAvailable()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

#define REQUIRE_SOUND_OUTPUT()                                                                                         \
    if (!soundOutputAvailable())                                                                                       \
    GTEST_SKIP() << "no sound output on this machine; run scripts/start-sound.sh to give the tests a null sink"

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(bytes);
}

// A device created by its ProgID and driven by property name, as the board drives its buzzer.
class MMControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerIntrinsicControls();
        ASSERT_TRUE(dir.isValid());
        device.reset(createControl(QStringLiteral("MCI.MMControl"), nullptr));
        done = std::make_unique<QSignalSpy>(device.get(), SIGNAL(Done(qint16)));
    }

    void command(const QString &text) { setPropertyByName(device.get(), u"Command", text); }
    void fileName(const QString &name) { setPropertyByName(device.get(), u"FileName", name); }
    int mode() { return getPropertyByName(device.get(), u"Mode").toInt(); }
    int position() { return getPropertyByName(device.get(), u"Position").toInt(); }
    int length() { return getPropertyByName(device.get(), u"Length").toInt(); }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    void openTone(int ms)
    {
        ASSERT_TRUE(writeTone(path("tone.wav"), ms));
        fileName(path("tone.wav"));
        command(QStringLiteral("Open"));
        ASSERT_EQ(mode(), MMControl::Stopped);
    }
    // The completion handler the board gives its buzzer: stop, then rewind.
    void rewindOnDone()
    {
        QObject::connect(qobject_cast<MMControl *>(device.get()), &MMControl::Done, device.get(), [this] {
            command(QStringLiteral("Stop"));
            command(QStringLiteral("Prev"));
        });
    }

    QTemporaryDir dir;
    std::unique_ptr<Control> device;
    std::unique_ptr<QSignalSpy> done;
};

} // namespace

TEST_F(MMControlTest, IsAnInvisibleDeviceThatNeverTakesTheFocus)
{
    QWidget form;
    device->setParent(&form);
    form.show();
    EXPECT_EQ(typeName(device.get()), QStringLiteral("MMControl"));
    EXPECT_FALSE(device->isVisible());
    EXPECT_EQ(device->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(device->TabStop());
    EXPECT_EQ(mode(), MMControl::NotOpen);
    device->setParent(nullptr);
}

// Whatever the file name names, if it is not a playable sound the device stays closed and
// every command passes without an error and without a sound.
struct SilentCase {
    const char *name;
    std::function<QString(const QTemporaryDir &)> prepare;
};

class MMControlSilent : public MMControlTest, public ::testing::WithParamInterface<SilentCase> { };

TEST_P(MMControlSilent, OpenLeavesTheDeviceClosedAndPlayDoesNothing)
{
    const QString name = GetParam().prepare(dir);
    EXPECT_NO_THROW(fileName(name));
    EXPECT_NO_THROW(command(QStringLiteral("Open")));
    EXPECT_EQ(mode(), MMControl::NotOpen);
    EXPECT_FALSE(qobject_cast<MMControl *>(device.get())->isOpen());
    EXPECT_EQ(length(), 0);
    for (const char *c : {"Play", "Stop", "Prev", "Play", "Close"}) {
        EXPECT_NO_THROW(command(QString::fromLatin1(c)));
        EXPECT_EQ(mode(), MMControl::NotOpen) << c;
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(done->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(MMControl, MMControlSilent,
                         ::testing::Values(SilentCase{"EmptyName", [](const QTemporaryDir &) { return QString(); }},
                                           SilentCase{"MissingFile",
                                                      [](const QTemporaryDir &d) {
                                                          return d.filePath(QStringLiteral("nowhere/chime2.wav"));
                                                      }},
                                           SilentCase{"Folder", [](const QTemporaryDir &d) { return d.path(); }},
                                           SilentCase{"EmptyFile",
                                                      [](const QTemporaryDir &d) {
                                                          const QString p = d.filePath(QStringLiteral("empty.wav"));
                                                          writeBytes(p, QByteArray());
                                                          return p;
                                                      }},
                                           SilentCase{"Garbage",
                                                      [](const QTemporaryDir &d) {
                                                          const QString p = d.filePath(QStringLiteral("garbage.wav"));
                                                          writeBytes(p, garbageBytes());
                                                          return p;
                                                      }}),
                         [](const auto &info) { return std::string(info.param.name); });

// Every encoding an operator may pick is heard: it opens, plays and runs to its end.

class MMControlHeard : public MMControlTest, public ::testing::WithParamInterface<std::string> { };

TEST_P(MMControlHeard, OpensAndPlaysToItsEnd)
{
    const QString file = writeSoundFile(GetParam(), dir.path(), 300);
    ASSERT_FALSE(file.isEmpty());
    fileName(file);
    command(QStringLiteral("Open"));
    ASSERT_EQ(mode(), MMControl::Stopped);
    // A block-coded sound may be padded to its last whole block.
    EXPECT_GE(length(), 300);
    EXPECT_LT(length(), 400);
    REQUIRE_SOUND_OUTPUT();
    command(QStringLiteral("Play"));
    EXPECT_EQ(mode(), MMControl::Playing);
    ASSERT_TRUE(done->wait(DoneTimeoutMs));
    EXPECT_EQ(done->at(0).at(0).toInt(), MMControl::Successful);
    EXPECT_EQ(position(), length());
}

INSTANTIATE_TEST_SUITE_P(MMControl, MMControlHeard, ::testing::ValuesIn(soundEncodingNames()),
                         [](const auto &info) { return info.param; });

TEST_F(MMControlTest, CommandsAreCaseInsensitiveAndOthersAreIgnored)
{
    ASSERT_TRUE(writeTone(path("tone.wav"), 250));
    fileName(path("tone.wav"));
    command(QStringLiteral("oPEN"));
    EXPECT_EQ(mode(), MMControl::Stopped);
    for (const char *other : {"", "Eject", "Play it", "Record", "Next"}) {
        EXPECT_NO_THROW(command(QString::fromLatin1(other)));
        EXPECT_EQ(mode(), MMControl::Stopped) << other;
    }
    EXPECT_EQ(getPropertyByName(device.get(), u"Command").toString(), QString());
    command(QStringLiteral("CLOSE"));
    EXPECT_EQ(mode(), MMControl::NotOpen);
}

TEST_F(MMControlTest, OpenReadsTheSoundAndCloseReleasesIt)
{
    openTone(250);
    EXPECT_EQ(length(), 250);
    EXPECT_EQ(position(), 0);

    command(QStringLiteral("Close"));
    EXPECT_EQ(mode(), MMControl::NotOpen);
    EXPECT_EQ(length(), 0);
    EXPECT_EQ(getPropertyByName(device.get(), u"FileName").toString(), path("tone.wav"));
    command(QStringLiteral("Play"));
    EXPECT_EQ(mode(), MMControl::NotOpen);

    // Re-opened after the file changed (the Options dialog chose another sound): the new
    // sound is read, not the one opened before.
    ASSERT_TRUE(writeTone(path("tone.wav"), 400));
    command(QStringLiteral("Open"));
    EXPECT_EQ(mode(), MMControl::Stopped);
    EXPECT_EQ(length(), 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(done->count(), 0);
}

TEST_F(MMControlTest, OpeningAnUnplayableFileClosesTheSoundOpenBefore)
{
    openTone(250);
    writeBytes(path("broken.wav"), QByteArray("RIFF....WAVEjunk"));
    fileName(path("broken.wav"));
    command(QStringLiteral("Open"));
    EXPECT_EQ(mode(), MMControl::NotOpen);
    command(QStringLiteral("Play"));
    EXPECT_EQ(mode(), MMControl::NotOpen);
}

TEST_F(MMControlTest, WithoutASoundOutputPlayIsSilentAndReturnsAtOnce)
{
    if (soundOutputAvailable())
        GTEST_SKIP() << "this machine has a sound output; the case guards machines without one";
    openTone(250);
    QElapsedTimer timer;
    timer.start();
    EXPECT_NO_THROW(command(QStringLiteral("Play")));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(mode(), MMControl::Stopped);
    QCoreApplication::processEvents();
    EXPECT_EQ(done->count(), 0);
    // The device stays open, so a sound output that appears later is used.
    EXPECT_TRUE(qobject_cast<MMControl *>(device.get())->isOpen());
}

// The cases below play real sound, into whatever output the machine has (a null sink on CI).

TEST_F(MMControlTest, PlayRunsToTheEndThenRaisesDoneOnce)
{
    REQUIRE_SOUND_OUTPUT();
    openTone(300);
    command(QStringLiteral("Play"));
    EXPECT_EQ(mode(), MMControl::Playing);
    ASSERT_TRUE(done->wait(DoneTimeoutMs));
    EXPECT_EQ(done->at(0).at(0).toInt(), MMControl::Successful);
    EXPECT_EQ(mode(), MMControl::Stopped);
    EXPECT_EQ(position(), length());
    QTest::qWait(200);
    EXPECT_EQ(done->count(), 1);
}

TEST_F(MMControlTest, AfterTheBoardsStopAndRewindTheNextPlayIsTheWholeSoundAgain)
{
    REQUIRE_SOUND_OUTPUT();
    rewindOnDone();
    openTone(600);
    for (int round = 1; round <= 2; ++round) {
        command(QStringLiteral("Play"));
        ASSERT_EQ(mode(), MMControl::Playing) << "round " << round;
        // A sound resumed at its end would stand at its end; the whole of it starts near zero.
        EXPECT_LT(position(), length() / 2) << "round " << round;
        ASSERT_TRUE(QTest::qWaitFor([&] { return done->count() == round; }, DoneTimeoutMs)) << "round " << round;
        EXPECT_EQ(mode(), MMControl::Stopped);
        EXPECT_EQ(position(), 0) << "the handler rewound it";
    }
    EXPECT_EQ(done->count(), 2);
}

TEST_F(MMControlTest, AFinishedSoundNobodyRewoundPlaysFromTheStart)
{
    REQUIRE_SOUND_OUTPUT();
    openTone(300);
    command(QStringLiteral("Play"));
    ASSERT_TRUE(done->wait(DoneTimeoutMs));
    command(QStringLiteral("Play"));
    EXPECT_EQ(mode(), MMControl::Playing);
    EXPECT_LT(position(), length() / 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return done->count() == 2; }, DoneTimeoutMs));
}

TEST_F(MMControlTest, StopHaltsWithoutDonePlayGoesOnAndPrevRewinds)
{
    REQUIRE_SOUND_OUTPUT();
    openTone(3000);
    command(QStringLiteral("Play"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return position() >= 100; }, DoneTimeoutMs));

    command(QStringLiteral("Stop"));
    EXPECT_EQ(mode(), MMControl::Stopped);
    const int stoppedAt = position();
    EXPECT_GT(stoppedAt, 0);
    EXPECT_LT(stoppedAt, length());
    QTest::qWait(200);
    EXPECT_EQ(done->count(), 0) << "a stopped sound has not finished";
    EXPECT_EQ(position(), stoppedAt);

    // Stop only halts: played again, the sound goes on from where it stood.
    command(QStringLiteral("Play"));
    EXPECT_EQ(mode(), MMControl::Playing);
    EXPECT_GE(position(), stoppedAt);
    command(QStringLiteral("Stop"));

    command(QStringLiteral("Prev"));
    EXPECT_EQ(mode(), MMControl::Stopped);
    EXPECT_EQ(position(), 0);
}

TEST_F(MMControlTest, PrevWhilePlayingStopsAtTheStartWithoutDone)
{
    REQUIRE_SOUND_OUTPUT();
    openTone(3000);
    command(QStringLiteral("Play"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return position() >= 100; }, DoneTimeoutMs));
    command(QStringLiteral("Prev"));
    EXPECT_EQ(mode(), MMControl::Stopped);
    EXPECT_EQ(position(), 0);
    QTest::qWait(200);
    EXPECT_EQ(done->count(), 0);
}

TEST_F(MMControlTest, PlayWhilePlayingStartsOverAndEndsWithOneDone)
{
    REQUIRE_SOUND_OUTPUT();
    openTone(1500);
    command(QStringLiteral("Play"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return position() >= 200; }, DoneTimeoutMs));
    const int before = position();
    command(QStringLiteral("Play"));
    EXPECT_EQ(mode(), MMControl::Playing);
    EXPECT_LT(position(), before);
    ASSERT_TRUE(done->wait(DoneTimeoutMs));
    QTest::qWait(300);
    EXPECT_EQ(done->count(), 1);
    EXPECT_EQ(done->at(0).at(0).toInt(), MMControl::Successful);
}

TEST_F(MMControlTest, CloseWhilePlayingSilencesItWithoutDone)
{
    REQUIRE_SOUND_OUTPUT();
    openTone(1500);
    command(QStringLiteral("Play"));
    EXPECT_EQ(mode(), MMControl::Playing);
    command(QStringLiteral("Close"));
    EXPECT_EQ(mode(), MMControl::NotOpen);
    QTest::qWait(300);
    EXPECT_EQ(done->count(), 0);
    command(QStringLiteral("Play"));
    EXPECT_EQ(mode(), MMControl::NotOpen);
}

TEST_F(MMControlTest, AFailingDoneHandlerDoesNotStopTheDevice)
{
    REQUIRE_SOUND_OUTPUT();
    QObject::connect(qobject_cast<MMControl *>(device.get()), &MMControl::Done, device.get(),
                     [] { throw std::runtime_error("handler failed"); });
    openTone(200);
    command(QStringLiteral("Play"));
    ASSERT_TRUE(done->wait(DoneTimeoutMs));
    EXPECT_EQ(mode(), MMControl::Stopped);
    command(QStringLiteral("Play"));
    EXPECT_EQ(mode(), MMControl::Playing);
    ASSERT_TRUE(QTest::qWaitFor([&] { return done->count() == 2; }, DoneTimeoutMs));
}

// Qt's sound outputs run events while they are destroyed; a command or the device's own
// destruction must not, or a form's timer ticks into a form that is half gone.
TEST_F(MMControlTest, NoCommandNorTheDestructionRunsEventsWhilePlaying)
{
    REQUIRE_SOUND_OUTPUT();
    const std::vector<std::pair<const char *, std::function<void()>>> actions{
        {"Close", [&] { command(QStringLiteral("Close")); }},
        {"Open again", [&] { command(QStringLiteral("Open")); }},
        {"Stop", [&] { command(QStringLiteral("Stop")); }},
        {"Play again", [&] { command(QStringLiteral("Play")); }},
        {"destruction", [&] { device.reset(); }},
    };
    openTone(1500);
    for (const auto &[name, action] : actions) {
        SCOPED_TRACE(name);
        command(QStringLiteral("Play"));
        ASSERT_EQ(mode(), MMControl::Playing);
        bool ran = false;
        QTimer::singleShot(0, qApp, [&] { ran = true; });
        action();
        EXPECT_FALSE(ran);
        QTest::qWait(20); // the output let go is destroyed from the event loop, safely
        EXPECT_TRUE(ran);
        if (device)
            command(QStringLiteral("Open"));
    }
}
