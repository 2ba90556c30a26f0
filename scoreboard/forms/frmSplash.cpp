// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/forms/frmSplash.h"

#include "platform/forms/FormDesign.h"
#include "platform/core/Properties.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/Version.h"
#include "scoreboard/forms/Forms.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/settings/Settings.h"

namespace tallyard {

namespace {

#define SMALL_FONT                                                                                                     \
    "\nFontName = \"MS Sans Serif\""                                                                                   \
    "\nFontSize = 8.25"
// The two hints are long for their width; a narrow face keeps each on its line.
#define HINT_FONT                                                                                                      \
    "\nFontName = \"Arial Narrow\""                                                                                    \
    "\nFontSize = 8.25"

// Everything lies inside the frame; positions are relative to it.
constexpr ElementDesign design[] = {
    {"frameSplash", "VB.Frame", nullptr, 120, 0, 6000, 3120, 0, R"(
     Caption = "")",
     nullptr},
    {"lblName", "VB.Label", "frameSplash", 120, 240, 5775, 735, 1,
     R"(
     Caption = "Tallyard"
     Alignment = 2
     BackStyle = 0
     FontName = "Times New Roman"
     FontSize = 21.75)",
     nullptr},
    // Its caption, the program's version, is set at load from the one version number.
    {"lblVersion", "VB.Label", "frameSplash", 3600, 1080, 2175, 375, 2,
     R"(
     Alignment = 1
     BackStyle = 0
     FontName = "Times New Roman"
     FontSize = 15.75)",
     nullptr},
    {"lblClick", "VB.Label", "frameSplash", 2520, 1080, 1335, 255, 3,
     R"(
     Caption = "Click to continue."
     BackStyle = 0)" SMALL_FONT,
     nullptr},
    {"cmdHelp", "VB.CommandButton", "frameSplash", 3120, 2520, 1215, 375, 4, R"(
     Caption = "&Help")" SMALL_FONT,
     nullptr},
    {"cmdOptions", "VB.CommandButton", "frameSplash", 4560, 2520, 1215, 375, 5, R"(
     Caption = "&Options")" SMALL_FONT,
     nullptr},
    {"Label2", "VB.Label", "frameSplash", 2640, 1920, 3255, 375, 6,
     R"(
     Caption = "Press ' F2 ' to set Options from the scoreboard."
     BackStyle = 0)" HINT_FONT,
     nullptr},
    {"Label1", "VB.Label", "frameSplash", 2640, 1680, 3255, 255, 7,
     R"(
     Caption = "Press ' F1 ' to view Help from the scoreboard."
     BackStyle = 0)" HINT_FONT,
     nullptr},
    {"lblMadeBy", "VB.Label", "frameSplash", 4200, 840, 1575, 255, 8,
     R"(
     Caption = "by Osterlin"
     Alignment = 1
     BackStyle = 0)" SMALL_FONT,
     nullptr},
    {"picLogo", "VB.PictureBox", "frameSplash", 360, 840, 1965, 2145, 9, R"(
     BorderStyle = 0
     Picture = ":/logo.png")",
     nullptr},
};

#undef SMALL_FONT
#undef HINT_FONT

} // namespace

std::span<const ElementDesign> frmSplash::designTable()
{
    return design;
}

frmSplash::frmSplash(QWidget *parent) : Form(parent)
{
    setBorderStyle(BorderNone);
    setClientSize(6240, 3210);
    loadDesign(this, design, {metaObject()->className()});
    frameSplash = control(QStringLiteral("frameSplash"));
    lblVersion = control(QStringLiteral("lblVersion"));
    cmdHelp = control(QStringLiteral("cmdHelp"));
    cmdOptions = control(QStringLiteral("cmdOptions"));
    picLogo = control(QStringLiteral("picLogo"));

    connect(this, &Control::Click, this, [this] { GoScore(); });
    for (const char *name :
         {"frameSplash", "picLogo", "lblName", "lblVersion", "lblClick", "lblMadeBy", "Label1", "Label2"})
        connect(control(QString::fromLatin1(name)), &Control::Click, this, [this] { GoScore(); });
    connect(cmdHelp, &Control::Click, this, [] { forms::showHelp(); });
    connect(cmdOptions, &Control::Click, this, [this] { forms::showOptions(this); });
    Form_Load();
}

void frmSplash::Form_Load()
{
    setHeight(3240);
    // 5880, not the panel's own height: the panel sits above the screen's centre.
    setTop((screenHeightTwips() - 5880) / 2);
    setLeft((screenWidthTwips() - Width()) / 2);
    frameSplash->setHeight(3120);
    setPropertyByName(lblVersion, u"Caption",
                      tr("Version %1.%2.%3").arg(version::Major).arg(version::Minor).arg(version::Revision));
    LoadSettings(SettingsStore(ApplicationName));
    cmdHelp->setFocus();
}

void frmSplash::GoScore()
{
    Unload();
    forms::scoreboard()->Show();
}

} // namespace tallyard
