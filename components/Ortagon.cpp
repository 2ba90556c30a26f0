#include "components/Ortagon.h"

#include "components/NumberLED.h"
#include "platform/OleColor.h"
#include "platform/Properties.h"

#include <QPainter>

namespace tallyard {

Ortagon::Ortagon(QWidget *parent) : Control(parent)
{
    // Every pixel is painted, so Qt need not clear.
    setAttribute(Qt::WA_OpaquePaintEvent);
    Move(Left(), Top(), ownSize().width(), ownSize().height());
}

// One digit position without margins: the same sizing rule as a one-digit number cell.
QSizeF Ortagon::ownSize() const
{
    return NumberLED::cellSize(m_size, m_digitRatio, m_ledType, 0, 0, 0, 9);
}

// The cell sizes itself: a Width or Height set from outside gives way to its own size.
void Ortagon::applyGeometry()
{
    const QSizeF size = ownSize();
    if (Width() != size.width() || Height() != size.height()) {
        Move(Left(), Top(), size.width(), size.height());
        return;
    }
    Control::applyGeometry();
}

void Ortagon::visualChange()
{
    m_painter.invalidate();
    update();
}

void Ortagon::setLedType(qint32 type)
{
    if (type == m_ledType)
        return;
    m_ledType = type;
    visualChange();
}

void Ortagon::setSize(qint16 size)
{
    if (size < 1 || size == m_size)
        return;
    m_size = size;
    visualChange();
    Move(Left(), Top(), ownSize().width(), ownSize().height());
}

void Ortagon::setCaption(const QString &text)
{
    const QString character = text.left(1);
    if (character == m_caption)
        return;
    m_caption = character;
    update(); // another glyph; how glyphs look is unchanged
}

void Ortagon::setLitColor(qint32 color)
{
    if (color == m_litColor)
        return;
    m_litColor = color;
    visualChange();
}

void Ortagon::setBackColor(qint32 color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    visualChange();
}

void Ortagon::setDigitRatio(qint32 ratio)
{
    if (ratio == m_digitRatio)
        return;
    m_digitRatio = ratio;
    visualChange();
    Move(Left(), Top(), ownSize().width(), ownSize().height());
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
    // An entry that cannot be converted is dropped; the property keeps its value.
    try {
        setSize(variantToInt16(bag.ReadProperty(QStringLiteral("psize"), DefaultSize)));
    } catch (const RuntimeError &error) {
        qWarning("Ortagon: property psize dropped: %s", error.what());
    }
    setCaption(variantToString(bag.ReadProperty(QStringLiteral("pcaption"), QString(QChar(DefaultCaption)))));
}

void Ortagon::WriteProperties(PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("psize"), m_size, DefaultSize);
    bag.WriteProperty(QStringLiteral("pcaption"), m_caption, QString(QChar(DefaultCaption)));
}

void Ortagon::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    ++m_paintCount;
    const QColor back = fromOleColor(m_backColor);
    QPainter painter(this);
    painter.fillRect(rect(), back);
    const double height = m_size;
    m_painter.prepare(QSizeF(height * sevenseg::widthPerHeight(m_digitRatio), height), m_ledType);
    m_painter.paint(painter, {sevenseg::Glyph{QPointF(0, 0), segmentsShown(), sevenseg::AllSegments}},
                    fromOleColor(m_litColor), back);
}

void Ortagon::resizeEvent(QResizeEvent *event)
{
    m_painter.invalidate();
    Control::resizeEvent(event);
}

} // namespace tallyard
