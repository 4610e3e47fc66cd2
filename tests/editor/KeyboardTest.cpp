// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>

#include "EditorTesting.h"

using namespace editortest;

namespace {

// The user presses keys with the focus on the list, as after Tab into it,
// or on another control.
void press(Editor& editor, QKeyCombination keys, const char* focus = "ListBox1") {
    auto* control = editor.find<QWidget>(focus);
    control->setFocus();
    QTest::keyClick(control, keys.key(), keys.keyboardModifiers());
}

}  // namespace

// Each key does what its button does, under the button's rules: the moves
// only with a row selected and the focus in the list, where the selected
// tariff is in sight. The tariff worked on stays selected, and current, so
// the next Down goes on from it.
TEST(EditorKeys, DoWhatTheButtonsDo) {
    struct Case {
        const char* what;
        int selectBefore;  // -1: none
        QKeyCombination keys;
        void (*script)(Editor&);
        QStringList rows;
        int selectedAfter;
        QString dialog;                  // the title of the dialog the key opens
        const char* focus = "ListBox1";  // where the key is pressed
    };
    const auto none = [](Editor&) {};
    const Case cases[] = {
        {"Ctrl+Down", 0, Qt::CTRL | Qt::Key_Down, none, {ThreeRows[1], ThreeRows[0], ThreeRows[2]}, 1, {}},
        {"Ctrl+Up", 2, Qt::CTRL | Qt::Key_Up, none, {ThreeRows[0], ThreeRows[2], ThreeRows[1]}, 1, {}},
        {"Ctrl+Down with nothing selected", -1, Qt::CTRL | Qt::Key_Down, none, ThreeRows, -1, {}},
        {"Ctrl+Down in the version box", 0, Qt::CTRL | Qt::Key_Down, none, ThreeRows, 0, {}, "verze1"},
        {"Delete, Ne",
         1,
         QKeyCombination(Qt::Key_Delete),
         [](Editor& e) { e.prompter.answer(Answer::No); },
         ThreeRows,
         1,
         {}},
        {"Delete, Ano",
         1,
         QKeyCombination(Qt::Key_Delete),
         [](Editor& e) { e.prompter.answer(Answer::Yes); },
         {ThreeRows[0], ThreeRows[2]},
         1,
         {}},
        {"Enter, Storno", 1, QKeyCombination(Qt::Key_Return), [](Editor& e) { e.onTariffDialog(clickStorno); },
         ThreeRows, 1, "Podrobné informace"},
        {"Ctrl+N", -1, Qt::CTRL | Qt::Key_N, [](Editor& e) { e.cancelDialog(); }, ThreeRows, -1, "Podrobné informace"},
        {"Ctrl+N with a tariff selected, Storno", 1, Qt::CTRL | Qt::Key_N, [](Editor& e) { e.cancelDialog(); },
         ThreeRows, 1, "Podrobné informace"},
        {"Ctrl+O", -1, Qt::CTRL | Qt::Key_O, [](Editor& e) { e.cancelDialog(); }, ThreeRows, -1,
         "Vyberte konfigurační soubor"},
        {"Ctrl+Shift+S", -1, Qt::CTRL | Qt::SHIFT | Qt::Key_S, [](Editor& e) { e.cancelDialog(); }, ThreeRows, -1,
         "Vyberte jméno konfiguračního souboru"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(threeTariffs());
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.form.get()));
        if (c.selectBefore >= 0) editor.clickRow(c.selectBefore);
        c.script(editor);
        press(editor, c.keys, c.focus);
        EXPECT_EQ(editor.rows(), c.rows);
        EXPECT_EQ(editor.selectedRow(), c.selectedAfter);
        EXPECT_EQ(editor.rowButtons(), c.selectedAfter >= 0 ? QStringLiteral("USND") : QStringLiteral("----"));
        EXPECT_EQ(editor.prompter.texts(Kind::Dialog), c.dialog.isEmpty() ? QStringList{} : QStringList{c.dialog});
        if (c.selectedAfter >= 0 && c.selectedAfter + 1 < editor.list()->count()) {
            press(editor, QKeyCombination(Qt::Key_Down));
            EXPECT_EQ(editor.selectedRow(), c.selectedAfter + 1) << "Down did not go on from the tariff";
        }
        editor.expectScriptDone();
    }
}

// Ctrl+S saves, and Ctrl+Q closes the window with its question.
TEST(EditorKeys, SaveAndClose) {
    Editor editor(threeTariffs());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.form.get()));
    editor.clickRow(0);
    press(editor, Qt::CTRL | Qt::Key_Down);
    press(editor, Qt::CTRL | Qt::Key_S);
    EXPECT_TRUE(editor.form->isSaved());
    EXPECT_NE(editor.bytes(), threeTariffs());

    press(editor, Qt::CTRL | Qt::Key_Up);
    editor.prompter.answer(Answer::Cancel);
    press(editor, Qt::CTRL | Qt::Key_Q);
    EXPECT_TRUE(editor.form->isVisible());
    EXPECT_EQ(editor.prompter.texts(Kind::Inform),
              QStringList{QStringLiteral("Soubor tarif.ini byl změněn. Uložit ?")});
    editor.prompter.answer(Answer::No);
    press(editor, Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(editor.form->isVisible());
    editor.expectScriptDone();
}

// With no row selected, the first Down selects the first tariff (Tab into
// the list makes it the current row without selecting it), as a click would:
// the row buttons come on.
TEST(EditorKeys, TheFirstDownSelectsTheFirstTariff) {
    for (const bool afterOpen : {false, true}) {
        SCOPED_TRACE(afterOpen);
        Editor editor(threeTariffs());
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.form.get()));
        if (afterOpen) {
            // Another file opened shows no row selected.
            editor.clickRow(2);
            writeBytes(editor.folder / "jiny.ini", threeTariffs());
            editor.chooseFile(editor.folder.file("jiny.ini"));
            editor.click("Button1");
            ASSERT_EQ(editor.rowButtons(), QStringLiteral("----"));
        } else {
            // "Smaž..." is off, so Tab goes from "Přidej..." to the list.
            QWidget* add = editor.find<QWidget>("Pridej");
            add->setFocus();
            QTest::keyClick(add, Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), editor.list());
        }
        press(editor, QKeyCombination(Qt::Key_Down));
        EXPECT_EQ(editor.selectedRow(), 0);
        EXPECT_EQ(editor.rowButtons(), QStringLiteral("USND"));
        press(editor, QKeyCombination(Qt::Key_Down));
        EXPECT_EQ(editor.selectedRow(), 1);
        editor.expectScriptDone();
    }
}

// After "Přidej..." and OK the new tariff is selected, in sight, and ready
// to be edited or deleted; after Storno nothing is selected.
TEST(EditorAdd, SelectsTheNewTariff) {
    for (const bool confirmed : {true, false}) {
        SCOPED_TRACE(confirmed);
        std::vector<std::string> lines;
        for (int i = 0; i < 20; ++i) lines.push_back("provider P" + std::to_string(i));
        std::string file;
        for (const std::string& line : lines) file += line + "\r\n";
        Editor editor(file);
        editor.onTariffDialog(confirmed ? clickOk : clickStorno);
        editor.click("Pridej");
        const int last = editor.list()->count() - 1;
        EXPECT_EQ(last, confirmed ? 20 : 19);
        EXPECT_EQ(editor.selectedRow(), confirmed ? last : -1);
        EXPECT_EQ(editor.rowButtons(), confirmed ? QStringLiteral("USND") : QStringLiteral("----"));
        if (confirmed) {
            const QRect row = editor.list()->visualItemRect(editor.list()->item(last));
            EXPECT_TRUE(editor.list()->viewport()->rect().contains(row)) << "the new row is out of sight";
        }
        editor.expectScriptDone();
    }
}

// A screen reader meets the main window as a frame, and the operator box of
// the tariff dialog by its label, with the typed text as its value and its
// edit field and list named too.
TEST(EditorAccessibility, TheWindowIsAFrameAndTheOperatorBoxIsNamedByItsLabel) {
    Editor editor(threeTariffs());
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(editor.form.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), editor.form->windowTitle());

    editor.onTariffDialog([](hovorix::editor::TPoplatky& dialog) {
        auto* box = child<QComboBox>(dialog, "Oper");
        QAccessibleInterface* operatorBox = QAccessible::queryAccessibleInterface(box);
        EXPECT_EQ(operatorBox->role(), QAccessible::ComboBox);
        EXPECT_EQ(operatorBox->text(QAccessible::Name), QStringLiteral("Operátor:"));
        EXPECT_EQ(operatorBox->text(QAccessible::Value), QStringLiteral("EUROTEL"));
        EXPECT_EQ(operatorBox->childCount(), 2);
        for (int i = 0; i < operatorBox->childCount(); ++i) {
            EXPECT_EQ(operatorBox->child(i)->text(QAccessible::Name), QStringLiteral("Operátor:")) << i;
            EXPECT_EQ(operatorBox->indexOfChild(operatorBox->child(i)), i);
        }
        return static_cast<int>(QDialog::Rejected);
    });
    editor.clickRow(0);
    editor.click("Uprav");
    editor.expectScriptDone();
}

// A screen reader takes a row that says it has the focus for the control
// the user is on: only while the list has the focus does its selected row
// say so, and coming back to the list goes on from that row.
TEST(EditorAccessibility, NoRowClaimsTheFocusTheListHasNot) {
    Editor editor(threeTariffs());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.form.get()));
    // Read afresh each time: without a screen reader listening, Qt does not
    // tell the list's accessible object that its rows were rebuilt.
    auto focusedRows = [&editor] {
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(editor.list())));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(editor.list());
        QList<int> rows;
        for (int i = 0; i < list->childCount(); ++i) {
            if (list->child(i)->state().focused) rows << i;
        }
        return rows;
    };
    editor.clickRow(1);
    EXPECT_EQ(focusedRows(), QList<int>{1});
    QWidget* version = editor.find<QWidget>("verze1");
    version->setFocus();
    EXPECT_EQ(focusedRows(), QList<int>{});
    // Moved by its red arrow, which takes no focus from the version box.
    editor.click("Dolu");
    EXPECT_EQ(editor.selectedRow(), 2);
    EXPECT_EQ(focusedRows(), QList<int>{});
    editor.list()->setFocus();
    EXPECT_EQ(focusedRows(), QList<int>{2});
    QTest::keyClick(editor.list(), Qt::Key_Up);
    EXPECT_EQ(editor.selectedRow(), 1);
    editor.expectScriptDone();
}
