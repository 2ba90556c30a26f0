// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The program speaks two languages. The operator's (dialogs, messages, the command-line help)
// follows the system locale; the board's (the captions the audience reads) is English unless
// the operator asks for another, so that a German operator may run a board for a French hall.

#include "platform/forms/FormDesign.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tallyard::language {

// The context the board's captions are translated under.
inline constexpr const char *BoardContext = "Board";

// The languages the program has translations for, English (the source) first: "en", "de", ...
QStringList available();

// Installs the operator's language, the system locale's unless told, with Qt's own texts
// (the buttons of a message box, the file dialog) into the running application. Called again
// for each application object; the translations are read once for each locale.
void installOperatorLanguage(const QLocale &locale = QLocale());

// Chooses the board's language by name ("de", "fr_CH", "es-ES"); English takes none. False,
// and the board stays English, when there is no translation for it.
bool setBoardLanguage(const QString &name);

// The board's translator; nullptr while the board is English.
const QTranslator *boardTranslator();

// A caption of the board in the board's language, from its English source ("Routine"): what
// the web views show beside the board.
QString boardText(const char *source);

// How the board's design texts are shown: as designed while the board is English, whatever
// the operator's language.
DesignLanguage boardDesignLanguage();

} // namespace tallyard::language
