// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Text in the encodings the files an operator hands us come in, decoded without Qt's optional
// code-page converters.

#include <QByteArrayView>
#include <QString>

namespace tallyard {

// Windows-1252 (Western European), what Windows programs in Europe save by default: Latin-1
// but for 0x80..0x9F, whose five unused codes map to themselves, as Windows maps them.
QString decodeWindows1252(QByteArrayView bytes);

} // namespace tallyard
