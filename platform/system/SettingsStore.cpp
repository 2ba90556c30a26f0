#include "platform/system/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace tallyard {

namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
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
    return std::make_unique<QSettings>(folder + u'/' + application + QStringLiteral(".ini"), QSettings::IniFormat);
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
