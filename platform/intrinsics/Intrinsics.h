#pragma once
// The intrinsic controls of the forms, creatable by ProgID: "VB.Label", "VB.TextBox",
// "VB.PictureBox", "VB.Image", "VB.Frame", "VB.CommandButton", "VB.OptionButton",
// "VB.ComboBox", "VB.HScrollBar", "VB.VScrollBar", "VB.Timer", and the tab control
// "TabDlg.SSTab" (also "VB.SSTab").

namespace tallyard {

// Registers them all and installs the font substitutions they draw with. Safe to call
// more than once.
void registerIntrinsicControls();

} // namespace tallyard
