// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Horizontal and vertical scroll bars over a range Min .. Max (Min at the left or top end;
// Min may be the larger one). Value stays inside the range; a new value raises Change,
// dragging the thumb raises Scroll on the way.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

class QScrollBar;

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT ScrollBar : public IntrinsicControl {
    Q_OBJECT
    Q_CLASSINFO("EventId Change", "9")
    Q_CLASSINFO("EventId Scroll", "10")
    Q_PROPERTY(qint16 Min READ Min WRITE setMin)
    Q_PROPERTY(qint16 Max READ Max WRITE setMax)
    Q_PROPERTY(qint16 Value READ Value WRITE setValue)
    Q_PROPERTY(qint16 SmallChange READ SmallChange WRITE setSmallChange)
    Q_PROPERTY(qint16 LargeChange READ LargeChange WRITE setLargeChange)

public:
    // A new range pulls Value inside it (raising Change when it moves).
    qint16 Min() const { return m_min; }
    void setMin(qint16 min);
    qint16 Max() const { return m_max; }
    void setMax(qint16 max);
    // Clamped to the range.
    qint16 Value() const { return m_value; }
    void setValue(qint16 value);
    // The step of an arrow (SmallChange) and of a click beside the thumb (LargeChange);
    // below 1 throws InvalidArgument.
    qint16 SmallChange() const { return m_smallChange; }
    void setSmallChange(qint16 step);
    qint16 LargeChange() const { return m_largeChange; }
    void setLargeChange(qint16 step);

    QScrollBar *scrollBar() const { return m_bar; }

signals:
    void Change();
    void Scroll();

protected:
    ScrollBar(QWidget *parent, Qt::Orientation orientation);

    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qint16 clamp(int value) const;
    // The range and position handed to the Qt scroll bar, which counts 0 .. |Max - Min|
    // from the Min end.
    void syncBar();
    void barMoved(int position);
    void changeValue(qint16 value);

    QScrollBar *m_bar;
    qint16 m_min = 0;
    qint16 m_max = 32767;
    qint16 m_value = 0;
    qint16 m_smallChange = 1;
    qint16 m_largeChange = 1;
    qint16 m_valueAtPress = 0;
    bool m_syncing = false;
};

class TALLYARD_INTRINSICS_EXPORT HScrollBar : public ScrollBar {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "HScrollBar")
    Q_CLASSINFO("ProgID", "VB.HScrollBar")

public:
    explicit HScrollBar(QWidget *parent = nullptr);
};

class TALLYARD_INTRINSICS_EXPORT VScrollBar : public ScrollBar {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "VScrollBar")
    Q_CLASSINFO("ProgID", "VB.VScrollBar")

public:
    explicit VScrollBar(QWidget *parent = nullptr);
};

} // namespace tallyard
