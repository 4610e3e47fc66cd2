// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QScrollBar>
#include <QWheelEvent>

#include <optional>

#include "EditorTesting.h"
#include "desktop/NumberText.h"
#include "tariffs/TariffFile.h"

using namespace editortest;
using hovorix::editor::TPoplatky;
using hovorix::tariffs::Tarifs;
using hovorix::tariffs::Zone;

namespace {

constexpr int Accepted = QDialog::Accepted;
constexpr int Rejected = QDialog::Rejected;

// Every numeric field with the number of the tariff it edits.
struct NumberField {
    const char* name;
    double& (*of)(Tarifs&);
};
const NumberField NumberFields[] = {
    {"Phone", [](Tarifs& t) -> double& { return t.telephoneFee; }},
    {"Data", [](Tarifs& t) -> double& { return t.dataFee; }},
    {"Fax", [](Tarifs& t) -> double& { return t.faxFee; }},
    {"JTS", [](Tarifs& t) -> double& { return t.zone(Zone::JTS).rate; }},
    {"JTSVolno", [](Tarifs& t) -> double& { return t.zone(Zone::JTS).freeMinutes; }},
    {"JTSMimo", [](Tarifs& t) -> double& { return t.zone(Zone::JTSMimo).rate; }},
    {"JTSMimoVolno", [](Tarifs& t) -> double& { return t.zone(Zone::JTSMimo).freeMinutes; }},
    {"JTSNoc", [](Tarifs& t) -> double& { return t.zone(Zone::JTSNoc).rate; }},
    {"JTSNocVolno", [](Tarifs& t) -> double& { return t.zone(Zone::JTSNoc).freeMinutes; }},
    {"Pekac", [](Tarifs& t) -> double& { return t.zone(Zone::PAEGAS).rate; }},
    {"PekacVolno", [](Tarifs& t) -> double& { return t.zone(Zone::PAEGAS).freeMinutes; }},
    {"PekacMimo", [](Tarifs& t) -> double& { return t.zone(Zone::PAEGASMimo).rate; }},
    {"PekacMimoVolno", [](Tarifs& t) -> double& { return t.zone(Zone::PAEGASMimo).freeMinutes; }},
    {"Eurotel", [](Tarifs& t) -> double& { return t.zone(Zone::EUROTEL).rate; }},
    {"EurotelVolno", [](Tarifs& t) -> double& { return t.zone(Zone::EUROTEL).freeMinutes; }},
    {"EurotelMimo", [](Tarifs& t) -> double& { return t.zone(Zone::EUROTELMimo).rate; }},
    {"EurotelMimoVolno", [](Tarifs& t) -> double& { return t.zone(Zone::EUROTELMimo).freeMinutes; }},
    {"Prvni", [](Tarifs& t) -> double& { return t.firstFreeMinutes; }},
    {"Minimum", [](Tarifs& t) -> double& { return t.minimumCharge; }},
};

// A dialog of its own, with the decimal separator of the locale under test.
struct Dialog {
    explicit Dialog(char separator = ',') : dialog(prompter, separator, nullptr) {}
    ScriptedPrompter prompter;
    TPoplatky dialog;
    QLineEdit* field(const char* name) const { return child(dialog, name); }
};

// Distinct numbers in every field, so a field mixed up with another shows.
Tarifs everyFieldDistinct() {
    Tarifs tariff;
    tariff.provider = "T-Mobile";
    tariff.name = "Relax Plus";
    double value = 1.25;
    for (const NumberField& f : NumberFields) f.of(tariff) = value++;
    tariff.allMinutesFree = true;
    return tariff;
}

}  // namespace

TEST(TariffDialogKeys, NumericFieldsTakeDigitsAndOneSeparator) {
    struct Case {
        char separator;
        const char* start;
        int selectFrom, selectLength;  // -1: caret at the end
        QString typed;
        const char* result;
    };
    const Case cases[] = {
        {',', "", -1, 0, ".", ","},
        {',', "", -1, 0, ",5", ",5"},  // a comma may come first
        {',', "12", -1, 0, ".5.,", "12,5"},
        {',', "12,5", 2, 1, ",", "12,5"},  // even with the comma selected
        {',', "12,5", 2, 1, ".", "12,5"},
        {',', "12,5", 0, 2, "7", "7,5"},
        {',', "", -1, 0, "-E x+e\t/", ""},
        {',', "", -1, 0, "ěš½٣", ""},  // letters and digits of other scripts
        {',', "", -1, 0, "1234567890", "1234567890"},
        {'.', "", -1, 0, ",", "."},
        {'.', "3", -1, 0, ".1,2", "3.12"},
        {'.', "3,5", -1, 0, ".", "3,5."},  // a comma is no separator here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.separator << " [" << c.start << "] " << c.typed.toStdString());
        Dialog d(c.separator);
        QLineEdit* field = d.field("Phone");
        field->setText(QString::fromUtf8(c.start));
        if (c.selectFrom >= 0) field->setSelection(c.selectFrom, c.selectLength);
        typeKeys(field, c.typed);
        EXPECT_EQ(field->text(), QString::fromUtf8(c.result));
        EXPECT_EQ(d.prompter.beeps(), 0);
    }
}

TEST(TariffDialogKeys, EveryNumericFieldIsFilteredAndBackspaceWorks) {
    Dialog d;
    for (const NumberField& f : NumberFields) {
        SCOPED_TRACE(f.name);
        QLineEdit* field = d.field(f.name);
        field->clear();
        typeKeys(field, QStringLiteral("-E 1x.2A,"));
        QTest::keyClick(field, Qt::Key_Backspace);
        typeKeys(field, QStringLiteral("3"));
        EXPECT_EQ(field->text(), QStringLiteral("1,3"));
    }
}

// Pasted text is tidied as the calculator's minute fields tidy it, then goes
// in as if typed where the paste goes; a character the key filter would not
// take as it is refuses the whole paste, with the beep. Every way of pasting
// does so.
TEST(TariffDialogPaste, TakesOnlyWhatTypingWouldGive) {
    struct Case {
        char separator;
        const char* start;
        int selectFrom, selectLength;  // -1: caret at the end
        const char* pasted;
        const char* result;  // nullptr: refused with the beep
    };
    const Case cases[] = {
        {',', "7", 0, 1, " 1 200,50\r\n", "1200,50"},
        {',', "7", 0, 1, "\t3.5\n", "3,5"},
        {',', "7", 0, 1, "1\u00A0000", "1000"},
        {',', "7", 0, 1, " \r\n", "7"},  // nothing to paste, nothing refused
        {',', "7", 0, 1, "-5", nullptr},
        {',', "7", 0, 1, "1e3", nullptr},
        {',', "7", 0, 1, "1.200,50", nullptr},
        {',', "7", 0, 1, "12\t34", nullptr},
        {',', "7", 0, 1, "\b5", nullptr},
        {',', "12,5", -1, 0, "5", "12,55"},
        {',', "12,5", -1, 0, ",5", nullptr},
        {',', "12,5", 0, 4, "3,75", "3,75"},  // the first character takes the selection's place
        {',', "12,5", 2, 2, ",75", nullptr},  // a comma selected counts, as when typed
        {'.', "7", 0, 1, "1,5", "1.5"},
    };
    // The clipboard's routes, then a drop from another program.
    const std::optional<guitest::PasteRoute> routes[] = {guitest::PasteRoute::CtrlV, guitest::PasteRoute::ShiftInsert,
                                                         guitest::PasteRoute::Menu, std::nullopt};
    for (const std::optional<guitest::PasteRoute> route : routes) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message()
                         << "route " << (route ? static_cast<int>(*route) : -1) << " [" << c.start << "] " << c.pasted);
            Dialog d(c.separator);
            QLineEdit* field = d.field("Data");
            field->setText(QString::fromUtf8(c.start));
            if (c.selectFrom >= 0) field->setSelection(c.selectFrom, c.selectLength);
            const QString pasted = QString::fromUtf8(c.pasted);
            if (route) {
                ASSERT_TRUE(guitest::pasteBy(*route, field, pasted));
            } else {
                // Where the caret stands: past the end of the text, with
                // nothing selected.
                if (c.selectFrom >= 0) continue;
                QMimeData data;
                data.setText(pasted);
                const QPoint at(field->width() - 2, field->height() / 2);
                QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(field, &enter);
                QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(field, &dropped);
            }
            EXPECT_EQ(field->text(), QString::fromUtf8(c.result ? c.result : c.start));
            EXPECT_EQ(d.prompter.beeps(), c.result ? 0 : 1);
        }
    }
}

TEST(TariffDialogFill, ShowsEveryFieldOfTheTariff) {
    struct Case {
        char separator;
        Tarifs tariff;
        const char* provider;
        std::vector<std::pair<const char*, const char*>> shown;
    };
    Tarifs twelveAndAHalf;
    twelveAndAHalf.provider = "Oskar";  // not among the combo's items
    twelveAndAHalf.telephoneFee = 12.5;
    twelveAndAHalf.zone(Zone::EUROTELMimo).freeMinutes = 1e-5;
    const Case cases[] = {
        {',', twelveAndAHalf, "Oskar", {{"Phone", "12,5"}, {"Data", "0"}, {"EurotelMimoVolno", "1E-5"}}},
        {'.', twelveAndAHalf, "Oskar", {{"Phone", "12.5"}, {"Minimum", "0"}}},
        {',', everyFieldDistinct(), "T-Mobile", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.provider);
        Dialog d(c.separator);
        d.dialog.fill(c.tariff);
        EXPECT_EQ(d.dialog.windowTitle(), QStringLiteral("Podrobné informace"));
        EXPECT_EQ(child<QComboBox>(d.dialog, "Oper")->currentText(), QString::fromLatin1(c.provider));
        EXPECT_EQ(child<QCheckBox>(d.dialog, "VsechnyMin")->isChecked(), c.tariff.allMinutesFree);
        for (const auto& [name, text] : c.shown) EXPECT_EQ(d.field(name)->text(), QString::fromLatin1(text)) << name;
        Tarifs tariff = c.tariff;
        for (const NumberField& f : NumberFields) {
            EXPECT_EQ(d.field(f.name)->text(), hovorix::desktop::formatNumber(f.of(tariff), c.separator)) << f.name;
        }
        // Every field shows its own number: read back, the tariff is the same.
        Tarifs back;
        d.dialog.writeBack(back);
        EXPECT_EQ(back, c.tariff);
    }
}

// Texts come into the fields exactly as the file has them, control
// characters included, so an OK without an edit changes nothing; only what
// the user adds is filtered.
TEST(TariffDialogFill, TextsFromTheFileStayAsTheyAre) {
    Dialog d;
    Tarifs tariff = everyFieldDistinct();
    tariff.provider = "PAEGAS\nX";
    tariff.name = "Go\x01\tZ\x1b";
    d.dialog.fill(tariff);
    Tarifs back;
    d.dialog.writeBack(back);
    EXPECT_EQ(back, tariff);

    QLineEdit* provider = child<QComboBox>(d.dialog, "Oper")->lineEdit();
    provider->end(false);
    QApplication::clipboard()->setText(QStringLiteral("!\n?"));
    QTest::keySequence(provider, QKeySequence::Paste);
    EXPECT_EQ(provider->text(), QStringLiteral("PAEGAS\nX!?"));
    EXPECT_EQ(d.prompter.beeps(), 1);
}

// A long value shows its start, not its end, when the dialog is filled.
TEST(TariffDialogFill, LongValuesShowTheirStart) {
    Dialog d;
    Tarifs tariff;
    tariff.provider = std::string(200, 'P');
    tariff.name = std::string(255, 'N');
    tariff.telephoneFee = 1.0 / 3;
    tariff.minimumCharge = 1.79769313486231E308;
    d.dialog.show();
    d.dialog.fill(tariff);
    for (const char* name : {"Nazev", "Phone", "Minimum"}) EXPECT_EQ(d.field(name)->cursorPosition(), 0) << name;
    EXPECT_EQ(child<QComboBox>(d.dialog, "Oper")->lineEdit()->cursorPosition(), 0);
}

// The wheel changes no data in a control that did not have the keyboard
// focus; lists still scroll.
TEST(EditorWheel, TurnsChangeOnlyTheControlThatHasTheFocus) {
    Editor editor(readBytes(HOVORIX_SAMPLE));
    // A turn away from the user: down a list, up the items of a box.
    auto turn = [](QWidget* target, int delta = 120) {
        const QPointF at(target->rect().center());
        QWheelEvent wheel(at, target->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    };
    QListWidget* list = editor.list();
    turn(list->viewport(), -120);
    EXPECT_GT(list->verticalScrollBar()->value(), 0) << "the list did not scroll";

    editor.clickRow(0);
    editor.onTariffDialog([&turn](TPoplatky& d) {
        d.show();
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        auto* oper = child<QComboBox>(d, "Oper");
        oper->setEditText(QStringLiteral("Oskar"));
        child(d, "Nazev")->setFocus();
        turn(oper);
        EXPECT_EQ(oper->currentText(), QStringLiteral("Oskar"));
        oper->setFocus();
        turn(oper);
        EXPECT_NE(oper->currentText(), QStringLiteral("Oskar")) << "the focused box took no turn";
        return clickStorno(d);
    });
    editor.click("Uprav");
}

TEST(TariffDialogFill, WritesBackEveryFieldIntoItsOwnPlace) {
    for (std::size_t changed = 0; changed < std::size(NumberFields); ++changed) {
        const NumberField& f = NumberFields[changed];
        SCOPED_TRACE(f.name);
        Dialog d;
        Tarifs tariff = everyFieldDistinct();
        d.dialog.fill(tariff);
        d.field(f.name)->setText(QStringLiteral("99,5"));
        Tarifs expected = tariff;
        f.of(expected) = 99.5;
        d.dialog.writeBack(tariff);
        EXPECT_EQ(tariff, expected);
    }
}

TEST(TariffDialogOk, WaitsUntilEveryNumberIsValid) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> bad;  // field, text
        const char* reported;                                  // the first in write-back order
    };
    const Case cases[] = {
        {"an emptied field", {{"Fax", ""}}, "Fax"},
        {"a lone separator", {{"Minimum", ","}}, "Minimum"},
        {"two bad fields", {{"Prvni", "1,2,3"}, {"JTSNoc", "-"}}, "JTSNoc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Dialog d;
        d.dialog.fill(everyFieldDistinct());
        for (const auto& [name, text] : c.bad) d.field(name)->setText(QString::fromLatin1(text));
        QString reportedText;
        for (const auto& [name, text] : c.bad) {
            if (std::string_view(name) == c.reported) reportedText = QString::fromLatin1(text);
        }
        d.prompter.expectError(QStringLiteral("'%1' is not a valid floating point value.").arg(reportedText));
        EXPECT_EQ(clickOk(d.dialog), Rejected);
        EXPECT_EQ(d.dialog.focusWidget(), d.field(c.reported));
        EXPECT_EQ(d.field(c.reported)->selectedText(), reportedText);
        // Mended, the same OK goes through.
        for (const auto& [name, text] : c.bad) d.field(name)->setText(QStringLiteral("7"));
        EXPECT_EQ(clickOk(d.dialog), Accepted);
        EXPECT_EQ(d.prompter.errors().size(), 1);
    }
}

TEST(TariffDialogKeys, EscapeDoesNotCloseButEnterIsOk) {
    for (const char* where : {"Phone", "Nazev", "Oper"}) {
        SCOPED_TRACE(where);
        Editor editor(threeTariffs());
        editor.clickRow(0);
        editor.onTariffDialog([where](TPoplatky& dialog) {
            dialog.show();
            QWidget* field = std::string_view(where) == "Oper" ? child<QComboBox>(dialog, where)->lineEdit()
                                                               : static_cast<QWidget*>(child(dialog, where));
            QSignalSpy rejected(&dialog, &QDialog::rejected);
            QTest::keyClick(field, Qt::Key_Escape);
            EXPECT_EQ(rejected.count(), 0);
            child(dialog, "Nazev")->setText(QStringLiteral("Ekonom 2"));
            QSignalSpy accepted(&dialog, &QDialog::accepted);
            QTest::keyClick(field, Qt::Key_Return);
            return accepted.count() == 1 ? Accepted : Rejected;
        });
        editor.click("Uprav");
        EXPECT_EQ(editor.rows().front(), QStringLiteral("EUROTEL-Ekonom 2"));
        EXPECT_EQ(child<QComboBox>(*editor.form, "Oper")->count(), 2) << "Enter added the text to the combo";
        editor.expectScriptDone();
    }
}

TEST(EditorEdit, ChangesTheSelectedTariffOnlyOnOk) {
    struct Case {
        const char* what;
        void (*open)(Editor&);    // how the user starts the edit
        int (*user)(TPoplatky&);  // what the user does in the dialog
        bool changed;
    };
    auto changeAndOk = [](TPoplatky& d) {
        child(d, "Nazev")->setText(QStringLiteral("Ekonom Plus"));
        child(d, "Phone")->setText(QStringLiteral("333,3"));
        return clickOk(d);
    };
    auto changeAndStorno = [](TPoplatky& d) {
        child(d, "Nazev")->setText(QStringLiteral("Ekonom Plus"));
        return clickStorno(d);
    };
    auto changeAndClose = [](TPoplatky& d) {
        child(d, "Nazev")->setText(QStringLiteral("Ekonom Plus"));
        d.show();
        d.close();
        return d.result();
    };
    auto button = [](Editor& e) { e.click("Uprav"); };
    auto doubleClick = [](Editor& e) {
        const QRect where = e.list()->visualItemRect(e.list()->item(1));
        QTest::mouseDClick(e.list()->viewport(), Qt::LeftButton, {}, where.center());
    };
    auto enter = [](Editor& e) { QTest::keyClick(e.list(), Qt::Key_Return); };
    const Case cases[] = {
        {"button, OK", button, changeAndOk, true},
        {"double click, OK", doubleClick, changeAndOk, true},
        {"Enter in the list, OK", enter, changeAndOk, true},
        {"button, Storno", button, changeAndStorno, false},
        {"button, close box", button, changeAndClose, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor editor(threeTariffs());
        editor.clickRow(1);
        const hovorix::tariffs::TariffList before = editor.form->tariffs();
        TPoplatky* shown = nullptr;
        editor.onTariffDialog([&shown, &c](TPoplatky& d) {
            shown = &d;
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Podrobné informace"));
            EXPECT_EQ(child(d, "Nazev")->text(), QStringLiteral("Ekonom"));
            EXPECT_EQ(child(d, "Phone")->text(), QStringLiteral("250"));
            return c.user(d);
        });
        c.open(editor);
        ASSERT_NE(shown, nullptr);

        Tarifs expected = before.seek(1);
        if (c.changed) {
            expected.name = "Ekonom Plus";
            expected.telephoneFee = 333.3;
        }
        EXPECT_EQ(editor.form->tariffs().seek(1), expected);
        EXPECT_EQ(editor.form->tariffs().count(), 3u);
        EXPECT_EQ(editor.rows()[1], c.changed ? QStringLiteral("PAEGAS-Ekonom Plus") : QStringLiteral("PAEGAS-Ekonom"));
        EXPECT_EQ(editor.form->isSaved(), !c.changed);
        // The user goes on from the tariff just edited.
        EXPECT_EQ(editor.selectedRow(), 1);
        EXPECT_EQ(editor.rowButtons(), QStringLiteral("USND"));
        editor.expectScriptDone();
    }
}

TEST(EditorAdd, AppendsOnOkAndDropsOnCancel) {
    struct Case {
        const char* what;
        int (*user)(TPoplatky&);
        bool added;
        QString error = {};  // the error box on the way
    };
    const Case cases[] = {
        {"OK unchanged", [](TPoplatky& d) { return clickOk(d); }, true},
        {"Storno", [](TPoplatky& d) { return clickStorno(d); }, false},
        {"close box",
         [](TPoplatky& d) {
             d.show();
             d.close();
             return d.result();
         },
         false},
        {"a failed OK, then Storno",
         [](TPoplatky& d) {
             child(d, "Phone")->clear();
             EXPECT_EQ(clickOk(d), Rejected);
             return clickStorno(d);
         },
         false, "'' is not a valid floating point value."},
    };
    for (const bool savedBefore : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << c.what << (savedBefore ? ", saved before" : ", changed before"));
            Editor editor(threeTariffs());
            if (!savedBefore) {
                editor.clickRow(0);
                editor.click("Dolu");
            }
            const hovorix::tariffs::TariffList before = editor.form->tariffs();
            const QStringList rows = editor.rows();
            editor.onTariffDialog([&c, &editor](TPoplatky& d) {
                EXPECT_EQ(editor.form->tariffs().count(), 4u);
                EXPECT_EQ(child<QComboBox>(d, "Oper")->currentText(), QStringLiteral("NEDEFINOVÁN"));
                EXPECT_EQ(child(d, "Nazev")->text(), QStringLiteral("Neznámý"));
                for (const NumberField& f : NumberFields) EXPECT_EQ(child(d, f.name)->text(), QStringLiteral("0"));
                EXPECT_FALSE(child<QCheckBox>(d, "VsechnyMin")->isChecked());
                return c.user(d);
            });
            if (!c.error.isEmpty()) editor.prompter.expectError(c.error);
            editor.click("Pridej");

            hovorix::tariffs::TariffList expected = before;
            QStringList expectedRows = rows;
            if (c.added) {
                expected.append();
                expectedRows << QStringLiteral("NEDEFINOVÁN-Neznámý");
            }
            EXPECT_EQ(editor.form->tariffs(), expected);
            EXPECT_EQ(editor.rows(), expectedRows);
            EXPECT_EQ(editor.form->isSaved(), savedBefore && !c.added);
            if (c.added) {
                editor.prompter.answer(Answer::Cancel);
                EXPECT_FALSE(editor.form->close());
            }
            editor.expectScriptDone();
        }
    }
}

TEST(EditorAdd, ATariffAddedSavedAndReopenedKeepsEveryField) {
    Tarifs typed;
    {
        Editor editor;
        editor.onTariffDialog([](TPoplatky& d) {
            auto* oper = child<QComboBox>(d, "Oper");
            oper->lineEdit()->clear();
            typeKeys(oper->lineEdit(), QStringLiteral("Český Mobil"));
            child(d, "Nazev")->clear();
            typeKeys(child(d, "Nazev"), QStringLiteral("  Večerní Ňuf  "));
            int n = 0;
            for (const NumberField& f : NumberFields) {
                QLineEdit* field = child(d, f.name);
                field->clear();
                ++n;
                typeKeys(field, QStringLiteral("%1.%2").arg(n).arg(n * 7 % 10));
            }
            QTest::mouseClick(child<QCheckBox>(d, "VsechnyMin"), Qt::LeftButton);
            return clickOk(d);
        });
        editor.click("Pridej");
        editor.click("Button2");
        ASSERT_EQ(editor.form->tariffs().count(), 1u);
        typed = editor.form->tariffs().seek(0);
        EXPECT_EQ(typed.provider, hovorix::desktop::toCp1250(QStringLiteral("Český Mobil")));
        EXPECT_EQ(typed.name, hovorix::desktop::toCp1250(QStringLiteral("  Večerní Ňuf  ")));
        EXPECT_DOUBLE_EQ(typed.telephoneFee, 1.7);
        EXPECT_DOUBLE_EQ(typed.minimumCharge, 19.3);
        EXPECT_TRUE(typed.allMinutesFree);
        editor.expectScriptDone();

        // The editor started again on the saved file shows the same tariff.
        ScriptedPrompter prompter;
        hovorix::editor::TCenikarForm again(prompter, czechSettings());
        ASSERT_EQ(again.tariffs().count(), 1u);
        EXPECT_EQ(again.tariffs().seek(0), typed);
        EXPECT_TRUE(prompter.interactions().empty());
    }
}

TEST(EditorTariffDialog, IsOneDialogReused) {
    Editor editor(threeTariffs());
    std::vector<QDialog*> shown;
    for (int i = 0; i < 2; ++i) {
        editor.onTariffDialog([&shown](TPoplatky& d) {
            shown.push_back(&d);
            return static_cast<int>(Rejected);
        });
        editor.click("Pridej");
    }
    editor.clickRow(0);
    editor.onTariffDialog([&shown](TPoplatky& d) {
        shown.push_back(&d);
        return static_cast<int>(Rejected);
    });
    editor.click("Uprav");
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], shown[1]);
    EXPECT_EQ(shown[0], shown[2]);
    EXPECT_EQ(shown[0]->parent(), editor.form.get());
    editor.expectScriptDone();
}

TEST(EditorList, StaysScrolledWhereTheUserLeftItAndShowsAnAddedTariff) {
    struct Case {
        const char* what;
        bool confirm;
    };
    for (const Case& c : {Case{"edit cancelled", false}, Case{"add confirmed", true}}) {
        SCOPED_TRACE(c.what);
        Editor editor(readBytes(HOVORIX_SAMPLE));
        QListWidget* list = editor.list();
        list->scrollToItem(list->item(5), QAbstractItemView::PositionAtTop);
        const int scrolled = list->verticalScrollBar()->value();
        ASSERT_GT(scrolled, 0);
        if (c.confirm) {
            editor.onTariffDialog([](TPoplatky& d) { return clickOk(d); });
            editor.click("Pridej");
            const QRect last = list->visualItemRect(list->item(list->count() - 1));
            EXPECT_TRUE(list->viewport()->rect().contains(last)) << "the new tariff is out of sight";
        } else {
            editor.clickRow(6);
            editor.onTariffDialog([](TPoplatky& d) { return clickStorno(d); });
            editor.click("Uprav");
            EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
        }
        editor.expectScriptDone();
    }
}
