#include "platform/forms/StyledControl.h"

#include "platform/core/OleColor.h"
#include "platform/core/Properties.h"

#include <QApplication>
#include <QPalette>
#include <QShortcut>

#include <cmath>

namespace tallyard {

QColor resolveColor(qint32 ole)
{
    if (!(static_cast<quint32>(ole) & 0x80000000u))
        return fromOleColor(ole & 0xFFFFFF);
    const QPalette palette = QApplication::palette();
    switch (ole & 0xFF) {
    case 0x00: // scroll bars
    case 0x0C: // application workspace
        return palette.color(QPalette::Mid);
    case 0x05: // window background
        return palette.color(QPalette::Base);
    case 0x08: // window text
    case 0x07: // menu text
        return palette.color(QPalette::Text);
    case 0x0D:
        return palette.color(QPalette::Highlight);
    case 0x0E:
        return palette.color(QPalette::HighlightedText);
    case 0x10: // button shadow
        return palette.color(QPalette::Dark);
    case 0x11: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 0x12: // button text
        return palette.color(QPalette::ButtonText);
    case 0x14: // button highlight
        return palette.color(QPalette::Light);
    case 0x15: // 3D dark shadow
        return palette.color(QPalette::Shadow);
    case 0x16: // 3D light
        return palette.color(QPalette::Midlight);
    case 0x17: // tooltip text
        return palette.color(QPalette::ToolTipText);
    case 0x18: // tooltip background
        return palette.color(QPalette::ToolTipBase);
    default: // button face and everything window-coloured
        return palette.color(QPalette::Window);
    }
}

int fontPixelSize(double points)
{
    return std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0)));
}

QFont intrinsicFont(const QString &name, double points, bool bold, bool italic)
{
    QFont font(name);
    font.setPixelSize(fontPixelSize(points));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void installFontSubstitutions()
{
    static const struct {
        const char *family;
        const char *substitute;
    } table[] = {
        {"Arial", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Helvetica", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Microsoft Sans Serif", "Liberation Sans"},
        {"Tahoma", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Times", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const auto &entry : table) {
        const QString family = QString::fromLatin1(entry.family);
        const QString substitute = QString::fromLatin1(entry.substitute);
        if (!QFont::substitutes(family).contains(substitute))
            QFont::insertSubstitution(family, substitute);
    }
}

Qt::Alignment horizontalAlignment(qint16 alignment)
{
    switch (alignment) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

void checkPropertyRange(int value, int low, int high)
{
    if (value < low || value > high)
        throw InvalidArgument();
}

Mnemonic::Mnemonic(QWidget *owner, std::function<void()> activated) : m_owner(owner), m_activated(std::move(activated))
{
}

void Mnemonic::setCaption(const QString &caption)
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (key.isEmpty()) {
        delete m_shortcut;
        m_shortcut = nullptr;
        return;
    }
    if (!m_shortcut) {
        m_shortcut = new QShortcut(m_owner);
        m_shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(m_shortcut, &QShortcut::activated, m_owner, [this] { runGuarded("Mnemonic", m_activated); });
        // Two controls with one letter: the letter moves the focus between them.
        QObject::connect(m_shortcut, &QShortcut::activatedAmbiguously, m_owner,
                         [this] { m_owner->setFocus(Qt::ShortcutFocusReason); });
    }
    m_shortcut->setKey(key);
}

void IntrinsicControl::ReadProperties(const PropertyBag &bag)
{
    QStringList deferred;
    for (const QString &key : bag.keys()) {
        const QVariant value = bag.ReadProperty(key);
        if (key.compare(u"Name", Qt::CaseInsensitive) == 0)
            setName(variantToString(value));
        else if (key.compare(u"Index", Qt::CaseInsensitive) == 0)
            setIndex(variantToInt16(value));
        else if (key.compare(u"Picture", Qt::CaseInsensitive) == 0)
            deferred << key;
        else
            setPropertyByName(this, key, value);
    }
    for (const QString &key : deferred)
        setPropertyByName(this, key, bag.ReadProperty(key));
}

StyledControl::StyledControl(QWidget *parent, qint32 backColor, qint32 foreColor)
    : IntrinsicControl(parent), m_backColor(backColor), m_foreColor(foreColor)
{
    applyFont();
}

void StyledControl::setBackColor(qint32 color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    colorsChanged();
}

void StyledControl::setForeColor(qint32 color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    colorsChanged();
}

void StyledControl::setFontName(const QString &name)
{
    if (name == m_fontName)
        return;
    m_fontName = name;
    applyFont();
}

void StyledControl::setFontSize(double points)
{
    if (!(points > 0.0 && points <= 2160.0))
        throw InvalidArgument();
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    applyFont();
}

void StyledControl::setFontBold(bool bold)
{
    if (bold == m_fontBold)
        return;
    m_fontBold = bold;
    applyFont();
}

void StyledControl::setFontItalic(bool italic)
{
    if (italic == m_fontItalic)
        return;
    m_fontItalic = italic;
    applyFont();
}

void StyledControl::applyFont()
{
    const QFont font = intrinsicFont(m_fontName, m_fontSize, m_fontBold, m_fontItalic);
    if (font == this->font() && testAttribute(Qt::WA_SetFont))
        return;
    setFont(font);
    fontChanged();
}

void StyledControl::colorsChanged()
{
    update();
}

void StyledControl::fontChanged()
{
    update();
}

} // namespace tallyard
