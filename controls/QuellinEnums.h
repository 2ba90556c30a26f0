// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The enumerations the control library publishes to its hosts.

#include "quellin_export.h"
#include "components/LEDStyle.h"

#include <QObject>

#include <cstdint>

namespace quellin {
Q_NAMESPACE_EXPORT(QUELLIN_EXPORT)

enum CountDirectionType : int32_t { Down = 0, Up = 1 };
Q_ENUM_NS(CountDirectionType)

// The digit ratios and styles of the LED cells the displays are built from.
using tallyard::led::DigitRatioEnum;
using tallyard::led::LEDType;
using enum tallyard::led::DigitRatioEnum;
using enum tallyard::led::LEDType;

} // namespace quellin
