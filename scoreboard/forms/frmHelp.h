// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The help window: the operator's help document, delivered beside the program, in a
// read-only rich-text box that follows the window's size. It does not block the window
// that opened it; there is one, shown again when it is asked for while open.

#include "platform/forms/Form.h"

namespace tallyard {

class frmHelp : public Form {
    Q_OBJECT

public:
    explicit frmHelp(QWidget *parent = nullptr);

    // Shown when the help document is missing (or cannot be read as a help document).
    static QString missingFileMessage();
    // The help document's place: the folder of the program's own files.
    static QString helpFilePath();

    Control *rtbHelp = nullptr;

private:
    void Form_Load();
    void Form_Resize();
};

} // namespace tallyard
