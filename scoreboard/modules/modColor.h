// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Colours and digit style applied to any form's controls, reached by name and told apart by
// their type names.

#include <QList>

#include <cstdint>

class QObject;

namespace tallyard {
class Form;
}

namespace tallyard::modColor {

// BackColor := ColorLEDBack, then LitColor := litColor, on one control or on every member
// of a control array (anything with a Count).
void SetLEDColors(QObject *target, int32_t litColor);
// Labels take ColorBorder as text colour, picture boxes ColorLEDBack as background, shapes
// ColorLEDBack as border; the controls in skip are left alone.
void ColorControls(Form *form, const QList<QObject *> &skip);
// Every TimeLED, NumberLED and Ortagon of the form takes the digit style.
void SetLEDType(Form *form, int16_t value);

} // namespace tallyard::modColor
