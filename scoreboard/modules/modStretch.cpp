// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/modules/modStretch.h"

#include "platform/forms/Form.h"
#include "platform/system/ProgramInfo.h"
#include "platform/core/Properties.h"

#include <QHash>

namespace tallyard::modStretch {

namespace {

// Each form scales from its own recorded design: the board, and the audience's copy of it.
struct FormLayout {
    QList<ControlLayout> records;
    int16_t designScaleWidth = 0;
    int16_t designScaleHeight = 0;
};
QHash<const Form *, FormLayout> &layouts()
{
    static QHash<const Form *, FormLayout> all;
    return all;
}
const FormLayout &layoutOf(const Form *form)
{
    static const FormLayout none;
    const auto found = layouts().constFind(form);
    return found == layouts().constEnd() ? none : *found;
}

int16_t recordOf(const Control *control, QStringView name)
{
    return variantToInt16(getPropertyByName(control, name));
}

// The sizes a resize scales, in the order it sets them: the outer ones, then (after the lamp
// spacing) those inside the LED displays.
struct ScaledField {
    const char16_t *name;
    int16_t ControlLayout::*value;
};
constexpr ScaledField sizeFields[] = {{u"FontSize", &ControlLayout::FontSize},
                                      {u"Width", &ControlLayout::Width},
                                      {u"Height", &ControlLayout::Height},
                                      {u"BorderWidth", &ControlLayout::BorderWidth},
                                      {u"LightDiameter", &ControlLayout::LightDiameter}};
constexpr ScaledField ledFields[] = {{u"Size", &ControlLayout::Size},
                                     {u"PaddingH", &ControlLayout::PaddingH},
                                     {u"PaddingV", &ControlLayout::PaddingV},
                                     {u"PaddingI", &ControlLayout::PaddingI},
                                     {u"PaddingD", &ControlLayout::PaddingD}};

} // namespace

const QList<QByteArray> &scaledProperties()
{
    static const QList<QByteArray> names = [] {
        QList<QByteArray> all{"Left", "Top", "LightSpacing"};
        for (const ScaledField &field : sizeFields)
            all << QString::fromUtf16(field.name).toLatin1();
        for (const ScaledField &field : ledFields)
            all << QString::fromUtf16(field.name).toLatin1();
        return all;
    }();
    return names;
}

double AtLeastOne(double x)
{
    return x < 1 ? 1 : x;
}

void RecordLayout(Form *form)
{
    if (!layouts().contains(form))
        QObject::connect(form, &QObject::destroyed, [form] { layouts().remove(form); });
    FormLayout &layout = layouts()[form];
    layout.records.clear();
    layout.designScaleHeight = toInt16(form->ScaleHeight());
    layout.designScaleWidth = toInt16(form->ScaleWidth());
    for (Control *control : form->Controls()) {
        const QString type = typeName(control);
        ControlLayout r;
        if (type == u"LEDDisplay") {
            r.LightDiameter = recordOf(control, u"LightDiameter");
            r.LightSpacing = toInt16(variantToDouble(getPropertyByName(control, u"LightSpacing")) + 15);
        } else if (type == u"Ortagon") {
            r.Size = recordOf(control, u"Size");
        } else if (type == u"NumberLED" || type == u"TimeLED") {
            r.Size = recordOf(control, u"Size");
            r.PaddingH = recordOf(control, u"PaddingH");
            r.PaddingV = recordOf(control, u"PaddingV");
            r.PaddingI = recordOf(control, u"PaddingI");
            if (type == u"TimeLED")
                r.PaddingD = recordOf(control, u"PaddingD");
        } else if (type == u"PictureBox" || type == u"Image") {
            r.Height = recordOf(control, u"Height");
            r.Width = recordOf(control, u"Width");
        } else if (type == u"Label" || type == u"TextBox") {
            r.Height = recordOf(control, u"Height");
            r.Width = recordOf(control, u"Width");
            r.FontSize = recordOf(control, u"FontSize");
        } else if (type == u"Shape") {
            r.Height = recordOf(control, u"Height");
            r.Width = recordOf(control, u"Width");
            r.BorderWidth = recordOf(control, u"BorderWidth");
        } else {
            continue;
        }
        r.control = control;
        r.Left = recordOf(control, u"Left");
        r.Top = recordOf(control, u"Top");
        layout.records << r;
    }
}

void StretchControls(Form *form)
{
    const FormLayout &layout = layoutOf(form);
    const int16_t DesignScaleWidth = layout.designScaleWidth;
    const int16_t DesignScaleHeight = layout.designScaleHeight;
    if (form->WindowState() == Form::Minimized || DesignScaleWidth == 0 || DesignScaleHeight == 0)
        return;
    // Painting is held off while the controls move, so the board never shows half a layout.
    form->setUpdatesEnabled(false);
    const float heightRatio = static_cast<float>(form->ScaleHeight() / DesignScaleHeight);
    const float widthRatio = static_cast<float>(form->ScaleWidth() / DesignScaleWidth);
    float factor = 0;
    double offsetX = 0;
    double offsetY = 0;
    if (widthRatio >= heightRatio) {
        factor = heightRatio;
        offsetX = roundHalfEven((form->ScaleWidth() - DesignScaleWidth * double(factor)) / 2);
    } else {
        factor = widthRatio;
        offsetY = roundHalfEven((form->ScaleHeight() - DesignScaleHeight * double(factor)) / 2);
    }
    const double f = factor;
    for (const ControlLayout &r : layout.records) {
        Control *c = r.control;
        if (!c)
            continue;
        runGuarded("StretchControls", [&] {
            const bool onForm = c->parentWidget() == form;
            setPropertyByName(c, u"Left", (onForm ? offsetX : 0) + r.Left * f);
            setPropertyByName(c, u"Top", (onForm ? offsetY : 0) + r.Top * f);
            for (const ScaledField &field : sizeFields)
                if (r.*field.value)
                    setPropertyByName(c, field.name, AtLeastOne(r.*field.value * f));
            // The lamp spacing was recorded 15 more; the minimum applies before the scaling.
            if (r.LightSpacing)
                setPropertyByName(c, u"LightSpacing", AtLeastOne(r.LightSpacing - 15) * f);
            for (const ScaledField &field : ledFields)
                if (r.*field.value)
                    setPropertyByName(c, field.name, AtLeastOne(r.*field.value * f));
        });
    }
    form->setUpdatesEnabled(true);
    form->update();
}

void FitPicture(Control *image, Control *container, const QString &path)
{
    setPropertyByName(image, u"Visible", false);
    setPropertyByName(image, u"Stretch", false);
    if (path.isEmpty()) {
        setPropertyByName(image, u"Picture", QString());
    } else if (fileExists(path)) {
        try {
            setPropertyByName(image, u"Picture", path);
            // Both sides as doubles: a phone photo is far taller than 16 bits of twips hold.
            const double w = variantToDouble(getPropertyByName(image, u"PictureWidth"));
            const double h = variantToDouble(getPropertyByName(image, u"PictureHeight"));
            const double W = container->Width();
            const double H = container->Height();
            if (w <= 0 || h <= 0 || W <= 0 || H <= 0)
                throw InvalidArgument();
            double width = 0;
            double height = 0;
            if (h / H > w / W) {
                height = H;
                width = height * w / h;
            } else {
                width = W;
                height = width * h / w;
            }
            image->Move((W - width) / 2, (H - height) / 2, width, height);
        } catch (const RuntimeError &) {
            // Not a picture we can show: the box stays empty and the board carries on.
            setPropertyByName(image, u"Picture", QString());
        }
    }
    setPropertyByName(image, u"Stretch", true);
    setPropertyByName(image, u"Visible", true);
}

const QList<ControlLayout> &layoutRecords(const Form *form)
{
    return layoutOf(form).records;
}

int16_t designScaleWidth(const Form *form)
{
    return layoutOf(form).designScaleWidth;
}

int16_t designScaleHeight(const Form *form)
{
    return layoutOf(form).designScaleHeight;
}

} // namespace tallyard::modStretch
