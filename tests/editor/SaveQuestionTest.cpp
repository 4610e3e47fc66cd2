// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QApplication>

#include <sys/stat.h>

#include "EditorTesting.h"
#include "tariffs/TariffWriter.h"

using namespace editortest;

namespace {

// The question before a save that would lose something, with its losses.
QString lossQuestion(const QString& name, const QStringList& losses) {
    QString text = QStringLiteral("Uložením přes soubor %1 se ztratí:").arg(name);
    for (const QString& loss : losses) text += QStringLiteral("\n– ") + loss;
    return text + QStringLiteral("\nPřesto uložit?");
}

const QString OtherProgramsChanges = QStringLiteral("změny, které v souboru mezitím udělal jiný program");

// The three tariffs without the first one, as a second editor saves them.
std::string withoutTheFirstTariff() {
    return tariffFile({"verze 2.3", "provider PAEGAS", "tarif Ekonom", "sluzba telefon 250", "vsechnyminzdarma",
                       "provider PAEGAS", "tarif Večerní", "minimalne 12,5"});
}

// The file as it was, but with one fee other and as many bytes: a backup.
std::string backupOfAsManyBytes() {
    std::string bytes = threeTariffs();
    bytes.replace(bytes.find("telefon 300"), 11, "telefon 400");
    return bytes;
}

// The window becomes the active one again, as when the user comes back to
// it from another program.
void activate(const Editor& editor) {
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(editor.form.get(), &activation);
    QCoreApplication::processEvents();
}

// The user's own change: the version box.
void changeVersion(Editor& editor) {
    QLineEdit* box = editor.find<QLineEdit>("verze1");
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("9.9"));
}

std::string writerBytes(const Editor& editor) {
    return hovorix::tariffs::writeTariffs(editor.form->tariffs(), editor.form->dataVersion(), ',',
                                          czechSettings().stamp(saveMoment()));
}

}  // namespace

// Another program (a second editor, a text editor, a sync tool) changed or
// removed the file while it was open: no way of saving writes over that
// unasked, "Ne" (the default) keeps the file as the other program left it,
// and a change that leaves the bytes alone is no change.
TEST(EditorSaveQuestion, AnotherProgramsChangeIsNotSavedOverUnasked) {
    struct Save {
        const char* what;
        void (*run)(Editor&, std::optional<Answer> lossAnswer);
    };
    const Save saves[] = {
        {"Ulož soubor",
         [](Editor& e, std::optional<Answer> a) {
             if (a) e.prompter.answer(*a);
             e.click("Button2");
         }},
        {"Ano to the close question",
         [](Editor& e, std::optional<Answer> a) {
             e.prompter.answer(Answer::Yes);
             if (a) e.prompter.answer(*a);
             // The window stays open when the save does not happen.
             EXPECT_EQ(e.form->close(), a != Answer::No);
         }},
        {"Ulož jako to a link to the same file",
         [](Editor& e, std::optional<Answer> a) {
             fs::create_symlink("tarif.ini", e.folder / "odkaz.ini");
             e.chooseFile(e.folder.file("odkaz.ini"));
             if (a) e.prompter.answer(*a);
             e.click("Button3");
         }},
    };
    struct Change {
        const char* what;
        void (*act)(const fs::path& file);
        bool asks;
        std::optional<std::string> left;  // what the other program left; none: no file
    };
    const Change changes[] = {
        {"a tariff deleted", [](const fs::path& f) { writeBytes(f, withoutTheFirstTariff()); }, true,
         withoutTheFirstTariff()},
        {"the file renamed away", [](const fs::path& f) { fs::rename(f, f.parent_path() / "jinam.ini"); }, true,
         std::nullopt},
        // Other bytes count whatever the times say.
        {"a backup restored with its times (cp -p)",
         [](const fs::path& f) { restoreKeepingTimes(f, backupOfAsManyBytes()); }, true, backupOfAsManyBytes()},
        // Only the bytes count, not the time.
        {"touched only",
         [](const fs::path& f) { fs::last_write_time(f, fs::last_write_time(f) + std::chrono::hours(1)); }, false,
         threeTariffs()},
    };
    for (const Save& save : saves) {
        for (const Change& change : changes) {
            // The gone file has no link to lead to it.
            if (std::string(save.what).find("link") != std::string::npos && !change.left) continue;
            SCOPED_TRACE(::testing::Message() << save.what << ", " << change.what);
            Editor editor(threeTariffs());
            changeVersion(editor);
            change.act(editor.folder / "tarif.ini");
            save.run(editor, change.asks ? std::optional(Answer::No) : std::nullopt);

            const QStringList asked = editor.prompter.texts(Kind::Confirm);
            if (change.asks) {
                const QString name = std::string(save.what).find("link") != std::string::npos
                                         ? editor.folder.file("odkaz.ini")
                                         : QStringLiteral("tarif.ini");
                EXPECT_EQ(asked, QStringList{lossQuestion(name, {OtherProgramsChanges})});
                EXPECT_EQ(editor.prompter.interactions().back().defaultAnswer, Answer::No);
                EXPECT_FALSE(editor.form->isSaved());
                if (change.left) {
                    EXPECT_EQ(editor.bytes(), *change.left);
                } else {
                    EXPECT_FALSE(fs::exists(editor.folder / "tarif.ini")) << "the gone file was made again";
                }
            } else {
                EXPECT_EQ(asked, QStringList{});
                EXPECT_EQ(editor.bytes(), writerBytes(editor));
            }
            editor.expectScriptDone();
        }
    }
}

// Insisting writes the list, after which the file holds what the window
// holds and the next save asks nothing; "Uložit jako..." goes on as that
// button does and leaves the file alone.
TEST(EditorSaveQuestion, AnswersDecideWhereTheListGoes) {
    for (const Answer answer : {Answer::Yes, Answer::Other}) {
        SCOPED_TRACE(static_cast<int>(answer));
        Editor editor(threeTariffs());
        changeVersion(editor);
        writeBytes(editor.folder / "tarif.ini", withoutTheFirstTariff());
        editor.prompter.answer(answer);
        if (answer == Answer::Other) editor.chooseFile(editor.folder.file("kopie.ini"));
        editor.click("Button2");
        EXPECT_TRUE(editor.form->isSaved());
        const std::string written = writerBytes(editor);
        EXPECT_EQ(editor.bytes(), answer == Answer::Yes ? written : withoutTheFirstTariff());
        if (answer == Answer::Other) {
            EXPECT_EQ(editor.bytes("kopie.ini"), written);
            EXPECT_EQ(editor.form->fileName(), editor.folder.file("kopie.ini"));
        }
        // Nothing is lost any more: the next save asks nothing.
        changeVersion(editor);
        editor.click("Button2");
        EXPECT_EQ(editor.prompter.count(Kind::Confirm), 1);
        editor.expectScriptDone();
    }
}

// Everything a save would lose stands in one question: the rest of a file
// read only in part, another program's change, the ends of long texts, the
// lines no rule reads (counted in Czech, the first quoted up to 40
// characters), values a later line set again, skipped columns that are not
// blanks, text after a Ctrl+Z. The texts stay in the window, so the question comes at
// every save until one goes through.
TEST(EditorSaveQuestion, NamesEveryLossInOneQuestion) {
    const std::string longProvider(300, 'P');
    const std::string lines40 = "poznámka, která je delší než čtyřicet znaků a nekončí";
    struct Case {
        const char* what;
        std::string file;
        std::vector<QString> atStart;  // warnings after the read, in order
        bool partly;                   // a malformed number on the last line
        bool changedMeanwhile;
        QStringList losses;
    };
    const Case cases[] = {
        {"one line no rule reads",
         tariffFile({"provider A", "// pozn", "tarif B"}),
         {},
         false,
         false,
         {"1 řádek, kterému program nerozumí (řádek 2: „// pozn“)"}},
        {"two, the first quoted in part",
         tariffFile({"verze 2", lines40.c_str(), "provider A", "sazba JTS 1 2 za minutu"}),
         {},
         false,
         false,
         {"2 řádky, kterým program nerozumí (první je řádek 2: „poznámka, která je delší než čtyřicet zn…“)"}},
        {"five, a tab shown as a blank",
         tariffFile({"\tx", "a", "b", "provider A", "c", "d"}),
         {},
         false,
         false,
         {"5 řádků, kterým program nerozumí (první je řádek 1: „ x“)"}},
        {"one long text",
         tariffFile({"provider A", ("tarif " + std::string(256, 'n')).c_str()}),
         {"Soubor tarif.ini obsahuje na řádku 2 text delší než 255 znaků; program z něj zná jen prvních 255."},
         false,
         false,
         {"konec 1 textu delšího než 255 znaků"}},
        {"values set again, a skipped column, text after Ctrl+Z",
         tariffFile(
             {"verze 1", "providerXA", "sluzba telefon 1", "tarif B", "tarif C", "sluzba telefon 2", "verze 2"}) +
             "\x1a\r\nprovider D\r\n",
         {"Soubor tarif.ini končí na řádku 8 znakem Ctrl+Z; text za ním program nečte."},
         false,
         false,
         {"2 řádky, jejichž hodnotu přepsaly pozdější řádky téhož tarifu (první je řádek 3)",
          "1 řádek „verze“, jehož hodnotu přepsal pozdější (řádek 1)",
          "1 znak za klíčovým slovem, který program přeskakuje (řádek 2: „providerXA“)",
          "text za znakem Ctrl+Z (řádek 8)"}},
        {"everything at once",
         tariffFile({"// Ceník z webu", ("provider " + longProvider).c_str(), ("tarif " + longProvider).c_str(),
                     "sazba JTS 1 2 pozn", "sazba JTS-mimo 1.5 2"}),
         {"Soubor tarif.ini obsahuje na řádcích 2 a dalších text delší než 255 znaků; program z něj zná jen "
          "prvních 255."},
         true,
         true,
         {"byl načten jen po řádek 5; uložením se ztratí řádek 5.", OtherProgramsChanges,
          "konce 2 textů delších než 255 znaků",
          "2 řádky, kterým program nerozumí (první je řádek 1: „// Ceník z webu“)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(c.file, [&c](ScriptedPrompter& p) {
            if (c.partly) {
                p.expectError(
                    QStringLiteral("'1.5' is not a valid floating point value.\ntarif.ini, řádek 5: soubor "
                                   "byl nejspíš uložen s jiným desetinným oddělovačem (jiné místní "
                                   "nastavení)."));
            }
            for (const QString& warning : c.atStart) p.expectWarning(warning);
        });
        if (c.changedMeanwhile) writeBytes(editor.folder / "tarif.ini", c.file + "\r\n");
        const std::string before = editor.bytes();
        for (int attempt = 0; attempt < 2; ++attempt) {
            editor.prompter.answer(Answer::No);
            editor.click("Button2");
        }
        EXPECT_EQ(editor.prompter.texts(Kind::Confirm),
                  QStringList(2, lossQuestion(QStringLiteral("tarif.ini"), c.losses)));
        EXPECT_EQ(editor.bytes(), before);
        editor.expectScriptDone();
    }
}

// Coming back to the window after another program changed the file: a file
// that reads in full is offered to be read again (once per change, "Ano" by
// default) while the window holds no unsaved change; a gone file is
// reported once and the list marked unsaved; nothing else is said, read or
// made.
TEST(EditorReload, OffersOnceToReadAFileAnotherProgramChanged) {
    struct Case {
        const char* what;
        bool ownChange;
        void (*other)(const fs::path& file);
        enum { Nothing, Offer, Gone } says;
        std::optional<Answer> answer;
        QStringList rows;  // afterwards
        bool saved;
    };
    const QStringList two{"PAEGAS-Ekonom", "PAEGAS-Večerní"};
    const auto rewrite = [](const fs::path& f) { writeBytes(f, withoutTheFirstTariff()); };
    const Case cases[] = {
        {"read again", false, rewrite, Case::Offer, Answer::Yes, two, true},
        {"kept as it is", false, rewrite, Case::Offer, Answer::No, ThreeRows, true},
        {"the user's own change comes first", true, rewrite, Case::Nothing, std::nullopt, ThreeRows, false},
        {"now malformed", false,
         [](const fs::path& f) {
             writeBytes(f, tariffFile({"provider A", "sazba JTS 1.5 2"}));
         },
         Case::Nothing, std::nullopt, ThreeRows, true},
        {"now with NUL bytes", false,
         [](const fs::path& f) { writeBytes(f, tariffFile({"provider A"}) + std::string(2, '\0')); }, Case::Nothing,
         std::nullopt, ThreeRows, true},
        {"deleted", false, [](const fs::path& f) { fs::remove(f); }, Case::Gone, std::nullopt, ThreeRows, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(threeTariffs());
        if (c.ownChange) changeVersion(editor);
        c.other(editor.folder / "tarif.ini");
        const std::optional<std::string> left =
            fs::exists(editor.folder / "tarif.ini") ? std::optional(editor.bytes()) : std::nullopt;
        if (c.answer) editor.prompter.answer(*c.answer);
        if (c.says == Case::Gone) {
            editor.prompter.expectWarning(QStringLiteral(
                "Soubor tarif.ini už neexistuje: jiný program ho smazal nebo přejmenoval. Tarify zůstávají v okně; "
                "uložením se soubor vytvoří znovu."));
        }
        // Asked at most once, however often the window is activated.
        for (int i = 0; i < 3; ++i) activate(editor);

        const QStringList offers = editor.prompter.texts(Kind::Confirm);
        EXPECT_EQ(offers,
                  c.says == Case::Offer
                      ? QStringList{QStringLiteral("Soubor tarif.ini byl změněn jiným programem. Načíst ho znovu?")}
                      : QStringList{});
        if (!offers.isEmpty()) {
            EXPECT_EQ(editor.prompter.interactions().back().defaultAnswer, Answer::Yes);
        }
        EXPECT_EQ(editor.rows(), c.rows);
        EXPECT_EQ(editor.form->isSaved(), c.saved);
        // Nothing written, nothing made.
        EXPECT_EQ(fs::exists(editor.folder / "tarif.ini") ? std::optional(editor.bytes()) : std::nullopt, left);
        editor.expectScriptDone();

        // A file read again is the file held: a save over it asks nothing.
        if (c.answer == Answer::Yes) {
            changeVersion(editor);
            editor.click("Button2");
            EXPECT_EQ(editor.bytes(), writerBytes(editor));
            EXPECT_EQ(editor.prompter.count(Kind::Confirm), 1);
        }
    }
}

// Each new change is a new question: declined once, the next change of the
// file is offered again, and the version read comes into the version box.
TEST(EditorReload, EveryNewChangeIsOfferedAgain) {
    Editor editor(threeTariffs());
    writeBytes(editor.folder / "tarif.ini", withoutTheFirstTariff());
    editor.prompter.answer(Answer::No);
    activate(editor);
    writeBytes(editor.folder / "tarif.ini", tariffFile({"verze 7", "provider OSKAR", "tarif Go"}));
    editor.prompter.answer(Answer::Yes);
    activate(editor);
    EXPECT_EQ(editor.prompter.count(Kind::Confirm), 2);
    EXPECT_EQ(editor.rows(), QStringList{"OSKAR-Go"});
    EXPECT_EQ(editor.versionBox(), QStringLiteral("7"));
    EXPECT_TRUE(editor.form->isSaved());
    editor.expectScriptDone();
}
