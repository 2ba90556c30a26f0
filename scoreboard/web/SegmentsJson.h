// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The LED digits' shapes, for the web pages to draw the board's digits as the board does.

#include <QByteArray>

namespace tallyard {

// The seven-segment shapes the board paints with, for each digit ratio the board uses, in a
// digit box of that ratio: bars (glow, unlit, lit and core layers) and lamps.
QByteArray segmentsJson();

} // namespace tallyard
