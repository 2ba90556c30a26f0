// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/control/RemoteControl.h"

#include "platform/system/Notices.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/settings/Settings.h"
#include "scoreboard/state/BoardState.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRandomGenerator>

#include <atomic>
#include <cstdio>

namespace tallyard {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RemoteControl)
};

std::atomic<bool> remembered{true};
const QString Section = QStringLiteral("RemoteControl");
const QString DevicesKey = QStringLiteral("Devices");

QByteArray hashOf(QByteArrayView token)
{
    return QCryptographicHash::hash(token, QCryptographicHash::Sha256);
}

// Equal or not, in a time that does not tell how much of them was equal.
bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

void RemoteControl::setRemembered(bool keep)
{
    remembered = keep;
}

RemoteControl::RemoteControl(CommandRunner *runner, QObject *parent) : QObject(parent), m_runner(runner)
{
    load();
}

void RemoteControl::load()
{
    if (!remembered)
        return;
    const SettingsStore store(ApplicationName);
    // "hash:name;hash:name", the hashes in hex, the names without ':' or ';'.
    for (const QString &entry : store.GetSetting(Section, DevicesKey, {}).split(u';', Qt::SkipEmptyParts)) {
        const qsizetype colon = entry.indexOf(u':');
        const QByteArray hash = QByteArray::fromHex(entry.left(colon).toLatin1());
        if (hash.size() == 32)
            m_devices.append({hash, colon < 0 ? QString() : entry.mid(colon + 1)});
    }
}

void RemoteControl::save() const
{
    if (!remembered)
        return;
    QStringList entries;
    for (const Device &device : m_devices) {
        QString name = device.name;
        name.remove(u':').remove(u';');
        entries << QString::fromLatin1(device.hash.toHex()) + u':' + name;
    }
    SettingsStore store(ApplicationName);
    store.SaveSetting(Section, DevicesKey, entries.join(u';'));
    if (!store.flush())
        notices().post(Notice::passing(
            Text::tr("The paired devices could not be kept in %1 (%2); they stay paired until the board closes.")
                .arg(store.location(), store.errorString())));
}

bool RemoteControl::taking() const
{
    std::lock_guard lock(m_mutex);
    return m_taking;
}

std::optional<QString> RemoteControl::deviceOf(QByteArrayView token) const
{
    const QByteArray hash = hashOf(token);
    std::lock_guard lock(m_mutex);
    std::optional<QString> found;
    // Every kept hash is compared, the match or not: the time says nothing of which.
    for (const Device &device : m_devices)
        if (sameBytes(device.hash, hash) && !found)
            found = device.name;
    return found;
}

std::optional<QByteArray> RemoteControl::pair(QByteArrayView code, const QString &device)
{
    QByteArray token(32, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(token.data()), token.size() / 4);
    token = token.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    {
        std::lock_guard lock(m_mutex);
        if (m_code.isEmpty() || QDateTime::currentDateTimeUtc() > m_expires
            || !sameBytes(code.toByteArray(), m_code.toLatin1()))
            return std::nullopt;
        const QString name = device.isEmpty() ? Text::tr("device %1").arg(m_devices.size() + 1) : device;
        m_devices.append({hashOf(token), name});
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            save();
            emit changed();
        },
        Qt::QueuedConnection);
    return token;
}

void RemoteControl::wrongAttempt(const QHostAddress &from)
{
    int count = 0;
    {
        std::lock_guard lock(m_mutex);
        count = ++m_wrong[from.toString()];
    }
    // Said the first time and then at each hundred, not at each try.
    if (count == 1 || count % 100 == 0)
        notices().post(Notice::passing(
            Text::tr("Remote control: %1 wrong tokens or codes from %2.").arg(count).arg(from.toString())));
}

void RemoteControl::run(const QString &command, const QString &value, const QString &device, Done done)
{
    QMetaObject::invokeMethod(
        this,
        [this, command, value, device, done] {
            const CommandEntry *entry = findCommand(command);
            if (!entry) {
                done(404, Text::tr("there is no command \"%1\"").arg(command), {});
                return;
            }
            if (!taking()) {
                done(403, Text::tr("the operator has stopped remote control"), {});
                return;
            }
            QString why;
            if (!m_runner->run(entry->command, value, {CommandSource::Network, device}, &why)) {
                done(400, why, {});
                return;
            }
            // The state after it, published at once for every follower and handed back.
            if (frmScoreboard *board = m_runner->board())
                boardStates().offer(board->State());
            done(200, {}, boardStates().current());
        },
        Qt::QueuedConnection);
}

QString RemoteControl::newPairingCode()
{
    QString code;
    for (int i = 0; i < 8; ++i)
        code += QChar(u'0' + static_cast<char16_t>(QRandomGenerator::system()->bounded(10)));
    {
        std::lock_guard lock(m_mutex);
        m_code = code;
        m_expires = QDateTime::currentDateTimeUtc().addSecs(PairingMinutes * 60);
    }
    // Beside the addresses on standard output, for whoever started the board from a terminal
    // (and pairs a script); never on the audience's screen or the web views.
    std::printf("%s\n", qPrintable(Text::tr("pairing code %1, good for %2 minutes").arg(code).arg(PairingMinutes)));
    std::fflush(stdout);
    return code;
}

QString RemoteControl::pairingCode() const
{
    std::lock_guard lock(m_mutex);
    return QDateTime::currentDateTimeUtc() > m_expires ? QString() : m_code;
}

void RemoteControl::expirePairingCode()
{
    std::lock_guard lock(m_mutex);
    m_expires = QDateTime::currentDateTimeUtc().addSecs(-1);
}

QDateTime RemoteControl::pairingExpires() const
{
    std::lock_guard lock(m_mutex);
    return m_expires;
}

QStringList RemoteControl::devices() const
{
    std::lock_guard lock(m_mutex);
    QStringList names;
    for (const Device &device : m_devices)
        names << device.name;
    return names;
}

void RemoteControl::unpairAll()
{
    {
        std::lock_guard lock(m_mutex);
        m_devices.clear();
        m_code.clear();
    }
    save();
    emit changed();
}

void RemoteControl::setTaking(bool taking)
{
    {
        std::lock_guard lock(m_mutex);
        m_taking = taking;
    }
    emit changed();
}

QHash<QString, int> RemoteControl::wrongAttempts() const
{
    std::lock_guard lock(m_mutex);
    return m_wrong;
}

} // namespace tallyard
