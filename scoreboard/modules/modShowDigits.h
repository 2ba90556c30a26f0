// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The gymnast number: digits collected out of sight and committed with Enter, or a sign and
// one digit that add to or subtract from the number shown at once.

#include <QString>

class QObject;

namespace tallyard::modShowDigits {

// Feeds one character typed on the number display (character codes as KeyCodeToAsci gives);
// true when it committed a number (Enter, or a sign and a digit) and the display took it.
bool NumberEntryKey(QObject *control, qint16 ch, qint16 minimum, qint16 maximum);
// Applies a committed entry: a character 0 clears the number (-1), digits set it, "+" or "-"
// and digits add or subtract; a result outside minimum..maximum changes nothing. True when
// the display took a number.
bool ShowDigits(QObject *control, const QString &entry, qint16 minimum, qint16 maximum);

QString numberDigits();
void resetState();

} // namespace tallyard::modShowDigits
