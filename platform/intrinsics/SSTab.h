// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A tab control: a row of tabs over one panel, and one page of controls per tab; only the
// current tab's page is shown. Controls on a page count their twips from the tab
// control's top-left corner, tab row included. It takes the focus; the arrow keys and a
// click on a tab change the tab, and every change of Tab raises Click.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

#include <QPointer>

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT SSTab : public StyledControl {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "SSTab")
    Q_CLASSINFO("ProgID", "TabDlg.SSTab")
    Q_PROPERTY(qint16 Tabs READ Tabs WRITE setTabs)
    Q_PROPERTY(qint16 Tab READ Tab WRITE setTab)
    Q_PROPERTY(qint16 TabsPerRow READ TabsPerRow WRITE setTabsPerRow)
    Q_PROPERTY(double TabHeight READ TabHeight WRITE setTabHeight)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    explicit SSTab(QWidget *parent = nullptr);

    // The number of tabs, 1 or more (InvalidArgument otherwise). Fewer tabs keep the
    // pages of the dropped ones (hidden), so their controls come back with the tabs.
    qint16 Tabs() const { return m_tabs; }
    void setTabs(qint16 tabs);
    // The current tab, from 0; an index outside the tabs is ignored.
    qint16 Tab() const { return m_current; }
    void setTab(qint16 tab);
    // Tabs side by side in one row (1 or more); more tabs take more rows.
    qint16 TabsPerRow() const { return m_tabsPerRow; }
    void setTabsPerRow(qint16 tabs);
    // The height of a row of tabs in twips.
    double TabHeight() const { return m_tabHeight; }
    void setTabHeight(double twips);
    // The current tab's caption.
    QString Caption() const { return TabCaption(m_current); }
    void setCaption(const QString &caption) { setTabCaption(m_current, caption); }

    // Empty for an index outside the tabs.
    Q_INVOKABLE QString TabCaption(int index) const;
    // Throws SubscriptOutOfRange for an index outside the tabs.
    Q_INVOKABLE void setTabCaption(int index, const QString &caption);

    // The container of tab index's controls; throws SubscriptOutOfRange outside the tabs.
    // A control created on the tab control itself goes to the tab that is current then.
    QWidget *page(int index) override;
    // Moves a control of this tab control onto tab index.
    void placeOnTab(QWidget *control, int index);
    // The tab a control of this tab control lies on; -1 for anything else.
    int tabOf(const QWidget *control) const;
    // The area of tab index's header, in pixels.
    QRect tabRect(int index) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int rows() const;
    int rowHeight() const;
    void ensurePages();
    void showCurrentPage();
    void adoptChildren();

    QList<QWidget *> m_pages;
    QStringList m_captions;
    QList<QPair<QPointer<QWidget>, int>> m_arrivals; // created on the tab control itself
    qint16 m_tabs = 3;
    qint16 m_current = 0;
    qint16 m_tabsPerRow = 3;
    double m_tabHeight = 390;
    bool m_adopting = false;
};

} // namespace tallyard
