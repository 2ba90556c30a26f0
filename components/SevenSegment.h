// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Seven-segment glyphs as data, kept apart from painting so that a test can check every
// glyph, and the one painter both LED cells draw their digits with: solid bevelled bars or
// rows of round lamps, unlit segments faintly visible as on a real LED board.

#include "tallyard_components_export.h"
#include "components/LEDStyle.h"
#include "platform/core/Values.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QSizeF>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

class QPainter;

namespace tallyard::sevenseg {

// Segment bits in the usual lettering: a top, b upper right, c lower right, d bottom,
// e lower left, f upper left, g middle.
enum Segment : uint8_t {
    A = 1 << 0,
    B = 1 << 1,
    C = 1 << 2,
    D = 1 << 3,
    E = 1 << 4,
    F = 1 << 5,
    G = 1 << 6,
};
inline constexpr int SegmentCount = 7;
inline constexpr uint8_t AllSegments = A | B | C | D | E | F | G;

// Digits 0-9. The 6 and the 9 carry their tails (a on the 6, d on the 9) so that they never
// read as b or q across a hall.
inline constexpr std::array<uint8_t, 10> DigitMasks = {
    A | B | C | D | E | F,     // 0
    B | C,                     // 1
    A | B | D | E | G,         // 2
    A | B | C | D | G,         // 3
    B | C | F | G,             // 4
    A | C | D | F | G,         // 5
    A | C | D | E | F | G,     // 6
    A | B | C,                 // 7
    A | B | C | D | E | F | G, // 8
    A | B | C | D | F | G,     // 9
};
inline constexpr uint8_t MinusMask = G;
// The narrow leading position of a 2 1/2-digit display has only the right-hand bars.
inline constexpr uint8_t HalfDigitSegments = B | C;

constexpr uint8_t digitMask(int digit)
{
    return digit >= 0 && digit <= 9 ? DigitMasks[static_cast<size_t>(digit)] : 0;
}

// A character cell shows digits, the minus sign, blanks, and the letters that read
// unambiguously on seven segments; anything else stays dark.
constexpr uint8_t characterMask(char32_t c)
{
    if (tallyard::isAsciiDigit(c))
        return DigitMasks[c - U'0'];
    switch (c) {
    case U'-':
        return MinusMask;
    case U'_':
        return D;
    case U'A':
    case U'a':
        return A | B | C | E | F | G;
    case U'B':
    case U'b':
        return C | D | E | F | G;
    case U'C':
        return A | D | E | F;
    case U'c':
        return D | E | G;
    case U'D':
    case U'd':
        return B | C | D | E | G;
    case U'E':
    case U'e':
        return A | D | E | F | G;
    case U'F':
    case U'f':
        return A | E | F | G;
    case U'H':
        return B | C | E | F | G;
    case U'h':
        return C | E | F | G;
    case U'L':
    case U'l':
        return D | E | F;
    case U'O':
        return DigitMasks[0];
    case U'o':
        return C | D | E | G;
    case U'P':
    case U'p':
        return A | B | E | F | G;
    case U'U':
        return B | C | D | E | F;
    case U'u':
        return C | D | E;
    default:
        return 0;
    }
}

// Geometry. Every segment's centre line runs between two nodes of a 2 x 3 grid: column 0
// on the left, 1 on the right; row 0 at the top, 1 in the middle, 2 at the bottom.
struct TALLYARD_COMPONENTS_EXPORT Node {
    int column;
    int row;
};
struct TALLYARD_COMPONENTS_EXPORT SegmentLine {
    Node from;
    Node to;
};
inline constexpr std::array<SegmentLine, SegmentCount> SegmentLines = {{
    {{0, 0}, {1, 0}}, // a
    {{1, 0}, {1, 1}}, // b
    {{1, 1}, {1, 2}}, // c
    {{0, 2}, {1, 2}}, // d
    {{0, 1}, {0, 2}}, // e
    {{0, 0}, {0, 1}}, // f
    {{0, 1}, {1, 1}}, // g
}};

// In the dot style the lamps at the six nodes are shared: a corner lamp is lit when any
// segment meeting there is lit, so a digit reads as one unbroken figure.
struct TALLYARD_COMPONENTS_EXPORT CornerLamp {
    Node node;
    uint8_t segments;
};
inline constexpr std::array<CornerLamp, 6> CornerLamps = {{
    {{0, 0}, A | F},
    {{1, 0}, A | B},
    {{0, 1}, E | F | G},
    {{1, 1}, B | C | G},
    {{0, 2}, D | E},
    {{1, 2}, C | D},
}};

// Proportions of a digit position W wide and H tall.
inline constexpr double MarginX = 0.08;    // of W, each side: keeps neighbouring digits apart
inline constexpr double MarginY = 0.035;   // of H, top and bottom
inline constexpr double Thickness = 0.19;  // bar thickness, of W
inline constexpr double GapFactor = 0.07;  // gap between bars, of the thickness
inline constexpr double Slant = 0.05;      // italic lean: sideways shift per unit of height
inline constexpr double GlowFactor = 0.16; // glow around a lit bar, of the thickness
inline constexpr int GlowAlpha = 70;       // share of the lit colour in the glow, of 255
inline constexpr int UnlitPercent = 13;    // share of the lit colour in an unlit segment
// A lit bar or lamp has a lighter core, as the light of a diffused LED is strongest in its
// middle: its width as a share of the thickness, and how much white is mixed in.
inline constexpr double CoreFactor = 0.4;
inline constexpr int CoreWhitePercent = 25;
// Dot style: lamps along each half of the height (intervals between lamp centres), and
// the lamp diameter as a share of the lamp pitch.
inline constexpr int LampIntervalsPerHalf = 4;
inline constexpr double LampDiameter = 0.8;

// The width of the narrow leading position of a 2 1/2-digit display: the right-hand bars of
// a full digit with their slant, and the same margin on both sides.
constexpr double halfDigitWidth(double width, double height)
{
    const double innerHeight = height * (1.0 - 2.0 * MarginY);
    return width * (2.0 * MarginX + Thickness) + Slant * innerHeight;
}

// The colour of an unlit segment: a dim mix of the lit colour into the background.
TALLYARD_COMPONENTS_EXPORT QColor unlitColor(const QColor &lit, const QColor &back);

// One digit position to paint: its box's top-left corner, the segments lit, and the
// segments the position has at all (a half digit has only b and c).
struct TALLYARD_COMPONENTS_EXPORT Glyph {
    QPointF origin;
    uint8_t lit = 0;
    uint8_t present = AllSegments;
};

// Draws digits of one size and style. It keeps the shapes of one digit (the bars as
// polygons, or the lamp centres), and each glyph once drawn as an image at the device's
// resolution, so that a repaint copies images instead of filling a hundred shapes. A glyph
// image depends on the size, style, colours and pixel ratio, never on which value is shown:
// the owner drops everything with invalidate() on a resize and on every change of how a
// glyph looks; a new value only picks other glyphs.
class TALLYARD_COMPONENTS_EXPORT DigitPainter {
public:
    // Segment style 0 draws bars, 1 rows of lamps; any other value draws bars.
    void prepare(QSizeF digitSize, int32_t ledType);
    void invalidate();
    bool isReady() const { return m_ready; }

    // Paints the glyphs (antialiased) on a background already filled with back.
    void paint(QPainter &painter, const std::vector<Glyph> &glyphs, const QColor &lit, const QColor &back) const;
    // The same, always as vector shapes (what the glyph images are made of).
    void paintShapes(QPainter &painter, const std::vector<Glyph> &glyphs, const QColor &lit, const QColor &back) const;
    int cachedGlyphCount() const { return static_cast<int>(m_images.size()); }

    // The shapes, in a digit box whose top-left corner is (0, 0): for tests and previews.
    QPainterPath segmentPath(int segment) const;
    // Lamp centres of one segment, its two end nodes included.
    std::vector<QPointF> lampCentres(int segment) const;
    double lampDiameter() const { return m_lampDiameter; }

private:
    QPointF uprightNode(Node n) const;
    QPointF node(Node n) const;
    QPolygonF bar(int segment, double thickness, double gap) const;
    const QImage &glyphImage(uint8_t lit, uint8_t present, qreal pixelRatio, const QColor &litColor,
                             const QColor &back) const;

    bool m_ready = false;
    QSizeF m_size;
    int32_t m_ledType = 0;
    bool m_dots = false;
    // Node positions before the slant is applied.
    double m_left = 0, m_right = 0, m_top = 0, m_middle = 0, m_bottom = 0;
    double m_thickness = 0;
    std::array<QPolygonF, SegmentCount> m_bars;
    std::array<QPolygonF, SegmentCount> m_glows;
    std::array<QPolygonF, SegmentCount> m_cores;
    int m_columns = 2; // lamp intervals across
    double m_lampDiameter = 0;
    // Lamps between the end nodes of each segment, then the corner lamps.
    std::array<std::vector<QPointF>, SegmentCount> m_lamps;
    std::array<QPointF, 6> m_corners;
    // Glyph images by lit and present segments, for one pixel ratio and pair of colours.
    mutable std::map<uint16_t, QImage> m_images;
    mutable qreal m_imageRatio = 0;
    mutable QColor m_imageLit;
    mutable QColor m_imageBack;
};

} // namespace tallyard::sevenseg
