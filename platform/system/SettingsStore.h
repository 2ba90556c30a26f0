// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The per-user settings store: application, section and key, every value text. On Linux
// an INI file in the user's configuration folder (sections as INI groups), read leniently
// and written atomically; on Windows the per-user registry branch the old runtime's
// settings functions used, so an existing installation keeps its settings.

#include "tallyard_system_export.h"

#include <QString>

#include <memory>

namespace tallyard {

class TALLYARD_SYSTEM_EXPORT SettingsStore {
public:
    explicit SettingsStore(const QString &application);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // The stored text, or defaultValue when the key is absent. Never writes.
    QString GetSetting(const QString &section, const QString &key, const QString &defaultValue) const;
    void SaveSetting(const QString &section, const QString &key, const QString &value);
    bool contains(const QString &section, const QString &key) const;
    // Writes pending values out: the file on disk is the old one or the new one, whole.
    // False when the store could not be written; errorString() then says why.
    bool flush();
    QString errorString() const;
    // Where the store lives: a file path, or a registry path on Windows.
    QString location() const;

    // A test seam: the store in a folder of the test's; an empty path brings the real one back.
    static void setFolderOverride(const QString &folder);

    // Files larger than this are read this far and never rewritten, so nothing is lost.
    static constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

    class Backend; // the INI file, or the registry

private:
    std::unique_ptr<Backend> m_backend;
};

} // namespace tallyard
