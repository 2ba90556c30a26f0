// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// How an LED digit looks: its height-to-width ratio and its drawing style. The cells draw
// by these; the control library publishes them to its hosts under its own namespace.

#include "tallyard_components_export.h"

#include <QObject>

#include <cstdint>

namespace tallyard::led {
Q_NAMESPACE_EXPORT(TALLYARD_COMPONENTS_EXPORT)

// Digit height to width: the name's first figure is the height, the second the width.
enum DigitRatioEnum : int32_t {
    Size_H5_W3 = 53,
    Size_H7_W4 = 74,
    Size_H9_W5 = 95,
    Size_H11_W6 = 116,
    Size_H13_W7 = 137
};
Q_ENUM_NS(DigitRatioEnum)

// Segment digits drawn as bars ("Lines"), or as rows of round lamps ("Dots").
enum LEDType : int32_t { Ortagon = 0, CircleLED = 1 };
Q_ENUM_NS(LEDType)

// The digit width for a height, from a DigitRatio value; an unknown value is 7:4.
constexpr double widthPerHeight(int32_t digitRatio)
{
    switch (digitRatio) {
    case Size_H5_W3:
        return 3.0 / 5.0;
    case Size_H9_W5:
        return 5.0 / 9.0;
    case Size_H11_W6:
        return 6.0 / 11.0;
    case Size_H13_W7:
        return 7.0 / 13.0;
    default:
        return 4.0 / 7.0;
    }
}

} // namespace tallyard::led
