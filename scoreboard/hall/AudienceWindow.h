// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The board's face for the audience: a frameless, full-screen copy of the board on another
// screen, built from the board's own design and scaled to fill that screen by the board's own
// rule. It follows every change on the board, and shows nothing of the operator's working
// state: no selection outline, no text cursor, no selection highlight. It takes no keys and
// cannot be closed by itself; Esc on it only hides it. Closing the board closes it.
//
// It does no work while nothing on the board changes: it copies the board only after the
// board has painted (a change the board does not paint is no change to the audience either),
// and then sets only what differs, so an unchanged board costs it nothing.

#include "platform/forms/Form.h"

#include <QMetaProperty>
#include <QPointer>
#include <QTimer>

#include <vector>

class QScreen;

namespace tallyard {

class frmScoreboard;

class AudienceWindow : public Form {
    Q_OBJECT

public:
    // Shown on screen when the board is shown (at once when it already is).
    AudienceWindow(frmScoreboard *board, QScreen *screen);
    ~AudienceWindow() override;

    // Copies whatever differs from the board now.
    void follow();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Pair {
        QPointer<Control> board;
        QPointer<Control> copy;
        std::vector<QMetaProperty> properties; // what the copy takes from the board
        bool isImage = false;
    };
    void pairElements();
    void followPair(const Pair &pair);
    void followImage(const Pair &pair);
    void queueFollow();
    void showOnScreen();

    QPointer<frmScoreboard> m_board;
    // The same board as a widget, for the event filter: while the board is being destroyed it
    // is no frmScoreboard any more, and m_board's cast to one would be undefined.
    QPointer<QWidget> m_boardWidget;
    QPointer<QScreen> m_screen;
    std::vector<Pair> m_pairs;
    bool m_followQueued = false;
    bool m_closing = false;
    bool m_shown = false;
    // A minimized board paints nothing: then the copy looks at it every refresh tick.
    QTimer m_watchMinimized;
};

} // namespace tallyard
