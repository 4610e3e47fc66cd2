// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeySequence>

#include "EditorTesting.h"

using namespace editortest;

namespace {

struct Input {
    const char* what;
    QString typed;   // typed key by key
    QString pasted;  // then pasted from the clipboard
    QString kept;
    bool beeps;
};

// What a text field of the file takes from the keyboard and the clipboard.
void checkFileText(QLineEdit& field, ScriptedPrompter& prompter, const Input& input) {
    SCOPED_TRACE(input.what);
    field.clear();
    const int beepsBefore = prompter.beeps();
    if (!input.typed.isEmpty()) typeKeys(&field, input.typed);
    if (!input.pasted.isEmpty()) {
        QApplication::clipboard()->setText(input.pasted);
        QTest::keySequence(&field, QKeySequence::Paste);
    }
    EXPECT_EQ(field.text(), input.kept);
    EXPECT_EQ(prompter.beeps() > beepsBefore, input.beeps);
}

const QString Long300 = QString(300, u'x');

const Input FileTextInputs[] = {
    {"Czech letters", "Večerní ĚŠČŘŽÝÁÍÉ", {}, "Večerní ĚŠČŘŽÝÁÍÉ", false},
    {"signs and blanks", " -E+1,5 ", {}, " -E+1,5 ", false},
    {"a letter outside the code page", "Tarifж", {}, "Tarif", true},
    {"a pasted letter outside the code page", {}, "Ab€ωc", "Ab€c", true},
    {"a pasted line break", {}, "Ekonom\r\nPlus", "EkonomPlus", true},
    {"a pasted end-of-file mark",
     {},
     QStringLiteral("A\x1A"
                    "B"),
     "AB",
     true},
    {"a pasted text too long", {}, Long300, Long300.left(255), true},
    {"typing past the limit", Long300.left(256), {}, Long300.left(255), true},
};

}  // namespace

TEST(EditorVersion, TakesOnlyWhatTheFileCanHold) {
    Editor editor;
    QLineEdit* box = editor.find<QLineEdit>("verze1");
    for (const Input& input : FileTextInputs) checkFileText(*box, editor.prompter, input);
    EXPECT_EQ(editor.form->dataVersion(), std::string(255, 'x'));
    editor.expectScriptDone();
}

TEST(TariffDialogKeys, TextFieldsTakeOnlyWhatTheFileCanHold) {
    ScriptedPrompter prompter;
    hovorix::editor::TPoplatky dialog(prompter, ',', nullptr);
    QLineEdit* oper = child<QComboBox>(dialog, "Oper")->lineEdit();
    for (QLineEdit* field : {oper, child(dialog, "Nazev")}) {
        SCOPED_TRACE(field->objectName().toStdString());
        for (const Input& input : FileTextInputs) checkFileText(*field, prompter, input);
    }
    EXPECT_TRUE(prompter.unexpected().isEmpty());
}
