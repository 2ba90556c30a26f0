// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A form's design as one readable table: each row one element with its kind (a ProgID),
// container, twip geometry, tab index, design-time properties (set by name, in order) and,
// for library controls, the property bag the control loads itself from.

#include "tallyard_forms_export.h"
#include "platform/forms/Form.h"

#include <QStringList>

#include <span>

class QTranslator;

namespace tallyard {

struct TALLYARD_FORMS_EXPORT ElementDesign {
    const char *name;
    const char *progId;    // "VB.Label", "Quellin.TimeLED", ...
    const char *container; // nullptr: the form itself
    double left, top, width, height;
    int tabIndex;           // -1: not in the tab order (also for controls that never take focus)
    const char *properties; // "Caption = \"Routine\"" lines, set by name after loading
    const char *bag;        // design-time property bag text, or nullptr for InitProperties
    int tab = -1;           // the page of a tabbed container the element lies on; -1: none
};

// The language a design's texts (captions, a box's first text, tool tips) are shown in:
// looked up under the context, in the translator or, without one, in the application's
// translators. Without a context the texts stay as designed.
struct DesignLanguage {
    const char *context = nullptr;
    const QTranslator *translator = nullptr;
};

// Creates every element on the form in table order: geometry first, then the control's
// persistence (its bag, or InitProperties), then the listed properties, their texts in the
// design's language; adds each to the form's collection and orders the focus chain by tab
// index. Throws on an unknown ProgID, container or property: a design table is code, and a
// fault in it must show at once.
TALLYARD_FORMS_EXPORT void loadDesign(Form *form, std::span<const ElementDesign> design,
                                      const DesignLanguage &language = {});

// The texts of a design a reader sees, in table order, once each: what translators are given.
TALLYARD_FORMS_EXPORT QStringList designTexts(std::span<const ElementDesign> design);

} // namespace tallyard
