// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The start-up panel: loads the settings, shows the program's name and version, and opens
// the board at a click anywhere on it.

#include "platform/forms/Form.h"

namespace tallyard {

class frmSplash : public Form {
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    // Closes the panel and shows the board.
    void GoScore();

    Control *frameSplash = nullptr;
    Control *lblVersion = nullptr;
    Control *cmdHelp = nullptr;
    Control *cmdOptions = nullptr;
    Control *picLogo = nullptr;

private:
    void Form_Load();
};

} // namespace tallyard
