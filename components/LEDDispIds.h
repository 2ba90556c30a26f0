// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The dispatch identifiers of the LED cells, each written once: the classes declare their
// members' ids from these lists; hosts call by the constants (tallyard::dispid::NumberLED::Caption).

#include "platform/core/Properties.h"

#include <cstdint>

#define TALLYARD_NUMBERLED_DISPIDS(X)                                                                                  \
    X(DecimalPlaces, 0x68030000)                                                                                       \
    X(WholeNumber, 0x68030001)                                                                                         \
    X(ZeroFill, 0x68030002)                                                                                            \
    X(Max, 0x68030004)                                                                                                 \
    X(DigitRatio, 0x68030005)                                                                                          \
    X(LedType, 0x68030006)                                                                                             \
    X(Caption, 0x68030007)                                                                                             \
    X(LitColor, 0x68030008)                                                                                            \
    X(BackColor, 0x68030009)                                                                                           \
    X(PaddingI, 0x6803000A)                                                                                            \
    X(PaddingH, 0x6803000B)                                                                                            \
    X(PaddingV, 0x6803000C)                                                                                            \
    X(Size, 0x6803000D)

#define TALLYARD_ORTAGON_DISPIDS(X) X(LedType, 0x68030000)

namespace tallyard::dispid {
namespace NumberLED {
TALLYARD_NUMBERLED_DISPIDS(TALLYARD_DISPID_CONSTANT)
}
namespace Ortagon {
TALLYARD_ORTAGON_DISPIDS(TALLYARD_DISPID_CONSTANT)
}
} // namespace tallyard::dispid
