// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A top-level window holding controls: outer geometry in twips on the screen, an inner
// (client) area in twips, a caption and background, the control collection in creation
// order, and the Load / Resize / Unload events.

#include "tallyard_forms_export.h"
#include "platform/core/Values.h"
#include "platform/forms/Control.h"

#include <QEventLoop>
#include <QPointer>

namespace tallyard {

class ControlArray;

class TALLYARD_FORMS_EXPORT Form : public Control {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Form")
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(double ScaleWidth READ ScaleWidth)
    Q_PROPERTY(double ScaleHeight READ ScaleHeight)
    Q_PROPERTY(qint16 WindowState READ WindowState WRITE setWindowState)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle)

public:
    enum BorderStyles : qint16 { BorderNone = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3 };
    enum WindowStates : qint16 { Normal = 0, Minimized = 1, Maximized = 2 };

    explicit Form(QWidget *owner = nullptr);
    ~Form() override;

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 color);
    // The inner area in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Sets the inner area, keeping the window's top-left corner.
    void setClientSize(double widthTwips, double heightTwips);
    qint16 WindowState() const;
    void setWindowState(qint16 state);
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 style);

    // Every control on the form, in the order they were added.
    QList<Control *> Controls() const;
    // The control with that name (for an array, its element 0); nullptr when none.
    Control *control(const QString &name) const;
    // One of the form's own elements as the class it is; InvalidArgument when the form has no
    // element of that name and class.
    template <typename T>
    T *element(const char *name) const
    {
        T *typed = qobject_cast<T *>(control(QString::fromLatin1(name)));
        if (!typed)
            throw InvalidArgument();
        return typed;
    }
    void addControl(Control *control);

    // Orders the focus chain by TabIndex across the whole form.
    void applyTabOrder();

    // Places the form's centre on owner's centre (on the screen's when owner is null).
    void centreOver(const QWidget *owner);
    // Shows the form; modal runs a local event loop until the form is hidden or unloaded.
    void Show(bool modal = false);
    // Closes the window and raises Unload; the form object is deleted later.
    void Unload();
    bool isModalRunning() const { return m_modalLoop != nullptr; }
    bool isUnloaded() const { return m_unloaded; }

    // The screen the forms appear on, in twips (tests may pretend another size, in pixels).
    static double screenWidthTwips();
    static double screenHeightTwips();
    // A test seam: another screen size; an invalid size brings the real screen back.
    static void setScreenSizeOverride(QSize pixels);

signals:
    void Resize();
    void Unloaded();
    void Activate();

protected:
    void applyGeometry() override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void syncGeometry();
    // Every control on the form, in its containers too, stops its own activity.
    void stopActivities();

    qint32 m_backColor = 0x8000000F;
    qint16 m_borderStyle = Sizable;
    QList<QPointer<Control>> m_controls;
    QEventLoop *m_modalLoop = nullptr;
    bool m_syncing = false;
    bool m_unloaded = false;
};

} // namespace tallyard
