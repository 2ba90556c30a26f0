#pragma once
// The enumerations the control library publishes to its hosts.

#include <QObject>

#include <cstdint>

namespace quellin {
Q_NAMESPACE

enum CountDirectionType : int32_t { Down = 0, Up = 1 };
Q_ENUM_NS(CountDirectionType)

// Digit height to width: the name's first figure is the height, the second the width.
enum DigitRatioEnum : int32_t { Size_H5_W3 = 53, Size_H7_W4 = 74, Size_H9_W5 = 95, Size_H11_W6 = 116, Size_H13_W7 = 137 };
Q_ENUM_NS(DigitRatioEnum)

// Segment digits drawn as bars, or as rows of round lamps.
enum LEDType : int32_t { Ortagon = 0, CircleLED = 1 };
Q_ENUM_NS(LEDType)

} // namespace quellin
