// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QApplication>

#include <new>
#include <stdexcept>

#include "desktop/ErrorHandling.h"
#include "desktop/testing/ScriptedPrompter.h"
#include "tariffs/Errors.h"

using namespace hovorix::desktop;

TEST(GeneralErrorHandler, AddsAFullStopAfterCharactersAboveThePoint) {
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"'-' is not a valid floating point value", "'-' is not a valid floating point value."},
        {"Kritick\xC3\xA1 chyba!", "Kritick\xC3\xA1 chyba!"},
        {"Hotovo.", "Hotovo."},
        {"Konec-", "Konec-"},       // '-' is below '.'
        {"Verze 2/", "Verze 2/."},  // '/' is above '.'
        {"Otazka ?", "Otazka ?."},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withFullStop(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown)) << c.message;
}

TEST(GeneralErrorHandler, HandlersThatFailShowTheirMessageAndTheProgramGoesOn) {
    setApplicationTitle(QStringLiteral("Hovorix pro Windows"));
    ScriptedPrompter prompter;
    prompter.expectError();
    prompter.expectError();
    EXPECT_TRUE(runHandler(prompter, nullptr, [] {}));
    EXPECT_FALSE(runHandler(prompter, nullptr, [] { throw hovorix::tariffs::ConversionError("1,2,3"); }));
    EXPECT_FALSE(runHandler(prompter, nullptr, [] { throw hovorix::tariffs::ConversionError("\x9Alicht"); }));
    EXPECT_EQ(prompter.errors(), (QStringList{QStringLiteral("'1,2,3' is not a valid floating point value."),
                                              QString::fromUtf8("'šlicht' is not a valid floating point value.")}));
    ASSERT_EQ(prompter.interactions().size(), 2u);
    EXPECT_EQ(prompter.interactions()[0].title, QStringLiteral("Hovorix pro Windows"));
    EXPECT_TRUE(prompter.unexpected().isEmpty());
}

TEST(GeneralErrorHandler, AFatalErrorShowsItsBoxThenEndsTheProgram) {
    ScriptedPrompter prompter;
    prompter.expectError();
    try {
        fatalError(prompter, nullptr, QStringLiteral("Kritická chyba - nelze otevřít soubor \"tarif.ini\"!"));
        ADD_FAILURE() << "the program went on";
    } catch (const ProgramExit& exit) {
        EXPECT_NE(exit.status, 0);
    }
    ASSERT_EQ(prompter.interactions().size(), 2u);
    EXPECT_EQ(prompter.interactions()[0].kind, ScriptedPrompter::Kind::Error);
    EXPECT_EQ(prompter.interactions()[0].text, QStringLiteral("Kritická chyba - nelze otevřít soubor \"tarif.ini\"!"));
    EXPECT_EQ(prompter.interactions()[1].kind, ScriptedPrompter::Kind::Exit);
}

TEST(GeneralErrorHandler, ConversionMessagesQuoteTheWholeTextUpToItsLimit) {
    struct Case {
        const char* what;
        QString message;
        QString expected;
    };
    const QString tail = QStringLiteral("' is not a valid floating point value");
    const Case cases[] = {
        {"a NUL byte from a file",
         messageOf(hovorix::tariffs::ConversionError(std::string("1\0"
                                                                 "5",
                                                                 3))),
         QStringLiteral("'1") + QChar(0x2400) + QStringLiteral("5") + tail},
        {"a run-on number from a file", messageOf(hovorix::tariffs::ConversionError(std::string(100000, '9'))),
         QStringLiteral("'") + QString(255, u'9') + QChar(0x2026) + tail},
        {"a text typed into a field", conversionMessage(QStringLiteral("12a")), QStringLiteral("'12a") + tail},
        {"a long text pasted into a field", conversionMessage(QString(32767, u'x')),
         QStringLiteral("'") + QString(255, u'x') + QChar(0x2026) + tail},
        {"exactly as long as quoted in full", conversionMessage(QString(255, u'x')),
         QStringLiteral("'") + QString(255, u'x') + tail},
    };
    for (const Case& c : cases) EXPECT_EQ(c.message, c.expected) << c.what;
}

TEST(MessageBoxText, BreaksOnlyWordsTooLongForTheScreen) {
    const QChar zws(0x200B);
    struct Case {
        const char* what;
        QString text;
        QString shown;
    };
    const QString forty(40, u'9');
    const Case cases[] = {
        {"words of any usual length", QStringLiteral("Soubor tarif.ini byl změněn. Uložit ?"),
         QStringLiteral("Soubor tarif.ini byl změněn. Uložit ?")},
        {"a word of exactly the limit", forty + QStringLiteral(" x"), forty + QStringLiteral(" x")},
        {"one over", forty + QStringLiteral("9 x"), forty + zws + QStringLiteral("9 x")},
        {"a quoted run-on number", QStringLiteral("'") + QString(100, u'9') + QStringLiteral("' je"),
         QStringLiteral("'") + QString(39, u'9') + zws + forty + zws + QString(21, u'9') + QStringLiteral("' je")},
        {"blanks start a new count", forty + QStringLiteral(" ") + forty, forty + QStringLiteral(" ") + forty},
    };
    for (const Case& c : cases) EXPECT_EQ(messageBoxText(c.text), c.shown) << c.what;
}

// Every message is UTF-8, from whichever module: Czech from the call-list
// core shows as Czech (it once showed as "MÄ›sĂ­ÄŤnĂ­" through a Windows-1250
// reading), a tariff file's bytes as the letters they stand for, and a byte
// from elsewhere that is not UTF-8 as U+FFFD rather than as another letter.
TEST(GeneralErrorHandler, EveryMessageShowsAsItsText) {
    struct Case {
        const char* what;
        QString shown;
        QString expected;
    };
    const auto shown = [](auto error) {
        try {
            throw error;
        } catch (const std::exception& caught) {
            return messageOf(caught);
        }
    };
    const Case cases[] = {
        {"a message of the core in Czech",
         shown(std::runtime_error("Měsíční minuty v pásmu EUROTEL (2 592 000 000) přesahují největší počet.")),
         QStringLiteral("Měsíční minuty v pásmu EUROTEL (2 592 000 000) přesahují největší počet.")},
        {"a number quoted from a Windows-1250 file", shown(hovorix::tariffs::ConversionError("15 K\xE8\x81")),
         QStringLiteral("'15 Kč\uFFFD' is not a valid floating point value")},
        {"bytes that are not UTF-8", shown(std::runtime_error("bad \xE8 byte")), QStringLiteral("bad \uFFFD byte")},
        {"no memory", shown(std::bad_alloc()), QStringLiteral("Nedostatek paměti")},
    };
    for (const Case& c : cases) EXPECT_EQ(c.shown, c.expected) << c.what;
}
