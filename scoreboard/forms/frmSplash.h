// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The start-up panel: loads the settings, shows the program's name and version, and opens
// the board at a click anywhere on it.

#include "platform/forms/Form.h"

#include <span>

namespace tallyard {

struct ElementDesign;

class frmSplash : public Form {
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    // The panel's design, the texts translators are given among it.
    static std::span<const ElementDesign> designTable();

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
