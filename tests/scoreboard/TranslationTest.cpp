// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The program in each of its languages: the operator's dialogs and the audience's board are
// translated, each by its own choice, and no caption is cut off by its control.
#include "platform/core/Properties.h"
#include "platform/forms/Form.h"
#include "platform/intrinsics/SSTab.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/frmOptions.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/forms/frmSplash.h"
#include "scoreboard/i18n/Language.h"
#include "scoreboard/settings/Settings.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

using namespace tallyard;

namespace {

QString captionOf(const QObject *control)
{
    return control->metaObject()->indexOfProperty("Caption") >= 0
        ? variantToString(getPropertyByName(const_cast<QObject *>(control), u"Caption"))
        : QString();
}

// Every control of the form whose caption does not fit it, as "name: caption". A label wraps
// its words within its box; the other captions stand on one line beside what the control
// draws itself (a frame's corner, an option's circle, a button's edge).
std::string clippedCaptions(const Form *form)
{
    QStringList clipped;
    for (const Control *control : form->Controls()) {
        const QString caption = captionOf(control);
        const QWidget *widget = control;
        // Marks and numbers ("#", "0") are not translated. Controls on the pages not shown
        // count as much as the others.
        if (!std::any_of(caption.begin(), caption.end(), [](QChar c) { return c.isLetter(); }))
            continue;
        const QFontMetrics metrics(widget->font());
        const QString type = typeName(control);
        bool fits = true;
        if (type == u"Label") {
            const QRect area = widget->rect().adjusted(1, 1, -1, -1);
            const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20), Qt::TextWordWrap, caption);
            // One line always shows, as the designs have it; more only where they fit.
            const int lines = needed.height() / metrics.lineSpacing();
            fits = needed.width() <= area.width() && lines <= std::max(1, area.height() / metrics.lineSpacing());
        } else if (type == u"SSTab") {
            const auto *tabs = static_cast<const SSTab *>(control);
            const int tabWidth = widget->width() / std::max<int>(1, tabs->TabsPerRow());
            for (int i = 0; i < tabs->Tabs(); ++i)
                if (metrics.horizontalAdvance(tabs->TabCaption(i)) > tabWidth - 8)
                    clipped << control->Name() + u'[' + QString::number(i) + QStringLiteral("]: ")
                            + tabs->TabCaption(i);
            continue;
        } else {
            int beside = 10; // a frame's corner and the gap around its caption
            if (type == u"OptionButton" || type == u"CheckBox")
                beside = widget->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                    + widget->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 2;
            else if (type == u"CommandButton")
                beside = 6;
            fits = metrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, caption).width() <= widget->width() - beside;
        }
        if (!fits)
            clipped << control->Name() + QStringLiteral(": ") + caption;
    }
    return clipped.join(QStringLiteral("; ")).toStdString();
}

class TranslationTest : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        SettingsStore::setFolderOverride(store.path());
        resetSettingsToDefaults();
        registerProgramControls();
    }
    void TearDown() override
    {
        language::installOperatorLanguage(QLocale(QLocale::English));
        language::setBoardLanguage(QStringLiteral("en"));
        SettingsStore::setFolderOverride({});
        resetSettingsToDefaults();
    }
    QTemporaryDir store;
};

TEST_P(TranslationTest, TheDialogsSpeakTheOperatorsLanguageAndEveryCaptionFits)
{
    language::installOperatorLanguage(QLocale(QString::fromLatin1(GetParam())));
    const auto options = std::make_unique<frmOptions>();
    const auto splash = std::make_unique<frmSplash>();
    // Tab captions are words in every language, none of them English.
    EXPECT_NE(options->element<SSTab>("SSTab1")->TabCaption(0), QStringLiteral("Keys"));
    EXPECT_NE(captionOf(splash->cmdHelp), QStringLiteral("&Help"));
    EXPECT_EQ(clippedCaptions(options.get()), "");
    EXPECT_EQ(clippedCaptions(splash.get()), "");
}

TEST_P(TranslationTest, TheBoardFollowsItsOwnLanguageNotTheOperators)
{
    language::installOperatorLanguage(QLocale(QString::fromLatin1(GetParam())));
    {
        const auto board = std::make_unique<frmScoreboard>();
        EXPECT_EQ(captionOf(board->control(QStringLiteral("Label1"))), QStringLiteral("Routine"));
    }
    ASSERT_TRUE(language::setBoardLanguage(QString::fromLatin1(GetParam())));
    const auto board = std::make_unique<frmScoreboard>();
    EXPECT_NE(captionOf(board->control(QStringLiteral("Label1"))), QStringLiteral("Routine"));
    EXPECT_EQ(clippedCaptions(board.get()), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest, ::testing::Values("de_DE", "fr_FR", "es_ES"));

TEST(BoardLanguage, TakesANameOrALocaleAndRefusesWhatItHasNoWordsFor)
{
    const struct {
        const char *name;
        bool known;
        bool translated;
    } cases[] = {{"de", true, true},     {"fr_CH", true, true}, {"es-ES", true, true}, {"en", true, false},
                 {"en_GB", true, false}, {"", true, false},     {"xx", false, false},  {"pl", false, false}};
    for (const auto &c : cases) {
        EXPECT_EQ(language::setBoardLanguage(QString::fromLatin1(c.name)), c.known) << c.name;
        EXPECT_EQ(language::boardTranslator() != nullptr, c.translated) << c.name;
    }
    language::setBoardLanguage(QStringLiteral("en"));
}

} // namespace
