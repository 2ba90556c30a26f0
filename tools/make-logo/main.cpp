// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Draws Tallyard's emblem, 131 x 143 pixels on a transparent background: a gymnast in a
// split leap over an LED score panel reading 10.0, on a deep blue badge with a gold star.
// Everything is plain shapes, so the picture is the same on every run.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int LogoWidth = 131;
constexpr int LogoHeight = 143;

// Seven segments a..g of each digit, as bits: a top, b upper right, c lower right, d bottom,
// e lower left, f upper left, g middle.
constexpr std::array<int, 10> DigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// One segment as a pointed bar from p to q, thickness t.
QPolygonF segment(QPointF p, QPointF q, double t)
{
    const QPointF d = q - p;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const double h = t / 2;
    return QPolygonF({p, p + u * h + n * h, q - u * h + n * h, q, q - u * h - n * h, p + u * h - n * h});
}

void drawDigit(QPainter &painter, const QRectF &cell, int digit, const QColor &lit, const QColor &unlit)
{
    const double t = cell.width() * 0.24;
    const double gap = t * 0.22;
    const double slant = cell.width() * 0.10; // a slight italic, as LED displays have
    const auto at = [&](double fx, double fy) {
        return QPointF(cell.left() + fx * cell.width() + (1 - fy) * slant, cell.top() + fy * cell.height());
    };
    const double l = t / 2 / cell.width();
    const double r = 1 - l - slant / cell.width();
    const double top = t / 2 / cell.height();
    const double bottom = 1 - top;
    const double mid = 0.5;
    const double gy = gap / cell.height();
    const double gx = gap / cell.width();
    const std::array<std::pair<QPointF, QPointF>, 7> bars = {{
        {at(l + gx, top), at(r - gx, top)},
        {at(r, top + gy), at(r, mid - gy)},
        {at(r, mid + gy), at(r, bottom - gy)},
        {at(l + gx, bottom), at(r - gx, bottom)},
        {at(l, mid + gy), at(l, bottom - gy)},
        {at(l, top + gy), at(l, mid - gy)},
        {at(l + gx, mid), at(r - gx, mid)},
    }};
    for (int s = 0; s < 7; ++s) {
        const bool on = digit >= 0 && (DigitSegments[static_cast<size_t>(digit)] >> s & 1);
        painter.setBrush(on ? lit : unlit);
        painter.drawPolygon(segment(bars[static_cast<size_t>(s)].first, bars[static_cast<size_t>(s)].second, t));
    }
}

QPainterPath star(QPointF centre, double outer, double inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF p = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

void drawBadge(QPainter &painter)
{
    const QRectF badge(3.5, 3.5, LogoWidth - 7, LogoHeight - 7);
    // A soft shadow under the badge, so it sits on the grey panel rather than on top of it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRoundedRect(badge.translated(1.5, 2), 18, 18);

    QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
    fill.setColorAt(0, QColor(0x2A, 0x4E, 0x82));
    fill.setColorAt(1, QColor(0x10, 0x22, 0x3D));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(0xD9, 0xB4, 0x4A), 2.5));
    painter.drawRoundedRect(badge, 18, 18);
    painter.setPen(QPen(QColor(255, 255, 255, 45), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(badge.adjusted(3, 3, -3, -3), 15, 15);
}

// A limb or the trunk: a quadratic curve from p through c to q, drawn as a filled shape
// that narrows from width w0 at p to w1 at q, with round ends.
void drawTapered(QPainter &painter, QPointF p, QPointF c, QPointF q, double w0, double w1)
{
    constexpr int steps = 24;
    QPolygonF left;
    QPolygonF right;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const QPointF point = (1 - t) * (1 - t) * p + 2 * (1 - t) * t * c + t * t * q;
        QPointF tangent = 2 * (1 - t) * (c - p) + 2 * t * (q - c);
        tangent /= std::hypot(tangent.x(), tangent.y());
        const QPointF normal(-tangent.y(), tangent.x());
        const double half = ((1 - t) * w0 + t * w1) / 2;
        left << point + normal * half;
        right.prepend(point - normal * half);
    }
    // Drawn piece by piece in one opaque colour: overlaps leave no seams.
    painter.drawPolygon(left + right, Qt::WindingFill);
    painter.drawEllipse(p, w0 / 2, w0 / 2);
    painter.drawEllipse(q, w1 / 2, w1 / 2);
}

void drawGymnast(QPainter &painter)
{
    // A split leap facing right: back leg raised high behind, front leg reaching forward,
    // one arm up to the ribbon, the other sweeping back.
    const QPointF head(79, 22);
    const QPointF shoulder(74, 33);
    const QPointF hip(63, 53);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    drawTapered(painter, hip, QPointF(43, 52), QPointF(21, 35), 7, 2.6);  // back leg
    drawTapered(painter, hip, QPointF(86, 53), QPointF(108, 61), 7, 2.6); // front leg
    drawTapered(painter, hip, QPointF(66, 40), shoulder, 10, 8);          // trunk
    drawTapered(painter, shoulder, QPointF(86, 26), QPointF(95, 13), 4.6, 2.4);
    drawTapered(painter, shoulder, QPointF(60, 30), QPointF(49, 19), 4.6, 2.4);
    painter.drawEllipse(head, 6.3, 6.3);

    // The ribbon trailing from the raised hand.
    QPainterPath ribbon;
    ribbon.moveTo(QPointF(95, 12));
    ribbon.cubicTo(QPointF(121, 0), QPointF(125, 42), QPointF(106, 40));
    ribbon.cubicTo(QPointF(92, 38), QPointF(100, 24), QPointF(115, 29));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xF2, 0xC9, 0x4C), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(ribbon);
}

void drawScore(QPainter &painter)
{
    const QRectF panel(15, 84, LogoWidth - 30, 42);
    painter.setPen(QPen(QColor(0x5A, 0x6B, 0x85), 1.5));
    painter.setBrush(QColor(0x05, 0x08, 0x0C));
    painter.drawRoundedRect(panel, 6, 6);

    const QColor lit(0x2E, 0xE6, 0x4A);
    const QColor unlit(0x0B, 0x18, 0x0D);
    painter.setPen(Qt::NoPen);
    const double cellW = 19;
    const double cellH = 30;
    const double y = panel.top() + (panel.height() - cellH) / 2;
    // Two digits, the point and the tenths, centred in the panel.
    const double total = 3 * cellW + 5 + 9 + 8 - cellW * 0.10;
    const double x0 = panel.left() + (panel.width() - total) / 2;
    drawDigit(painter, QRectF(x0, y, cellW, cellH), 1, lit, unlit);
    drawDigit(painter, QRectF(x0 + cellW + 5, y, cellW, cellH), 0, lit, unlit);
    // The decimal point, then the tenths.
    painter.setBrush(lit);
    const double dotX = x0 + 2 * cellW + 9;
    painter.drawEllipse(QPointF(dotX + 1.5, y + cellH - 2.5), 2.8, 2.8);
    drawDigit(painter, QRectF(dotX + 8, y, cellW, cellH), 0, lit, unlit);

    // A faint glow across the top of the glass.
    QLinearGradient glass(panel.topLeft(), QPointF(panel.left(), panel.top() + panel.height() / 2));
    glass.setColorAt(0, QColor(255, 255, 255, 28));
    glass.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(glass);
    painter.drawRoundedRect(panel.adjusted(1.5, 1.5, -1.5, -panel.height() / 2), 5, 5);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("logo.png");

    QImage image(LogoWidth, LogoHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBadge(painter);
    drawGymnast(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF2, 0xC9, 0x4C));
    painter.drawPath(star(QPointF(26, 20), 9, 3.8));
    drawScore(painter);
    painter.end();

    if (!image.convertToFormat(QImage::Format_ARGB32).save(out, "PNG")) {
        std::fprintf(stderr, "make-logo: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s: %d x %d\n", qPrintable(out), image.width(), image.height());
    return 0;
}
