// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "EditorTesting.h"

using namespace editortest;

namespace {

// A number of a Windows-1250 tariff file: "15 Kč" and a byte the code page
// leaves undefined.
const std::string BadNumberFile = "provider A\r\ntarif B\r\nsluzba telefon 15 K\xE8\x81\r\n";
const QString BadNumberMessage = QString::fromUtf8("'15 Kč\uFFFD' is not a valid floating point value.");

}  // namespace

// The conversion message quotes the file's bytes as the letters they stand
// for, at start-up and when the file is opened.
TEST(Messages, AWindows1250NumberIsQuotedAsItsText) {
    Editor editor(BadNumberFile, [](ScriptedPrompter& prompter) { prompter.expectError(BadNumberMessage); });
    EXPECT_EQ(editor.prompter.errors(), QStringList{BadNumberMessage});

    writeBytes(editor.folder / "jiny.ini", BadNumberFile);
    editor.chooseFile(editor.folder.file("jiny.ini"));
    editor.prompter.expectError(BadNumberMessage);
    editor.click("Button1");
    EXPECT_EQ(editor.prompter.errors(), (QStringList{BadNumberMessage, BadNumberMessage}));
    editor.expectScriptDone();
}
