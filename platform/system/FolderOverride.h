// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The one shape of the test seams that stand in for a folder the program finds itself (its own,
// the settings', the results', the state's): a folder set takes the real one's place, an empty
// one brings it back. Any thread may ask.

#include <QString>

#include <mutex>

namespace tallyard {

class FolderOverride {
public:
    void set(const QString &folder)
    {
        std::lock_guard lock(m_mutex);
        m_folder = folder;
    }
    // The folder set; empty while none is.
    QString folder() const
    {
        std::lock_guard lock(m_mutex);
        return m_folder;
    }
    // The folder set, or real when none is.
    QString orElse(const QString &real) const
    {
        const QString set = folder();
        return set.isEmpty() ? real : set;
    }

private:
    mutable std::mutex m_mutex;
    QString m_folder;
};

} // namespace tallyard
