// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/i18n/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <optional>

namespace tallyard::language {

namespace {

// The translations built into the program: :/i18n/tallyard_de.qm, ...
const QString Folder = QStringLiteral(":/i18n");
const QString BaseName = QStringLiteral("tallyard");
const QString Separator = QStringLiteral("_");

struct Translators {
    QTranslator program;
    QTranslator qt;
    std::optional<QLocale> locale;
};

Translators &operatorTranslators()
{
    static Translators translators;
    return translators;
}

std::unique_ptr<QTranslator> &board()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

QStringList available()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

void installOperatorLanguage(const QLocale &locale)
{
    Translators &t = operatorTranslators();
    QCoreApplication::removeTranslator(&t.program);
    QCoreApplication::removeTranslator(&t.qt);
    if (t.locale != locale) {
        t.locale = locale;
        // An English system, or one we have no words for, keeps the source texts (a failed
        // load empties a translator). Qt's own texts come only with ours: a dialog half in
        // the system's language and half in English reads worse than English alone.
        const bool ours = t.program.load(locale, BaseName, Separator, Folder);
        if (!ours
            || !t.qt.load(locale, QStringLiteral("qtbase"), Separator,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            (void)t.qt.load(QString());
    }
    if (!t.program.isEmpty())
        QCoreApplication::installTranslator(&t.program);
    if (!t.qt.isEmpty())
        QCoreApplication::installTranslator(&t.qt);
}

bool setBoardLanguage(const QString &name)
{
    board().reset();
    if (name.trimmed().isEmpty())
        return true;
    const QLocale locale(name.trimmed());
    const QString code = QLocale::languageToCode(locale.language());
    if (code == u"en")
        return true;
    if (!available().contains(code))
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(BaseName + Separator + code, Folder))
        return false;
    board() = std::move(translator);
    return true;
}

const QTranslator *boardTranslator()
{
    return board().get();
}

QString boardText(const char *source)
{
    const QString translation = board() ? board()->translate(BoardContext, source) : QString();
    return translation.isEmpty() ? QString::fromUtf8(source) : translation;
}

DesignLanguage boardDesignLanguage()
{
    return board() ? DesignLanguage{BoardContext, board().get()} : DesignLanguage{};
}

} // namespace tallyard::language
