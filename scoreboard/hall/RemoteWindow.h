// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The operator's window for remote control (F3 on the board, when it is asked for): the
// address of the control page and its pairing code, also as a QR code a phone opens, the
// devices paired and the gamepads connected, and one button that stops all remote control at
// once. A window of the operator's, on the board's screen: the audience window never shows it.

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace tallyard {

class Inputs;
class RemoteControl;

class RemoteWindow : public QWidget {
    Q_OBJECT

public:
    // control: null without --control; inputs: the keys' and the gamepads' side.
    RemoteWindow(RemoteControl *control, Inputs *inputs, QWidget *parent = nullptr);

    // The QR code of text, each module scale pixels wide, with the quiet zone around it.
    static QImage qrCode(const QString &text, int scale);
    // The address the QR code opens (tests).
    QString pairingAddress() const { return m_address; }

    void refresh();

private:
    void newCode();

    QPointer<RemoteControl> m_control;
    Inputs *m_inputs;
    QString m_address;
    QLabel *m_qr = nullptr;
    QLabel *m_code = nullptr;
    QLabel *m_url = nullptr;
    QLabel *m_expiry = nullptr;
    QLabel *m_wrong = nullptr;
    QListWidget *m_devices = nullptr;
    QListWidget *m_pads = nullptr;
    QPushButton *m_stop = nullptr;
    QTimer m_tick;
};

} // namespace tallyard
