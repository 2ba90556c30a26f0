// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// An intrinsic control with colours (0x00BBGGRR or system colours) and a font by name and
// point size.

#include "tallyard_forms_export.h"
#include "platform/forms/IntrinsicControl.h"
#include "platform/forms/IntrinsicFont.h"
#include "platform/forms/Mnemonic.h"
#include "platform/forms/SystemColors.h"

#include <QColor>
#include <QFont>

namespace tallyard {

// An intrinsic control with colours and a font.
class TALLYARD_FORMS_EXPORT StyledControl : public IntrinsicControl {
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic)

public:
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 color);
    qint32 ForeColor() const { return m_foreColor; }
    void setForeColor(qint32 color);
    QString FontName() const { return m_fontName; }
    void setFontName(const QString &name);
    // Reads back exactly what was set; a size that is not positive (or above 2160 points)
    // throws InvalidArgument and changes nothing.
    double FontSize() const { return m_fontSize; }
    void setFontSize(double points);
    bool FontBold() const { return m_fontBold; }
    void setFontBold(bool bold);
    bool FontItalic() const { return m_fontItalic; }
    void setFontItalic(bool italic);

    QColor backColor() const { return resolveColor(m_backColor); }
    QColor foreColor() const { return resolveColor(m_foreColor); }

protected:
    StyledControl(QWidget *parent, qint32 backColor, qint32 foreColor);

    // After a colour changed; the default repaints.
    virtual void colorsChanged();
    // After the font changed (it is already applied to the widget); the default repaints.
    virtual void fontChanged();

private:
    void applyFont();

    qint32 m_backColor;
    qint32 m_foreColor;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    double m_fontSize = 8.25;
    bool m_fontBold = false;
    bool m_fontItalic = false;
};

} // namespace tallyard
