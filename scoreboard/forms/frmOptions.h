// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The Options dialog: every setting of the board edited in a working copy (the dialog's own
// controls and the ...Temp variables), applied and stored only by OK. Cancel, Esc and the
// close box change nothing. Keys are assigned by clicking a key label and pressing a key.

#include "platform/forms/Form.h"

#include <span>

namespace tallyard {

class ComboBox;
struct ElementDesign;
class CommandButton;
class CommonDialog;
class Image;
class Label;
class OptionButton;
class PictureBox;
class SSTab;
class ScrollBar;
class TextBox;

class frmOptions : public Form {
    Q_OBJECT

public:
    explicit frmOptions(QWidget *owner = nullptr);

    // The dialog's design, the texts translators are given among it.
    static std::span<const ElementDesign> designTable();

    // The key's name on a key label; empty for a key that cannot be assigned.
    static QString KeyCodeToStr(qint16 KeyCode);
    // The name of the key label that holds the key, or "None".
    QString IsKeyInUse(qint16 KeyCode) const;
    // Every key label shows the name of the key its Tag holds.
    void SetKeyTextFromTags();
    // Starts a capture on the label, moves it there from another label, or (a second click
    // on the capturing label) cancels it.
    void ChooseKey(Control *label);
    // A key pressed during a capture (-1: the capture is abandoned).
    void KeyChosen(qint16 KeyCode);

    // The sound file as lblBFile shows it.
    static QString soundFileCaption(const QString &path);

    // The dialog's variables of the working copy.
    QString BuzzTemp;
    QString HomePicTemp;
    QString VisitorPicTemp;
    // The key label that is capturing, or nullptr.
    Control *ReturnKeyToObj = nullptr;

    // The dialog's own elements by their classes; the preview cell, an LED component from
    // outside, as a plain control reached late-bound.
    SSTab *SSTab1 = nullptr;
    CommandButton *cmdOk = nullptr;
    CommandButton *cmdCancel = nullptr;
    CommonDialog *cdColors = nullptr;
    TextBox *txtGetKey = nullptr;
    CommandButton *cmdResetKeys = nullptr;
    CommandButton *cmdResetColors = nullptr;
    CommandButton *cmdResetAdditSetttings = nullptr;
    OptionButton *optNormal = nullptr;
    OptionButton *optKeepOn = nullptr;
    OptionButton *optKeepOff = nullptr;
    Label *lblLEDSelectedWidthValue = nullptr;
    ScrollBar *scrLEDSelectedWidth = nullptr;
    ComboBox *cmbLedType = nullptr;
    Control *pledPreview = nullptr;
    Label *lblBFile = nullptr;
    Image *imgHomePicPreview = nullptr;
    Image *imgVisitorPicPreview = nullptr;
    PictureBox *picHomePicPreviewCon = nullptr;
    PictureBox *picVisitorPicPreviewCon = nullptr;

private:
    void Form_Load();
    void cmdOk_Click();
    bool confirm(const QString &prompt, const QString &title);
    void cmdResetColors_Click();
    void cmdResetKeys_Click();
    void cmdResetAdditSetttings_Click();
    void chooseColor(Control *swatch);
    void choosePicture(QString &path, Control *image, Control *container);
    void clearPicture(QString &path, Control *image);
    void cmdBuzzerSound_Click();
    void connectHandlers();
    QList<Control *> keyLabels() const;
    void restoreLabel(Control *label);
};

} // namespace tallyard
