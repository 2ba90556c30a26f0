// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/web/SegmentsJson.h"

#include "components/LEDStyle.h"
#include "components/SevenSegment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <vector>

namespace tallyard {

namespace {

double rounded(double value, double unit)
{
    return std::round(value / unit) * unit;
}

// Records what the segment painter draws, by brush colour: the painter's layers are told
// apart by the colours they are filled with.
class ShapeRecorder : public QPaintEngine {
public:
    struct Shape {
        QColor color;
        QPolygonF polygon;
    };
    std::vector<Shape> shapes;

    ShapeRecorder() : QPaintEngine(QPaintEngine::AllFeatures) { }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyBrush)
            m_color = state.brush().color();
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i)
            polygon << points[i];
        shapes.push_back(Shape{m_color, m_transform.map(polygon)});
    }
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override { }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }
    Type type() const override { return QPaintEngine::User; }

private:
    QColor m_color;
    QTransform m_transform;
};

class RecordingDevice : public QPaintDevice {
public:
    ShapeRecorder recorder;
    QPaintEngine *paintEngine() const override { return const_cast<ShapeRecorder *>(&recorder); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 100;
        }
    }
};

QJsonArray pointJson(QPointF p)
{
    return {rounded(p.x(), 0.01), rounded(p.y(), 0.01)};
}

QJsonArray polygonJson(const QPolygonF &polygon)
{
    QJsonArray points;
    for (const QPointF &p : polygon)
        points.append(pointJson(p));
    return points;
}

// One digit box of a ratio, 100 wide: the bar layers as the painter fills them, one polygon
// per segment in a..g order, and the lamps of the dot style.
QJsonObject digitShapes(int32_t ratio)
{
    const double width = 100.0;
    const double height = width / led::widthPerHeight(ratio);
    const QColor lit(255, 0, 0);
    const QColor back(0, 0, 0);
    QJsonObject layers;
    sevenseg::DigitPainter bars;
    bars.prepare(QSizeF(width, height), led::Ortagon);
    for (const bool on : {true, false}) {
        RecordingDevice device;
        {
            QPainter painter(&device);
            bars.paintShapes(painter, {sevenseg::Glyph{QPointF(0, 0), on ? sevenseg::AllSegments : uint8_t(0)}}, lit,
                             back);
        }
        // Lit: glow (the darkest red), body (pure red), core (red with white); unlit: one layer.
        for (const ShapeRecorder::Shape &shape : device.recorder.shapes) {
            const char *layer = !on ? "unlit" : shape.color == lit ? "lit" : shape.color.green() > 0 ? "core" : "glow";
            QJsonArray polygons = layers.value(QLatin1String(layer)).toArray();
            polygons.append(polygonJson(shape.polygon));
            layers.insert(QLatin1String(layer), polygons);
        }
    }

    sevenseg::DigitPainter dots;
    dots.prepare(QSizeF(width, height), led::CircleLED);
    QJsonArray lamps;
    for (int s = 0; s < sevenseg::SegmentCount; ++s) {
        std::vector<QPointF> centres = dots.lampCentres(s);
        QJsonArray inner;
        for (size_t i = 1; i + 1 < centres.size(); ++i)
            inner.append(pointJson(centres[i]));
        lamps.append(inner);
    }
    // A corner lamp stands on the node where its segments meet: the end of one of them.
    QJsonArray corners;
    for (const sevenseg::CornerLamp &corner : sevenseg::CornerLamps) {
        for (int s = 0; s < sevenseg::SegmentCount; ++s) {
            const sevenseg::SegmentLine &line = sevenseg::SegmentLines[static_cast<size_t>(s)];
            const auto at
                = [&](sevenseg::Node n) { return n.column == corner.node.column && n.row == corner.node.row; };
            if (at(line.from) || at(line.to)) {
                const std::vector<QPointF> centres = dots.lampCentres(s);
                corners.append(QJsonObject{{"at", pointJson(at(line.from) ? centres.front() : centres.back())},
                                           {"segments", corner.segments}});
                break;
            }
        }
    }
    const double radius = dots.lampDiameter() / 2.0;
    return QJsonObject{
        {"width", width},
        {"height", rounded(height, 0.01)},
        {"halfWidth", rounded(sevenseg::halfDigitWidth(width, height), 0.01)},
        {"bars", layers},
        {"lamps", lamps},
        {"corners", corners},
        {"lampRadius", rounded(radius, 0.01)},
        {"glowRadius", rounded(radius * (1.0 + 2.0 * sevenseg::GlowFactor), 0.01)},
        {"coreRadius", rounded(radius * sevenseg::CoreFactor, 0.01)},
    };
}

} // namespace

QByteArray segmentsJson()
{
    QJsonArray digits;
    for (const uint8_t mask : sevenseg::DigitMasks)
        digits.append(mask);
    const QJsonObject root{
        {"digits", digits},
        {"minus", sevenseg::MinusMask},
        {"halfDigit", sevenseg::HalfDigitSegments},
        {"unlitPercent", sevenseg::UnlitPercent},
        {"glowAlpha", sevenseg::GlowAlpha},
        {"coreWhitePercent", sevenseg::CoreWhitePercent},
        {"ratios",
         QJsonObject{
             {"9:5", digitShapes(led::Size_H9_W5)},
             {"7:4", digitShapes(led::Size_H7_W4)},
         }},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace tallyard
