// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The board's face as copies of it elsewhere need it: the elements the audience sees (not the
// clocks' models, the sound, the timer or the selection outline), and their laid-out geometry
// as JSON for the web pages, measured from the real controls built from the board's design.

#include "platform/forms/FormDesign.h"

#include <QByteArray>

#include <vector>

namespace tallyard::hall {

// The board's design without what the audience does not see.
std::vector<ElementDesign> audienceDesign();

// The board's face in its own twips: its size and, by element name, each element's box with
// what a copy needs to draw it (a text's font size and alignment, which board caption a label
// is, every LED digit's box and whether it is a half digit, a clock's dots). Built once from
// real controls; needs the application object and the program's controls registered.
QByteArray boardDesignJson();

} // namespace tallyard::hall
