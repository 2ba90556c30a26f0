// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/hall/AudienceWindow.h"

#include "platform/core/Guard.h"
#include "platform/core/Properties.h"
#include "platform/forms/FormDesign.h"
#include "platform/forms/Shape.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/MMControl.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/intrinsics/TimerControl.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/hall/BoardDesign.h"
#include "scoreboard/i18n/Language.h"
#include "scoreboard/modules/modStretch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QSet>
#include <QWindow>

namespace tallyard {

namespace {

// Properties the copy does not take from the board: where things are and how large (each
// window scales the design to its own size), the operator's selection, the focus order, and
// what names an element rather than shows it.
const QSet<QByteArray> &notFollowed()
{
    static const QSet<QByteArray> names = [] {
        QSet<QByteArray> all{"AutoSize", "Picture", "SelStart", "SelLength", "SelText", "TabIndex",
                             "TabStop",  "Enabled", "Name",     "Index",     "Tag",     "Container"};
        for (const QByteArray &scaled : modStretch::scaledProperties())
            all.insert(scaled);
        return all;
    }();
    return names;
}

} // namespace

AudienceWindow::AudienceWindow(frmScoreboard *board, QScreen *screen)
    : m_board(board), m_boardWidget(board), m_screen(screen)
{
    setCaption(board->Caption());
    setBorderStyle(BorderNone);
    setBackColor(board->BackColor());
    setClientSize(frmScoreboard::DesignScaleWidth, frmScoreboard::DesignScaleHeight);
    loadDesign(this, hall::audienceDesign(), language::boardDesignLanguage());
    modStretch::RecordLayout(this);
    // Nothing on it takes the focus or a click: no cursor, no selection, no keys.
    for (QWidget *child : findChildren<QWidget *>()) {
        child->setFocusPolicy(Qt::NoFocus);
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::BlankCursor);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The program ends with the board, not with this window.
    setAttribute(Qt::WA_QuitOnClose, false);
    pairElements();

    connect(this, &Form::Resize, this, [this] {
        modStretch::StretchControls(this);
        follow();
    });
    const auto closeWithTheBoard = [this] {
        m_closing = true;
        close();
    };
    connect(board, &Form::Unloaded, this, closeWithTheBoard);
    connect(board, &QObject::destroyed, this, closeWithTheBoard);
    // While the board is minimised the copy follows it at the board's own refresh.
    m_watchMinimized.setInterval(board->tmrClock1->Interval());
    connect(&m_watchMinimized, &QTimer::timeout, this, [this] { follow(); });
    qApp->installEventFilter(this);
    follow();
    if (board->isVisible())
        showOnScreen();
}

AudienceWindow::~AudienceWindow()
{
    qApp->removeEventFilter(this);
}

void AudienceWindow::pairElements()
{
    const int first = Control::staticMetaObject.propertyOffset();
    for (Control *copy : Controls()) {
        Pair pair{m_board->control(copy->Name()), copy, {}, qobject_cast<Image *>(copy) != nullptr};
        if (!pair.board)
            continue;
        const QMetaObject *meta = copy->metaObject();
        for (int i = first; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (property.isReadable() && property.isWritable() && !notFollowed().contains(property.name()))
                pair.properties.push_back(property);
        }
        m_pairs.push_back(std::move(pair));
    }
}

void AudienceWindow::follow()
{
    m_followQueued = false;
    if (!m_board)
        return;
    if (BackColor() != m_board->BackColor())
        setBackColor(m_board->BackColor());
    for (const Pair &pair : m_pairs)
        if (pair.board && pair.copy)
            runGuarded("AudienceWindow", [&] { followPair(pair); });
}

void AudienceWindow::followPair(const Pair &pair)
{
    for (const QMetaProperty &property : pair.properties) {
        const QVariant value = property.read(pair.board);
        if (property.read(pair.copy) != value)
            property.write(pair.copy, value);
    }
    if (pair.isImage)
        followImage(pair);
}

void AudienceWindow::followImage(const Pair &pair)
{
    auto *boardImage = static_cast<Image *>(pair.board.data());
    auto *copyImage = static_cast<Image *>(pair.copy.data());
    // The same file, decoded at the copy's own (often larger) size.
    copyImage->showPictureOf(*boardImage);
    // The board fits a picture into its box; the copy's box is the same box, scaled.
    const auto *boardBox = qobject_cast<Control *>(boardImage->parentWidget());
    const auto *copyBox = qobject_cast<Control *>(copyImage->parentWidget());
    if (!boardBox || !copyBox || boardBox->Width() <= 0)
        return;
    const double f = copyBox->Width() / boardBox->Width();
    copyImage->Move(boardImage->Left() * f, boardImage->Top() * f, boardImage->Width() * f, boardImage->Height() * f);
}

void AudienceWindow::queueFollow()
{
    if (m_followQueued)
        return;
    m_followQueued = true;
    QTimer::singleShot(0, this, [this] {
        if (m_followQueued)
            follow();
    });
}

bool AudienceWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint:
    case QEvent::Show:
    case QEvent::Hide: {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (m_boardWidget && widget && widget->window() == m_boardWidget) {
            queueFollow();
            if (widget == m_boardWidget && event->type() == QEvent::Show && !m_shown)
                showOnScreen();
        }
        break;
    }
    case QEvent::WindowStateChange:
        if (watched == m_boardWidget) {
            if (m_boardWidget->isMinimized())
                m_watchMinimized.start();
            else
                m_watchMinimized.stop();
        }
        break;
    default:
        break;
    }
    return false;
}

void AudienceWindow::showOnScreen()
{
    m_shown = true;
    if (m_screen) {
        setScreen(m_screen);
        setGeometry(m_screen->geometry());
    }
    showFullScreen();
}

bool AudienceWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            hide();
        [[fallthrough]];
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        // Keys belong to the board; none reaches an element of the copy.
        event->accept();
        return true;
    default:
        return Form::event(event);
    }
}

void AudienceWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closing) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

} // namespace tallyard
