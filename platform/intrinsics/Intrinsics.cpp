// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/Intrinsics.h"

#include "platform/intrinsics/ComboBox.h"
#include "platform/intrinsics/CommandButton.h"
#include "platform/intrinsics/CommonDialog.h"
#include "platform/forms/ControlRegistry.h"
#include "platform/intrinsics/Frame.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/Label.h"
#include "platform/intrinsics/MMControl.h"
#include "platform/intrinsics/OptionButton.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/intrinsics/RichTextBox.h"
#include "platform/intrinsics/SSTab.h"
#include "platform/intrinsics/ScrollBar.h"
#include "platform/forms/Shape.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/intrinsics/TimerControl.h"

namespace tallyard {

void registerIntrinsicControls()
{
    installFontSubstitutions();
    registerControlClass<Label>();
    registerControlClass<TextBox>();
    registerControlClass<PictureBox>();
    registerControlClass<Image>();
    registerControlClass<Shape>();
    registerControlClass<Frame>();
    registerControlClass<CommandButton>();
    registerControlClass<OptionButton>();
    registerControlClass<ComboBox>();
    registerControlClass<HScrollBar>();
    registerControlClass<VScrollBar>();
    registerControlClass<TimerControl>();
    registerControlClass<SSTab>();
    registerControlClass<MMControl>();
    registerControlClass<CommonDialog>();
    registerControlClass<RichTextBox>();
}

} // namespace tallyard
