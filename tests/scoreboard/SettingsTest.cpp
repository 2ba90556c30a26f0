#include "platform/system/ProgramInfo.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tallyard;

namespace {

// Each test gets a store of its own in a fresh folder.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SettingsStore::setFolderOverride(dir.path());
        resetSettingsToDefaults();
    }
    void TearDown() override
    {
        SettingsStore::setFolderOverride({});
        setProgramFolderOverride({});
        resetSettingsToDefaults();
    }
    QString iniPath() const { return dir.filePath(QStringLiteral("Tallyard.ini")); }
    void writeRaw(const QString &section, const QString &key, const QString &value)
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.setValue(section + u'/' + key, value);
    }
    void load() { LoadSettings(SettingsStore(ApplicationName)); }

    QTemporaryDir dir;
};

TEST_F(SettingsTest, ANeverRunMachineGetsEveryDefaultAndNoFile)
{
    ColorFall = 1;
    KeyReset = 2;
    HomePic = QStringLiteral("x");
    load();
    EXPECT_EQ(ColorFormBack, 0x404040);
    EXPECT_EQ(ColorRoutine, 0x00C000);
    EXPECT_EQ(ColorScoreLED, 0x0080FF);
    EXPECT_EQ(ColorGymnastLED, 0x00C000);
    EXPECT_EQ(ColorLEDBack, 0);
    EXPECT_EQ(ColorLEDSelected, 0x404040);
    EXPECT_EQ(ColorBorder, 0xFFFFFF);
    EXPECT_EQ(ColorFall, 0x0000FF);
    EXPECT_EQ(ColorWarmUp, 0x00FFFF);
    EXPECT_EQ(LEDSelectedWidth, 0);
    EXPECT_EQ(KeyRoutine, 82);
    EXPECT_EQ(KeyFall, 70);
    EXPECT_EQ(KeyWarmUp, 87);
    EXPECT_EQ(KeyReset, 71);
    EXPECT_EQ(KeyClear, 46);
    EXPECT_EQ(KeyChime, 67);
    EXPECT_EQ(BuzzerFile, QDir::toNativeSeparators(programFolder() + QStringLiteral("/chime2.wav")));
    EXPECT_EQ(NumLockForce, 0);
    EXPECT_EQ(HomePic, QString());
    EXPECT_EQ(VisitorPic, QString());
    EXPECT_EQ(DigitLEDType, 0);
    EXPECT_FALSE(QFile::exists(iniPath()));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(SettingsTest, SavingWritesAll21KeysAsDecimalText)
{
    ColorScoreLED = 0x0080FF;
    HomePic = QStringLiteral("/pics/home team.png");
    NumLockForce = 2;
    KeyClear = 110;
    {
        SettingsStore store(ApplicationName);
        SaveSettings(store);
    }
    QSettings raw(iniPath(), QSettings::IniFormat);
    EXPECT_EQ(raw.allKeys().size(), 21);
    for (const SettingDefinition &d : settingDefinitions())
        EXPECT_TRUE(raw.contains(QString::fromLatin1(d.section) + u'/' + QString::fromLatin1(d.key))) << d.key;
    EXPECT_EQ(raw.value(QStringLiteral("ColorSettings/Color_ScoreLED")).toString(), QStringLiteral("33023"));
    EXPECT_EQ(raw.value(QStringLiteral("ColorSettings/Color_FormBack")).toString(), QStringLiteral("4210752"));
    EXPECT_EQ(raw.value(QStringLiteral("KeySettings/NumLockForce")).toString(), QStringLiteral("2"));

    resetSettingsToDefaults();
    NumLockForce = 0;
    load();
    EXPECT_EQ(ColorScoreLED, 33023);
    EXPECT_EQ(HomePic, QStringLiteral("/pics/home team.png"));
    EXPECT_EQ(NumLockForce, 2);
    EXPECT_EQ(KeyClear, 110);
}

TEST_F(SettingsTest, TheBuzzerDefaultFollowsTheProgramFolderUntilSaved)
{
    setProgramFolderOverride(QStringLiteral("/opt/one"));
    load();
    const QString first = BuzzerFile;
    setProgramFolderOverride(QStringLiteral("/opt/two"));
    load();
    EXPECT_NE(BuzzerFile, first);
    EXPECT_TRUE(BuzzerFile.endsWith(QStringLiteral("chime2.wav")));
    {
        SettingsStore store(ApplicationName);
        SaveSettings(store);
    }
    const QString saved = BuzzerFile;
    setProgramFolderOverride(QStringLiteral("/opt/three"));
    load();
    EXPECT_EQ(BuzzerFile, saved);
}

TEST_F(SettingsTest, ABadStoredNumberYieldsItsDefaultAndTheRestLoad)
{
    writeRaw(QStringLiteral("ColorSettings"), QStringLiteral("Color_FormBack"), QStringLiteral("junk"));
    writeRaw(QStringLiteral("ColorSettings"), QStringLiteral("Color_Fall"), QString());
    writeRaw(QStringLiteral("ColorSettings"), QStringLiteral("Color_WarmUp"), QStringLiteral("99999999999"));
    writeRaw(QStringLiteral("KeySettings"), QStringLiteral("KeyRoutine"), QStringLiteral("1.5"));
    writeRaw(QStringLiteral("KeySettings"), QStringLiteral("KeyFall"), QStringLiteral("40000")); // beyond 16 bits
    writeRaw(QStringLiteral("KeySettings"), QStringLiteral("KeyChime"), QStringLiteral(" 80 "));
    writeRaw(QStringLiteral("ColorSettings"), QStringLiteral("Color_Border"), QStringLiteral("-1"));
    writeRaw(QStringLiteral("PicSettings"), QStringLiteral("HomePic"), QStringLiteral("/a,b.png"));
    load();
    EXPECT_EQ(ColorFormBack, 4210752);
    EXPECT_EQ(ColorFall, 255);
    EXPECT_EQ(ColorWarmUp, 65535);
    EXPECT_EQ(KeyRoutine, 82);
    EXPECT_EQ(KeyFall, 70);
    EXPECT_EQ(KeyChime, 80);
    EXPECT_EQ(ColorBorder, -1);
    EXPECT_EQ(HomePic, QStringLiteral("/a,b.png"));
    // Loading never writes: the junk is still there.
    QSettings raw(iniPath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("ColorSettings/Color_FormBack")).toString(), QStringLiteral("junk"));
}

// A damaged file can hold a NUL inside a value: the number before it is not the setting.
TEST_F(SettingsTest, ANumberFollowedByANulByteYieldsItsDefault)
{
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const char text[] = "[ColorSettings]\nColor_FormBack=9999\0junk\nColor_Fall=12\n[KeySettings]\nKeyFall=65\0\n";
    file.write(text, sizeof text - 1);
    file.close();
    load();
    EXPECT_EQ(ColorFormBack, 4210752);
    EXPECT_EQ(KeyFall, 70);
    EXPECT_EQ(ColorFall, 12); // the lines around them still load
}

// Qt's INI reader would decode @Variant(...) as binary data: a list claiming hundreds of
// millions of entries took gigabytes at start. Here it is text, and saving keeps it so.
TEST_F(SettingsTest, AStoredVariantIsTextAndCostsNothing)
{
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[ColorSettings]\nColor_Fall=12\nCop= @Variant(\\0\\0\\0\\t(\\0\\0\\0\\b\\0\\0\\0\\1)\n"
               "Color_Border=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
    file.close();
    load();
    EXPECT_EQ(ColorFall, 12);
    EXPECT_EQ(ColorBorder, 0xFFFFFF); // not the integer 5 the variant encodes
    const auto cop = [] {
        return SettingsStore(ApplicationName).GetSetting(QStringLiteral("ColorSettings"), QStringLiteral("Cop"), {});
    };
    const QString before = cop();
    EXPECT_TRUE(before.startsWith(QStringLiteral("@Variant("))) << before.toStdString();
    {
        SettingsStore store(ApplicationName);
        SaveSettings(store);
    }
    EXPECT_EQ(cop(), before);
    EXPECT_EQ(SettingsStore(ApplicationName).GetSetting(QStringLiteral("ColorSettings"), QStringLiteral("Color_Fall"), {}),
              QStringLiteral("12"));
}

TEST_F(SettingsTest, AnUnreadableStoreLoadsDefaults)
{
    QFile garbage(iniPath());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("\x00\xff[[[=\n\x01garbage", 16);
    garbage.close();
    load();
    EXPECT_EQ(KeyRoutine, 82);
    EXPECT_EQ(ColorBorder, 0xFFFFFF);
}

} // namespace
