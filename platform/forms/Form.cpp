// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/Form.h"

#include "platform/forms/ControlArray.h"
#include "platform/core/OleColor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace tallyard {

Form::Form(QWidget *owner) : Control(owner)
{
    setWindowFlag(Qt::Window, true);
    m_backColor = 0xF0F0F0;
    setAutoFillBackground(false);
}

Form::~Form()
{
    // The controls are destroyed after this body, one by one; none of them may reach the
    // half-destroyed form meanwhile: no tick, no sound's end, no focus change.
    stopActivities();
    blockSignals(true);
    for (Control *c : findChildren<Control *>())
        c->blockSignals(true);
    QCoreApplication::removePostedEvents(this);
    if (m_modalLoop)
        m_modalLoop->quit();
}

void Form::stopActivities()
{
    for (Control *c : findChildren<Control *>())
        c->stopActivity();
}

void Form::setBackColor(qint32 color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

double Form::ScaleWidth() const
{
    return width() * TwipsPerPixel;
}

double Form::ScaleHeight() const
{
    return height() * TwipsPerPixel;
}

void Form::setClientSize(double widthTwips, double heightTwips)
{
    const QMargins frame = isVisible()
        ? QMargins(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                   frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom())
        : QMargins();
    Move(Left(), Top(), widthTwips + (frame.left() + frame.right()) * TwipsPerPixel,
         heightTwips + (frame.top() + frame.bottom()) * TwipsPerPixel);
    // A fixed border holds its size under every window manager, not only where the platform
    // honours the fixed-size hint.
    if (m_borderStyle == FixedSingle || m_borderStyle == FixedDialog)
        setFixedSize(twipsToPixels(0, 0, widthTwips, heightTwips).size());
}

qint16 Form::WindowState() const
{
    if (isMinimized())
        return Minimized;
    if (isMaximized())
        return Maximized;
    return Normal;
}

void Form::setWindowState(qint16 state)
{
    switch (state) {
    case Minimized:
        showMinimized();
        break;
    case Maximized:
        showMaximized();
        break;
    default:
        showNormal();
        break;
    }
}

void Form::setBorderStyle(qint16 style)
{
    m_borderStyle = style;
    Qt::WindowFlags flags = windowFlags()
        & ~(Qt::FramelessWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinMaxButtonsHint
            | Qt::CustomizeWindowHint);
    switch (style) {
    case BorderNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case FixedSingle:
    case FixedDialog:
        // A dialog to the window manager: it stays over its owner and offers no minimise.
        flags = (flags & ~Qt::WindowType_Mask) | Qt::Dialog;
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint;
        break;
    default:
        flags |= Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
        break;
    }
    setWindowFlags(flags);
}

QList<Control *> Form::Controls() const
{
    QList<Control *> list;
    for (const auto &c : m_controls)
        if (c)
            list << c;
    return list;
}

Control *Form::control(const QString &name) const
{
    Control *found = nullptr;
    for (const auto &c : m_controls) {
        if (c && c->Name().compare(name, Qt::CaseInsensitive) == 0 && (c->Index() <= 0)) {
            found = c;
            break;
        }
    }
    return found;
}

void Form::addControl(Control *control)
{
    m_controls << control;
}

void Form::applyTabOrder()
{
    QList<Control *> chain;
    for (Control *c : Controls())
        if (c->canTakeFocus())
            chain << c;
    std::stable_sort(chain.begin(), chain.end(),
                     [](const Control *a, const Control *b) { return a->TabIndex() < b->TabIndex(); });
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Form::centreOver(const QWidget *owner)
{
    QPointF centre(screenWidthTwips() / 2, screenHeightTwips() / 2);
    if (owner) {
        const QRect frame = owner->frameGeometry();
        centre = QPointF(frame.center().x() * TwipsPerPixel, frame.center().y() * TwipsPerPixel);
    }
    Move(centre.x() - Width() / 2, centre.y() - Height() / 2, Width(), Height());
}

void Form::Show(bool modal)
{
    if (!modal) {
        show();
        raise();
        activateWindow();
        return;
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    m_modalLoop = &loop;
    QPointer<Form> self(this);
    loop.exec(QEventLoop::DialogExec);
    if (self)
        m_modalLoop = nullptr;
}

void Form::Unload()
{
    if (m_unloaded)
        return;
    close();
}

namespace {
QSize &screenOverride()
{
    static QSize size;
    return size;
}

QSize screenPixels()
{
    if (screenOverride().isValid())
        return screenOverride();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}
} // namespace

double Form::screenWidthTwips()
{
    return screenPixels().width() * TwipsPerPixel;
}

double Form::screenHeightTwips()
{
    return screenPixels().height() * TwipsPerPixel;
}

void Form::setScreenSizeOverride(QSize pixels)
{
    screenOverride() = pixels;
}

void Form::applyGeometry()
{
    // Outer geometry: the window's frame position and size; the inner area is what the
    // frame leaves (nothing, where no window manager draws a frame).
    m_syncing = true;
    const QRect outer = twipsToPixels(Left(), Top(), Width(), Height());
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const int extraW = isVisible() ? frame.width() - inner.width() : 0;
    const int extraH = isVisible() ? frame.height() - inner.height() : 0;
    move(outer.topLeft());
    resize(std::max(1, outer.width() - extraW), std::max(1, outer.height() - extraH));
    m_syncing = false;
}

void Form::syncGeometry()
{
    if (m_syncing)
        return;
    const QRect frame = frameGeometry();
    storeGeometry(frame.x() * TwipsPerPixel, frame.y() * TwipsPerPixel, frame.width() * TwipsPerPixel,
                  frame.height() * TwipsPerPixel);
}

void Form::resizeEvent(QResizeEvent *event)
{
    Control::resizeEvent(event);
    syncGeometry();
    runGuarded("Resize", [this] { emit Resize(); });
}

void Form::moveEvent(QMoveEvent *event)
{
    Control::moveEvent(event);
    syncGeometry();
}

void Form::changeEvent(QEvent *event)
{
    Control::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        runGuarded("Activate", [this] { emit Activate(); });
    if (event->type() == QEvent::WindowStateChange)
        runGuarded("Resize", [this] { emit Resize(); });
}

void Form::closeEvent(QCloseEvent *event)
{
    m_unloaded = true;
    runGuarded("Unload", [this] { emit Unloaded(); });
    stopActivities();
    if (m_modalLoop)
        m_modalLoop->quit();
    event->accept();
    deleteLater();
}

void Form::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), fromOleColor(m_backColor));
}

} // namespace tallyard
