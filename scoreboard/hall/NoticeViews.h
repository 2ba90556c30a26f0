// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Where the operator reads the program's notices, and the audience never does. With an
// audience window the operator's board is the operator's own: the notices stand in a panel at
// its top edge. Without one the board itself faces the hall, so the notices stand in a small
// window of their own in a corner of the operator's screen (another screen than the board's
// where there is one), as a desktop's notifications do. It takes no focus and no key: the
// board keeps the keyboard. A lasting notice stays until it is mended; a passing one for
// PassingSeconds, or until it is clicked.

#include "platform/system/Notices.h"

#include <QDateTime>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tallyard {

class frmScoreboard;

// The notices shown, one row each, newest last.
class NoticePanel : public QWidget {
    Q_OBJECT

public:
    struct Row {
        Notice notice;
        QDateTime until; // a passing notice's end; null for a lasting one
    };
    explicit NoticePanel(QWidget *parent = nullptr);
    void setRows(const QList<Row> &rows, int width);
    const QList<Row> &rows() const { return m_rows; }
    // The texts shown, one a line (tests and the end-to-end check).
    QString shownText() const;

signals:
    void dismissed(const tallyard::Notice &notice);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int rowHeight(const Row &row, int width) const;

    QList<Row> m_rows;
    QList<int> m_heights;
};

class NoticeViews : public QObject {
    Q_OBJECT

public:
    static constexpr int PassingSeconds = 10;
    static constexpr int MaxPassingRows = 3;

    // Made once by the program, after its application object; the one alive is current().
    NoticeViews();
    ~NoticeViews() override;
    static NoticeViews *current();

    // The board the notices are for, and whether an audience window copies it.
    void followBoard(frmScoreboard *board, bool audienceWindow);
    // The panel in use now, or nullptr while nothing is shown.
    NoticePanel *panel() const;

private:
    void add(const Notice &notice);
    void dismiss(const Notice &notice);
    void refresh();
    void placePopup();
    bool eventFilter(QObject *watched, QEvent *event) override;

    QList<NoticePanel::Row> m_rows;
    QPointer<frmScoreboard> m_board;
    bool m_onBoard = false;
    QPointer<NoticePanel> m_strip; // on the operator's board
    QPointer<NoticePanel> m_popup; // a window of its own
    QTimer m_expiry;
};

} // namespace tallyard
