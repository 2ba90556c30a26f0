// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/SSTab.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

#include <cmath>

namespace tallyard {

namespace {

void reparentKeepingVisibility(QWidget *widget, QWidget *page)
{
    if (widget->parentWidget() == page)
        return;
    const bool explicitlyHidden = widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
    const QRect geometry = widget->geometry();
    widget->setParent(page);
    widget->setGeometry(geometry);
    if (!explicitlyHidden)
        widget->show();
}

} // namespace

SSTab::SSTab(QWidget *parent) : StyledControl(parent, syscolor::ButtonFace, syscolor::ButtonText)
{
    setAttribute(Qt::WA_Hover);
    setFocusable(true);
    // Tab reaches it, and a click on a tab; a click on a page (a label, a frame) leaves the
    // focus where it is, as it would on the form itself.
    setFocusPolicy(Qt::TabFocus);
    ensurePages();
    showCurrentPage();
    Move(0, 0, 5895, 4215);
}

int SSTab::rows() const
{
    return (m_tabs + m_tabsPerRow - 1) / m_tabsPerRow;
}

int SSTab::rowHeight() const
{
    return std::max(1, static_cast<int>(std::lround(m_tabHeight / TwipsPerPixel)));
}

void SSTab::ensurePages()
{
    const bool adopting = m_adopting;
    m_adopting = true;
    while (m_pages.size() < m_tabs) {
        auto *page = new QWidget(this);
        page->setObjectName(QStringLiteral("Tab%1").arg(m_pages.size()));
        page->setGeometry(rect());
        page->hide();
        m_pages << page;
    }
    while (m_captions.size() < m_tabs)
        m_captions << QStringLiteral("Tab %1").arg(m_captions.size());
    m_adopting = adopting;
}

void SSTab::showCurrentPage()
{
    for (qsizetype i = 0; i < m_pages.size(); ++i) {
        if (i != m_current)
            m_pages[i]->hide();
    }
    if (m_current < m_pages.size())
        m_pages[m_current]->show();
}

void SSTab::adoptChildren()
{
    if (m_arrivals.isEmpty())
        return;
    m_adopting = true;
    const auto arrivals = std::exchange(m_arrivals, {});
    for (const auto &[widget, tab] : arrivals) {
        if (widget && widget->parentWidget() == this)
            reparentKeepingVisibility(widget, m_pages[std::min<int>(tab, m_pages.size() - 1)]);
    }
    m_adopting = false;
}

bool SSTab::event(QEvent *event)
{
    if (event->type() == QEvent::ChildAdded && !m_adopting) {
        // A control made on the tab control belongs to the tab current at that moment. It
        // moves to that tab's page once it is fully constructed.
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType() && !m_pages.contains(static_cast<QWidget *>(child))) {
            if (m_arrivals.isEmpty())
                QMetaObject::invokeMethod(this, &SSTab::adoptChildren, Qt::QueuedConnection);
            m_arrivals.append({QPointer<QWidget>(static_cast<QWidget *>(child)), m_current});
        }
    }
    return StyledControl::event(event);
}

void SSTab::setTabs(qint16 tabs)
{
    if (tabs < 1)
        throw InvalidArgument();
    if (tabs == m_tabs)
        return;
    adoptChildren();
    m_tabs = tabs;
    ensurePages();
    if (m_current >= m_tabs)
        setTab(static_cast<qint16>(m_tabs - 1));
    showCurrentPage();
    update();
}

void SSTab::setTab(qint16 tab)
{
    if (tab < 0 || tab >= m_tabs || tab == m_current)
        return;
    adoptChildren();
    m_current = tab;
    showCurrentPage();
    update();
    runGuarded("Click", [this] { emit Click(); });
}

void SSTab::setTabsPerRow(qint16 tabs)
{
    if (tabs < 1)
        throw InvalidArgument();
    if (tabs == m_tabsPerRow)
        return;
    m_tabsPerRow = tabs;
    update();
}

void SSTab::setTabHeight(double twips)
{
    if (!(twips >= 0.0 && twips <= 32767.0))
        throw InvalidArgument();
    if (twips == m_tabHeight)
        return;
    m_tabHeight = twips;
    update();
}

QString SSTab::TabCaption(int index) const
{
    return index >= 0 && index < m_tabs ? m_captions.value(index) : QString();
}

void SSTab::setTabCaption(int index, const QString &caption)
{
    if (index < 0 || index >= m_tabs)
        throw SubscriptOutOfRange();
    if (m_captions[index] == caption)
        return;
    m_captions[index] = caption;
    update();
}

QWidget *SSTab::page(int index)
{
    if (index < 0 || index >= m_tabs)
        throw SubscriptOutOfRange();
    adoptChildren();
    return m_pages[index];
}

void SSTab::placeOnTab(QWidget *control, int index)
{
    QWidget *target = page(index);
    if (!control || (control->parentWidget() != this && !m_pages.contains(control->parentWidget())))
        throw InvalidArgument();
    m_adopting = true;
    reparentKeepingVisibility(control, target);
    m_adopting = false;
}

int SSTab::tabOf(const QWidget *control) const
{
    if (!control)
        return -1;
    for (const auto &[widget, tab] : m_arrivals) {
        if (widget == control && control->parentWidget() == this)
            return tab;
    }
    const qsizetype index = m_pages.indexOf(control->parentWidget());
    return index < m_tabs ? static_cast<int>(index) : -1;
}

QRect SSTab::tabRect(int index) const
{
    if (index < 0 || index >= m_tabs)
        return QRect();
    const int row = index / m_tabsPerRow;
    const int column = index % m_tabsPerRow;
    const int left = width() * column / m_tabsPerRow;
    const int right = width() * (column + 1) / m_tabsPerRow;
    return QRect(left, row * rowHeight(), right - left, rowHeight());
}

void SSTab::resizeEvent(QResizeEvent *event)
{
    StyledControl::resizeEvent(event);
    for (QWidget *page : m_pages)
        page->setGeometry(rect());
}

void SSTab::keyPressEvent(QKeyEvent *event)
{
    StyledControl::keyPressEvent(event);
    if (event->modifiers() & ~Qt::KeypadModifier)
        return;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        setTab(static_cast<qint16>((m_current + m_tabs - 1) % m_tabs));
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        setTab(static_cast<qint16>((m_current + 1) % m_tabs));
        break;
    case Qt::Key_Home:
        setTab(0);
        break;
    case Qt::Key_End:
        setTab(static_cast<qint16>(m_tabs - 1));
        break;
    default:
        break;
    }
}

void SSTab::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        for (int i = 0; i < m_tabs; ++i) {
            if (tabRect(i).contains(event->position().toPoint())) {
                setFocus(Qt::MouseFocusReason);
                setTab(static_cast<qint16>(i));
                break;
            }
        }
    }
    event->accept();
}

void SSTab::mouseReleaseEvent(QMouseEvent *event)
{
    // Click belongs to a change of tab, which the press made.
    event->accept();
}

void SSTab::focusInEvent(QFocusEvent *event)
{
    StyledControl::focusInEvent(event);
    update();
}

void SSTab::focusOutEvent(QFocusEvent *event)
{
    StyledControl::focusOutEvent(event);
    update();
}

void SSTab::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    const int stripHeight = rows() * rowHeight();
    const QRect panel(0, std::max(0, stripHeight - overlap), width(), height() - std::max(0, stripHeight - overlap));
    painter.fillRect(panel, backColor());

    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = panel;
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.tabBarRect = QRect(0, 0, width(), stripHeight);
    frame.tabBarSize = frame.tabBarRect.size();
    frame.selectedTabRect = tabRect(m_current);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);

    // The current tab last, so that it lies over its neighbours.
    QList<int> order;
    for (int i = 0; i < m_tabs; ++i) {
        if (i != m_current)
            order << i;
    }
    order << m_current;
    // The style paints a selected tab's foot below the tab, as a tab bar widget would clip.
    painter.setClipRect(QRect(0, 0, width(), stripHeight));
    for (int i : order) {
        QStyleOptionTab tab;
        tab.initFrom(this);
        tab.state &= ~QStyle::State_HasFocus;
        tab.rect = tabRect(i);
        tab.shape = QTabBar::RoundedNorth;
        tab.palette.setColor(QPalette::WindowText, foreColor());
        tab.palette.setColor(QPalette::Window, backColor());
        const int column = i % m_tabsPerRow;
        const int inRow = std::min<int>(m_tabsPerRow, m_tabs - (i / m_tabsPerRow) * m_tabsPerRow);
        if (inRow == 1)
            tab.position = QStyleOptionTab::OnlyOneTab;
        else if (column == 0)
            tab.position = QStyleOptionTab::Beginning;
        else if (column == inRow - 1)
            tab.position = QStyleOptionTab::End;
        else
            tab.position = QStyleOptionTab::Middle;
        if (i == m_current) {
            tab.state |= QStyle::State_Selected;
            if (hasFocus())
                tab.state |= QStyle::State_HasFocus;
        } else if (i == m_current - 1) {
            tab.selectedPosition = QStyleOptionTab::NextIsSelected;
        } else if (i == m_current + 1) {
            tab.selectedPosition = QStyleOptionTab::PreviousIsSelected;
        }
        painter.drawControl(QStyle::CE_TabBarTabShape, tab);
        // The caption is drawn here rather than by the style, which pads it so much that
        // a caption of a narrow tab would lose both its ends.
        QRect textArea = tab.rect.adjusted(4, 0, -4, 0);
        if (!(tab.state & QStyle::State_Selected))
            textArea.translate(0, style()->pixelMetric(QStyle::PM_TabBarTabShiftVertical, &tab, this));
        const QString text = tab.fontMetrics.elidedText(m_captions.value(i), Qt::ElideRight, textArea.width());
        painter.setPen(isEnabled() ? foreColor() : resolveColor(syscolor::GrayText));
        painter.drawText(textArea, int(Qt::AlignCenter | Qt::TextSingleLine), text);
        if (tab.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(tab);
            const QRect bounds
                = tab.fontMetrics.boundingRect(textArea, int(Qt::AlignCenter | Qt::TextSingleLine), text);
            focus.rect = bounds.adjusted(-3, -1, 3, 1).intersected(tab.rect.adjusted(1, 1, -1, -1));
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
}

} // namespace tallyard
