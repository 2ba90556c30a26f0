#include "scoreboard/modules/modStretch.h"

#include "platform/Form.h"
#include "platform/ProgramInfo.h"
#include "platform/Properties.h"

namespace tallyard::modStretch {

namespace {

QList<ControlLayout> LayoutRecords;
int16_t DesignScaleWidth = 0;
int16_t DesignScaleHeight = 0;

int16_t recordOf(const Control *control, QStringView name)
{
    return variantToInt16(getProperty(control, name));
}

} // namespace

double AtLeastOne(double x)
{
    return x < 1 ? 1 : x;
}

void RecordLayout(Form *form)
{
    LayoutRecords.clear();
    DesignScaleHeight = toInt16(form->ScaleHeight());
    DesignScaleWidth = toInt16(form->ScaleWidth());
    for (Control *control : form->Controls()) {
        const QString type = typeName(control);
        ControlLayout r;
        if (type == u"LEDDisplay") {
            r.LightDiameter = recordOf(control, u"LightDiameter");
            r.LightSpacing = toInt16(variantToDouble(getProperty(control, u"LightSpacing")) + 15);
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
        LayoutRecords << r;
    }
}

void StretchControls(Form *form)
{
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
    for (const ControlLayout &r : std::as_const(LayoutRecords)) {
        Control *c = r.control;
        if (!c)
            continue;
        runGuarded("StretchControls", [&] {
            const bool onForm = c->parentWidget() == form;
            setProperty(c, u"Left", (onForm ? offsetX : 0) + r.Left * f);
            setProperty(c, u"Top", (onForm ? offsetY : 0) + r.Top * f);
            if (r.FontSize)
                setProperty(c, u"FontSize", AtLeastOne(r.FontSize * f));
            if (r.Width)
                setProperty(c, u"Width", AtLeastOne(r.Width * f));
            if (r.Height)
                setProperty(c, u"Height", AtLeastOne(r.Height * f));
            if (r.BorderWidth)
                setProperty(c, u"BorderWidth", AtLeastOne(r.BorderWidth * f));
            if (r.LightDiameter)
                setProperty(c, u"LightDiameter", AtLeastOne(r.LightDiameter * f));
            if (r.LightSpacing)
                setProperty(c, u"LightSpacing", AtLeastOne(r.LightSpacing - 15) * f);
            if (r.Size)
                setProperty(c, u"Size", AtLeastOne(r.Size * f));
            if (r.PaddingH)
                setProperty(c, u"PaddingH", AtLeastOne(r.PaddingH * f));
            if (r.PaddingV)
                setProperty(c, u"PaddingV", AtLeastOne(r.PaddingV * f));
            if (r.PaddingI)
                setProperty(c, u"PaddingI", AtLeastOne(r.PaddingI * f));
            if (r.PaddingD)
                setProperty(c, u"PaddingD", AtLeastOne(r.PaddingD * f));
        });
    }
    form->setUpdatesEnabled(true);
    form->update();
}

void FitPicture(Control *image, Control *container, const QString &path)
{
    setProperty(image, u"Visible", false);
    setProperty(image, u"Stretch", false);
    if (path.isEmpty()) {
        setProperty(image, u"Picture", QString());
    } else if (fileExists(path)) {
        try {
            setProperty(image, u"Picture", path);
            const double w = variantToDouble(getProperty(image, u"PictureWidth"));
            const double h = variantToDouble(getProperty(image, u"PictureHeight"));
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
            setProperty(image, u"Picture", QString());
        }
    }
    setProperty(image, u"Stretch", true);
    setProperty(image, u"Visible", true);
}

const QList<ControlLayout> &layoutRecords()
{
    return LayoutRecords;
}

int16_t designScaleWidth()
{
    return DesignScaleWidth;
}

int16_t designScaleHeight()
{
    return DesignScaleHeight;
}

} // namespace tallyard::modStretch
