// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/hall/BoardDesign.h"

#include "components/LEDStyle.h"
#include "components/NumberLED.h"
#include "controls/TimeLED.h"
#include "platform/core/Properties.h"
#include "platform/forms/Shape.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/i18n/Language.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstring>

namespace tallyard::hall {

namespace {

bool isShownToTheAudience(const ElementDesign &element)
{
    for (const char *progId : {"Quellin.TimeKeeper", "MCI.MMControl", "VB.Timer"})
        if (std::strcmp(element.progId, progId) == 0)
            return false;
    return std::strcmp(element.name, "shpObjectSelected") != 0;
}

double rounded(double twips)
{
    return std::round(twips * 10) / 10;
}

QJsonObject box(double left, double top, double width, double height)
{
    return {{"x", rounded(left)}, {"y", rounded(top)}, {"w", rounded(width)}, {"h", rounded(height)}};
}

QJsonObject boxOf(const Control *control, QPointF origin)
{
    return box(origin.x() + control->Left(), origin.y() + control->Top(), control->Width(), control->Height());
}

const char *ratioName(int32_t ratio)
{
    return ratio == led::Size_H9_W5 ? "9:5" : "7:4";
}

// A cell's digit positions in board twips, from its own layout.
QJsonArray digitsOf(const NumberLED *cell, QPointF cellOrigin)
{
    QJsonArray digits;
    for (const NumberLED::DigitBox &digit : cell->digitBoxes()) {
        QJsonObject json
            = box(cellOrigin.x() + digit.box.x() * TwipsPerPixel, cellOrigin.y() + digit.box.y() * TwipsPerPixel,
                  digit.box.width() * TwipsPerPixel, digit.box.height() * TwipsPerPixel);
        if (digit.half)
            json.insert("half", true);
        digits.append(json);
    }
    return digits;
}

QJsonObject cellJson(const NumberLED *cell, QPointF origin)
{
    QJsonObject json = boxOf(cell, origin);
    json.insert("max", cell->Max());
    json.insert("ratio", QLatin1String(ratioName(cell->DigitRatio())));
    json.insert("digits", digitsOf(cell, origin + QPointF(cell->Left(), cell->Top())));
    return json;
}

QJsonObject clockJson(const quellin::TimeLED *clock, QPointF origin)
{
    QJsonObject json = boxOf(clock, origin);
    const QPointF inside = origin + QPointF(clock->Left(), clock->Top());
    QJsonArray cells;
    QJsonArray dots;
    for (int i = 0; i < clock->cellCount(); ++i) {
        cells.append(cellJson(clock->cell(i), inside));
        if (i + 1 < clock->cellCount())
            for (const Shape *dot : {clock->topDot(i), clock->bottomDot(i)})
                dots.append(boxOf(dot, inside));
    }
    json.insert("cells", cells);
    json.insert("dots", dots);
    return json;
}

// Which of the board's captions a label shows, by its text in the board's language.
QString captionKey(const QString &shown)
{
    for (const auto &[key, source] : {std::pair{"routine", "Routine"}, std::pair{"fall", "Fall"},
                                      std::pair{"warmup", "Warm-Up"}, std::pair{"score", "Score"}})
        if (shown == language::boardText(source))
            return QLatin1String(key);
    return {};
}

} // namespace

std::vector<ElementDesign> audienceDesign()
{
    std::vector<ElementDesign> design;
    for (const ElementDesign &element : frmScoreboard::designTable())
        if (isShownToTheAudience(element))
            design.push_back(element);
    return design;
}

QByteArray boardDesignJson()
{
    const std::vector<ElementDesign> design = audienceDesign();
    Form form;
    form.setClientSize(frmScoreboard::DesignScaleWidth, frmScoreboard::DesignScaleHeight);
    loadDesign(&form, design, language::boardDesignLanguage());
    QHash<QString, QPointF> origins; // each container's place on the board
    QJsonObject elements;
    for (const ElementDesign &element : design) {
        const QString name = QLatin1String(element.name);
        Control *control = form.control(name);
        if (!control)
            continue;
        const QPointF origin = element.container ? origins.value(QLatin1String(element.container)) : QPointF();
        origins.insert(name, origin + QPointF(control->Left(), control->Top()));
        QJsonObject json = boxOf(control, origin);
        const QString type = typeName(control);
        json.insert("kind", type);
        if (auto *clock = qobject_cast<quellin::TimeLED *>(control)) {
            json = clockJson(clock, origin);
            json.insert("kind", type);
        } else if (auto *cell = qobject_cast<NumberLED *>(control)) {
            json = cellJson(cell, origin);
            json.insert("kind", type);
        } else if (type == u"Label" || type == u"TextBox") {
            json.insert("fontSize", variantToDouble(getPropertyByName(control, u"FontSize")));
            json.insert("alignment", variantToInt32(getPropertyByName(control, u"Alignment")));
            const QString shown = getPropertyByName(control, type == u"Label" ? u"Caption" : u"Text").toString();
            json.insert("text", shown);
            if (const QString key = captionKey(shown); !key.isEmpty())
                json.insert("caption", key);
        }
        elements.insert(name, json);
    }
    const QJsonObject root{
        {"width", frmScoreboard::DesignScaleWidth},
        {"height", frmScoreboard::DesignScaleHeight},
        {"elements", elements},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace tallyard::hall
