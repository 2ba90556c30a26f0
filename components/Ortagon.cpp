// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "components/Ortagon.h"

#include "components/NumberLED.h"
#include "platform/core/Properties.h"

namespace tallyard {

Ortagon::Ortagon(QWidget *parent) : LEDCell(parent, DefaultSize, DefaultDigitRatio)
{
    resizeToContent();
}

// One digit position without margins: the same sizing rule as a one-digit number cell.
QSizeF Ortagon::ownSize() const
{
    return NumberLED::cellSize(Size(), DigitRatio(), LedType(), 0, 0, 0, 9);
}

void Ortagon::setCaption(const QString &text)
{
    const QString character = text.left(1);
    if (character == m_caption)
        return;
    m_caption = character;
    update(); // another glyph; how glyphs look is unchanged
}

uint8_t Ortagon::segmentsShown() const
{
    return m_caption.isEmpty() ? 0 : sevenseg::characterMask(m_caption.at(0).unicode());
}

void Ortagon::InitProperties()
{
    setSize(DefaultSize);
    setCaption(QString(QChar(DefaultCaption)));
}

void Ortagon::ReadProperties(const PropertyBag &bag)
{
    readEntry(bag, "Ortagon", "psize", DefaultSize, [this](const QVariant &v) { setSize(variantToInt16(v)); });
    readEntry(bag, "Ortagon", "pcaption", QString(QChar(DefaultCaption)),
              [this](const QVariant &v) { setCaption(variantToString(v)); });
}

void Ortagon::WriteProperties(PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("psize"), Size(), DefaultSize);
    bag.WriteProperty(QStringLiteral("pcaption"), m_caption, QString(QChar(DefaultCaption)));
}

void Ortagon::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    paintGlyphs({sevenseg::Glyph{QPointF(0, 0), segmentsShown(), sevenseg::AllSegments}});
}

} // namespace tallyard
