// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "designer/ControlIcons.h"

#include "components/LEDCell.h"
#include "components/NumberLED.h"
#include "components/SevenSegment.h"
#include "controls/TimeLED.h"
#include "platform/core/OleColor.h"

#include <QPainter>
#include <QPixmap>

#include <functional>
#include <vector>

namespace quellin::designer {

namespace {

constexpr int Side = 64; // QIcon scales down for the widget box's 16 and 22 pixels

QIcon drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

// A dark panel with a row of digits centred on it, drawn as the cells draw theirs.
void ledPanel(QPainter &painter, const std::vector<int> &digits, double digitHeight, qint32 ratio, qint32 litOle,
              qint32 backOle, double colonGap = 0.0, qint32 colonOle = 0)
{
    const QColor back = tallyard::fromOleColor(backOle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(back);
    painter.drawRoundedRect(QRectF(1, 1, Side - 2, Side - 2), 6, 6);

    const QSizeF digit(digitHeight * tallyard::led::widthPerHeight(ratio), digitHeight);
    const double rowWidth = digits.size() * digit.width() + colonGap;
    double x = (Side - rowWidth) / 2.0;
    const double y = (Side - digit.height()) / 2.0;
    std::vector<tallyard::sevenseg::Glyph> glyphs;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (colonGap > 0.0 && i == digits.size() / 2) {
            // The colon between minutes and seconds.
            painter.setBrush(tallyard::fromOleColor(colonOle));
            const double r = colonGap / 4.0;
            painter.drawEllipse(QPointF(x + colonGap / 2.0, y + digit.height() * 0.3), r, r);
            painter.drawEllipse(QPointF(x + colonGap / 2.0, y + digit.height() * 0.7), r, r);
            x += colonGap;
        }
        glyphs.push_back({QPointF(x, y), tallyard::sevenseg::digitMask(digits[i]), tallyard::sevenseg::AllSegments});
        x += digit.width();
    }
    tallyard::sevenseg::DigitPainter digitPainter;
    digitPainter.prepare(digit, tallyard::led::Ortagon);
    digitPainter.paintShapes(painter, glyphs, tallyard::fromOleColor(litOle), back);
}

} // namespace

QIcon timeLedIcon()
{
    return drawn([](QPainter &p) {
        ledPanel(p, {1, 2, 3, 4}, 24, TimeLED::DefaultDigitRatio, TimeLED::DefaultLitColor, TimeLED::DefaultBackColor,
                 8, TimeLED::DefaultSeparatorColor);
    });
}

QIcon numberLedIcon()
{
    return drawn([](QPainter &p) {
        ledPanel(p, {4, 2}, 40, tallyard::NumberLED::DefaultDigitRatio, tallyard::LEDCell::DefaultLitColor,
                 tallyard::LEDCell::DefaultBackColor);
    });
}

QIcon ortagonIcon()
{
    return drawn([](QPainter &p) {
        ledPanel(p, {8}, 52, tallyard::led::Size_H7_W4, tallyard::LEDCell::DefaultLitColor,
                 tallyard::LEDCell::DefaultBackColor);
    });
}

// The clock has no face of its own at run time; a stopwatch says what it is.
QIcon timeKeeperIcon()
{
    return drawn([](QPainter &p) {
        const QPointF centre(Side / 2.0, Side / 2.0 + 4);
        const double radius = 24;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        p.drawRoundedRect(QRectF(centre.x() - 5, 2, 10, 8), 2, 2); // the crown
        p.drawRect(QRectF(centre.x() - 2, 8, 4, 6));
        p.setPen(QPen(QColor(60, 60, 60), 4));
        p.setBrush(Qt::white);
        p.drawEllipse(centre, radius, radius);
        p.setPen(QPen(QColor(60, 60, 60), 2));
        for (int tick = 0; tick < 12; ++tick) {
            p.save();
            p.translate(centre);
            p.rotate(tick * 30.0);
            p.drawLine(QPointF(0, -radius + 3), QPointF(0, -radius + (tick % 3 == 0 ? 9 : 6)));
            p.restore();
        }
        // The hand at a quarter past, in the board's LED orange.
        p.setPen(QPen(tallyard::fromOleColor(TimeLED::DefaultLitColor), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre, centre + QPointF(radius - 8, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(centre, 3, 3);
    });
}

} // namespace quellin::designer
