// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <sys/stat.h>

#include "EditorTesting.h"
#include "tariffs/TariffFile.h"

using namespace editortest;
using hovorix::desktop::ProgramExit;

namespace {

// Six lines; the fourth holds a number with a point where the settings say comma.
std::string badAtLineFour() {
    return tariffFile(
        {"verze 2.3", "provider EUROTEL", "tarif Ekonom", "sazba JTS 1.2 30", "provider PAEGAS", "tarif Go"});
}

// The number reads with a decimal point: the file was saved under other
// regional settings, which a line of its own says.
const QString BadLineError = QStringLiteral(
    "'1.2' is not a valid floating point value.\ntarif.ini, řádek 4: soubor byl nejspíš uložen s jiným desetinným "
    "oddělovačem (jiné místní nastavení).");

QString overwriteQuestion(const QString& name) {
    return QStringLiteral(
               "Uložením přes soubor %1 se ztratí:\n– byl načten jen po řádek 4; uložením se ztratí řádky 4 až 6.\n"
               "Přesto uložit?")
        .arg(name);
}

}  // namespace

// A file read only up to a bad line is never replaced by the part that was
// read unless the user says so to a question that names the loss and whose
// default keeps the file; closing without changes asks nothing.
TEST(EditorPartRead, NoSaveReplacesThePartlyReadFileUnasked) {
    struct Case {
        const char* what;
        void (*act)(Editor&);
        bool overwritten;
    };
    const Case cases[] = {
        {"close at once", [](Editor& e) { EXPECT_TRUE(e.form->close()); }, false},
        {"save, keeping the file",
         [](Editor& e) {
             e.prompter.answer(Answer::No);
             e.click("Button2");
         },
         false},
        {"save as its own name, keeping the file",
         [](Editor& e) {
             e.chooseFile(e.folder.file("tarif.ini"));
             e.prompter.answer(Answer::No);
             e.click("Button3");
         },
         false},
        {"a change, then Ano to the close question and Ne to the loss",
         [](Editor& e) {
             QTest::keyClick(e.find<QLineEdit>("verze1"), Qt::Key_Backspace);
             e.prompter.answer(Answer::Yes);
             e.prompter.answer(Answer::No);
             EXPECT_FALSE(e.form->close());
         },
         false},
        {"save, insisting",
         [](Editor& e) {
             e.prompter.answer(Answer::Yes);
             e.click("Button2");
         },
         true},
        {"save as another name, unasked, then save there",
         [](Editor& e) {
             e.chooseFile(e.folder.file("kopie.ini"));
             e.click("Button3");
             e.click("Button2");
             EXPECT_EQ(e.bytes("kopie.ini").substr(0, 2), "//");
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(badAtLineFour(), [](ScriptedPrompter& p) { p.expectError(BadLineError); });
        EXPECT_EQ(editor.rows(), (QStringList{"EUROTEL-Ekonom"}));
        EXPECT_TRUE(editor.form->isPartlyRead());
        c.act(editor);

        EXPECT_EQ(editor.bytes() != badAtLineFour(), c.overwritten);
        EXPECT_EQ(editor.form->isPartlyRead(), !c.overwritten && editor.form->fileName() == "tarif.ini");
        for (const auto& asked : editor.prompter.interactions()) {
            if (asked.kind != Kind::Confirm) continue;
            EXPECT_EQ(asked.text, overwriteQuestion(asked.text.contains(u'/') ? editor.folder.file("tarif.ini")
                                                                              : QStringLiteral("tarif.ini")));
            EXPECT_EQ(asked.defaultAnswer, Answer::No);
        }
    }
}

// Lines ended by LF alone: read with LF as the line end when the user
// accepts (and saved with CR LF), else read by the format's rule and kept
// safe as a partly read file. NUL bytes: a warning, and kept safe the same way.
TEST(EditorPartRead, FilesWhoseBytesHideTheirTariffsAreNeverLost) {
    const std::string lfEnded = "verze 4\nprovider EUROTEL\ntarif Go\nprovider PAEGAS\ntarif Start\n";
    struct Case {
        const char* what;
        std::string bytes;
        std::optional<Answer> convert;  // none: NUL bytes, a warning
        QStringList rows;
        const char* saveQuestion;  // empty: saved unasked
    };
    const Case cases[] = {
        {"LF ends, converted", lfEnded, Answer::Yes, {"EUROTEL-Go", "PAEGAS-Start"}, ""},
        {"LF ends, kept",
         lfEnded,
         Answer::No,
         {},
         "Uložením přes soubor tarif.ini se ztratí:\n– byl načten jako jediný řádek, protože má konce řádků jen LF; "
         "uložením se ztratí jeho obsah.\nPřesto uložit?"},
        {"NUL bytes",
         tariffFile({"provider EUROTEL", "tarif G\x01o"}) + std::string("\0\0", 2),
         std::nullopt,
         {"EUROTEL-G\x01o"},
         "Uložením přes soubor tarif.ini se ztratí:\n– obsahuje nulové bajty a nebyl načten celý; uložením se ztratí "
         "vše, co z něj nebylo načteno.\n– 1 řádek, kterému program nerozumí (řádek 3: „  “)\nPřesto uložit?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(c.bytes, [&c](ScriptedPrompter& p) {
            if (c.convert) {
                p.answer(*c.convert);
            } else {
                p.expectWarning(
                    QStringLiteral("Soubor tarif.ini obsahuje nulové bajty, není to tedy textový soubor "
                                   "ceníku. Načte se z něj jen to, co lze číst jako text, a uložit přes "
                                   "něj půjde až po potvrzení."));
            }
        });
        if (c.convert) {
            ASSERT_FALSE(editor.prompter.interactions().empty());
            const auto& offer = editor.prompter.interactions().front();
            EXPECT_EQ(offer.text, QStringLiteral("Soubor tarif.ini má konce řádků jen LF (bez CR), takže je podle "
                                                 "pravidel ceníku celý jediným řádkem.\n\nNačíst ho s LF jako "
                                                 "koncem řádku? Při uložení dostane konce řádků CR LF."));
            EXPECT_EQ(offer.defaultAnswer, Answer::Yes);
        }
        EXPECT_EQ(editor.rows(), c.rows);
        EXPECT_TRUE(editor.form->close()) << "closing without a change asked something";

        if (*c.saveQuestion) editor.prompter.answer(Answer::No);
        editor.click("Button2");
        if (*c.saveQuestion) {
            EXPECT_EQ(editor.prompter.texts(Kind::Confirm).last(), QString::fromUtf8(c.saveQuestion));
            EXPECT_EQ(editor.bytes(), c.bytes);
        } else {
            // Converted: every tariff and the version, now with CR LF.
            hovorix::tariffs::TariffList again(hovorix::tariffs::EditorDefaults);
            std::string version;
            hovorix::tariffs::readTariffFile(editor.folder / "tarif.ini", again, version, {});
            EXPECT_EQ(again, editor.form->tariffs());
            EXPECT_EQ(version, "4");
        }
    }
}

// The editor works on the file the calculator reads, whatever the letter
// case of its name, and creates "tarif.ini" only where there is none.
TEST(EditorStart, UsesTheCalculatorsFileWhateverTheCaseOfItsName) {
    struct Case {
        std::vector<std::string> present;
        const char* used;
    };
    const Case cases[] = {
        {{"TARIF.INI"}, "TARIF.INI"},
        {{"tarif.ini", "Tarif.ini"}, "Tarif.ini"},
        {{}, "tarif.ini"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.used);
        WorkFolder folder;
        for (const std::string& name : c.present)
            writeBytes(folder / name, tariffFile({"provider X", "tarif", name.c_str()}));
        ScriptedPrompter prompter;
        hovorix::editor::TCenikarForm form(prompter, czechSettings());
        EXPECT_EQ(form.windowTitle(), caption(QString::fromLatin1(c.used)));
        EXPECT_EQ(form.fileName(), QString::fromLatin1(c.used));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()),
                  std::max<std::ptrdiff_t>(1, static_cast<std::ptrdiff_t>(c.present.size())));
    }
}

// In the open dialog a typed name that exists is opened as typed; only a new
// name without an extension gets ".ini". Pipes and devices are refused at
// once, as files that cannot be opened.
TEST(EditorOpen, OpensWhatWasTypedAndOnlyRegularFiles) {
    struct Case {
        const char* typed;
        const char* opened;  // null: refused
        void (*prepare)(const fs::path& folder);
    };
    const Case cases[] = {
        {"zaloha", "zaloha", [](const fs::path& f) { writeBytes(f / "zaloha", tariffFile({"provider Z"})); }},
        {"novy", "novy.ini", [](const fs::path&) {}},
        {"roura.ini", nullptr, [](const fs::path& f) { ASSERT_EQ(mkfifo((f / "roura.ini").c_str(), 0644), 0); }},
        {"nula", nullptr, [](const fs::path& f) { fs::create_symlink("/dev/zero", f / "nula"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Editor editor(threeTariffs());
        c.prepare(editor.folder.path());
        const QString typed = editor.folder.file(c.typed);
        if (!c.opened)
            editor.prompter.expectError(
                QStringLiteral("Kritická chyba - nelze otevřít soubor %1!\nNení to soubor.").arg(typed));
        editor.chooseFile(typed);
        editor.click("Button1");
        EXPECT_EQ(editor.form->fileName(), c.opened ? editor.folder.file(c.opened) : QStringLiteral("tarif.ini"));
        EXPECT_EQ(fs::exists(editor.folder / (std::string(c.typed) + ".ini")), std::string(c.typed) == "novy");
    }
}
