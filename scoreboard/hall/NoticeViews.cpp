// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/hall/NoticeViews.h"

#include "scoreboard/forms/frmScoreboard.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>

namespace tallyard {

namespace {

constexpr int Padding = 8;
constexpr int BarWidth = 6;
constexpr int PopupWidth = 520;
constexpr int MaxLinesPerRow = 4;

QColor barColor(const Notice &notice)
{
    switch (notice.kind) {
    case Notice::Lasting:
        return QColor(0xE0, 0x8A, 0x00); // a problem that goes on
    case Notice::Mended:
        return QColor(0x3C, 0xA0, 0x50);
    case Notice::Passing:
        break;
    }
    return QColor(0x4A, 0x90, 0xD0);
}

QFont noticeFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(std::max(10.0, font.pointSizeF()));
    return font;
}

// The text laid out in lines of width; at most MaxLinesPerRow, the last one cut with an ellipsis.
QList<QTextLine> layOut(QTextLayout &layout, int width)
{
    QList<QTextLine> lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (int i = 0; i < MaxLinesPerRow; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        lines.append(line);
    }
    layout.endLayout();
    return lines;
}

NoticeViews *&currentViews()
{
    static NoticeViews *views = nullptr;
    return views;
}

} // namespace

NoticePanel::NoticePanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("operatorNotices"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(noticeFont());
    if (!parent) {
        // A corner of the operator's screen, above everything and out of the window manager's
        // hands: it is never activated, so the keys stay with the board.
        setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
        setWindowTitle(QStringLiteral("Tallyard notices"));
    }
}

int NoticePanel::rowHeight(const Row &row, int width) const
{
    QTextLayout layout(row.notice.text, font());
    const QList<QTextLine> lines = layOut(layout, width - BarWidth - 3 * Padding);
    const int lineHeight = QFontMetrics(font()).lineSpacing();
    return static_cast<int>(std::max<qsizetype>(1, lines.size())) * lineHeight + 2 * Padding;
}

void NoticePanel::setRows(const QList<Row> &rows, int width)
{
    m_rows = rows;
    m_heights.clear();
    int height = 0;
    for (const Row &row : m_rows) {
        m_heights.append(rowHeight(row, width));
        height += m_heights.last();
    }
    resize(width, height);
    update();
}

QString NoticePanel::shownText() const
{
    QStringList texts;
    for (const Row &row : m_rows)
        texts << row.notice.text;
    return texts.join(u'\n');
}

void NoticePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x1E, 0x1E, 0x1E, 235));
    int top = 0;
    const int lineHeight = QFontMetrics(font()).lineSpacing();
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const Row &row = m_rows[i];
        const int height = m_heights.value(i);
        painter.fillRect(QRect(0, top, BarWidth, height), barColor(row.notice));
        if (i > 0)
            painter.fillRect(QRect(BarWidth, top, width() - BarWidth, 1), QColor(0x40, 0x40, 0x40));
        QTextLayout layout(row.notice.text, font());
        const QList<QTextLine> lines = layOut(layout, width() - BarWidth - 3 * Padding);
        painter.setPen(Qt::white);
        const QPointF origin(BarWidth + 2 * Padding, top + Padding);
        for (qsizetype l = 0; l < lines.size(); ++l) {
            const QTextLine &line = lines[l];
            const bool cut = l == lines.size() - 1 && line.textStart() + line.textLength() < row.notice.text.size();
            if (cut) {
                const QString rest = QFontMetrics(font()).elidedText(row.notice.text.mid(line.textStart()),
                                                                     Qt::ElideRight, int(line.width()));
                painter.drawText(QPointF(origin.x(), origin.y() + l * lineHeight + QFontMetrics(font()).ascent()),
                                 rest);
            } else {
                line.draw(&painter, QPointF(origin.x(), origin.y() + l * lineHeight - line.y()));
            }
        }
        top += height;
    }
}

void NoticePanel::mousePressEvent(QMouseEvent *event)
{
    int top = 0;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        top += m_heights.value(i);
        if (event->position().y() < top) {
            // What passes may be put away; a lasting problem stays until it is mended.
            if (m_rows[i].notice.kind != Notice::Lasting)
                emit dismissed(m_rows[i].notice);
            return;
        }
    }
}

NoticeViews::NoticeViews()
{
    currentViews() = this;
    m_expiry.setSingleShot(true);
    connect(&m_expiry, &QTimer::timeout, this, &NoticeViews::refresh);
    // What was said before the views were made (the command line, the start) is shown too.
    const QDateTime until = QDateTime::currentDateTime().addSecs(PassingSeconds);
    for (const Notice &notice : notices().lasting())
        m_rows.append({notice, {}});
    for (const Notice &notice : notices().recent(PassingSeconds))
        m_rows.append({notice, until});
    connect(&notices(), &NoticeBoard::posted, this, &NoticeViews::add);
    refresh();
}

NoticeViews *NoticeViews::current()
{
    return currentViews();
}

NoticeViews::~NoticeViews()
{
    if (currentViews() == this)
        currentViews() = nullptr;
    delete m_popup;
    delete m_strip;
}

void NoticeViews::followBoard(frmScoreboard *board, bool audienceWindow)
{
    if (m_board)
        m_board->removeEventFilter(this);
    m_board = board;
    m_onBoard = board && audienceWindow;
    if (board)
        board->installEventFilter(this);
    refresh();
}

NoticePanel *NoticeViews::panel() const
{
    NoticePanel *shown = m_onBoard ? m_strip.data() : m_popup.data();
    return shown && !shown->rows().isEmpty() ? shown : nullptr;
}

void NoticeViews::add(const Notice &notice)
{
    if (notice.kind == Notice::Lasting || notice.kind == Notice::Mended)
        m_rows.removeIf([&](const NoticePanel::Row &row) {
            return row.notice.kind == Notice::Lasting && row.notice.key == notice.key;
        });
    m_rows.append(
        {notice, notice.kind == Notice::Lasting ? QDateTime() : QDateTime::currentDateTime().addSecs(PassingSeconds)});
    refresh();
}

void NoticeViews::dismiss(const Notice &notice)
{
    m_rows.removeIf([&](const NoticePanel::Row &row) {
        return row.notice.kind == notice.kind && row.notice.text == notice.text && row.notice.at == notice.at;
    });
    refresh();
}

void NoticeViews::refresh()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_rows.removeIf([&](const NoticePanel::Row &row) { return !row.until.isNull() && row.until <= now; });
    // The lasting ones first, then the newest passing ones.
    QList<NoticePanel::Row> shown;
    QList<NoticePanel::Row> passing;
    for (const NoticePanel::Row &row : m_rows)
        (row.until.isNull() ? shown : passing).append(row);
    if (passing.size() > MaxPassingRows)
        passing = passing.mid(passing.size() - MaxPassingRows);
    shown += passing;
    QDateTime next;
    for (const NoticePanel::Row &row : passing)
        if (next.isNull() || row.until < next)
            next = row.until;
    if (!next.isNull())
        m_expiry.start(static_cast<int>(std::max<qint64>(50, now.msecsTo(next) + 20)));

    NoticePanel *hidden = m_onBoard ? m_popup.data() : m_strip.data();
    if (hidden)
        hidden->hide();
    if (shown.isEmpty()) {
        for (NoticePanel *view : {m_strip.data(), m_popup.data()})
            if (view) {
                view->setRows({}, view->width());
                view->hide();
            }
        return;
    }
    if (m_onBoard && m_board) {
        if (!m_strip) {
            m_strip = new NoticePanel(m_board);
            connect(m_strip, &NoticePanel::dismissed, this, &NoticeViews::dismiss);
        }
        m_strip->setRows(shown, m_board->width());
        m_strip->move(0, 0);
        m_strip->raise();
        m_strip->show();
        return;
    }
    if (!m_popup) {
        m_popup = new NoticePanel;
        connect(m_popup, &NoticePanel::dismissed, this, &NoticeViews::dismiss);
    }
    m_popup->setRows(shown, PopupWidth);
    placePopup();
    m_popup->show();
    m_popup->raise();
}

void NoticeViews::placePopup()
{
    // Another screen than the board's where there is one: the board's may face the hall.
    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *boardScreen = m_board && m_board->isVisible() ? m_board->screen() : nullptr;
    QScreen *target = QGuiApplication::primaryScreen();
    if (boardScreen && screens.size() > 1) {
        for (QScreen *screen : screens)
            if (screen != boardScreen && (target == boardScreen || screen == QGuiApplication::primaryScreen()))
                target = screen;
    } else if (boardScreen) {
        target = boardScreen;
    }
    if (!target)
        return;
    const QRect area = target->availableGeometry();
    const int width = std::min(PopupWidth, area.width() - 32);
    if (width != m_popup->width())
        m_popup->setRows(m_popup->rows(), width);
    m_popup->move(area.right() - m_popup->width() - 16, area.bottom() - m_popup->height() - 16);
}

bool NoticeViews::eventFilter(QObject *watched, QEvent *event)
{
    // The event's type first: while the board is being destroyed it is no frmScoreboard any
    // more, and even asking the QPointer for it would be a downcast of a QWidget.
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Show) && watched == m_board)
        QTimer::singleShot(0, this, &NoticeViews::refresh);
    return QObject::eventFilter(watched, event);
}

} // namespace tallyard
