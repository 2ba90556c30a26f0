// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The program's side of the control door: the devices paired with the board, the pairing
// code the operator's screen shows, whether remote control may act now, and the commands the
// door hands over, run on the board's thread. A token is 32 random bytes; only its SHA-256 is
// kept (in the settings, so that a paired phone stays paired), and a token shown is compared
// with every kept one in constant time.

#include "scoreboard/control/Commands.h"
#include "scoreboard/web/ControlDoor.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QStringList>

#include <mutex>

namespace tallyard {

class SettingsStore;

class RemoteControl : public QObject, public ControlAccess {
    Q_OBJECT

public:
    // Lives on the board's thread; runs the door's commands through runner.
    explicit RemoteControl(CommandRunner *runner, QObject *parent = nullptr);

    // The door's side (any thread).
    bool taking() const override;
    std::optional<QString> deviceOf(QByteArrayView token) const override;
    std::optional<QByteArray> pair(QByteArrayView code, const QString &device) override;
    void wrongAttempt(const QHostAddress &from) override;
    void run(const QString &command, const QString &value, const QString &device, Done done) override;

    // The operator's side (the board's thread).
    // A new pairing code, good for PairingMinutes; the one before stops working.
    QString newPairingCode();
    QString pairingCode() const;
    // The code in force stops working now.
    void expirePairingCode();
    QDateTime pairingExpires() const;
    QStringList devices() const;
    // Every paired device forgotten: their tokens work no more.
    void unpairAll();
    void setTaking(bool taking);
    // Wrong tokens and codes so far, by address.
    QHash<QString, int> wrongAttempts() const;

    static constexpr int PairingMinutes = 5;
    // Where the hashes are kept; an empty store folder keeps them for this run only (tests).
    static void setRemembered(bool remembered);

signals:
    void changed(); // a device paired or unpaired, remote control stopped or taken up again

private:
    struct Device {
        QByteArray hash; // SHA-256 of its token
        QString name;
    };
    void load();
    void save() const;

    CommandRunner *m_runner;
    mutable std::mutex m_mutex;
    QList<Device> m_devices;
    QString m_code;
    QDateTime m_expires;
    bool m_taking = true;
    QHash<QString, int> m_wrong;
};

} // namespace tallyard
