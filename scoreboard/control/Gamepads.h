// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Gamepads as the operator's remote: every pad SDL's game-controller interface knows, found
// while the board runs (plugged in or out at any time), each button or trigger pressed handed
// on by the name the bindings use. Polled from the board's thread, a hundred times a second,
// only while the operator asked for gamepads.

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <map>

namespace tallyard {

class Gamepads : public QObject {
    Q_OBJECT

public:
    explicit Gamepads(QObject *parent = nullptr);
    ~Gamepads() override;

    // Whether SDL's game-controller interface could be started; false, with why, otherwise.
    bool available() const { return m_available; }
    QString error() const { return m_error; }
    // The names of the pads connected now.
    QStringList connected() const;
    static constexpr int PollMs = 10;

signals:
    // A button or a trigger pressed ("a", "righttrigger") on the pad of that name.
    void pressed(const QString &control, const QString &pad);
    void padsChanged();

private:
    void poll();

    struct Pad {
        void *controller = nullptr; // SDL_GameController
        QString name;
        bool triggerDown[2] = {false, false};
    };
    std::map<int, Pad> m_pads; // by SDL's instance id
    QTimer m_timer;
    bool m_available = false;
    QString m_error;
};

} // namespace tallyard
