// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Proportional scaling of a form: the design geometry is recorded once, and every resize
// scales it by one factor (the smaller of the two ratios), centring the design in the other
// direction. Sizes inside the LED displays and the fonts grow with it.

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>

#include <cstdint>

namespace tallyard {
class Control;
class Form;
} // namespace tallyard

namespace tallyard::modStretch {

struct ControlLayout {
    QPointer<Control> control;
    int16_t Left = 0;
    int16_t Top = 0;
    int16_t Height = 0; // 0: not recorded
    int16_t Width = 0;
    int16_t FontSize = 0;
    int16_t BorderWidth = 0;
    int16_t LightDiameter = 0;
    int16_t LightSpacing = 0;
    int16_t Size = 0;
    int16_t PaddingD = 0;
    int16_t PaddingI = 0;
    int16_t PaddingH = 0;
    int16_t PaddingV = 0;
};

double AtLeastOne(double x);
// Loads the picture at path into image and fits it, centred, into container, keeping its
// proportions. An empty path clears the image; a path that names no file keeps the old
// picture; a file that is not a readable picture shows no picture.
void FitPicture(Control *image, Control *container, const QString &path);
void RecordLayout(Form *form);
void StretchControls(Form *form);

// Every property a resize sets: the position and the sizes it scales.
const QList<QByteArray> &scaledProperties();

// The design recorded for form (empty before its RecordLayout).
const QList<ControlLayout> &layoutRecords(const Form *form);
int16_t designScaleWidth(const Form *form);
int16_t designScaleHeight(const Form *form);

} // namespace tallyard::modStretch
