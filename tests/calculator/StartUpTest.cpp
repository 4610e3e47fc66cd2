// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>

#include <sys/stat.h>

#include "CalculatorTesting.h"

using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;
using Kind = ScriptedPrompter::Kind;

namespace {

struct ExpectedBar {
    const char* label;
    double value;
};

void expectBars(const TTarifForm& form, std::vector<ExpectedBar> expected, const std::string& context) {
    const std::vector<ShownBar> bars = shownBars(form);
    ASSERT_EQ(bars.size(), expected.size()) << context;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_EQ(bars[i].label, utf8(expected[i].label)) << context;
        EXPECT_DOUBLE_EQ(bars[i].value, expected[i].value) << context;
    }
}

}  // namespace

TEST(StartUp, ReadsTheTariffFileSetsTheCaptionAndComputesTheFirstFees) {
    const struct {
        const char* fileName;
        std::string content;
        const char* dataVersion;  // as the caption shows it
        std::vector<ExpectedBar> bars;
    } cases[] = {
        {"Tarif.ini",
         tariffFile({"verze 2.1", "provider A", "tarif One", "sluzba telefon 100", "sluzba fax 40", "konec",
                     "provider B", "tarif Two", "sluzba telefon 250,5", "sazba JTS 9 0", "konec"}),
         "2.1",
         {{"A-One", 100}, {"B-Two", 250.5}}},
        {"tarif.ini", tariffFile({"provider A", "tarif One", "sluzba telefon 100"}), "neudáno", {{"A-One", 100}}},
        {"TARIF.INI", tariffFile({"verze 1.0", "provider A", "verze září 2000"}), "září 2000", {{"A-Neznamy", 0}}},
        {"Tarif.ini", tariffFile({"// jen komentář", "verze 3"}), "3", {}},
        {"tarif.ini",
         tariffFile({"provider Předplacená", "tarif Karta", "minimalne 150"}),
         "neudáno",
         {{"Předplacená-Karta", 150}}},
    };
    for (const auto& c : cases) {
        Workspace workspace;
        workspace.write(c.fileName, c.content);
        const auto form = workspace.start();
        ASSERT_NE(form, nullptr) << c.fileName;
        EXPECT_EQ(form->windowTitle(), caption(utf8(c.dataVersion)));
        expectBars(*form, c.bars, c.dataVersion);
        EXPECT_TRUE(workspace.prompter.interactions().empty()) << c.dataVersion;
    }
}

TEST(StartUp, TheSampleFileGivesOneBarPerTariffInFileOrder) {
    QFile sample(QStringLiteral(HOVORIX_SAMPLE));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray content = sample.readAll();
    Workspace workspace;
    workspace.write("tarif.ini", content.toStdString());
    const auto form = workspace.start();
    ASSERT_NE(form, nullptr);

    const std::vector<ShownBar> bars = shownBars(*form);
    EXPECT_EQ(static_cast<qsizetype>(bars.size()), content.count("\nprovider "));
    ASSERT_FALSE(bars.empty());
    EXPECT_EQ(bars.front().label, QStringLiteral("PAEGAS-Start"));
    EXPECT_EQ(bars.front().value, 290);
    EXPECT_TRUE(workspace.prompter.interactions().empty());
}

TEST(StartUp, WithoutATariffFileToOpenTheProgramEndsBeforeAnyWindowShows) {
    const struct {
        const char* what;
        void (*prepare)(const Workspace&);
        const char* looked;  // the file the message names
        const char* reason;
    } cases[] = {
        {"no file", [](const Workspace&) {}, "tarif.ini", "Soubor neexistuje."},
        {"another name", [](const Workspace& w) { w.write("tarif.ini.bak", tariffFile({"provider A"})); }, "tarif.ini",
         "Soubor neexistuje."},
        {"a folder of that name", [](const Workspace& w) { std::filesystem::create_directory(w.path() / "tarif.ini"); },
         "tarif.ini", "Je to složka, ne soubor."},
        // Refused at once: reading a pipe would wait for a writer for ever.
        {"a pipe of that name",
         [](const Workspace& w) { ASSERT_EQ(mkfifo((w.path() / "Tarif.ini").c_str(), 0644), 0); }, "Tarif.ini",
         "Není to soubor."},
    };
    for (const auto& c : cases) {
        Workspace workspace;
        c.prepare(workspace);
        // The message as it always was, then where the program looked and why it failed.
        const QString message = utf8(CannotOpen) + u'\n' +
                                QString::fromStdString((workspace.path() / c.looked).lexically_normal().string()) +
                                QStringLiteral(": ") + utf8(c.reason);
        workspace.prompter.expectError(message);
        EXPECT_EQ(workspace.start(), nullptr) << c.what;
        const auto& interactions = workspace.prompter.interactions();
        ASSERT_EQ(interactions.size(), 2u) << c.what;
        EXPECT_EQ(interactions[0].kind, Kind::Error);
        EXPECT_EQ(interactions[0].title, QStringLiteral("Hovorix pro Windows"));
        EXPECT_EQ(interactions[0].text, message);
        EXPECT_EQ(interactions[1].kind, Kind::Exit);
        EXPECT_NE(interactions[1].text, QStringLiteral("0"));
        for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_FALSE(window->isVisible()) << c.what;
    }
}

// Lines ended by LF alone, NUL bytes, or text after the Ctrl+Z that ends the
// file hide a file's tariffs: the user is told once, and the file is read by
// the format's rule all the same.
TEST(StartUp, SaysOnceWhenTheFilesBytesHideItsTariffs) {
    const struct {
        const char* name;
        std::string content;
        const char* warning;
        std::size_t bars;
    } cases[] = {
        {"TARIF.INI", "provider A\ntarif One\nsluzba telefon 100\n",
         "Soubor TARIF.INI má konce řádků jen LF (bez CR), takže je podle pravidel ceníku celý jediným řádkem "
         "a jeho tarify se nezobrazí. Otevřete ho v programu Cenikar a uložte, tím se převede.",
         1},
        {"tarif.ini", tariffFile({"provider A", std::string_view("tarif \0ne", 9), "provider B"}),
         "Soubor tarif.ini obsahuje nulové bajty, není to tedy textový soubor ceníku. Tarify z něj nemusí být "
         "načteny správně.",
         2},
        {"tarif.ini", tariffFile({"provider A", "tarif One"}) + "\x1a\r\n" + tariffFile({"provider B", "tarif Two"}),
         "Soubor tarif.ini končí na řádku 3 znakem Ctrl+Z; text za ním program nečte.", 1},
    };
    for (const auto& c : cases) {
        Workspace workspace;
        workspace.write(c.name, c.content);
        workspace.prompter.expectWarning(utf8(c.warning));
        const auto form = workspace.start();
        ASSERT_NE(form, nullptr) << c.name;
        EXPECT_EQ(workspace.prompter.interactions().size(), 1u) << c.name;
        EXPECT_EQ(workspace.prompter.interactions().front().title, QStringLiteral("Hovorix pro Windows"));
        EXPECT_EQ(shownBars(*form).size(), c.bars) << c.name;
    }
}

// A number that reads with the other decimal separator says, on a line of
// its own, that the file was most likely saved under other regional settings.
TEST(StartUp, AMalformedNumberIsShownAndTheWindowOpensWithTheTariffsReadSoFar) {
    const struct {
        QLocale locale;
        const char* badLine;
        const char* message;
        bool otherSeparator;
        std::vector<ExpectedBar> afterTheFirstRun;
    } cases[] = {
        {czech(),
         "sazba JTS 1.2 30",
         "'1.2' is not a valid floating point value.",
         true,
         {{"A-One", 100}, {"B-Two", 60}}},
        {english(),
         "sluzba fax 1,5",
         "'1,5' is not a valid floating point value.",
         true,
         {{"A-One", 100}, {"B-Two", 60}}},
        {czech(), "sazba JTS ", "'' is not a valid floating point value.", false, {{"A-One", 100}, {"B-Two", 60}}},
    };
    for (const auto& c : cases) {
        Workspace workspace;
        workspace.write("tarif.ini", tariffFile({"verze 7", "provider A", "tarif One", "sluzba telefon 100",
                                                 "provider B", "tarif Two", "sluzba telefon 60", c.badLine,
                                                 "sluzba data 5", "verze 8", "provider C", "tarif Three"}));
        QString message = utf8(c.message);
        if (c.otherSeparator) {
            message += u'\n' + QString::fromStdString((workspace.path() / "tarif.ini").lexically_normal().string()) +
                       utf8(
                           ", řádek 8: soubor byl nejspíš uložen s jiným desetinným oddělovačem (jiné místní "
                           "nastavení).");
        }
        workspace.prompter.expectError(message);
        const auto form = workspace.start(c.locale);
        ASSERT_NE(form, nullptr) << c.badLine;
        EXPECT_EQ(workspace.prompter.interactions().size(), 1u);
        EXPECT_EQ(form->windowTitle(), caption(QStringLiteral("7")));
        EXPECT_TRUE(shownBars(*form).empty()) << "no fee run after the error";

        ASSERT_TRUE(showActive(*form));
        clickTab(*form, 1);
        expectBars(*form, c.afterTheFirstRun, c.badLine);
    }
}

TEST(StartUp, TheWindowOpensOnTheInputPageWithZerosMonthlyAndNoServices) {
    Workspace workspace;
    workspace.write("tarif.ini", tariffFile({"provider A"}));
    const auto form = workspace.start();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), QStringLiteral("TarifForm"));
    for (const char* name : {"JTS", "JTSMimo", "JTSNoc", "Pekac", "PekacMimo", "Eurotel", "EurotelMimo"}) {
        EXPECT_EQ(child(*form, name)->text(), QStringLiteral("0")) << name;
    }
    auto* period = child<QComboBox>(*form, "Ostatni");
    EXPECT_EQ(period->currentIndex(), 2);
    EXPECT_EQ(period->currentText(), QStringLiteral("měsíční"));
    EXPECT_EQ(period->count(), 3);
    EXPECT_FALSE(child<QCheckBox>(*form, "Fax")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(*form, "Data")->isChecked());
    EXPECT_EQ(child<PageControl>(*form, "PageControl1")->currentIndex(), 0);

    // A fixed size that can be minimised but not maximised.
    EXPECT_EQ(form->minimumSize(), QSize(404, 387));
    EXPECT_EQ(form->maximumSize(), QSize(404, 387));
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);

    ASSERT_TRUE(showActive(*form));
    EXPECT_EQ(QApplication::focusWidget(), pageTabs(*form));
}

// A file read in full that holds no tariff says so where the chart would
// be, to the eye and to a screen reader; one with tariffs, or one whose
// reading failed, has no such text.
TEST(StartUp, AFileWithoutTariffsSaysSoOnTheResultsPage) {
    const struct {
        const char* name;
        std::string content;
        const char* said;
        int errors;
    } cases[] = {
        {"Tarif.ini", tariffFile({"// jen komentář", "verze 3"}), "Soubor Tarif.ini neobsahuje žádné tarify.", 0},
        {"tarif.ini", "", "Soubor tarif.ini neobsahuje žádné tarify.", 0},
        {"tarif.ini", tariffFile({"provider A"}), "", 0},
        {"tarif.ini", tariffFile({"provider A", "sluzba telefon x"}), "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + (" " + c.content));
        Workspace workspace;
        workspace.write(c.name, c.content);
        for (int i = 0; i < c.errors; ++i) workspace.prompter.expectError();
        const auto form = workspace.start();
        ASSERT_NE(form, nullptr);
        const hovorix::chart::FeeChart& chart = form->feeChart();
        EXPECT_EQ(chart.emptyText(), utf8(c.said));
        if (*c.said) {
            QAccessibleInterface* shown =
                QAccessible::queryAccessibleInterface(const_cast<hovorix::chart::FeeChart*>(&chart));
            EXPECT_EQ(shown->text(QAccessible::Description), utf8(c.said));
        }
    }
}
