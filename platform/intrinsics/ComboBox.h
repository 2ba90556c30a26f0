// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A drop-down list the operator can only choose from (no typing). Every change of the
// selection, by the operator or by code, raises Click.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

class QComboBox;

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT ComboBox : public StyledControl {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "ComboBox")
    Q_CLASSINFO("ProgID", "VB.ComboBox")
    Q_PROPERTY(qint16 ListIndex READ ListIndex WRITE setListIndex)
    Q_PROPERTY(qint16 ListCount READ ListCount)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(qint16 Style READ Style)

public:
    explicit ComboBox(QWidget *parent = nullptr);

    // -1: nothing selected. An index outside -1 .. ListCount - 1 is ignored.
    qint16 ListIndex() const;
    void setListIndex(qint16 index);
    qint16 ListCount() const;
    // The selected item's text; setting a text in the list selects that item, any other
    // text is ignored.
    QString Text() const;
    void setText(const QString &text);
    // Always 2, a drop-down list.
    qint16 Style() const { return 2; }

    // Adds an item at the end, or before index; selects nothing.
    Q_INVOKABLE void AddItem(const QString &item, int index = -1);
    // Throws InvalidArgument for an index outside the list.
    Q_INVOKABLE void RemoveItem(int index);
    // Empties the list; nothing is selected afterwards.
    Q_INVOKABLE void Clear();
    // The item's text; empty for an index outside the list.
    Q_INVOKABLE QString List(int index) const;
    void setList(int index, const QString &item);

    QComboBox *comboBox() const { return m_combo; }

protected:
    void colorsChanged() override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *m_combo;
    bool m_quiet = false; // a change made here, raising no Click of the operator's
};

} // namespace tallyard
