// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The forms' one system dialog component: an invisible control that shows the colour
// picker or the open-file dialog. Its colour, filter, flags and file name stay set from one
// use to the next, so the open-file dialog proposes the last chosen file again. Filters are
// written the old two-part way, "Pictures (*.bmp;*.gif)|*.bmp;*.gif": a description, then
// its patterns, pairs separated by "|".
//
// Tests answer the dialogs through a chooser instead of real modal windows.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

#include <functional>
#include <optional>

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT CommonDialog : public IntrinsicControl {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "CommonDialog")
    Q_CLASSINFO("ProgID", "MSComDlg.CommonDialog")
    Q_PROPERTY(qint32 Color READ Color WRITE setColor)
    Q_PROPERTY(QString Filter READ Filter WRITE setFilter)
    Q_PROPERTY(qint32 Flags READ Flags WRITE setFlags)
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)

public:
    // The open-file flag that accepts only files that exist.
    static constexpr qint32 FileMustExist = 0x1000;

    explicit CommonDialog(QWidget *parent = nullptr);

    // 0x00BBGGRR.
    qint32 Color() const { return m_color; }
    void setColor(qint32 color) { m_color = color; }
    QString Filter() const { return m_filter; }
    void setFilter(const QString &filter) { m_filter = filter; }
    qint32 Flags() const { return m_flags; }
    void setFlags(qint32 flags) { m_flags = flags; }
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }

    // Shows the colour picker starting at Color; a chosen colour becomes Color. False when
    // the operator cancelled (Color is then as it was).
    Q_INVOKABLE bool ShowColor();
    // Shows the open-file dialog with Filter, Flags and FileName; the chosen file's full
    // path becomes FileName. False when the operator cancelled (FileName is then as it was).
    Q_INVOKABLE bool ShowOpen();

    void setVisible(bool visible) override;

    // The old filter text as Qt's file dialog filters, one per description.
    static QStringList qtFilters(const QString &filter);

    // What the open-file dialog is asked for, as a chooser sees it.
    struct OpenRequest {
        QStringList filters; // Qt filters
        QString fileName;    // proposed
        bool mustExist = false;
    };
    // Stand-ins for the two dialogs: nullopt means the operator cancelled. Empty
    // functions bring the real dialogs back.
    struct Chooser {
        std::function<std::optional<qint32>(qint32 initial)> color;
        std::function<std::optional<QString>(const OpenRequest &request)> open;
    };
    // A test seam: answers in place of the system's dialogs; an empty chooser brings them back.
    static void setChooserOverride(Chooser chooser);

private:
    qint32 m_color = 0;
    QString m_filter;
    qint32 m_flags = 0;
    QString m_fileName;
};

} // namespace tallyard
