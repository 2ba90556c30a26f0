#include "platform/system/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tallyard {

namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}

// QSettings turns a value written as @Variant(...) into the binary value it describes, and a
// damaged file can make that take gigabytes at start. The store holds nothing but text, so
// its file is QSettings' own INI read and written through a scratch file, with any such value
// kept as the text it is.
QByteArray withVariantsAsText(QByteArray text)
{
    qsizetype line = 0;
    while (line < text.size()) {
        const qsizetype end = text.indexOf('\n', line);
        qsizetype lineEnd = end < 0 ? text.size() : end;
        const qsizetype equals = text.indexOf('=', line);
        if (equals >= 0 && equals < lineEnd) {
            qsizetype value = equals + 1;
            while (value < lineEnd && (text[value] == ' ' || text[value] == '\t'))
                ++value;
            if (QByteArrayView(text).sliced(value, lineEnd - value).startsWith("@Variant(")) {
                text.insert(value, '@'); // "@@" reads back as a single "@"
                ++lineEnd;
            }
        }
        line = lineEnd + 1;
    }
    return text;
}

bool readIniAsText(QIODevice &device, QSettings::SettingsMap &map)
{
    QTemporaryFile scratch;
    if (!scratch.open() || scratch.write(withVariantsAsText(device.readAll())) < 0)
        return false;
    scratch.close();
    const QSettings ini(scratch.fileName(), QSettings::IniFormat);
    for (const QString &key : ini.allKeys())
        map.insert(key, ini.value(key));
    return ini.status() == QSettings::NoError;
}

bool writeIniAsText(QIODevice &device, const QSettings::SettingsMap &map)
{
    QTemporaryFile scratch;
    if (!scratch.open())
        return false;
    scratch.close();
    {
        QSettings ini(scratch.fileName(), QSettings::IniFormat);
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return false;
    }
    QFile written(scratch.fileName());
    return written.open(QIODevice::ReadOnly) && device.write(written.readAll()) >= 0;
}

QSettings::Format iniAsText()
{
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("ini"), readIniAsText, writeIniAsText);
    return format;
}

std::unique_ptr<QSettings> openStore(const QString &application)
{
#ifdef Q_OS_WIN
    if (folderOverride().isEmpty())
        return std::make_unique<QSettings>(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + application,
            QSettings::NativeFormat);
#endif
    QString folder = folderOverride();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + application;
    return std::make_unique<QSettings>(folder + u'/' + application + QStringLiteral(".ini"), iniAsText());
}

QString keyPath(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

} // namespace

SettingsStore::SettingsStore(const QString &application) : m_settings(openStore(application)) {}

SettingsStore::~SettingsStore()
{
    m_settings->sync();
}

QString SettingsStore::GetSetting(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QVariant value = m_settings->value(keyPath(section, key));
    // A value QSettings reads as a list (an unquoted comma) is still one text to us.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.isValid() ? value.toString() : defaultValue;
}

void SettingsStore::SaveSetting(const QString &section, const QString &key, const QString &value)
{
    m_settings->setValue(keyPath(section, key), value);
}

bool SettingsStore::contains(const QString &section, const QString &key) const
{
    return m_settings->contains(keyPath(section, key));
}

bool SettingsStore::flush()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString SettingsStore::location() const
{
    return m_settings->fileName();
}

void SettingsStore::setFolderOverride(const QString &folder)
{
    folderOverride() = folder;
}

} // namespace tallyard
