// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "components/SevenSegment.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace tallyard::sevenseg {

QColor unlitColor(const QColor &lit, const QColor &back)
{
    const auto mix = [](int l, int b) { return b + (l - b) * UnlitPercent / 100; };
    return QColor(mix(lit.red(), back.red()), mix(lit.green(), back.green()), mix(lit.blue(), back.blue()));
}

namespace {

constexpr double MaxGlyphImagePixels = 1024.0 * 1024.0;

bool isHorizontal(const SegmentLine &line)
{
    return line.from.row == line.to.row;
}

} // namespace

QPointF DigitPainter::uprightNode(Node n) const
{
    return QPointF(n.column == 0 ? m_left : m_right, n.row == 0 ? m_top : (n.row == 1 ? m_middle : m_bottom));
}

QPointF DigitPainter::node(Node n) const
{
    // The lean: points above the middle move right, points below it move left.
    const QPointF p = uprightNode(n);
    return QPointF(p.x() + Slant * (m_middle - p.y()), p.y());
}

QPolygonF DigitPainter::bar(int segment, double thickness, double gap) const
{
    const SegmentLine &line = SegmentLines[static_cast<size_t>(segment)];
    // Built upright, then leaned, so that the bevels of neighbouring bars stay parallel.
    const QPointF p0 = uprightNode(line.from);
    const QPointF p1 = uprightNode(line.to);
    const double length = std::hypot(p1.x() - p0.x(), p1.y() - p0.y());
    if (length <= 0.0)
        return QPolygonF();
    const QPointF u = (p1 - p0) / length;
    const QPointF v(-u.y(), u.x());
    const double h = thickness / 2.0;
    // Never let the bevels of one bar cross each other on a very small digit.
    const double end = std::min(gap + h, length / 2.0);
    const double tip = std::min(gap, end);
    QPolygonF hexagon;
    hexagon << p0 + u * tip << p0 + u * end + v * h << p1 - u * end + v * h << p1 - u * tip << p1 - u * end - v * h
            << p0 + u * end - v * h;
    const QTransform lean(1.0, 0.0, -Slant, 1.0, Slant * m_middle, 0.0);
    return lean.map(hexagon);
}

void DigitPainter::prepare(QSizeF digitSize, int32_t ledType)
{
    if (m_ready && digitSize == m_size && ledType == m_ledType)
        return;
    m_images.clear();
    m_size = digitSize;
    m_ledType = ledType;
    m_dots = ledType == led::CircleLED;
    const double w = std::max(0.0, digitSize.width());
    const double h = std::max(0.0, digitSize.height());
    const double marginY = MarginY * h;
    const double innerHeight = h - 2.0 * marginY;
    const double lean = Slant * innerHeight / 2.0;
    // The bars never take more than a fifth of the height, whatever the ratio.
    m_thickness = std::min(Thickness * w, innerHeight / 5.0);
    const double half = m_thickness / 2.0;
    m_left = MarginX * w + lean + half;
    m_right = w - MarginX * w - lean - half;
    m_top = marginY + half;
    m_bottom = h - marginY - half;
    m_middle = h / 2.0;

    const double gap = GapFactor * m_thickness + 0.25;
    const double glow = GlowFactor * m_thickness;
    for (int s = 0; s < SegmentCount; ++s) {
        m_bars[static_cast<size_t>(s)] = bar(s, m_thickness, gap);
        m_glows[static_cast<size_t>(s)] = bar(s, m_thickness + 2.0 * glow, gap - glow);
        const double core = CoreFactor * m_thickness;
        m_cores[static_cast<size_t>(s)] = bar(s, core, gap + (m_thickness - core) / 2.0);
    }

    // Lamps: evenly spaced down each half of the height, and across as many intervals as
    // keep the horizontal pitch closest to the vertical one.
    const double pitchY = (m_bottom - m_top) / (2.0 * LampIntervalsPerHalf);
    m_columns = pitchY > 0.0 ? std::max(2, static_cast<int>(std::lround((m_right - m_left) / pitchY))) : 2;
    const double pitchX = (m_right - m_left) / m_columns;
    m_lampDiameter = LampDiameter * std::min(pitchX, pitchY);
    for (int s = 0; s < SegmentCount; ++s) {
        const SegmentLine &line = SegmentLines[static_cast<size_t>(s)];
        const int intervals = isHorizontal(line) ? m_columns : LampIntervalsPerHalf;
        const QPointF p0 = node(line.from);
        const QPointF p1 = node(line.to);
        auto &lamps = m_lamps[static_cast<size_t>(s)];
        lamps.clear();
        for (int i = 1; i < intervals; ++i)
            lamps.push_back(p0 + (p1 - p0) * (static_cast<double>(i) / intervals));
    }
    for (size_t c = 0; c < CornerLamps.size(); ++c)
        m_corners[c] = node(CornerLamps[c].node);
    m_ready = true;
}

QPainterPath DigitPainter::segmentPath(int segment) const
{
    QPainterPath path;
    path.addPolygon(m_bars[static_cast<size_t>(segment)]);
    path.closeSubpath();
    return path;
}

std::vector<QPointF> DigitPainter::lampCentres(int segment) const
{
    const SegmentLine &line = SegmentLines[static_cast<size_t>(segment)];
    std::vector<QPointF> centres;
    centres.push_back(node(line.from));
    const auto &inner = m_lamps[static_cast<size_t>(segment)];
    centres.insert(centres.end(), inner.begin(), inner.end());
    centres.push_back(node(line.to));
    return centres;
}

void DigitPainter::invalidate()
{
    m_ready = false;
    m_images.clear();
}

const QImage &DigitPainter::glyphImage(uint8_t lit, uint8_t present, qreal pixelRatio, const QColor &litColor,
                                       const QColor &back) const
{
    if (pixelRatio != m_imageRatio || litColor != m_imageLit || back != m_imageBack || m_images.size() > 64) {
        m_images.clear();
        m_imageRatio = pixelRatio;
        m_imageLit = litColor;
        m_imageBack = back;
    }
    const uint16_t key = static_cast<uint16_t>(lit << 8 | present);
    auto it = m_images.find(key);
    if (it == m_images.end()) {
        const QSize pixels(static_cast<int>(std::ceil(m_size.width() * pixelRatio)),
                           static_cast<int>(std::ceil(m_size.height() * pixelRatio)));
        QImage image(pixels, QImage::Format_RGB32);
        image.setDevicePixelRatio(pixelRatio);
        image.fill(back);
        QPainter painter(&image);
        paintShapes(painter, {Glyph{QPointF(0, 0), lit, present}}, litColor, back);
        painter.end();
        it = m_images.emplace(key, std::move(image)).first;
    }
    return it->second;
}

void DigitPainter::paint(QPainter &painter, const std::vector<Glyph> &glyphs, const QColor &lit,
                         const QColor &back) const
{
    if (!m_ready)
        return;
    // Images only where they land 1:1 on device pixels; a scaled or rotated painter (a
    // print, a zoomed preview) gets the shapes themselves.
    const QTransform transform = painter.transform();
    if (transform.type() > QTransform::TxTranslate || !painter.device()) {
        paintShapes(painter, glyphs, lit, back);
        return;
    }
    const qreal ratio = painter.device()->devicePixelRatioF();
    // A digit as big as a wall is drawn from its shapes rather than held as an image.
    if (m_size.width() * m_size.height() * ratio * ratio > MaxGlyphImagePixels) {
        paintShapes(painter, glyphs, lit, back);
        return;
    }
    for (const Glyph &glyph : glyphs) {
        const QImage &image = glyphImage(glyph.lit, glyph.present, ratio, lit, back);
        // Snapped to a whole device pixel: at most half a pixel from the exact place.
        const QPointF device = (glyph.origin + QPointF(transform.dx(), transform.dy())) * ratio;
        const QPointF snapped(std::round(device.x()) / ratio - transform.dx(),
                              std::round(device.y()) / ratio - transform.dy());
        painter.drawImage(snapped, image);
    }
}

void DigitPainter::paintShapes(QPainter &painter, const std::vector<Glyph> &glyphs, const QColor &lit,
                               const QColor &back) const
{
    if (!m_ready)
        return;
    // The glow is laid under everything else in a colour mixed with the background ahead
    // of time: an opaque fill costs a fraction of a blended one.
    const auto toward = [](int from, int to, int share) { return from + (to - from) * share / 255; };
    const QColor glow(toward(back.red(), lit.red(), GlowAlpha), toward(back.green(), lit.green(), GlowAlpha),
                      toward(back.blue(), lit.blue(), GlowAlpha));
    const auto mix = [](int c) { return c + (255 - c) * CoreWhitePercent / 100; };
    const QColor core(mix(lit.red()), mix(lit.green()), mix(lit.blue()));
    const QColor dim = unlitColor(lit, back);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    const QTransform base = painter.transform();
    // Layer by layer: the glow, the dim segments over it, the lit bodies and their cores.
    for (const int layer : {1, 0, 2, 3}) {
        painter.setBrush(layer == 0 ? dim : layer == 1 ? glow : layer == 2 ? lit : core);
        for (const Glyph &glyph : glyphs) {
            painter.setTransform(QTransform::fromTranslate(glyph.origin.x(), glyph.origin.y()) * base);
            if (!m_dots) {
                for (int s = 0; s < SegmentCount; ++s) {
                    const uint8_t bit = static_cast<uint8_t>(1u << s);
                    if (!(glyph.present & bit) || (layer == 0) == bool(glyph.lit & bit))
                        continue;
                    const auto &polygons = layer == 1 ? m_glows : layer == 3 ? m_cores : m_bars;
                    painter.drawPolygon(polygons[static_cast<size_t>(s)]);
                }
            } else {
                const double r = m_lampDiameter / 2.0
                    * (layer == 1       ? 1.0 + 2.0 * GlowFactor
                           : layer == 3 ? CoreFactor
                                        : 1.0);
                const auto lamp = [&](const QPointF &centre, bool on) {
                    if ((layer == 0) != on)
                        painter.drawEllipse(centre, r, r);
                };
                for (int s = 0; s < SegmentCount; ++s) {
                    const uint8_t bit = static_cast<uint8_t>(1u << s);
                    if (!(glyph.present & bit))
                        continue;
                    for (const QPointF &centre : m_lamps[static_cast<size_t>(s)])
                        lamp(centre, glyph.lit & bit);
                }
                for (size_t c = 0; c < CornerLamps.size(); ++c) {
                    const uint8_t segments = CornerLamps[c].segments & glyph.present;
                    if (segments)
                        lamp(m_corners[c], glyph.lit & segments);
                }
            }
        }
    }
    painter.restore();
}

} // namespace tallyard::sevenseg
