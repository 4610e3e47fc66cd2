// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "BadInputs.h"
#include "EditorTesting.h"

using namespace editortest;
using badinput::Outcome;
using hovorix::desktop::ProgramExit;
using hovorix::editor::TCenikarForm;

namespace {

QString messageOf(const Outcome& outcome) { return QString::fromStdString(outcome.message) + u'.'; }

// What the user meets before the file is read: a warning about NUL bytes, or
// the offer to read LF as the line end, which he declines here, so the file
// reads by the format's rule and counts as read in part.
void scriptNotice(ScriptedPrompter& prompter, const Outcome& outcome) {
    if (outcome.notice == Outcome::Notice::NulBytes) prompter.expectWarning();
    if (outcome.notice == Outcome::Notice::LfEnded) prompter.answer(Answer::No);
}

// The one file of the catalogue that cannot be opened is a folder.
const QString CannotOpenFolder =
    QStringLiteral("Kritická chyba - nelze otevřít soubor tarif.ini!\nJe to složka, ne soubor.");

// The warning after reading a file whose texts were cut, from its first line on.
QString cutWarning(const QString& name) {
    return QStringLiteral(
               "Soubor %1 obsahuje na řádcích 1 a dalších text delší než 255 znaků; program z něj zná jen prvních 255.")
        .arg(name);
}

void expectShortTexts(const ScriptedPrompter& prompter) {
    for (const auto& interaction : prompter.interactions()) {
        EXPECT_LE(interaction.text.size(), 300) << interaction.text.left(300).toStdString();
    }
}

}  // namespace

// Opening every bad file: the message the catalogue's outcome calls for, and
// either the file's tariffs, which a save then keeps as read, or everything
// as it was.
TEST(BadInput, OpenShowsTheFileOrLeavesEverythingAsItWas) {
    for (const badinput::Case& c : badinput::catalogue()) {
        SCOPED_TRACE(c.name);
        Editor editor(threeTariffs());
        fs::create_directory(editor.folder / "jinde");
        badinput::materialise(c, editor.folder / "jinde" / c.name);
        const QString name = editor.folder.file("jinde/" + c.name);
        const Outcome& expected = c.outcome;
        // A folder is no file to choose: the dialog goes into it.
        scriptNotice(editor.prompter, expected);
        if (expected.kind == Outcome::Kind::MalformedNumber) editor.prompter.expectError(messageOf(expected));
        if (expected.cutTexts > 0) editor.prompter.expectWarning(cutWarning(name));
        editor.chooseFile(name);
        editor.click("Button1");
        expectShortTexts(editor.prompter);

        if (expected.kind != Outcome::Kind::Reads) {
            const bool folder = expected.kind == Outcome::Kind::CannotOpen;
            EXPECT_EQ(editor.prompter.errors(), folder ? QStringList{} : QStringList{messageOf(expected)});
            EXPECT_EQ(editor.rows(), ThreeRows);
            EXPECT_EQ(editor.form->fileName(), QStringLiteral("tarif.ini"));
            EXPECT_EQ(editor.versionBox(), QStringLiteral("2.3"));
            EXPECT_TRUE(editor.form->isSaved());
            EXPECT_EQ(editor.bytes(), threeTariffs());
            editor.expectScriptDone();
            continue;
        }
        EXPECT_EQ(editor.prompter.errors(), QStringList{});
        EXPECT_EQ(editor.rows().size(), static_cast<qsizetype>(expected.tariffs));
        EXPECT_EQ(editor.form->fileName(), name);
        EXPECT_EQ(editor.form->dataVersion(), expected.version.value_or("2.3"));
        EXPECT_TRUE(editor.form->isSaved());
        EXPECT_EQ(editor.form->isPartlyRead(), expected.notice != Outcome::Notice::None);
        const hovorix::tariffs::TariffList read = editor.form->tariffs();

        // Saved (over a file a save would not keep in full only when the user
        // insists) and read again, the tariffs are what the window showed.
        const bool asks = editor.form->isPartlyRead() || expected.dropsLines || expected.cutTexts > 0;
        if (asks) editor.prompter.answer(Answer::Yes);
        editor.click("Button2");
        hovorix::tariffs::TariffList again(hovorix::tariffs::EditorDefaults);
        std::string version;
        hovorix::tariffs::readTariffFile(fs::path(name.toStdString()), again, version, {.decimalSeparator = ','});
        EXPECT_EQ(again, read);
        EXPECT_EQ(version, editor.form->dataVersion());
        editor.expectScriptDone();
    }
}

// Starting on every bad file as "tarif.ini": what was read is listed, a
// malformed number is shown, and a file that cannot be opened ends the
// program before its window shows.
TEST(BadInput, StartUpListsWhatWasReadOrEnds) {
    for (const badinput::Case& c : badinput::catalogue()) {
        SCOPED_TRACE(c.name);
        WorkFolder folder;
        badinput::materialise(c, folder / "tarif.ini");
        ScriptedPrompter prompter;
        const Outcome& expected = c.outcome;
        const bool malformed = expected.kind == Outcome::Kind::MalformedNumber;
        if (expected.kind == Outcome::Kind::CannotOpen) prompter.expectError(CannotOpenFolder);
        scriptNotice(prompter, expected);
        if (malformed) prompter.expectError(messageOf(expected));
        if (expected.cutTexts > 0) prompter.expectWarning(cutWarning(QStringLiteral("tarif.ini")));
        std::unique_ptr<TCenikarForm> form;
        try {
            form = std::make_unique<TCenikarForm>(prompter, czechSettings());
        } catch (const ProgramExit&) {}
        expectShortTexts(prompter);
        if (expected.kind == Outcome::Kind::CannotOpen) {
            EXPECT_EQ(form, nullptr);
            EXPECT_EQ(prompter.errors(), QStringList{CannotOpenFolder});
            continue;
        }
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(prompter.errors(), malformed ? QStringList{messageOf(expected)} : QStringList{});
        EXPECT_EQ(form->findChild<QListWidget*>(QStringLiteral("ListBox1"))->count(),
                  static_cast<int>(expected.tariffs));
        EXPECT_EQ(form->dataVersion(), expected.version.value_or("1.0"));
        EXPECT_TRUE(form->isSaved());
        EXPECT_EQ(form->isPartlyRead(), malformed || expected.notice != Outcome::Notice::None);
        EXPECT_TRUE(prompter.unexpected().isEmpty());
        EXPECT_TRUE(prompter.allAnswersUsed());
    }
}
