#pragma once
// What the intrinsic controls (labels, text boxes, buttons, ...) share: design-time values
// by property name, colours as 0x00BBGGRR values (or the old runtime's system colours), and
// fonts by name and point size rendered at a pixel size tied to the twip geometry, so text
// scales exactly with the controls whatever the screen's DPI setting.

#include "tallyard_forms_export.h"
#include "platform/forms/Control.h"
#include "platform/core/Values.h"

#include <QColor>
#include <QFont>

#include <functional>

class QShortcut;

namespace tallyard {

// 0x8000000F (button face), 0x80000005 (window background), ...: the system colours a
// control starts with, resolved against the application's palette.
namespace syscolor {
inline constexpr qint32 ScrollBars = qint32(0x80000000), WindowBackground = qint32(0x80000005),
                        WindowText = qint32(0x80000008), Highlight = qint32(0x8000000D),
                        HighlightText = qint32(0x8000000E), ButtonFace = qint32(0x8000000F),
                        ButtonShadow = qint32(0x80000010), GrayText = qint32(0x80000011),
                        ButtonText = qint32(0x80000012);
}

// The colour a property value stands for: 0x00BBGGRR, or a system colour (high bit set).
TALLYARD_FORMS_EXPORT QColor resolveColor(qint32 ole);

// 1 point is 20 twips and a pixel 15 twips, so a font of p points is drawn p * 4 / 3 pixels
// high (32.25 pt -> 43 px), never less than 1.
TALLYARD_FORMS_EXPORT int fontPixelSize(double points);

// The font the intrinsic controls draw with.
TALLYARD_FORMS_EXPORT QFont intrinsicFont(const QString &name, double points, bool bold, bool italic);

// Maps the Windows font names the forms are designed with to metric-compatible families,
// so text keeps its designed width where those fonts are not installed. Safe to call twice.
TALLYARD_FORMS_EXPORT void installFontSubstitutions();

// An intrinsic control: created from a design table by ProgID, its design-time values set
// by property name.
class TALLYARD_FORMS_EXPORT IntrinsicControl : public Control {
    Q_OBJECT

public:
    using Control::Control;

    // Sets every value of the bag by property name, in the bag's order ("Name" and "Index"
    // included), a picture last so that it sees the final Stretch and size. An unknown name
    // throws MemberNotFound: a design table is code.
    void ReadProperties(const PropertyBag &bag) override;
};

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

// The Alt+letter shortcut of a caption with an "&" accelerator ("&Help": Alt+H). It acts
// while its owner is visible and enabled in the active window.
class TALLYARD_FORMS_EXPORT Mnemonic {
public:
    Mnemonic(QWidget *owner, std::function<void()> activated);
    void setCaption(const QString &caption);

private:
    QWidget *m_owner;
    std::function<void()> m_activated;
    QShortcut *m_shortcut = nullptr;
};

// 0 left, 1 right, 2 centre, as the Alignment properties number them.
TALLYARD_FORMS_EXPORT Qt::Alignment horizontalAlignment(qint16 alignment);
// Throws InvalidArgument unless low <= value <= high.
TALLYARD_FORMS_EXPORT void checkPropertyRange(int value, int low, int high);

} // namespace tallyard
