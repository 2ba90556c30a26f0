// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/SettingsStore.h"

#include "platform/system/FolderOverride.h"

#include "platform/system/IniDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace tallyard {

namespace {

FolderOverride settingsFolderSeam;

} // namespace

class SettingsStore::Backend {
public:
    virtual ~Backend() = default;
    virtual std::optional<QString> value(const QString &section, const QString &key) const = 0;
    virtual void setValue(const QString &section, const QString &key, const QString &value) = 0;
    virtual bool flush() = 0;
    virtual QString location() const = 0;
    QString error;
};

namespace {

// The INI file, read once when the store opens. Qt's own INI reader is not used: it drops
// the whole file on one line it cannot parse, and decodes "@Variant(...)" into binary data.
class IniBackend final : public SettingsStore::Backend {
public:
    explicit IniBackend(const QString &path) : m_path(path)
    {
        QFile file(path);
        if (!file.exists())
            return;
        if (!file.open(QIODevice::ReadOnly)) {
            m_keepFile = QStringLiteral("it could not be read (%1)").arg(file.errorString());
            return;
        }
        const QByteArray bytes = file.read(SettingsStore::MaxFileBytes + 1);
        if (bytes.size() > SettingsStore::MaxFileBytes)
            m_keepFile = QStringLiteral("it is larger than %1 MB").arg(SettingsStore::MaxFileBytes >> 20);
        m_doc = IniDocument::parse(
            QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), SettingsStore::MaxFileBytes)));
    }

    std::optional<QString> value(const QString &section, const QString &key) const override
    {
        return m_doc.value(section, key);
    }
    void setValue(const QString &section, const QString &key, const QString &value) override
    {
        m_doc.setValue(section, key, value);
        m_dirty = true;
    }
    bool flush() override
    {
        if (!m_dirty)
            return true;
        // Rewriting a file we could not read whole would lose what we did not read.
        if (!m_keepFile.isEmpty()) {
            error = QStringLiteral("the file was left as it is: ") + m_keepFile;
            return false;
        }
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
            error = QStringLiteral("its folder could not be made");
            return false;
        }
        // Written beside the old file and renamed over it (synced first), so a kill or a
        // power cut in the middle leaves either file whole.
        QSaveFile file(m_path);
        const QByteArray bytes = m_doc.toBytes();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            error = file.errorString();
            return false;
        }
        m_dirty = false;
        error.clear();
        return true;
    }
    QString location() const override { return m_path; }

private:
    QString m_path;
    IniDocument m_doc;
    QString m_keepFile; // why the file must not be rewritten; empty when it may
    bool m_dirty = false;
};

#ifdef Q_OS_WIN
class RegistryBackend final : public SettingsStore::Backend {
public:
    explicit RegistryBackend(const QString &application)
        : m_settings(QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + application,
                     QSettings::NativeFormat)
    {
    }
    std::optional<QString> value(const QString &section, const QString &key) const override
    {
        const QVariant v = m_settings.value(section + u'/' + key);
        if (!v.isValid())
            return std::nullopt;
        return v.metaType().id() == QMetaType::QStringList ? v.toStringList().join(u',') : v.toString();
    }
    void setValue(const QString &section, const QString &key, const QString &value) override
    {
        m_settings.setValue(section + u'/' + key, value);
    }
    bool flush() override
    {
        m_settings.sync();
        if (m_settings.status() == QSettings::NoError)
            return true;
        error = QStringLiteral("the registry could not be written");
        return false;
    }
    QString location() const override { return m_settings.fileName(); }

private:
    QSettings m_settings;
};
#endif

std::unique_ptr<SettingsStore::Backend> openStore(const QString &application)
{
#ifdef Q_OS_WIN
    if (settingsFolderSeam.folder().isEmpty())
        return std::make_unique<RegistryBackend>(application);
#endif
    const QString folder = settingsFolderSeam.orElse(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + application);
    return std::make_unique<IniBackend>(folder + u'/' + application + QStringLiteral(".ini"));
}

} // namespace

SettingsStore::SettingsStore(const QString &application) : m_backend(openStore(application)) { }

SettingsStore::~SettingsStore()
{
    m_backend->flush();
}

QString SettingsStore::GetSetting(const QString &section, const QString &key, const QString &defaultValue) const
{
    return m_backend->value(section, key).value_or(defaultValue);
}

void SettingsStore::SaveSetting(const QString &section, const QString &key, const QString &value)
{
    m_backend->setValue(section, key, value);
}

bool SettingsStore::contains(const QString &section, const QString &key) const
{
    return m_backend->value(section, key).has_value();
}

bool SettingsStore::flush()
{
    return m_backend->flush();
}

QString SettingsStore::errorString() const
{
    return m_backend->error;
}

QString SettingsStore::location() const
{
    return m_backend->location();
}

void SettingsStore::setFolderOverride(const QString &folder)
{
    settingsFolderSeam.set(folder);
}

} // namespace tallyard
