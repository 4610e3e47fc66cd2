// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <cerrno>
#include <cstring>
#include <iostream>

#include "EditorTesting.h"
#include "FailingIo.h"
#include "tariffs/TariffWriter.h"

using namespace editortest;

namespace {

std::size_t entries(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

}  // namespace

// The user may not write where the file is: the save is refused before
// anything is written, the old file stays byte for byte, the window keeps
// every change. A file he may write in a folder he may not is written in
// place. Run as a user without root's rights, where root's would let the
// save through.
TEST(EditorSaveFault, WhereTheUserMayNotWriteNothingIsLost) {
    struct Case {
        const char* what;
        fs::perms folder;
        fs::perms file;
        const char* saveAs;  // null: save under the current name
        QString message;     // %1: the working folder; empty: saved
    };
    const auto perms = [](unsigned bits) { return static_cast<fs::perms>(bits); };
    const Case cases[] = {
        {"save in a read-only folder", perms(0555), perms(0644), nullptr, {}},
        {"save over a read-only file", perms(0755), perms(0444), nullptr,
         "Kritická chyba 13 - nelze otevřít soubor tarif.ini!\nPřístup odepřen.\nSoubor zůstal beze změny."},
        {"save as into a read-only folder", perms(0555), perms(0644), "kopie.ini",
         "Kritická chyba 13 - nelze otevřít soubor %1/kopie.ini!\nPřístup odepřen."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(threeTariffs());
        editor.clickRow(0);
        editor.click("Dolu");
        const hovorix::tariffs::TariffList list = editor.form->tariffs();
        const QStringList rows = editor.rows();
        const QString message = QString(c.message).replace("%1", QString::fromStdString(editor.folder.path().string()));
        const fs::path file = editor.folder / "tarif.ini";
        if (geteuid() == 0) {
            ASSERT_EQ(chown(file.c_str(), UnprivilegedUser, UnprivilegedUser), 0);
        }
        fs::permissions(file, c.file);
        fs::permissions(editor.folder.path(), c.folder);

        const bool keptEverything = asUnprivilegedUser(editor.folder.path(), [&] {
            // The child works on its own copy of the script.
            if (c.saveAs) editor.chooseFile(editor.folder.file(c.saveAs));
            if (c.message.isEmpty()) {
                editor.click("Button2");
                return editor.form->isSaved() && editor.prompter.errors().isEmpty();
            }
            editor.prompter.expectError(message);
            editor.click(c.saveAs ? "Button3" : "Button2");
            const std::string wrong = failedSaveProblems(editor, message, list, rows, QStringLiteral("tarif.ini"));
            if (!wrong.empty()) std::cerr << c.what << ": " << wrong << '\n';
            return wrong.empty();
        });
        EXPECT_TRUE(keptEverything);
        fs::permissions(editor.folder.path(), fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(editor.bytes(), c.message.isEmpty() ? hovorix::tariffs::writeTariffs(
                                                            list, "2.3", ',', czechSettings().stamp(saveMoment()))
                                                      : threeTariffs());
        EXPECT_EQ(entries(editor.folder.path()), 1u);
    }
}

// A save in place (a hard link beside the file keeps a backup) that fails
// half way: the message's last line says whether the file holds its old
// bytes again or may be damaged, and the next save, with room on the disk,
// goes through asking nothing: what the failed save left is no other
// program's change.
TEST(EditorSaveFault, AFailedSaveInPlaceSaysWhatBecameOfTheFile) {
    struct Case {
        const char* what;
        int refusals;
        const char* lastLine;
        bool oldBytes;
    };
    const Case cases[] = {
        {"written back", 1, "Soubor zůstal beze změny.", true},
        {"not written back", -1, "Soubor se nepodařilo obnovit; jeho obsah může být poškozený.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(threeTariffs());
        fs::create_hard_link(editor.folder / "tarif.ini", editor.folder / "zaloha.ini");
        editor.clickRow(0);
        editor.click("Dolu");
        const hovorix::tariffs::TariffList list = editor.form->tariffs();
        const QStringList rows = editor.rows();
        FailingIo disk(FailingIo::Call::Write, ENOSPC, c.refusals);
        editor.form->setSaveIo(disk);
        const QString message =
            QStringLiteral("Kritická chyba 28 - nelze zapsat soubor tarif.ini!\nNa disku není místo.\n") +
            QString::fromUtf8(c.lastLine);
        editor.prompter.expectError(message);
        editor.click("Button2");
        EXPECT_EQ(failedSaveProblems(editor, message, list, rows, QStringLiteral("tarif.ini")), "");
        EXPECT_EQ(editor.bytes() == threeTariffs(), c.oldBytes);
        EXPECT_EQ(editor.bytes("zaloha.ini"), editor.bytes());

        editor.form->setSaveIo(hovorix::tariffs::systemSaveIo());
        editor.click("Button2");
        EXPECT_TRUE(editor.form->isSaved());
        EXPECT_EQ(editor.bytes(),
                  hovorix::tariffs::writeTariffs(list, "2.3", ',', czechSettings().stamp(saveMoment())));
        EXPECT_EQ(editor.bytes("zaloha.ini"), editor.bytes());
        editor.expectScriptDone();
    }
}

// A real full disk: a small tmpfs holds the file, and a second copy of it
// does not fit beside it. (Where no tmpfs can be mounted, a full disk that
// the save's system calls report stands in; see the editor's save tests.)
TEST(EditorSaveFaultAsRoot, AFullDiskLosesNothingAndTheSaveWorksOnceThereIsRoom) {
    Editor editor(threeTariffs());
    const fs::path small = editor.folder / "maly";
    fs::create_directory(small);
    SmallTmpfs disk(small, "64k");
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here: " << std::strerror(disk.error());

    hovorix::tariffs::TariffList many(hovorix::tariffs::EditorDefaults);
    for (int i = 0; i < 150; ++i) {
        hovorix::tariffs::Tarifs& t = many.append();
        t.provider = i % 2 ? "EUROTEL" : "PAEGAS";
        t.name = "Tarif " + std::to_string(i);
        t.telephoneFee = 100 + i;
        for (hovorix::tariffs::ZoneRate& zone : t.zones) zone = {4.5 + i / 100.0, 10};
    }
    const std::string old = hovorix::tariffs::writeTariffs(many, "7", ',', czechSettings().stamp(saveMoment()));
    ASSERT_GT(old.size(), 36u * 1024);
    ASSERT_LT(old.size(), 60u * 1024);
    writeBytes(small / "tarif.ini", old);
    const QString name = editor.folder.file("maly/tarif.ini");
    editor.chooseFile(name);
    editor.click("Button1");
    ASSERT_EQ(editor.rows().size(), 150);
    editor.clickRow(0);
    editor.click("Dolu");
    const hovorix::tariffs::TariffList list = editor.form->tariffs();
    const QStringList rows = editor.rows();
    const QString message =
        QStringLiteral("Kritická chyba 28 - nelze zapsat soubor %1!\nNa disku není místo.\nSoubor zůstal beze změny.")
            .arg(name);
    editor.prompter.expectError(message);
    editor.click("Button2");
    EXPECT_EQ(failedSaveProblems(editor, message, list, rows, name), "");
    EXPECT_EQ(readBytes(small / "tarif.ini"), old);
    EXPECT_EQ(entries(small), 1u);

    ASSERT_TRUE(disk.resize("256k")) << std::strerror(errno);
    editor.click("Button2");
    EXPECT_TRUE(editor.form->isSaved());
    EXPECT_EQ(readBytes(small / "tarif.ini"),
              hovorix::tariffs::writeTariffs(list, "7", ',', czechSettings().stamp(saveMoment())));
    EXPECT_EQ(editor.prompter.errors().size(), 1);
    editor.expectScriptDone();
}
