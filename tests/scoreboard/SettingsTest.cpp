// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/ProgramInfo.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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
    void writeFile(const QByteArray &bytes)
    {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray fileBytes() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QString stored(const char *section, const char *key)
    {
        return SettingsStore(ApplicationName)
            .GetSetting(QString::fromLatin1(section), QString::fromLatin1(key), QStringLiteral("<absent>"));
    }

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

// The operator's locale may write 16.777.215, 16 777 215 or other digits; the file holds
// plain decimals whatever the locale, and reads them back the same.
TEST_F(SettingsTest, NumbersAreWrittenAndReadAsPlainDecimalsUnderEveryLocale)
{
    for (const char *name : {"de_DE", "fr_FR", "es_ES", "ar_EG"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        resetSettingsToDefaults();
        ColorFormBack = 0xFFFFFF;
        KeyClear = 110;
        {
            SettingsStore store(ApplicationName);
            ASSERT_TRUE(SaveSettings(store)) << name;
        }
        EXPECT_TRUE(fileBytes().contains("Color_FormBack=16777215")) << name;
        EXPECT_TRUE(fileBytes().contains("KeyClear=110")) << name;
        resetSettingsToDefaults();
        load();
        EXPECT_EQ(ColorFormBack, 0xFFFFFF) << name;
        EXPECT_EQ(KeyClear, 110) << name;
    }
    QLocale::setDefault(QLocale::c());
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

// Installed, the program is in bin and its sound and help in share/tallyard; run from a build
// tree or a copied folder, they are beside it.
TEST(ProgramData, IsShareTallyardBesideAnInstalledProgramAndItsOwnFolderElsewhere)
{
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(programDataFolderOf(bin), bin);
    ASSERT_TRUE(QDir().mkpath(prefix.filePath(QStringLiteral("share/tallyard"))));
    EXPECT_EQ(programDataFolderOf(bin), prefix.filePath(QStringLiteral("share/tallyard")));
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
    EXPECT_EQ(
        SettingsStore(ApplicationName).GetSetting(QStringLiteral("ColorSettings"), QStringLiteral("Color_Fall"), {}),
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

// ---- Files edited by hand ------------------------------------------------------------------

struct HandEdited {
    const char *what;
    QByteArray file;
    std::vector<std::pair<const char *, const char *>> expected; // "Section/Key", text
};

TEST_F(SettingsTest, EveryKeyOfAHandEditedFileKeepsItsValue)
{
    // Reading needs no temporary folder.
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/nonexistent/tmp");
    const HandEdited files[] = {
        {"a comment at the top", "; regional meet\n[KeySettings]\nKeyRoutine=84\n", {{"KeySettings/KeyRoutine", "84"}}},
        {"a # note in a section", "[KeySettings]\n# note\nKeyRoutine=84\n", {{"KeySettings/KeyRoutine", "84"}}},
        {"a line without =", "[KeySettings]\njust a note\nKeyRoutine=84\n", {{"KeySettings/KeyRoutine", "84"}}},
        {"a header without ]",
         "[ColorSettings\nColor_Fall=12\n[KeySettings]\nKeyRoutine=84\n",
         {{"ColorSettings/Color_Fall", "12"}, {"KeySettings/KeyRoutine", "84"}}},
        {"a header without [", "KeySettings]\nKeyRoutine=84\n", {{"KeySettings/KeyRoutine", "84"}}},
        {"a byte-order mark and CRLF",
         "\xEF\xBB\xBF[KeySettings]\r\nKeyRoutine=84\r\nKeyFall=74\r\n",
         {{"KeySettings/KeyRoutine", "84"}, {"KeySettings/KeyFall", "74"}}},
        {"blanks around = and tabs",
         "\n  [KeySettings]  \n\tKeyRoutine  =  84  \n\n",
         {{"KeySettings/KeyRoutine", "84"}}},
        {"duplicates: the last wins",
         "[KeySettings]\nKeyRoutine=70\nKeyRoutine=84\n",
         {{"KeySettings/KeyRoutine", "84"}}},
        {"a section in two blocks",
         "[KeySettings]\nKeyFall=74\n[ColorSettings]\nColor_Fall=12\n[KeySettings]\nKeyRoutine=84\n",
         {{"KeySettings/KeyFall", "74"}, {"KeySettings/KeyRoutine", "84"}, {"ColorSettings/Color_Fall", "12"}}},
        {"another case", "[keysettings]\nkeyroutine=84\n", {{"KeySettings/KeyRoutine", "84"}}},
        {"a comment after the value",
         "[KeySettings]\nKeyRoutine=84 ; T starts it\n",
         {{"KeySettings/KeyRoutine", "84"}}},
        {"values in quotes",
         "[PicSettings]\nHomePic=\"/pics/home; team.png\"\nVisitorPic=\" spaced \"\n",
         {{"PicSettings/HomePic", "/pics/home; team.png"}, {"PicSettings/VisitorPic", " spaced "}}},
        {"an unclosed quote",
         "[PicSettings]\nHomePic=\"/pics/a b.png\n[KeySettings]\nKeyRoutine=84\n",
         {{"PicSettings/HomePic", "/pics/a b.png"}, {"KeySettings/KeyRoutine", "84"}}},
        {"escapes", "[PicSettings]\nHomePic=/p\\\\x\\tq\\x41\\\"\n", {{"PicSettings/HomePic", "/p\\x\tqA\""}}},
        {"UTF-8 paths",
         "[PicSettings]\nHomePic=/pics/\xC3\xA9quipe.jpg\n",
         {{"PicSettings/HomePic", "/pics/\xC3\xA9quipe.jpg"}}},
        {"an empty value", "[PicSettings]\nHomePic=\n", {{"PicSettings/HomePic", ""}}},
        {"@Type( forms stay text",
         "[PicSettings]\nA=@Variant(AAAAfw==)\nB=\"@Variant(x\\ty)\"\nC=\\x40Variant(x)\n"
         "D=@DateTime(AAAAEA)\nE=@ByteArray(abc)\nF=@Rect(1 2 3 4)\nG=@@doubled\n",
         {{"PicSettings/A", "@Variant(AAAAfw==)"},
          {"PicSettings/B", "@Variant(x\ty)"},
          {"PicSettings/C", "@Variant(x)"},
          {"PicSettings/D", "@DateTime(AAAAEA)"},
          {"PicSettings/E", "@ByteArray(abc)"},
          {"PicSettings/F", "@Rect(1 2 3 4)"},
          {"PicSettings/G", "@doubled"}}},
    };
    for (const HandEdited &f : files) {
        SCOPED_TRACE(f.what);
        writeFile(f.file);
        for (const auto &[path, text] : f.expected) {
            const QString where = QString::fromLatin1(path);
            const QString section = where.section(u'/', 0, 0);
            const QString key = where.section(u'/', 1);
            EXPECT_EQ(stored(section.toLatin1(), key.toLatin1()), QString::fromUtf8(text)) << path;
        }
    }
    // The board takes the operator's key: T starts the Routine clock.
    writeFile("; regional meet\n[KeySettings]\nKeyRoutine=84\n");
    load();
    EXPECT_EQ(KeyRoutine, 84);
    EXPECT_EQ(KeyFall, 70);
    if (tmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", tmp);
}

TEST_F(SettingsTest, SavingKeepsTheOperatorsLinesAndChangesOnlyTheValues)
{
    const QByteArray mine = "\xEF\xBB\xBF; regional meet\r\n[KeySettings]\r\n# fast keys\r\nkeyroutine = 84 ; T\r\n"
                            "Note=keep me\r\n\r\n[Other]\r\nTheirs=1\r\n";
    writeFile(mine);
    load();
    KeyFall = 74;
    {
        SettingsStore store(ApplicationName);
        ASSERT_TRUE(SaveSettings(store));
    }
    const QByteArray after = fileBytes();
    for (const char *kept : {"\xEF\xBB\xBF; regional meet\r\n", "# fast keys\r\nkeyroutine = 84 ; T\r\n",
                             "Note=keep me\r\n", "[Other]\r\nTheirs=1\r\n", "KeyFall=74\r\n"})
        EXPECT_TRUE(after.contains(kept)) << kept;
    EXPECT_FALSE(after.contains("KeyRoutine=")) << "the operator's own line holds the key";
    EXPECT_EQ(after.count("\r\n"), after.count('\n')) << "one kind of line end";
    resetSettingsToDefaults();
    load();
    EXPECT_EQ(KeyRoutine, 84);
    EXPECT_EQ(KeyFall, 74);
    for (const SettingDefinition &d : settingDefinitions())
        EXPECT_NE(stored(d.section, d.key), QStringLiteral("<absent>")) << d.key;
}

// A file the program writes from nothing is exactly what Qt's own INI writer makes of the same
// values, so files of earlier versions and of ours read the same both ways.
TEST_F(SettingsTest, AFreshFileIsWhatQtsWriterWritesAndReadsBackEveryText)
{
    HomePic = QStringLiteral("/pics/home, \"team\"; = \\ \u00e9\u20ac\t\x01"
                             "1 ");
    VisitorPic = QStringLiteral("@Variant(\\0\\0\\0\\x2)");
    BuzzerFile = QStringLiteral(" /sounds/lead blank.wav");
    ColorRoutine = -1;
    {
        SettingsStore store(ApplicationName);
        ASSERT_TRUE(SaveSettings(store));
    }
    QTemporaryDir other;
    const QString qtFile = other.filePath(QStringLiteral("qt.ini"));
    {
        QSettings qt(qtFile, QSettings::IniFormat);
        std::vector<const SettingDefinition *> order;
        for (const SettingDefinition &d : settingDefinitions())
            order.push_back(&d);
        std::sort(order.begin(), order.end(), [](auto *a, auto *b) { return a->savePlace < b->savePlace; });
        for (const SettingDefinition *d : order)
            qt.setValue(QString::fromLatin1(d->section) + u'/' + QString::fromLatin1(d->key), currentText(*d));
    }
    QFile qtBytes(qtFile);
    ASSERT_TRUE(qtBytes.open(QIODevice::ReadOnly));
    EXPECT_EQ(fileBytes(), qtBytes.readAll());
    const QString home = HomePic;
    const QString visitor = VisitorPic;
    const QString buzzer = BuzzerFile;
    resetSettingsToDefaults();
    load();
    EXPECT_EQ(HomePic, home);
    EXPECT_EQ(VisitorPic, visitor);
    EXPECT_EQ(BuzzerFile, buzzer);
    EXPECT_EQ(ColorRoutine, -1);
}

TEST_F(SettingsTest, AStoreThatCannotBeWrittenSaysWhyAndKeepsTheFile)
{
    // A folder in the file's place.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Tallyard.ini")));
    {
        SettingsStore store(ApplicationName);
        EXPECT_FALSE(SaveSettings(store));
        EXPECT_FALSE(store.errorString().isEmpty());
    }
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("Tallyard.ini")));
    // A file too large to read whole is read as far as the limit and never rewritten.
    QByteArray huge = "[KeySettings]\nKeyRoutine=84\n";
    huge += QByteArray(SettingsStore::MaxFileBytes, ';');
    writeFile(huge);
    load();
    EXPECT_EQ(KeyRoutine, 84);
    {
        SettingsStore store(ApplicationName);
        EXPECT_FALSE(SaveSettings(store));
        EXPECT_FALSE(store.errorString().isEmpty());
    }
    EXPECT_EQ(QFileInfo(iniPath()).size(), huge.size());
}

} // namespace
