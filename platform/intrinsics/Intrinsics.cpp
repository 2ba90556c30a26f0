#include "platform/Intrinsics.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/ControlRegistry.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/SSTab.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "platform/TimerControl.h"

namespace tallyard {

namespace {

template <typename T>
void add(const char *progId)
{
    registerControl(QString::fromLatin1(progId), [](QWidget *parent) -> Control * { return new T(parent); });
}

} // namespace

void registerIntrinsicControls()
{
    installFontSubstitutions();
    add<Label>("VB.Label");
    add<TextBox>("VB.TextBox");
    add<PictureBox>("VB.PictureBox");
    add<Image>("VB.Image");
    add<Frame>("VB.Frame");
    add<CommandButton>("VB.CommandButton");
    add<OptionButton>("VB.OptionButton");
    add<ComboBox>("VB.ComboBox");
    add<HScrollBar>("VB.HScrollBar");
    add<VScrollBar>("VB.VScrollBar");
    add<TimerControl>("VB.Timer");
    add<SSTab>("TabDlg.SSTab");
    add<SSTab>("VB.SSTab");
}

} // namespace tallyard
