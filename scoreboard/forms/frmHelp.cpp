// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/forms/frmHelp.h"

#include "platform/core/Properties.h"
#include "platform/forms/FormDesign.h"
#include "platform/intrinsics/RichTextBox.h"
#include "platform/system/ProgramInfo.h"

namespace tallyard {

namespace {

constexpr ElementDesign design[] = {
    {"rtbHelp", "RichTextLib.RichTextBox", nullptr, 120, 0, 10815, 8850, 0,
     R"(
     BackColor = 0xFFFFFF
     FontName = "Arial"
     FontSize = 9.75
     Locked = True)",
     nullptr},
};

// The smallest outer size the window keeps, and what the text area leaves around it.
constexpr double MinimumWidth = 2700;
constexpr double MinimumHeight = 1700;
constexpr double WidthAround = 240;
constexpr double HeightAround = 420;
// Lines wrap this far inside the text area's right edge, clear of the scroll bar.
constexpr double WrapInset = 450;

} // namespace

frmHelp::frmHelp(QWidget *parent) : Form(parent)
{
    setCaption(tr("Tallyard Help"));
    setBackColor(0xFFFFFF);
    setBorderStyle(Sizable);
    setClientSize(11055, 9270);
    loadDesign(this, design, {metaObject()->className()});
    rtbHelp = control(QStringLiteral("rtbHelp"));
    connect(this, &Form::Resize, this, [this] { Form_Resize(); });
    Form_Load();
    Form_Resize();
}

QString frmHelp::missingFileMessage()
{
    return tr("Help file has been moved from its normal location.  Please reinstall the program.");
}

QString frmHelp::helpFilePath()
{
    return programDataFolder() + QStringLiteral("/tallyardhelpfile.rtf");
}

void frmHelp::Form_Load()
{
    auto *box = qobject_cast<RichTextBox *>(rtbHelp);
    // A file that is there but is no readable help document says the same as a missing
    // one: the installation needs repair either way.
    if (!fileExists(helpFilePath()) || !box->LoadFile(helpFilePath()))
        box->setText(missingFileMessage());
}

void frmHelp::Form_Resize()
{
    if (WindowState() == Minimized)
        return;
    if (Height() < MinimumHeight)
        setHeight(MinimumHeight);
    if (Width() < MinimumWidth)
        setWidth(MinimumWidth);
    const double width = Width() - WidthAround;
    rtbHelp->setWidth(width);
    rtbHelp->setHeight(Height() - HeightAround);
    setPropertyByName(rtbHelp, u"RightMargin", std::max(0.0, width - WrapInset));
    rtbHelp->update();
}

} // namespace tallyard
