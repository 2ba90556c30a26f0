// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The dispatch identifiers Quellin publishes, each written once: the classes declare their
// members' ids from these lists, and hosts call the members by the constants below
// (quellin::dispid::TimeLED::Caption).

#include "platform/core/Properties.h"

#include <cstdint>

#define QUELLIN_TIMEKEEPER_DISPIDS(X)                                                                                  \
    X(Running, 0x68030000)                                                                                             \
    X(CountDirection, 0x68030001)                                                                                      \
    X(TimeSec, 0x68030002)                                                                                             \
    X(TimeSecV2, 0x68030003)                                                                                           \
    X(UpdateBetweenTime, 0x60030007)

#define QUELLIN_TIMELED_DISPIDS(X)                                                                                     \
    X(SeparatorColor, 0x68030000)                                                                                      \
    X(ShowSeparators, 0x68030001)                                                                                      \
    X(GroupDividers, 0x68030002)                                                                                       \
    X(GroupLengths, 0x68030003)                                                                                        \
    X(DigitRatio, 0x68030004)                                                                                          \
    X(LEDType, 0x68030005)                                                                                             \
    X(Caption, 0x68030006)                                                                                             \
    X(LitColor, 0x68030007)                                                                                            \
    X(BackColor, 0x68030008)                                                                                           \
    X(PaddingI, 0x68030009)                                                                                            \
    X(PaddingV, 0x6803000A)                                                                                            \
    X(PaddingH, 0x6803000B)                                                                                            \
    X(Size, 0x6803000C)                                                                                                \
    X(PaddingD, 0x6803000D)

namespace quellin::dispid {
namespace TimeKeeper {
QUELLIN_TIMEKEEPER_DISPIDS(TALLYARD_DISPID_CONSTANT)
}
namespace TimeLED {
QUELLIN_TIMELED_DISPIDS(TALLYARD_DISPID_CONSTANT)
}
} // namespace quellin::dispid
