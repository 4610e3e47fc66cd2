// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QImage>
#include <QToolButton>

#include <sys/stat.h>

#include <cerrno>

#include "EditorTesting.h"
#include "editor/TariffFileDialog.h"
#include "tariffs/TariffReader.h"
#include "tariffs/TariffWriter.h"

using namespace editortest;
using hovorix::desktop::ProgramExit;
using hovorix::editor::TCenikarForm;

namespace {

const QString Changed = QStringLiteral("Soubor tarif.ini byl změněn. Uložit ?");

// The bytes a save of the form's list must produce at the tests' moment.
std::string writerBytes(const TCenikarForm& form) {
    return hovorix::tariffs::writeTariffs(form.tariffs(), form.dataVersion(), ',', czechSettings().stamp(saveMoment()));
}

hovorix::tariffs::TariffList readBack(const fs::path& file) {
    hovorix::tariffs::TariffList list(hovorix::tariffs::EditorDefaults);
    std::string version;
    hovorix::tariffs::readTariffFile(file, list, version, {.decimalSeparator = ','});
    return list;
}

// A save whose writing fails the way a full disk does, or whose last step,
// putting the new file in place of the old one, fails.
class FullDisk : public hovorix::tariffs::SaveIo {
public:
    long write(int, const char*, unsigned long) override {
        errno = ENOSPC;
        return -1;
    }
};
class FailingRename : public hovorix::tariffs::SaveIo {
public:
    int rename(const char*, const char*) override {
        errno = EBUSY;
        return -1;
    }
};

}  // namespace

TEST(EditorStart, ReadsTarifIniFromTheWorkingFolder) {
    struct Case {
        const char* what;
        std::optional<std::string> file;
        QStringList rows;
        QString versionBox;
        QString caption;
        bool saved;
        QStringList errors;
    };
    const QString named = caption(QStringLiteral("tarif.ini"));
    const QString unnamed = QString::fromUtf8(versions::EditorCaption);
    const Case cases[] = {
        {"no file yet", std::nullopt, {}, "1.0", named, true, {}},
        {"a version line", threeTariffs(), ThreeRows, "2.3", named, true, {}},
        {"no version line", tariffFile({"provider EUROTEL", "tarif Go"}), {"EUROTEL-Go"}, "1.0", named, true, {}},
        // Shown as the file has it, so nothing counts as changed.
        {"a version with a line break", tariffFile({"verze 1.0\nabc"}), {}, "1.0\nabc", named, true, {}},
        // The list box shows what was read before the bad line; the caption
        // does not say the window holds the file, and with nothing changed by
        // the user there is nothing to save.
        {"a malformed number",
         tariffFile({"verze 2.3", "provider EUROTEL", "tarif Ekonom", "provider PAEGAS", "tarif Go", "sazba JTS 1.2 30",
                     "provider PAEGAS", "tarif Profi"}),
         {"EUROTEL-Ekonom", "PAEGAS-Go"},
         "2.3",
         unnamed,
         true,
         {"'1.2' is not a valid floating point value.\ntarif.ini, řádek 6: soubor byl nejspíš uložen s jiným "
          "desetinným oddělovačem (jiné místní nastavení)."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(c.file, [&c](ScriptedPrompter& p) {
            for (const QString& error : c.errors) p.expectError(error);
        });
        EXPECT_EQ(editor.rows(), c.rows);
        EXPECT_EQ(editor.form->tariffs().count(), static_cast<std::size_t>(c.rows.size()));
        EXPECT_EQ(editor.versionBox(), c.versionBox);
        EXPECT_EQ(editor.form->windowTitle(), c.caption);
        EXPECT_EQ(editor.form->isSaved(), c.saved);
        EXPECT_EQ(editor.prompter.errors(), c.errors);
        EXPECT_EQ(editor.rowButtons(), QStringLiteral("----"));
        EXPECT_TRUE(fs::is_regular_file(editor.folder / "tarif.ini"));
        if (c.saved) {
            EXPECT_TRUE(editor.form->close()) << "closing asked something";
        }
        editor.expectScriptDone();
    }
}

TEST(EditorStart, EndsWhenTarifIniCanBeNeitherOpenedNorCreated) {
    struct Case {
        const char* what;
        void (*prepare)(const fs::path& folder);
        QString reason;  // the message's lines after the first; %1: the folder
    };
    const Case cases[] = {
        {"a folder of that name", [](const fs::path& f) { fs::create_directory(f / "tarif.ini"); },
         "Je to složka, ne soubor."},
        {"a link into a missing folder",
         [](const fs::path& f) { fs::create_symlink(f / "missing" / "tarif.ini", f / "tarif.ini"); },
         "Soubor neexistuje.\nJe to symbolický odkaz na soubor %1/missing/tarif.ini."},
        {"a pipe of that name", [](const fs::path& f) { ASSERT_EQ(mkfifo((f / "tarif.ini").c_str(), 0644), 0); },
         "Není to soubor."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WorkFolder folder;
        c.prepare(folder.path());
        ScriptedPrompter prompter;
        const QString message = QStringLiteral("Kritická chyba - nelze otevřít soubor tarif.ini!\n") +
                                QString(c.reason).replace("%1", QString::fromStdString(folder.path().string()));
        prompter.expectError(message);
        EXPECT_THROW(TCenikarForm(prompter, czechSettings()), ProgramExit);
        EXPECT_EQ(prompter.errors(), QStringList{message});
        EXPECT_EQ(prompter.count(Kind::Exit), 1);
    }
}

TEST(EditorDelete, AsksThenRemovesTheSelectedTariff) {
    struct Case {
        int row;
        Answer answer;
        QString question;
        QStringList rows;
        bool saved;
        int selected;  // the next tariff, after the last one the one before; after "Ne" the same
    };
    const Case cases[] = {
        {0, Answer::Yes, "Opravdu smazat tarif \"EUROTEL-Ekonom\" ?", {"PAEGAS-Ekonom", "PAEGAS-Večerní"}, false, 0},
        {2, Answer::Yes, "Opravdu smazat tarif \"PAEGAS-Večerní\" ?", {"EUROTEL-Ekonom", "PAEGAS-Ekonom"}, false, 1},
        {1, Answer::No, "Opravdu smazat tarif \"PAEGAS-Ekonom\" ?", ThreeRows, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        Editor editor(threeTariffs());
        const hovorix::tariffs::TariffList before = editor.form->tariffs();
        editor.clickRow(c.row);
        editor.prompter.answer(c.answer);
        editor.click("Smaz");

        EXPECT_EQ(editor.prompter.texts(Kind::Confirm), QStringList{c.question});
        EXPECT_EQ(editor.prompter.interactions().front().title, QStringLiteral("Cenikar"));
        // There is no undo: Enter keeps the tariff.
        EXPECT_EQ(editor.prompter.interactions().front().defaultAnswer, Answer::No);
        EXPECT_EQ(editor.rows(), c.rows);
        EXPECT_EQ(editor.form->isSaved(), c.saved);
        // The remaining tariffs are whole and in order.
        std::size_t kept = 0;
        for (std::size_t i = 0; i < before.count(); ++i) {
            if (c.answer == Answer::Yes && i == static_cast<std::size_t>(c.row)) continue;
            EXPECT_EQ(editor.form->tariffs().seek(kept++), before.seek(i));
        }
        EXPECT_EQ(editor.form->tariffs().count(), kept);
        EXPECT_EQ(editor.selectedRow(), c.selected);
        EXPECT_EQ(editor.rowButtons(), QStringLiteral("USND"));
        editor.expectScriptDone();
    }
}

TEST(EditorMove, SwapsWithTheNeighbourAndKeepsTheTariffSelected) {
    struct Case {
        int row;
        std::vector<const char*> buttons;
        std::vector<int> order;  // where each row of before ended up, read from the top
        int selected;
        bool saved;
    };
    const Case cases[] = {
        {0, {"Nahoru"}, {0, 1, 2}, 0, true},  // already on top
        {2, {"Dolu"}, {0, 1, 2}, 2, true},    // already at the bottom
        {1, {"Nahoru"}, {1, 0, 2}, 0, false},
        {1, {"Dolu"}, {0, 2, 1}, 2, false},
        {0, {"Dolu"}, {1, 0, 2}, 1, false},
        {2, {"Nahoru", "Nahoru"}, {2, 0, 1}, 0, false},
        {0, {"Dolu", "Dolu", "Dolu"}, {1, 2, 0}, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.row << " " << c.buttons.front() << " x" << c.buttons.size());
        Editor editor(threeTariffs());
        const hovorix::tariffs::TariffList before = editor.form->tariffs();
        editor.clickRow(c.row);
        for (const char* button : c.buttons) editor.click(button);

        QStringList expected;
        for (std::size_t i = 0; i < c.order.size(); ++i) {
            expected << ThreeRows[c.order[i]];
            EXPECT_EQ(editor.form->tariffs().seek(i), before.seek(static_cast<std::size_t>(c.order[i])));
        }
        EXPECT_EQ(editor.rows(), expected);
        EXPECT_EQ(editor.selectedRow(), c.selected);
        EXPECT_EQ(editor.rowButtons(), QStringLiteral("USND"));
        EXPECT_EQ(editor.form->isSaved(), c.saved);
        editor.expectScriptDone();
    }
}

TEST(EditorRowButtons, FollowTheUsersSelection) {
    Editor editor(threeTariffs());
    EXPECT_EQ(editor.rowButtons(), QStringLiteral("----"));
    EXPECT_TRUE(editor.find("Pridej")->isEnabled());
    editor.clickRow(1);
    EXPECT_EQ(editor.rowButtons(), QStringLiteral("USND"));
    QTest::keyClick(editor.list(), Qt::Key_Down);
    EXPECT_EQ(editor.selectedRow(), 2);
    EXPECT_EQ(editor.rowButtons(), QStringLiteral("USND"));
    // Ctrl+click takes the selection away.
    const QRect where = editor.list()->visualItemRect(editor.list()->item(2));
    QTest::mouseClick(editor.list()->viewport(), Qt::LeftButton, Qt::ControlModifier, where.center());
    EXPECT_EQ(editor.selectedRow(), -1);
    EXPECT_EQ(editor.rowButtons(), QStringLiteral("----"));
    editor.expectScriptDone();
}

// With no row selected the buttons that work on a selected tariff are off,
// and neither they nor their keys do anything.
TEST(EditorRowButtons, DoNothingWhileNoRowIsSelected) {
    struct Case {
        const char* what;
        std::string file;
        void (*leaveNoneSelected)(Editor&);
    };
    const Case cases[] = {
        {"the only tariff deleted", tariffFile({"provider EUROTEL", "tarif Go"}),
         [](Editor& e) {
             e.clickRow(0);
             e.prompter.answer(Answer::Yes);
             e.click("Smaz");
         }},
        {"another file opened", threeTariffs(),
         [](Editor& e) {
             e.clickRow(1);
             writeBytes(e.folder / "jiny.ini", threeTariffs());
             e.chooseFile(e.folder.file("jiny.ini"));
             e.click("Button1");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(c.file);
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.form.get()));
        c.leaveNoneSelected(editor);
        ASSERT_EQ(editor.selectedRow(), -1);
        EXPECT_EQ(editor.rowButtons(), QStringLiteral("----"));
        const hovorix::tariffs::TariffList before = editor.form->tariffs();
        const bool saved = editor.form->isSaved();

        for (const char* button : {"Smaz", "Dolu", "Nahoru", "Uprav"}) editor.click(button);
        editor.list()->setFocus();
        for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Delete), QKeyCombination(Qt::Key_Return),
                                           Qt::CTRL | Qt::Key_Down, Qt::CTRL | Qt::Key_Up}) {
            QTest::keyClick(editor.list(), keys.key(), keys.keyboardModifiers());
        }
        EXPECT_EQ(editor.form->tariffs(), before);
        EXPECT_EQ(editor.form->isSaved(), saved);
        EXPECT_EQ(editor.selectedRow(), -1);
        editor.expectScriptDone();
    }
}

TEST(EditorVersion, TheBoxIsTheDataVersion) {
    Editor editor(threeTariffs());
    QLineEdit* box = editor.find<QLineEdit>("verze1");
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("2001.1 beta"));
    EXPECT_EQ(editor.form->dataVersion(), "2001.1 beta");
    EXPECT_FALSE(editor.form->isSaved());
    editor.click("Button2");
    EXPECT_NE(editor.bytes().find("\r\nverze 2001.1 beta\r\n"), std::string::npos);
    EXPECT_TRUE(editor.form->isSaved());
    EXPECT_TRUE(editor.form->close());
    editor.expectScriptDone();
}

TEST(EditorVersion, AFileWithoutAVersionLineIsSavedWithVersionOne) {
    Editor editor(tariffFile({"provider EUROTEL", "tarif Go"}));
    editor.click("Button2");
    EXPECT_NE(editor.bytes().find("\r\nverze 1.0\r\n\r\nprovider EUROTEL\r\n"), std::string::npos);
    editor.expectScriptDone();
}

TEST(EditorCloseQuestion, ProtectsEveryChange) {
    struct Case {
        const char* what;
        void (*change)(Editor&);
        bool asks;
    };
    const Case cases[] = {
        {"nothing", [](Editor&) {}, false},
        {"delete",
         [](Editor& e) {
             e.clickRow(0);
             e.prompter.answer(Answer::Yes);
             e.click("Smaz");
         },
         true},
        {"delete refused",
         [](Editor& e) {
             e.clickRow(0);
             e.prompter.answer(Answer::No);
             e.click("Smaz");
         },
         false},
        {"move up",
         [](Editor& e) {
             e.clickRow(1);
             e.click("Nahoru");
         },
         true},
        {"move down",
         [](Editor& e) {
             e.clickRow(1);
             e.click("Dolu");
         },
         true},
        {"move up on the top row",
         [](Editor& e) {
             e.clickRow(0);
             e.click("Nahoru");
         },
         false},
        {"version typed", [](Editor& e) { QTest::keyClick(e.find<QLineEdit>("verze1"), Qt::Key_Backspace); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(threeTariffs());
        c.change(editor);
        const int before = editor.prompter.count(Kind::Inform);
        if (c.asks) editor.prompter.answer(Answer::Cancel);
        EXPECT_EQ(editor.form->close(), !c.asks);
        EXPECT_EQ(editor.prompter.count(Kind::Inform) - before, c.asks ? 1 : 0);
        if (c.asks) {
            EXPECT_EQ(editor.prompter.texts(Kind::Inform).last(), Changed);
        }
        editor.expectScriptDone();
    }
}

TEST(EditorCloseQuestion, AnswersDecideWhetherToSaveAndClose) {
    struct Case {
        Answer answer;
        bool closes;
        bool written;
    };
    const Case cases[] = {
        {Answer::Yes, true, true},
        {Answer::No, true, false},
        {Answer::Cancel, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        Editor editor(threeTariffs());
        editor.clickRow(0);
        editor.click("Dolu");
        editor.prompter.answer(c.answer);
        EXPECT_EQ(editor.form->close(), c.closes);
        EXPECT_EQ(editor.form->isVisible(), !c.closes);
        EXPECT_EQ(editor.bytes(), c.written ? writerBytes(*editor.form) : threeTariffs());
        EXPECT_EQ(editor.prompter.interactions().front().title, QStringLiteral("Cenikar"));
        editor.expectScriptDone();
    }
}

TEST(EditorSave, WritesExactlyTheWritersBytes) {
    Editor editor(threeTariffs());
    editor.clickRow(2);
    editor.click("Nahoru");
    editor.click("Button2");
    const std::string saved = editor.bytes();
    EXPECT_EQ(saved, writerBytes(*editor.form));
    EXPECT_EQ(saved.substr(0, saved.find("\r\n")),
              std::string("// Generov\xE1no z ") + versions::EditorCaption + " dne 24.12.24 ve 18:30:05");
    EXPECT_EQ(readBack(editor.folder / "tarif.ini"), editor.form->tariffs());
    EXPECT_TRUE(editor.form->isSaved());
    EXPECT_EQ(editor.form->windowTitle(), caption(QStringLiteral("tarif.ini")));
    // Only the file itself: nothing left over from the save.
    EXPECT_EQ(std::distance(fs::directory_iterator(editor.folder.path()), fs::directory_iterator()), 1);
    editor.expectScriptDone();
}

TEST(EditorSaveAs, WritesUnderTheChosenNameWhichThenStays) {
    struct Case {
        const char* typed;
        const char* written;
    };
    const Case cases[] = {
        {"kopie.ini", "kopie.ini"},
        {"kopie", "kopie.ini"},  // a name without an extension gets ".ini"
        {"kopie.txt", "kopie.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Editor editor(threeTariffs());
        editor.chooseFile(QString::fromLatin1(c.typed));
        editor.click("Button3");

        const QString name = editor.folder.file(c.written);
        EXPECT_EQ(editor.prompter.texts(Kind::Dialog),
                  QStringList{QStringLiteral("Vyberte jméno konfiguračního souboru")});
        EXPECT_EQ(editor.bytes(c.written), writerBytes(*editor.form));
        EXPECT_EQ(editor.bytes(), threeTariffs());
        EXPECT_EQ(editor.form->fileName(), name);
        EXPECT_EQ(editor.form->windowTitle(), caption(name));
        EXPECT_TRUE(editor.form->isSaved());

        // Save goes on to write under the new name.
        editor.clickRow(0);
        editor.click("Dolu");
        editor.click("Button2");
        EXPECT_EQ(editor.bytes(c.written), writerBytes(*editor.form));
        EXPECT_EQ(editor.bytes(), threeTariffs());
        editor.expectScriptDone();
    }
}

TEST(EditorSaveAs, CancellingChangesNothing) {
    for (const bool choseBefore : {false, true}) {
        SCOPED_TRACE(choseBefore);
        Editor editor(threeTariffs());
        if (choseBefore) {
            editor.chooseFile(editor.folder.file("drive.ini"));
            editor.click("Button3");
        }
        const QString name = editor.form->fileName();
        editor.clickRow(0);
        editor.click("Dolu");
        editor.cancelDialog();
        editor.click("Button3");
        EXPECT_EQ(editor.form->fileName(), name);
        EXPECT_FALSE(editor.form->isSaved());
        EXPECT_EQ(editor.bytes(), threeTariffs());
        EXPECT_EQ(std::distance(fs::directory_iterator(editor.folder.path()), fs::directory_iterator()),
                  choseBefore ? 2 : 1);
        if (choseBefore) {
            EXPECT_NE(editor.bytes("drive.ini"), writerBytes(*editor.form));
        }
        editor.expectScriptDone();
    }
}

TEST(EditorSave, AFailureIsReportedAndLosesNothing) {
    struct Case {
        const char* what;
        void (*act)(Editor&);
        QString message;  // %1: the working folder
        QString nameAfter;
    };
    const Case cases[] = {
        {"save over a folder",
         [](Editor& e) {
             fs::remove(e.folder / "tarif.ini");
             fs::create_directory(e.folder / "tarif.ini");
             // The file another program took away: saved all the same.
             e.prompter.answer(Answer::Yes);
             e.click("Button2");
         },
         "Kritická chyba 21 - nelze otevřít soubor tarif.ini!\nJe to složka, ne soubor.", "tarif.ini"},
        {"save as into a missing folder",
         [](Editor& e) {
             e.chooseFile(e.folder.file("chybi/kopie.ini"));
             e.click("Button3");
         },
         "Kritická chyba 2 - nelze otevřít soubor %1/chybi/kopie.ini!\nSoubor neexistuje.", "tarif.ini"},
        {"a full disk",
         [](Editor& e) {
             static FullDisk disk;
             e.form->setSaveIo(disk);
             e.click("Button2");
         },
         "Kritická chyba 28 - nelze zapsat soubor tarif.ini!\nNa disku není místo.\nSoubor zůstal beze změny.",
         "tarif.ini"},
        {"a failing rename",
         [](Editor& e) {
             static FailingRename io;
             e.form->setSaveIo(io);
             e.click("Button2");
         },
         "Kritická chyba 16 - nelze zapsat soubor tarif.ini!\nChyba 16.\nSoubor zůstal beze změny.", "tarif.ini"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(threeTariffs());
        editor.clickRow(0);
        editor.click("Dolu");
        const hovorix::tariffs::TariffList changed = editor.form->tariffs();
        const QStringList rows = editor.rows();
        const QString message = QString(c.message).replace("%1", QString::fromStdString(editor.folder.path().string()));
        editor.prompter.expectError(message);
        c.act(editor);
        EXPECT_EQ(failedSaveProblems(editor, message, changed, rows, c.nameAfter), "");
        if (fs::is_regular_file(editor.folder / "tarif.ini")) {
            EXPECT_EQ(editor.bytes(), threeTariffs());
            // Nothing left over from the save.
            EXPECT_EQ(std::distance(fs::directory_iterator(editor.folder.path()), fs::directory_iterator()), 1);
        }
    }
}

TEST(EditorSave, AFailedSaveFromTheCloseQuestionKeepsTheWindowOpen) {
    Editor editor(threeTariffs());
    FullDisk disk;
    editor.form->setSaveIo(disk);
    editor.clickRow(0);
    editor.click("Dolu");
    editor.prompter.answer(Answer::Yes);
    editor.prompter.expectError();
    EXPECT_FALSE(editor.form->close());
    EXPECT_TRUE(editor.form->isVisible());
    EXPECT_EQ(editor.prompter.errors(),
              QStringList{QStringLiteral("Kritická chyba 28 - nelze zapsat soubor tarif.ini!\nNa disku není místo.\n"
                                         "Soubor zůstal beze změny.")});
    EXPECT_EQ(editor.bytes(), threeTariffs());
    // Still protected: the next close asks again.
    editor.prompter.answer(Answer::No);
    EXPECT_TRUE(editor.form->close());
    EXPECT_EQ(editor.prompter.count(Kind::Inform), 2);
    editor.expectScriptDone();
}

TEST(EditorOpen, ReadsTheChosenFileInPlaceOfTheList) {
    struct Case {
        const char* what;
        std::optional<std::string> file;  // none: the name does not exist yet
        QStringList rows;
        QString versionBox;  // a file without a version line keeps the one held
    };
    const Case cases[] = {
        {"a tariff file", readBytes(HOVORIX_SAMPLE), {}, "2000.11"},
        {"a new name", std::nullopt, {}, "2.3"},
        {"a file without a version line", tariffFile({"provider EUROTEL", "tarif Go"}), {"EUROTEL-Go"}, "2.3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(threeTariffs());
        fs::create_directory(editor.folder / "jinde");
        if (c.file) writeBytes(editor.folder / "jinde" / "cenik.ini", *c.file);
        const QString name = editor.folder.file("jinde/cenik.ini");
        editor.chooseFile(name);
        editor.click("Button1");

        EXPECT_EQ(editor.prompter.texts(Kind::Dialog), QStringList{QStringLiteral("Vyberte konfigurační soubor")});
        if (c.file == readBytes(HOVORIX_SAMPLE)) {
            EXPECT_EQ(editor.rows().size(), 10);
            EXPECT_EQ(editor.rows().front(), QStringLiteral("PAEGAS-Start"));
        } else {
            EXPECT_EQ(editor.rows(), c.rows);
        }
        EXPECT_EQ(editor.form->tariffs().count(), static_cast<std::size_t>(editor.rows().size()));
        EXPECT_EQ(editor.versionBox(), c.versionBox);
        EXPECT_EQ(editor.form->fileName(), name);
        EXPECT_EQ(editor.form->windowTitle(), caption(name));
        EXPECT_TRUE(editor.form->isSaved());
        EXPECT_EQ(editor.bytes("jinde/cenik.ini"), c.file.value_or(std::string()));
        EXPECT_EQ(editor.bytes(), threeTariffs());
        editor.expectScriptDone();
    }
}

TEST(EditorOpen, CancellingChangesNothing) {
    for (const bool choseBefore : {false, true}) {
        SCOPED_TRACE(choseBefore);
        Editor editor(threeTariffs());
        writeBytes(editor.folder / "druhy.ini", tariffFile({"provider EUROTEL", "tarif Go"}));
        if (choseBefore) {
            editor.chooseFile(editor.folder.file("druhy.ini"));
            editor.click("Button1");
        }
        const QStringList rows = editor.rows();
        const QString name = editor.form->fileName();
        editor.cancelDialog();
        editor.click("Button1");
        EXPECT_EQ(editor.rows(), rows);
        EXPECT_EQ(editor.form->fileName(), name);
        EXPECT_TRUE(editor.form->isSaved());
        EXPECT_EQ(std::distance(fs::directory_iterator(editor.folder.path()), fs::directory_iterator()), 2);
        editor.expectScriptDone();
    }
}

TEST(EditorOpen, AsksAboutUnsavedChangesFirst) {
    struct Case {
        Answer answer;
        bool savedFirst;
        bool opened;
    };
    const Case cases[] = {
        {Answer::Yes, true, true},
        {Answer::No, false, true},
        {Answer::Cancel, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        Editor editor(threeTariffs());
        writeBytes(editor.folder / "druhy.ini", tariffFile({"provider EUROTEL", "tarif Go"}));
        editor.clickRow(0);
        editor.click("Dolu");
        const std::string changed = writerBytes(*editor.form);
        editor.prompter.answer(c.answer);
        if (c.opened) editor.chooseFile(editor.folder.file("druhy.ini"));
        editor.click("Button1");

        EXPECT_EQ(editor.prompter.texts(Kind::Inform), QStringList{Changed});
        // The question comes before the dialog.
        EXPECT_EQ(editor.prompter.interactions().front().kind, Kind::Inform);
        EXPECT_EQ(editor.bytes(), c.savedFirst ? changed : threeTariffs());
        const QStringList kept{"PAEGAS-Ekonom", "EUROTEL-Ekonom", "PAEGAS-Večerní"};
        EXPECT_EQ(editor.rows(), c.opened ? QStringList{"EUROTEL-Go"} : kept);
        EXPECT_EQ(editor.form->isSaved(), c.opened);
        editor.expectScriptDone();
    }
}

TEST(EditorOpen, AFileThatFailsLeavesEverythingAsItWas) {
    struct Case {
        const char* what;
        const char* name;
        void (*prepare)(const fs::path& folder);
        QString error;  // %1: the chosen name
    };
    const Case cases[] = {
        {"a missing folder", "chybi/cenik.ini", [](const fs::path&) {},
         "Kritická chyba - nelze otevřít soubor %1!\nSoubor neexistuje."},
        {"a link to itself", "smycka.ini",
         [](const fs::path& f) { fs::create_symlink(f / "smycka.ini", f / "smycka.ini"); },
         "Kritická chyba - nelze otevřít soubor %1!\nChyba 40."},
        {"a malformed number", "vadny.ini",
         [](const fs::path& f) {
             writeBytes(f / "vadny.ini", tariffFile({"verze 9", "provider EUROTEL", "tarif Go", "sazba JTS 1.2 30"}));
         },
         "'1.2' is not a valid floating point value.\n%1, řádek 4: soubor byl nejspíš uložen s jiným desetinným "
         "oddělovačem (jiné místní nastavení)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(threeTariffs());
        c.prepare(editor.folder.path());
        editor.clickRow(1);
        editor.click("Nahoru");
        const hovorix::tariffs::TariffList list = editor.form->tariffs();
        const QStringList rows = editor.rows();
        const QString title = editor.form->windowTitle();
        const QString name = editor.folder.file(c.name);
        editor.prompter.answer(Answer::No);
        editor.chooseFile(name);
        editor.prompter.expectError(QString(c.error).replace("%1", name));
        editor.click("Button1");

        EXPECT_EQ(editor.prompter.count(Kind::Exit), 0);
        EXPECT_EQ(editor.form->tariffs(), list);
        EXPECT_EQ(editor.rows(), rows);
        EXPECT_EQ(editor.form->fileName(), QStringLiteral("tarif.ini"));
        EXPECT_EQ(editor.form->windowTitle(), title);
        EXPECT_EQ(editor.form->dataVersion(), "2.3");
        EXPECT_EQ(editor.versionBox(), QStringLiteral("2.3"));
        EXPECT_FALSE(editor.form->isSaved());
        editor.expectScriptDone();
    }
}

TEST(EditorFileDialogs, RememberTheLastFolderChosen) {
    Editor editor(threeTariffs());
    fs::create_directory(editor.folder / "jinde");
    const QString other = editor.folder.file("jinde");
    editor.chooseFile(editor.folder.file("jinde/cenik.ini"));
    editor.click("Button1");
    QString shownIn;
    editor.prompter.onDialog([&shownIn](QDialog& dialog) {
        shownIn = dynamic_cast<QFileDialog&>(dialog).directory().absolutePath();
        return static_cast<int>(QDialog::Rejected);
    });
    editor.click("Button1");
    EXPECT_EQ(shownIn, other);
    editor.expectScriptDone();
}

TEST(EditorFileDialogs, RefuseWhatTheEditorCouldNotUse) {
    struct Case {
        const char* what;
        const char* dialog;
        const char* name;
        bool accepted;
        QString refusal;  // %1: the working folder
    };
    const Case cases[] = {
        {"open a read-only file", "OpenDialog1", "jen.ini", false,
         "Soubor %1/jen.ini je jen pro čtení.\nZvolte jiný soubor."},
        {"open into a missing folder", "OpenDialog1", "chybi/a.ini", false,
         "Složka %1/chybi neexistuje.\nZkontrolujte, zda je cesta zadána správně."},
        {"save into a missing folder", "SaveDialog1", "chybi/a.ini", false,
         "Složka %1/chybi neexistuje.\nZkontrolujte, zda je cesta zadána správně."},
        {"open a writable file", "OpenDialog1", "tarif.ini", true, {}},
        {"open a new name", "OpenDialog1", "novy.ini", true, {}},
        {"save a new name", "SaveDialog1", "novy.ini", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(threeTariffs());
        writeBytes(editor.folder / "jen.ini", "");
        fs::permissions(editor.folder / "jen.ini",
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        auto* dialog = editor.form->findChild<hovorix::editor::TariffFileDialog*>(QString::fromLatin1(c.dialog));
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(editor.folder.file(c.name));
        const QString folder = QString::fromStdString(editor.folder.path().string());
        if (!c.accepted) editor.prompter.expectError(c.refusal.arg(folder));
        dialog->setResult(QDialog::Rejected);
        dialog->accept();
        EXPECT_EQ(dialog->result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(editor.prompter.errors(), c.accepted ? QStringList{} : QStringList{c.refusal.arg(folder)});
        if (!c.accepted) {
            EXPECT_EQ(editor.prompter.interactions().front().title, dialog->windowTitle());
        }
        editor.expectScriptDone();
    }
}

TEST(EditorMoveButtons, ShowARedArrowGreyedWhileDisabled) {
    struct Case {
        const char* button;
        bool headOnTop;
    };
    for (const Case& c : {Case{"Nahoru", true}, Case{"Dolu", false}}) {
        SCOPED_TRACE(c.button);
        Editor editor(threeTariffs());
        auto* button = editor.find<QToolButton>(c.button);
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        const QSize size = button->iconSize();
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            const QImage image = button->icon().pixmap(size, 1.0, mode).toImage();
            int red = 0, grey = 0;
            std::vector<int> widths;  // of the rows that show anything, top down
            for (int y = 0; y < image.height(); ++y) {
                int width = 0;
                for (int x = 0; x < image.width(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    if (pixel.alpha() == 0) continue;
                    ++width;
                    if (pixel.red() > 200 && pixel.green() < 60) ++red;
                    if (pixel.red() == pixel.green() && pixel.green() == pixel.blue() && pixel.red() < 200) ++grey;
                }
                if (width > 0) widths.push_back(width);
            }
            ASSERT_FALSE(widths.empty());
            // The tip of the arrow is narrower than the end of its shaft.
            EXPECT_EQ(widths.front() < widths.back(), c.headOnTop);
            if (mode == QIcon::Normal) {
                EXPECT_GT(red, 20);
            } else {
                EXPECT_EQ(red, 0);
                EXPECT_GT(grey, 20);
            }
        }
    }
}
