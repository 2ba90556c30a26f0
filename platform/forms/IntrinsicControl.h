// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// An intrinsic control (label, text box, button, ...): created from a design table by ProgID,
// its design-time values set by property name; and the rules its properties share.

#include "tallyard_forms_export.h"
#include "platform/core/Values.h"
#include "platform/forms/Control.h"

#include <Qt>

namespace tallyard {

// An intrinsic control: created from a design table by ProgID, its design-time values set
// by property name.
class TALLYARD_FORMS_EXPORT IntrinsicControl : public Control {
    Q_OBJECT

public:
    using Control::Control;

    // Sets every value of the bag by property name, in the bag's order ("Name" and "Index"
    // included), a picture last so that it sees the final Stretch and size. An unknown name
    // throws MemberNotFound: a design table is code.
    void ReadProperties(const PropertyBag &bag) override;
};

// 0 left, 1 right, 2 centre, as the Alignment properties number them.
TALLYARD_FORMS_EXPORT Qt::Alignment horizontalAlignment(qint16 alignment);
// Throws InvalidArgument unless low <= value <= high.
TALLYARD_FORMS_EXPORT void checkPropertyRange(int value, int low, int high);

} // namespace tallyard
