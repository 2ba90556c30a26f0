// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/hall/RemoteWindow.h"

#include "scoreboard/control/Gamepads.h"
#include "scoreboard/control/Inputs.h"
#include "scoreboard/control/RemoteControl.h"
#include "scoreboard/web/WebViews.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <qrencode.h>

namespace tallyard {

QImage RemoteWindow::qrCode(const QString &text, int scale)
{
    const QByteArray utf8 = text.toUtf8();
    QRcode *code = QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return {};
    constexpr int Quiet = 4;
    const int side = (code->width + 2 * Quiet) * scale;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                painter.fillRect((x + Quiet) * scale, (y + Quiet) * scale, scale, scale, Qt::black);
    painter.end();
    QRcode_free(code);
    return image;
}

RemoteWindow::RemoteWindow(RemoteControl *control, Inputs *inputs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_control(control), m_inputs(inputs)
{
    setObjectName(QStringLiteral("remoteWindow"));
    setWindowTitle(tr("Remote control \u2013 Tallyard"));
    auto *layout = new QVBoxLayout(this);

    auto *network = new QGroupBox(tr("A phone or a tablet"), this);
    auto *networkLayout = new QHBoxLayout(network);
    m_qr = new QLabel(network);
    networkLayout->addWidget(m_qr);
    auto *details = new QVBoxLayout;
    m_url = new QLabel(network);
    m_url->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_url->setWordWrap(true);
    m_code = new QLabel(network);
    QFont big = m_code->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    m_code->setFont(big);
    m_expiry = new QLabel(network);
    auto *again = new QPushButton(tr("New code"), network);
    connect(again, &QPushButton::clicked, this, &RemoteWindow::newCode);
    m_devices = new QListWidget(network);
    m_devices->setMaximumHeight(90);
    auto *unpair = new QPushButton(tr("Unpair all devices"), network);
    connect(unpair, &QPushButton::clicked, this, [this] {
        if (m_control)
            m_control->unpairAll();
        refresh();
    });
    m_wrong = new QLabel(network);
    for (QWidget *w :
         {static_cast<QWidget *>(m_url), static_cast<QWidget *>(m_code), static_cast<QWidget *>(m_expiry),
          static_cast<QWidget *>(again), static_cast<QWidget *>(new QLabel(tr("Paired devices:"), network)),
          static_cast<QWidget *>(m_devices), static_cast<QWidget *>(unpair), static_cast<QWidget *>(m_wrong)})
        details->addWidget(w);
    networkLayout->addLayout(details);
    layout->addWidget(network);
    network->setVisible(control != nullptr);

    auto *pads = new QGroupBox(tr("Gamepads"), this);
    auto *padsLayout = new QVBoxLayout(pads);
    m_pads = new QListWidget(pads);
    m_pads->setMaximumHeight(70);
    padsLayout->addWidget(m_pads);
    layout->addWidget(pads);
    pads->setVisible(inputs && inputs->gamepads());

    m_stop = new QPushButton(this);
    m_stop->setMinimumHeight(40);
    connect(m_stop, &QPushButton::clicked, this, [this] {
        const bool taking = m_inputs ? !m_inputs->padsTaking() : !(m_control && m_control->taking());
        if (m_control)
            m_control->setTaking(taking);
        if (m_inputs)
            m_inputs->setPadsTaking(taking);
        refresh();
    });
    layout->addWidget(m_stop);

    if (control) {
        connect(control, &RemoteControl::changed, this, &RemoteWindow::refresh);
        if (control->pairingCode().isEmpty())
            newCode();
    }
#ifdef TALLYARD_GAMEPADS
    if (inputs && inputs->gamepads())
        connect(inputs->gamepads(), &Gamepads::padsChanged, this, &RemoteWindow::refresh);
#endif
    // Esc puts the window away; the board takes the keys again.
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &RemoteWindow::refresh);
    m_tick.start();
    refresh();
}

void RemoteWindow::newCode()
{
    if (m_control)
        m_control->newPairingCode();
    refresh();
}

void RemoteWindow::refresh()
{
    if (m_control) {
        const QString code = m_control->pairingCode();
        const QStringList urls = WebViews::urls("/control");
        const QString base = urls.value(0);
        const QString address = code.isEmpty() || base.isEmpty() ? QString() : base + QStringLiteral("#pair=") + code;
        if (address != m_address) {
            m_address = address;
            const QImage qr = address.isEmpty() ? QImage() : qrCode(address, 4);
            m_qr->setPixmap(QPixmap::fromImage(qr));
        }
        m_url->setText(urls.isEmpty() ? tr("The web views are not served.") : urls.join(u'\n'));
        m_code->setText(code.isEmpty() ? tr("no code") : code.left(4) + u' ' + code.mid(4));
        const qint64 left = QDateTime::currentDateTimeUtc().secsTo(m_control->pairingExpires());
        m_expiry->setText(
            code.isEmpty()
                ? tr("The code has expired: ask for a new one.")
                : tr("The code works for %1:%2 more.").arg(left / 60).arg(left % 60, 2, 10, QLatin1Char('0')));
        const QStringList devices = m_control->devices().isEmpty() ? QStringList{tr("none")} : m_control->devices();
        QStringList shown;
        for (int i = 0; i < m_devices->count(); ++i)
            shown << m_devices->item(i)->text();
        if (shown != devices) {
            m_devices->clear();
            m_devices->addItems(devices);
        }
        int wrong = 0;
        for (const int n : m_control->wrongAttempts())
            wrong += n;
        m_wrong->setText(wrong == 0 ? QString() : tr("Wrong tokens or codes so far: %1").arg(wrong));
    }
#ifdef TALLYARD_GAMEPADS
    if (m_inputs && m_inputs->gamepads()) {
        const QStringList pads = m_inputs->gamepads()->connected();
        m_pads->clear();
        m_pads->addItems(pads.isEmpty() ? QStringList{tr("none connected")} : pads);
    }
#endif
    const bool taking = m_inputs ? m_inputs->padsTaking() : (m_control && m_control->taking());
    m_stop->setText(taking ? tr("Stop all remote control") : tr("Take remote control again"));
}

} // namespace tallyard
