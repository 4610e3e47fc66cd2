// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>

#include <cmath>
#include <fstream>
#include <functional>
#include <set>
#include <string_view>
#include <utility>

#include "ChoiceTesting.h"
#include "calculator/CallListDialog.h"
#include "calculator/ChoicePlot.h"
#include "calculator/TariffChoicePage.h"

using namespace hovorix;
using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;

namespace {

// Three tariffs priced by the fixed network's peak minutes m alone:
// A costs 10 m, B 400 + 5 m and C 850 + 2 m. For 100 minutes (scale s) A is
// the cheapest below 0.8, B from 0.8 to 1.5, C above; at s = 1 B costs 900,
// A 1000 and C 1050.
const std::string ThreeTariffs = tariffFile({
    "provider P", "tarif A", "sazba JTS 10 0", "konec",                       //
    "provider P", "tarif B", "sluzba telefon 400", "sazba JTS 5 0", "konec",  //
    "provider P", "tarif C", "sluzba telefon 850", "sazba JTS 2 0", "konec",  //
});

QList<QStringList> rows(const QTableWidget& table) {
    QList<QStringList> rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column) cells << table.item(row, column)->text();
        rows << cells;
    }
    return rows;
}

}  // namespace

// The sentence says what the choice is, in each of its variants, with the
// amounts and shares written the Czech way.
TEST(TariffChoice, TheSentenceSaysWhichTariffAndHowFarItHolds) {
    const struct {
        const char* name;
        const std::string& tariffs;
        int varied;  // "Měnit:"
        double from;
        double to;
        const char* sentence;
    } cases[] = {
        {"cheaper tariffs either side", ThreeTariffs, 0, 0.5, 2,
         "Při zadané spotřebě je nejlevnější P-B (900,00\u00a0Kč měsíčně). Zůstává nejlevnější, když volání ubude "
         "nejvýše o 20\u00a0% nebo přibude nejvýše o 50\u00a0%; při menší spotřebě je nejlevnější P-A, při větší P-C. "
         "Druhý nejlevnější, P-A, stojí o 100,00\u00a0Kč (11,1\u00a0%) víc."},
        {"the range ends before a tariff takes over", ThreeTariffs, 1, 0.5, 1.2,
         "Při zadané spotřebě je nejlevnější P-B (900,00\u00a0Kč měsíčně). Zůstává nejlevnější, když volání do pevné "
         "sítě ubude nejvýše o 20\u00a0% nebo přibude až o 20\u00a0% (horní mez rozsahu); při menší spotřebě je "
         "nejlevnější P-A. Druhý nejlevnější, P-A, stojí o 100,00\u00a0Kč (11,1\u00a0%) víc."},
        {"the range starts at the entered usage", ThreeTariffs, 0, 1, 2,
         "Při zadané spotřebě je nejlevnější P-B (900,00\u00a0Kč měsíčně). Zůstává nejlevnější, když volání přibude "
         "nejvýše o 50\u00a0%; při větší spotřebě je nejlevnější P-C. Druhý nejlevnější, P-A, stojí o 100,00\u00a0Kč "
         "(11,1\u00a0%) víc."},
        {"cheapest over the whole range", ThreeTariffs, 0, 0.9, 1.4,
         "Při zadané spotřebě je nejlevnější P-B (900,00\u00a0Kč měsíčně). Zůstává nejlevnější v celém zvoleném "
         "rozsahu, od 0,9× do 1,4× zadané spotřeby. Druhý nejlevnější, P-A, stojí o 100,00\u00a0Kč (11,1\u00a0%) víc."},
        {"no minutes in the varied zones", ThreeTariffs, 2, 0.5, 2,
         "Při zadané spotřebě je nejlevnější P-B (900,00\u00a0Kč měsíčně). Spotřeba v měněných pásmech je nulová; "
         "volba na ní nezávisí. Druhý nejlevnější, P-A, stojí o 100,00\u00a0Kč (11,1\u00a0%) víc."},
        {"the entered usage beyond the range, one tariff cheapest", ThreeTariffs, 0, 2, 5,
         "Zvolený rozsah od 2× do 5× zadanou spotřebu nezahrnuje. V celém rozsahu je nejlevnější P-C (od "
         "1\u00a0250,00 do 1\u00a0850,00\u00a0Kč měsíčně)."},
        {"the entered usage below the range, two tariffs cheapest", ThreeTariffs, 0, 1.2, 3,
         "Zvolený rozsah od 1,2× do 3× zadanou spotřebu nezahrnuje. Na jeho začátku je nejlevnější P-B "
         "(1\u00a0000,00\u00a0Kč měsíčně), na konci P-C (1\u00a0450,00\u00a0Kč měsíčně); kde se nejlevnější tarif "
         "mění, uvádí tabulka."},
        // A costs 1000 s, B 497.5 + 500 s, C 1000: B is the cheapest from
        // 0.995 to 1.005 only.
        {"cheapest only at the entered usage",
         tariffFile({"provider P", "tarif A", "sazba JTS 10 0", "konec",                         //
                     "provider P", "tarif B", "sluzba telefon 497,5", "sazba JTS 5 0", "konec",  //
                     "provider P", "tarif C", "sluzba telefon 1000", "konec"}),
         0, 0.5, 2,
         "Při zadané spotřebě je nejlevnější P-B (997,50\u00a0Kč měsíčně). Tarif P-B je nejlevnější jen při zadané "
         "spotřebě; už při změně o 1\u00a0% je nejlevnější jiný. Druhý nejlevnější, P-A, stojí o 2,50\u00a0Kč "
         "(0,3\u00a0%) víc."},
        // P costs at least 300, else 200 s; Y 180 + 150 s: Y below 0.8 and
        // above 3.6.
        {"the same tariff either side, growth beyond 200 % as a multiple",
         tariffFile({"provider P", "tarif P", "minimalne 300", "sazba JTS 2 0", "konec",  //
                     "provider P", "tarif Y", "sluzba telefon 180", "sazba JTS 1,5 0", "konec"}),
         0, 0.5, 5,
         "Při zadané spotřebě je nejlevnější P-P (300,00\u00a0Kč měsíčně). Zůstává nejlevnější, když volání ubude "
         "nejvýše o 20\u00a0% nebo přibude nejvýše na 3,6× zadané spotřeby; při menší i větší spotřebě je "
         "nejlevnější P-Y. Druhý nejlevnější, P-Y, stojí o 30,00\u00a0Kč (10,0\u00a0%) víc."},
        {"growth to the range's end as a multiple",
         tariffFile({"provider P", "tarif A", "sazba JTS 10 0", "konec",  //
                     "provider P", "tarif X", "sluzba telefon 900", "konec"}),
         0, 0.5, 100,
         "Při zadané spotřebě je nejlevnější P-X (900,00\u00a0Kč měsíčně). Zůstává nejlevnější, když volání ubude "
         "nejvýše o 10\u00a0% nebo přibude až na 100× zadané spotřeby (horní mez rozsahu); při menší spotřebě je "
         "nejlevnější P-A. Druhý nejlevnější, P-A, stojí o 100,00\u00a0Kč (11,1\u00a0%) víc."},
        {"a range of four decimals", ThreeTariffs, 0, 0.9999, 1.0001,
         "Při zadané spotřebě je nejlevnější P-B (900,00\u00a0Kč měsíčně). Zůstává nejlevnější v celém zvoleném "
         "rozsahu, od 0,9999× do 1,0001× zadané spotřeby. Druhý nejlevnější, P-A, stojí o 100,00\u00a0Kč "
         "(11,1\u00a0%) víc."},
        {"a tie", tariffFile({"provider P", "tarif A", "sazba JTS 10 0", "provider P", "tarif A2", "sazba JTS 10 0"}),
         0, 0.5, 2,
         "Při zadané spotřebě jsou nejlevnější P-A a P-A2 (každý 1\u00a0000,00\u00a0Kč měsíčně). P-A zůstává "
         "nejlevnější v celém zvoleném rozsahu, od 0,5× do 2× zadané spotřeby."},
        {"one tariff", tariffFile({"provider P", "tarif A", "sazba JTS 10 0"}), 0, 0.5, 2,
         "V ceníku je jediný tarif, P-A (1\u00a0000,00\u00a0Kč měsíčně); není s čím ho srovnat."},
        {"no tariffs", tariffFile({"verze 1"}), 0, 0.5, 2, "Soubor tarif.ini neobsahuje žádné tarify."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator calculator(c.tariffs);
        calculator.open("100");
        calculator.varied()->setCurrentIndex(c.varied);
        calculator.range(c.from, c.to);
        EXPECT_EQ(calculator.sentence(), utf8(c.sentence));
        // A screen reader reads the sentence as the label's name.
        EXPECT_EQ(
            QAccessible::queryAccessibleInterface(child<QLabel>(*calculator.form, "Veta"))->text(QAccessible::Name),
            utf8(c.sentence));
    }
}

// The table gives every stretch of the range with its cheapest tariff and
// what that costs at the stretch's ends; the plot draws the same.
TEST(TariffChoice, TheTableAndThePlotShowEveryStretchOfTheRange) {
    Calculator calculator(ThreeTariffs);
    calculator.open("100");
    EXPECT_EQ(rows(*child<QTableWidget>(*calculator.form, "PodleSpotreby")),
              (QList<QStringList>{
                  {utf8("0,50×"), utf8("0,80×"), "P-A", "500,00 – 800,00"},
                  {utf8("0,80×"), utf8("1,50×"), "P-B", utf8("800,00 – 1\u00a0150,00")},
                  {utf8("1,50×"), utf8("2,00×"), "P-C", utf8("1\u00a0150,00 – 1\u00a0250,00")},
              }));

    const ChoicePlot& plot = child<ChoicePlotView>(*calculator.form, "GrafVolby")->plot();
    QStringList lines;
    for (const ChoicePlot::Line& line : plot.lines) lines << line.label;
    EXPECT_EQ(lines, (QStringList{"P-A", "P-B", "P-C"}));
    QStringList crossings;
    for (const ChoicePlot::Crossing& crossing : plot.crossings) {
        crossings << crossing.text;
        EXPECT_NEAR(crossing.at.y(), crossing.at.x() < 1 ? 800 : 1150, 1e-6);
    }
    EXPECT_EQ(crossings, (QStringList{utf8("0,8×"), utf8("1,5×")}));
    ASSERT_EQ(plot.envelope.size(), 3u);
    EXPECT_EQ(plot.envelope.front().points.front(), QPointF(0.5, 500));
    EXPECT_EQ(plot.envelope.back().points.back(), QPointF(2, 1250));
    // The lowest cost shown is at the bottom of the plot, the highest (A at
    // twice the usage) at its top.
    EXPECT_LE(plot.costFrom, 500);
    EXPECT_GE(plot.costTo, 2000);
    EXPECT_TRUE(plot.showsEnteredUsage);
    for (const ChoicePlot::Line& line : plot.lines) {
        for (const QPointF& point : line.points) {
            const double expected = line.label == "P-A"   ? 1000 * point.x()
                                    : line.label == "P-B" ? 400 + 500 * point.x()
                                                          : 850 + 200 * point.x();
            ASSERT_NEAR(point.y(), expected, 1e-9) << line.label.toStdString() << " at " << point.x();
        }
    }
    // The legend names every line without cutting a name short.
    EXPECT_EQ(child<ChoiceLegend>(*calculator.form, "LegendaVolby")->names(),
              (QStringList{utf8("nejlevnější"), "P-A", "P-B", "P-C", utf8("vaše spotřeba")}));
}

// Leaving the input page computes the choice with the fees, whichever page
// it is left for and however; the choice answers for the usage that the fee
// run priced.
TEST(TariffChoice, LeavingTheInputPageComputesTheChoiceWithTheFees) {
    const struct {
        const char* route;
        std::function<void(TTarifForm&)> go;
    } cases[] = {
        {"a click on its tab", [](TTarifForm& form) { clickTab(form, 2); }},
        {"the results page first",
         [](TTarifForm& form) {
             clickTab(form, 1);
             clickTab(form, 2);
         }},
        {"Ctrl+Shift+Tab",
         [](TTarifForm& form) {
             QTest::keyClick(child(form, "JTS"), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
         }},
        {"the tab's accessible action",
         [](TTarifForm& form) {
             QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(pageTabs(form))->child(2);
             tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.route);
        Calculator calculator(ThreeTariffs);
        MinuteSpinEdit* jts = child(*calculator.form, "JTS");
        jts->setFocus(Qt::MouseFocusReason);
        retype(jts, QStringLiteral("60"));
        c.go(*calculator.form);
        ASSERT_EQ(child<PageControl>(*calculator.form, "PageControl1")->currentIndex(), 2);
        // 60 minutes: A costs 600, B 700.
        ASSERT_TRUE(calculator.page().choice().atOne.has_value());
        EXPECT_EQ(calculator.page().choice().atOne->label, "P-A");
        EXPECT_EQ(calculator.page().choice().atOne->cost, shownBars(*calculator.form)[0].value);
        EXPECT_EQ(shownBars(*calculator.form)[0].value, 600);
    }
}

// Ctrl+C copies both tables, tab-separated, whatever on the page has the
// focus; in a text with a selection it copies the selection.
TEST(TariffChoice, CtrlCCopiesTheTablesFromAnywhereOnThePage) {
    const QString tables = utf8(
        "Nejlevnější tarif podle spotřeby\n"
        "Od (×)\tDo (×)\tTarif\tKč měsíčně od\tKč měsíčně do\n"
        "0,50\t0,80\tP-A\t500,00\t800,00\n"
        "0,80\t1,50\tP-B\t800,00\t1150,00\n"
        "1,50\t2,00\tP-C\t1150,00\t1250,00\n");
    for (const char* focus : {"PageControl1", "Veta", "Menit", "Od", "Do", "GrafVolby", "Zvetsit", "PodleSpotreby"}) {
        SCOPED_TRACE(focus);
        Calculator calculator(ThreeTariffs);
        calculator.open("100");
        QWidget* widget = std::string_view(focus) == "PageControl1" ? static_cast<QWidget*>(pageTabs(*calculator.form))
                                                                    : child<QWidget>(*calculator.form, focus);
        widget->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(widget->hasFocus());
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) spin->findChild<QLineEdit*>()->deselect();
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), tables);
    }

    // Tab and a step select the whole of "od" or "do" by themselves; the
    // field is copied only when the user selected in it, by keys or mouse.
    const struct {
        const char* how;
        const char* field;
        std::function<void(QDoubleSpinBox&)> select;
        bool copiesSelection;  // else the tables
    } selections[] = {
        {"Tab from Měnit", "Od",
         [](QDoubleSpinBox& field) {
             QWidget* varied = field.window()->findChild<QWidget*>(QStringLiteral("Menit"));
             varied->setFocus(Qt::MouseFocusReason);
             QTest::keyClick(varied, Qt::Key_Tab);
         },
         false},
        {"a step", "Do",
         [](QDoubleSpinBox& field) {
             field.setFocus(Qt::TabFocusReason);
             QTest::keyClick(&field, Qt::Key_Up);
         },
         false},
        {"Ctrl+A", "Do",
         [](QDoubleSpinBox& field) {
             field.setFocus(Qt::TabFocusReason);
             QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
         },
         true},
        {"a double click", "Od",
         [](QDoubleSpinBox& field) {
             auto* edit = field.findChild<QLineEdit*>();
             QTest::mouseDClick(edit, Qt::LeftButton, {}, QPoint(edit->width() / 4, edit->height() / 2));
         },
         true},
    };
    for (const auto& c : selections) {
        SCOPED_TRACE(c.how);
        Calculator calculator(ThreeTariffs);
        calculator.open("100");
        auto* field = child<QDoubleSpinBox>(*calculator.form, c.field);
        c.select(*field);
        ASSERT_TRUE(field->hasFocus());
        const QString selected = field->findChild<QLineEdit*>()->selectedText();
        ASSERT_FALSE(selected.isEmpty());
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), c.copiesSelection ? selected : calculator.page().tablesText());
    }
}

// "od" and "do" take a multiple of up to four decimals with a comma or a
// point when it is entered; one outside 0 <= od < do <= 100 is said and
// the value before stays, however it is entered.
TEST(TariffChoice, OdAndDoTakeFourDecimalsAndRefuseABadRange) {
    const QString refused = utf8("Rozsah musí splňovat 0 ≤ od < do ≤ 100.");
    const struct {
        const char* field;
        const char* typed;  // into the whole text, selected by Tab
        Qt::Key enter;      // Enter, Tab away or a step up
        double from;        // the range afterwards
        double to;
        bool said;
    } cases[] = {
        {"Od", "0.25", Qt::Key_Return, 0.25, 2, false},
        {"Od", "0,1234", Qt::Key_Tab, 0.1234, 2, false},
        {"Od", "1,99999", Qt::Key_Return, 1.9999, 2, false},  // the fifth decimal is refused as typed
        {"Do", "100", Qt::Key_Tab, 0.5, 100, false},
        {"Do", "100,0001", Qt::Key_Tab, 0.5, 2, true},
        {"Do", "0,5", Qt::Key_Return, 0.5, 2, true},
        {"Do", "0.3", Qt::Key_Up, 0.5, 2, true},
        {"Od", "2", Qt::Key_Tab, 0.5, 2, true},
        {"Od", "-1", Qt::Key_Return, 0.5, 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed);
        Calculator calculator(ThreeTariffs);
        calculator.open("100");
        auto* field = child<QDoubleSpinBox>(*calculator.form, c.field);
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field, QString::fromLatin1(c.typed));
        if (c.said) calculator.workspace.prompter.expectWarning(refused);
        QTest::keyClick(field, c.enter);
        EXPECT_EQ(calculator.from()->value(), c.from);
        EXPECT_EQ(calculator.to()->value(), c.to);
        EXPECT_EQ(calculator.page().choice().from, c.from);
        EXPECT_EQ(calculator.page().choice().to, c.to);
        const QString shown = c.field == std::string_view("Od") ? calculator.from()->text() : calculator.to()->text();
        EXPECT_EQ(shown, field->textFromValue(field->value()) + QChar(0x00D7));
    }
}

// A call list of several months: which tariff each month favours and which
// the whole period, named by the file. The months stay while the fields
// change, follow the fax and data switches, and go when another list comes.
TEST(TariffChoice, ACallListOfSeveralMonthsIsComparedMonthByMonth) {
    Calculator calculator(MonthTariffs, ThreeMonths);
    // The whole list fills the fields: 24,000 s over 91 days.
    EXPECT_EQ(child(*calculator.form, "JTS")->text(), QStringLiteral("132"));
    clickTab(*calculator.form, 2);
    const auto* months = child<QTableWidget>(*calculator.form, "PoMesicich");
    const auto* heading = child<QLabel>(*calculator.form, "LabelPoMesicich");

    const QList<QStringList> withoutFax = {
        {"duben 2000", "30", "P-Y", "120,00", "160,00"},
        {utf8("květen 2000"), "31", "P-X", "410,00", "410,00"},
        {utf8("červen 2000"), "30", "P-Y", "60,00", "130,00"},
        {utf8("Celé období"), "91", "P-X", "700,00", "700,00"},
    };
    EXPECT_TRUE(months->isVisible());
    EXPECT_EQ(rows(*months), withoutFax);
    EXPECT_EQ(months->horizontalHeaderItem(4)->text(), QStringLiteral("P-\nX"));
    EXPECT_EQ(heading->text(), utf8("Po měsících – tri-mesice.csv"));
    EXPECT_EQ(months->accessibleName(), heading->text());
    EXPECT_EQ(calculator.page().monthsSentence(),
              utf8("Podle výpisu hovorů by P-Y byl nejlevnější ve 2 ze 3 měsíců; za celé období je nejlevnější P-X "
                   "(celkem 700,00\u00a0Kč)."));

    // Other minutes in the fields change the scale part only.
    clickTab(*calculator.form, 0);
    child(*calculator.form, "JTS")->setText(QStringLiteral("500"));
    clickTab(*calculator.form, 2);
    EXPECT_EQ(calculator.page().choice().atOne->label, "P-X");
    EXPECT_EQ(rows(*months), withoutFax);

    // With fax X costs 50 more each month, and Y wins the period too.
    clickTab(*calculator.form, 0);
    child<QCheckBox>(*calculator.form, "Fax")->setChecked(true);
    clickTab(*calculator.form, 2);
    EXPECT_EQ(rows(*months).back(), (QStringList{utf8("Celé období"), "91", "P-Y", "800,00", "800,00"}));
    // X, 90, 0 and 120 over the month's cheapest, is then the safer.
    EXPECT_EQ(calculator.page().monthsSentence(),
              utf8("Podle výpisu hovorů je P-Y nejlevnější ve 2 ze 3 měsíců i za celé období (celkem "
                   "800,00\u00a0Kč). Nejmenší riziko: P-X – v žádném měsíci nebyl o víc než 120,00\u00a0Kč dražší "
                   "než tehdy nejlevnější tarif."));

    // Another list, of one month, replaces them.
    clickTab(*calculator.form, 0);
    ScriptedPrompter& prompter = calculator.workspace.prompter;
    prompter.onDialog([](QDialog& dialog) {
        dynamic_cast<QFileDialog&>(dialog).selectFile(QStringLiteral(HOVORIX_SAMPLE_CALLS));
        return static_cast<int>(QDialog::Accepted);
    });
    prompter.onDialog([](QDialog& dialog) {
        QTest::mouseClick(child<QPushButton>(dialog, "Vyplnit"), Qt::LeftButton);
        return dialog.result();
    });
    QTest::keyClick(calculator.form.get(), Qt::Key_O, Qt::ControlModifier);
    clickTab(*calculator.form, 2);
    EXPECT_FALSE(months->isVisible());
    EXPECT_EQ(heading->text(), utf8("Po měsících – vypis-hovoru.csv"));
    EXPECT_EQ(child<QLabel>(*calculator.form, "PoznamkaMesice")->text(),
              utf8("Výpis hovorů vypis-hovoru.csv nepokrývá dva kalendářní měsíce; po měsících lze porovnat až výpis "
                   "za dva a více měsíců."));
    EXPECT_EQ(calculator.page().monthsSentence(), QString());
    EXPECT_FALSE(calculator.page().monthsChoice().has_value());
}

// A month covered by a single day spreads its calls over a whole month: so
// many minutes that no minute field could hold them, though the list as a
// whole fills the fields. The months are priced on real minutes, which know
// no field's limit: the page shows every month, January short and not
// counted; nothing else changes.
TEST(TariffChoice, AMonthWithMoreMinutesThanAFieldHoldsIsPricedAllTheSame) {
    // 50,000 calls of a whole day on 31 January: 2,232,000,000 minutes as
    // the whole of January, 65,454,545 a month over the 33 days to 3 March.
    std::string calls = "Datum;Čas;Volané číslo;Služba;Délka\r\n";
    for (int i = 0; i < 50000; ++i) calls += "31.01.2000;10:00:00;02/2421 5566;Odchozí hovor;24:00:00\r\n";
    calls += "03.03.2000;09:00:00;0602 111 222;Příchozí hovor;0:01:00\r\n";
    Calculator calculator(MonthTariffs, calls);
    EXPECT_EQ(child(*calculator.form, "JTS")->text(), QStringLiteral("65454545"));
    clickTab(*calculator.form, 2);
    const auto* months = child<QTableWidget>(*calculator.form, "PoMesicich");
    EXPECT_TRUE(months->isVisible());
    // X costs 100 + m, Y 2 m: January 2,232,000,100 and 4,464,000,000, a
    // thirty-first of it in the period; February without calls.
    EXPECT_EQ(rows(*months).front(),
              (QStringList{"leden 2000", "1 z 31", "P-X", utf8("2\u00a0232\u00a0000\u00a0100,00"),
                           utf8("2\u00a0232\u00a0000\u00a0100,00")}));
    // Only February has 7 days or more.
    EXPECT_EQ(calculator.page().monthsSentence(), utf8("Výpis nemá dva měsíce s aspoň 7 dny; měsíce nelze porovnat."));
    ASSERT_TRUE(calculator.page().choice().atOne.has_value());
    EXPECT_EQ(calculator.workspace.prompter.interactions().size(), 0u);
}

// A month of fewer than 7 days is in the table and in the period's cost, but
// not among the months compared: the sentence counts the others and names
// the short ones.
TEST(TariffChoice, ShortMonthsAreShownButNotCounted) {
    // 27 to 31 March: 60 minutes, 372 as the whole month (X 472, Y 744);
    // April 30 minutes (130, 60), May 40 (140, 80); 1 and 2 June without
    // calls (100, 0).
    Calculator calculator(MonthTariffs,
                          "Datum;Čas;Volané číslo;Služba;Délka\r\n"
                          "27.03.2000;10:00:00;02/2421 5566;Odchozí hovor;1:00:00\r\n"
                          "03.04.2000;10:00:00;02/2421 5566;Odchozí hovor;0:30:00\r\n"
                          "02.05.2000;10:00:00;02/2421 5566;Odchozí hovor;0:40:00\r\n"
                          "02.06.2000;09:00:00;0602 111 222;Příchozí hovor;0:01:00\r\n");
    clickTab(*calculator.form, 2);
    const auto* months = child<QTableWidget>(*calculator.form, "PoMesicich");
    EXPECT_EQ(months->rowCount(), 5);
    // Y: 744 x 5/31 + 60 + 80; X would win March, but March is short.
    EXPECT_EQ(calculator.page().monthsSentence(),
              utf8("Podle výpisu hovorů je P-Y nejlevnější ve všech 2 měsících i za celé období (celkem "
                   "260,00\u00a0Kč) (krátké měsíce se nepočítají: březen 2000, červen 2000)."));
}

// The months' table goes on the clipboard after the scale's.
TEST(TariffChoice, CtrlCCopiesTheMonthsToo) {
    Calculator calculator(MonthTariffs, ThreeMonths);
    clickTab(*calculator.form, 2);
    QTest::keyClick(child<QWidget>(*calculator.form, "PoMesicich"), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(
        copied.endsWith(utf8("\nPo měsících – tri-mesice.csv\n"
                             "Měsíc\tDní\tDní v měsíci\tNejlevnější v měsíci\tKč\tP-X Kč\n"
                             "duben 2000\t30\t30\tP-Y\t120,00\t160,00\n"
                             "květen 2000\t31\t31\tP-X\t410,00\t410,00\n"
                             "červen 2000\t30\t30\tP-Y\t60,00\t130,00\n"
                             "Celé období\t91\t\tP-X\t700,00\t700,00\n"
                             "\nJak by si tarify vedly\n"
                             "Tarif\tNejlevnější v měsících\tNejvíc navíc v měsíci (Kč)\tNavíc za období (Kč)\n"
                             "P-X\t1 ze 3\t70,00\t0,00\n"
                             "P-Y\t2 ze 3\t210,00\t100,00\n")))
        << copied.toStdString();

    // With June covered in part, the page's note on such months follows the
    // period row.
    std::string partJune = ThreeMonths;
    partJune.replace(partJune.find("30.06.2000"), 10, "20.06.2000");
    Calculator partly(MonthTariffs, partJune);
    clickTab(*partly.form, 2);
    QTest::keyClick(child<QWidget>(*partly.form, "PoMesicich"), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    const qsizetype period = lines.indexOf(QRegularExpression(utf8("^Celé období\t.*")));
    ASSERT_GE(period, 0) << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines.value(period + 1), child<QLabel>(*partly.form, "PoznamkaMesice")->text());
    EXPECT_TRUE(child<QLabel>(*partly.form, "PoznamkaMesice")->isVisible());
}

// Tab goes through every control of the page in reading order and back to
// the page tabs; a screen reader finds each by its name, and the plot as a
// chart with a description of what it shows.
TEST(TariffChoice, EveryControlIsReachedByTabAndNamedForScreenReaders) {
    Calculator calculator(MonthTariffs, ThreeMonths);
    clickTab(*calculator.form, 2);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto* scroll = child<QScrollArea>(*calculator.form, "Posuv");
    ASSERT_GT(scroll->verticalScrollBar()->maximum(), 0);
    QTabBar* tabs = pageTabs(*calculator.form);
    // Each control Tab or Shift+Tab reaches comes into view whole, also
    // round from the page tabs to the first control or back to the last; one
    // taller than the view shows its top. Twice round the page.
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        tabs->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int stop = 0; stop < 30; ++stop) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QWidget* focus = QApplication::focusWidget();
            visited << (focus == tabs ? QStringLiteral("tabs") : focus->objectName());
            if (focus == tabs) continue;
            const QRect view = scroll->viewport()->rect();
            const QRect at(focus->mapTo(scroll->viewport(), QPoint(0, 0)), focus->size());
            if (at.height() <= view.height()) {
                EXPECT_TRUE(view.contains(at)) << focus->objectName().toStdString() << " after key " << key;
            } else {
                EXPECT_EQ(at.top(), view.top()) << focus->objectName().toStdString() << " after key " << key;
            }
        }
        if (key == Qt::Key_Tab) {
            EXPECT_EQ(visited.mid(0, 15), QStringList({"Veta", "VetaMesice", "Soucasny", "NakladyPrechodu", "Menit",
                                                       "Od", "Do", "GrafVolby", "Zvetsit", "PodleSpotreby",
                                                       "PoMesicich", "Riziko", "Tisk", "UlozitPdf", "tabs"}));
        }
    }

    const auto name = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(child<QWidget>(*calculator.form, control))
            ->text(QAccessible::Name);
    };
    EXPECT_EQ(name("Soucasny"), utf8("Váš současný tarif"));
    EXPECT_EQ(name("NakladyPrechodu"), utf8("Jednorázové náklady přechodu (Kč)"));
    EXPECT_EQ(name("Riziko"), utf8("Jak by si tarify vedly"));
    EXPECT_EQ(name("Menit"), utf8("Měnit"));
    EXPECT_EQ(name("Od"), QStringLiteral("od"));
    EXPECT_EQ(name("Do"), QStringLiteral("do"));
    EXPECT_EQ(name("PodleSpotreby"), utf8("Nejlevnější tarif podle spotřeby"));
    EXPECT_EQ(name("PoMesicich"), utf8("Po měsících – tri-mesice.csv"));
    EXPECT_EQ(name("Tisk"), utf8("Tisk…"));
    EXPECT_EQ(name("UlozitPdf"), utf8("Uložit jako PDF…"));
    QAccessibleInterface* plot = QAccessible::queryAccessibleInterface(child<QWidget>(*calculator.form, "GrafVolby"));
    EXPECT_EQ(plot->role(), QAccessible::Chart);
    EXPECT_EQ(plot->text(QAccessible::Name), utf8("Graf ceny podle spotřeby"));
    // 132 minutes: X costs 232, Y 264; X is the cheapest over the range.
    EXPECT_EQ(plot->text(QAccessible::Description),
              utf8("Měsíční cena tarifů P-X, P-Y podle násobku zadané spotřeby od 0,5× do 2×. Nejlevnější (tučná "
                   "čára) je P-Y do 0,76×, P-X od 0,76×. Svislá čára značí zadanou spotřebu."));
}

// The window keeps its fixed size; the page's content scrolls instead.
TEST(TariffChoice, TheWindowKeepsItsSizeAndThePageScrolls) {
    Calculator calculator(MonthTariffs, ThreeMonths);
    const QSize size = calculator.form->size();
    clickTab(*calculator.form, 2);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(calculator.form->size(), size);
    EXPECT_EQ(calculator.form->minimumSize(), calculator.form->maximumSize());
    auto* scroll = child<QScrollArea>(*calculator.form, "Posuv");
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
    // The months table, far down, scrolls into sight when Tab reaches it.
    QWidget* months = child<QWidget>(*calculator.form, "PoMesicich");
    ASSERT_TRUE(months->visibleRegion().isEmpty());
    QWidget* table = child<QWidget>(*calculator.form, "PodleSpotreby");
    table->setFocus(Qt::TabFocusReason);
    QTest::keyClick(table, Qt::Key_Tab);
    ASSERT_TRUE(months->hasFocus());
    EXPECT_FALSE(months->visibleRegion().isEmpty());
}

// "Zvětšit graf" shows the same plot in a window the user can resize; it
// follows the page and closes with Escape.
TEST(TariffChoice, ZvetsitGrafOpensTheSamePlotInAResizableWindow) {
    Calculator calculator(ThreeTariffs);
    calculator.open("100");
    QTest::mouseClick(child<QPushButton>(*calculator.form, "Zvetsit"), Qt::LeftButton);
    QPointer<QWidget> window = calculator.page().largePlotWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_LT(window->minimumSize().width(), window->maximumSize().width());
    EXPECT_GT(window->width(), calculator.form->width());
    const auto* large = window->findChild<ChoicePlotView*>();
    ASSERT_NE(large, nullptr);
    EXPECT_EQ(large->plot().crossings.size(), 2u);
    EXPECT_EQ(large->accessibleDescription(),
              child<ChoicePlotView>(*calculator.form, "GrafVolby")->accessibleDescription());

    calculator.range(0.9, 1.4);
    EXPECT_EQ(large->plot().from, 0.9);
    EXPECT_EQ(large->plot().crossings.size(), 0u);

    QTest::keyClick(window.data(), Qt::Key_Escape);
    EXPECT_TRUE(window.isNull() || !window->isVisible());
    // Once more, and the calculator's window takes it along when it goes.
    QTest::mouseClick(child<QPushButton>(*calculator.form, "Zvetsit"), Qt::LeftButton);
    window = calculator.page().largePlotWindow();
    ASSERT_NE(window, nullptr);
    calculator.form.reset();
    EXPECT_TRUE(window.isNull());
}

// Every tariff's line stands out on the white plot: a contrast of at least
// 3 : 1, which white, yellow and silver lack. The 24 looks (colour and
// dashes) differ, and the 25th tariff looks as the first.
TEST(TariffChoice, TheLineColoursAreReadableOnWhite) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    std::set<std::pair<QRgb, int>> looks;
    for (std::size_t tariff = 0; tariff < PlotStyleCount; ++tariff) {
        const PlotStyle style = plotStyle(tariff);
        EXPECT_GE(1.05 / (luminance(style.colour) + 0.05), 3.0) << style.colour.name().toStdString();
        looks.insert({style.colour.rgb(), static_cast<int>(style.dash)});
        const PlotStyle again = plotStyle(tariff + PlotStyleCount);
        EXPECT_EQ(again.colour, style.colour);
        EXPECT_EQ(again.dash, style.dash);
    }
    EXPECT_EQ(looks.size(), static_cast<std::size_t>(PlotStyleCount));
}

// A tariff's line keeps its look whichever other tariffs the range shows,
// and each stretch of the bold envelope is in its cheapest tariff's colour.
TEST(TariffChoice, EachTariffKeepsItsLookAndTheEnvelopeItsColour) {
    const struct {
        double from;
        double to;
        std::vector<std::size_t> lines;                // the tariffs drawn
    } cases[] = {{0.5, 2, {0, 1, 2}}, {1.6, 2, {2}}};  // C alone keeps C's look
    Calculator calculator(ThreeTariffs);
    calculator.open("100");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
        calculator.range(c.from, c.to);
        const ChoicePlot& plot = child<ChoicePlotView>(*calculator.form, "GrafVolby")->plot();
        std::vector<std::size_t> drawn;
        for (const ChoicePlot::Line& line : plot.lines) {
            drawn.push_back(line.tariff);
            EXPECT_EQ(line.colour, plotStyle(line.tariff).colour) << line.tariff;
            EXPECT_EQ(line.style, plotStyle(line.tariff).dash) << line.tariff;
        }
        EXPECT_EQ(drawn, c.lines);
        const std::vector<fees::CheapestInterval>& intervals = calculator.page().choice().intervals;
        ASSERT_EQ(plot.envelope.size(), intervals.size());
        for (std::size_t k = 0; k < intervals.size(); ++k) {
            EXPECT_EQ(plot.envelope[k].tariff, intervals[k].tariff);
            EXPECT_EQ(plot.envelope[k].colour, plotStyle(intervals[k].tariff).colour);
        }
    }
}

// Five tariffs, each the cheapest for a twenty-fifth of the usage, cross
// too close together for every label: those that would cover another are
// left out, and the table still has every crossing.
TEST(TariffChoice, CrossingLabelsNeverOverlap) {
    // Tangents to 500 + 400 s - 100 s^2 at t = 1, 1.04, ..., 1.16, for m =
    // 100 minutes: 500 + 100 t^2 + (4 - 2 t) m s; they cross at 1.02, 1.06, ...
    std::string file;
    for (int k = 0; k < 5; ++k) {
        const double t = 1 + 0.04 * k;
        file += "provider P\r\ntarif T" + std::to_string(k) + "\r\nsluzba telefon " +
                QLocale(QLocale::Czech).toString(500 + 100 * t * t, 'f', 2).toStdString() + "\r\nsazba JTS " +
                QLocale(QLocale::Czech).toString(4 - 2 * t, 'f', 2).toStdString() + " 0\r\nkonec\r\n";
    }
    Calculator calculator(file);
    calculator.open("100");
    auto* view = child<ChoicePlotView>(*calculator.form, "GrafVolby");
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    ASSERT_EQ(view->plot().crossings.size(), 4u);
    EXPECT_EQ(child<QTableWidget>(*calculator.form, "PodleSpotreby")->rowCount(), 5);
    const std::vector<QRectF> labels = view->crossingLabels();
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_FALSE(labels.front().isEmpty());
    int shown = 0;
    for (std::size_t a = 0; a < labels.size(); ++a) {
        if (labels[a].isEmpty()) continue;
        ++shown;
        EXPECT_TRUE(QRectF(view->rect()).contains(labels[a])) << a;
        for (std::size_t b = a + 1; b < labels.size(); ++b) EXPECT_FALSE(labels[a].intersects(labels[b])) << a << b;
    }
    EXPECT_LT(shown, 4);
}

// A tariff that is the cheapest at exactly 0 and not just above keeps that
// point: a row of its own, a dot on the plot, no crossing mark.
TEST(TariffChoice, TheCheapestAtExactlyZeroKeepsItsPoint) {
    // Sharing their free minutes, J costs 100 at 0 and 200 + 100 s above,
    // K 150 at 0 and 190 + 100 s above.
    Calculator calculator(tariffFile({
        "provider P", "tarif J", "sluzba telefon 100", "sazba JTS 1 -100", "vsechnyminzdarma", "konec",  //
        "provider P", "tarif K", "sluzba telefon 150", "sazba JTS 1 -40", "vsechnyminzdarma", "konec",   //
    }));
    calculator.open("100");
    calculator.range(0, 2);
    EXPECT_EQ(rows(*child<QTableWidget>(*calculator.form, "PodleSpotreby")),
              (QList<QStringList>{
                  {utf8("0,00×"), utf8("0,00×"), "P-J", "100,00"},
                  {utf8("0,00×"), utf8("2,00×"), "P-K", utf8("150,00 – 390,00")},
              }));
    const ChoicePlot& plot = child<ChoicePlotView>(*calculator.form, "GrafVolby")->plot();
    ASSERT_EQ(plot.envelope.size(), 2u);
    EXPECT_EQ(plot.envelope[0].points, (QList<QPointF>{QPointF(0, 100)}));
    ASSERT_FALSE(plot.envelope[1].points.isEmpty());
    EXPECT_GT(plot.envelope[1].points.front().x(), 0);
    EXPECT_TRUE(plot.crossings.empty());
}

// The page shows its top when it is entered or a list comes, but never
// scrolls away from a control of its own that has the focus.
TEST(TariffChoice, ThePageScrollsToItsTopUnlessTheUserWorksOnIt) {
    // As a list dropped on the page comes.
    const auto loadList = [](Calculator& calculator) {
        child<TariffChoicePage>(*calculator.form, "VolbaTarifu")
            ->setCallList(QStringLiteral("jiny.csv"), std::vector<calls::MonthFigures>{});
    };
    const struct {
        const char* what;
        const char* focus;  // a control of the page, or none
        std::function<void(Calculator&)> happen;
        bool top;
    } cases[] = {
        {"the page entered by its tab", nullptr,
         [](Calculator& calculator) {
             clickTab(*calculator.form, 0);
             clickTab(*calculator.form, 2);
         },
         true},
        {"a call list loaded", nullptr, loadList, true},
        {"a call list loaded while in \"do\"", "Do", loadList, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Calculator calculator(MonthTariffs, ThreeMonths);
        clickTab(*calculator.form, 2);
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QScrollBar* scroll = child<QScrollArea>(*calculator.form, "Posuv")->verticalScrollBar();
        ASSERT_GT(scroll->maximum(), 0);
        if (c.focus != nullptr) child<QWidget>(*calculator.form, c.focus)->setFocus(Qt::MouseFocusReason);
        scroll->setValue(scroll->maximum());
        c.happen(calculator);
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        ASSERT_GT(scroll->maximum(), 0);
        if (c.top) {
            EXPECT_EQ(scroll->value(), 0);
        } else {
            EXPECT_GT(scroll->value(), 0);
        }
    }
}

namespace {

// A per-user data folder of the test's own, for the kept current tariff.
class OwnDataHome {
public:
    OwnDataHome() : before_(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", QFile::encodeName(folder_.path())); }
    ~OwnDataHome() { qputenv("XDG_DATA_HOME", before_); }
    OwnDataHome(const OwnDataHome&) = delete;
    OwnDataHome& operator=(const OwnDataHome&) = delete;

    QString settingsFile() const { return folder_.filePath(QStringLiteral("hovorix/tarif.conf")); }

private:
    QTemporaryDir folder_;
    QByteArray before_;
};

QComboBox* currentCombo(const TTarifForm& form) { return child<QComboBox>(form, "Soucasny"); }

}  // namespace

// With the tariff the user has now the sentence begins with it: what it
// costs, what the cheapest costs and saves a month and a year, how far the
// saving holds and, with a cost of switching, in how many months it pays.
TEST(TariffChoice, TheSentenceSaysWhatSwitchingToTheCheapestSaves) {
    const OwnDataHome home;
    // 100 minutes: A costs 1000 s, B 400 + 500 s, C 850 + 200 s.
    const QString rest = utf8(
        "P-B zůstává nejlevnější, když volání ubude nejvýše o 20\u00a0% nebo přibude nejvýše o 50\u00a0%; při menší "
        "spotřebě je nejlevnější P-A, při větší P-C. Druhý nejlevnější, P-A, stojí o 100,00\u00a0Kč (11,1\u00a0%) víc.");
    const struct {
        int item;  // of "Váš současný tarif:"
        double switchCost;
        QString sentence;  // the whole, or a part marked by a leading "…"
    } cases[] = {
        {3, 0,
         utf8("Se současným tarifem P-C platíte 1\u00a0050,00\u00a0Kč měsíčně. Nejlevnější P-B stojí "
              "900,00\u00a0Kč: ušetříte 150,00\u00a0Kč měsíčně, 1\u00a0800,00\u00a0Kč ročně. P-B zůstává levnější "
              "než váš tarif, když volání ubude až o 50\u00a0% (dolní mez rozsahu) nebo přibude nejvýše o "
              "50\u00a0%. ") +
             rest},
        {1, 250,
         utf8("Se současným tarifem P-A platíte 1\u00a0000,00\u00a0Kč měsíčně. Nejlevnější P-B stojí "
              "900,00\u00a0Kč: ušetříte 100,00\u00a0Kč měsíčně, 1\u00a0200,00\u00a0Kč ročně. P-B zůstává levnější "
              "než váš tarif, když volání ubude nejvýše o 20\u00a0% nebo přibude až o 100\u00a0% (horní mez "
              "rozsahu). Přechod se vyplatí za 3 měsíce. ") +
             rest},
        {1, 100, utf8("… Přechod se vyplatí za 1 měsíc. P-B")},
        {1, 500, utf8("… Přechod se vyplatí za 5 měsíců. P-B")},
        {2, 500,
         utf8("Váš současný tarif P-B je při zadané spotřebě nejlevnější. Při zadané spotřebě je nejlevnější P-B "
              "(900,00\u00a0Kč měsíčně). Zůstává nejlevnější, když volání ubude nejvýše o 20\u00a0% nebo přibude "
              "nejvýše o 50\u00a0%; při menší spotřebě je nejlevnější P-A, při větší P-C. Druhý nejlevnější, P-A, "
              "stojí o 100,00\u00a0Kč (11,1\u00a0%) víc.")},
    };
    Calculator calculator(ThreeTariffs);
    calculator.open("100");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentence.toStdString());
        currentCombo(*calculator.form)->setCurrentIndex(c.item);
        child<QDoubleSpinBox>(*calculator.form, "NakladyPrechodu")->setValue(c.switchCost);
        if (c.sentence.startsWith(u'…')) {
            EXPECT_TRUE(calculator.sentence().contains(c.sentence.mid(2))) << calculator.sentence().toStdString();
        } else {
            EXPECT_EQ(calculator.sentence(), c.sentence);
        }
        EXPECT_EQ(child<QLabel>(*calculator.form, "Veta")->text(), calculator.sentence());
        // "Poplatky" marks the same tariff.
        EXPECT_EQ(calculator.form->feeChart().markedBar(), c.item - 1);
    }
    currentCombo(*calculator.form)->setCurrentIndex(0);
    EXPECT_TRUE(calculator.sentence().startsWith(utf8("Při zadané spotřebě je nejlevnější P-B")));
    EXPECT_EQ(calculator.form->feeChart().markedBar(), -1);

    // Typed with a comma; a negative cost is refused with a message.
    auto* cost = child<QDoubleSpinBox>(*calculator.form, "NakladyPrechodu");
    for (const char* typed : {"250,5", "-5"}) {
        cost->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(cost, QString::fromLatin1(typed));
        if (*typed == '-') {
            calculator.workspace.prompter.expectWarning(
                utf8("Jednorázové náklady přechodu musí být od 0 do 1 000 000 Kč."));
        }
        QTest::keyClick(cost, Qt::Key_Return);
        EXPECT_EQ(calculator.page().switchCost(), 250.5);
    }
}

// The choice is kept for each tariff file, by its label and which of equal
// labels it is, written only once the user picks; a reordered file keeps
// it, a file without it says so, and a settings file that cannot be
// written leaves the page as picked.
TEST(TariffChoice, TheCurrentTariffIsKeptForEachTariffFile) {
    const OwnDataHome home;
    const std::string c = "provider P\r\ntarif C\r\nsluzba telefon 850\r\nsazba JTS 2 0\r\nkonec\r\n";
    Calculator first(ThreeTariffs);
    first.open("100");
    EXPECT_FALSE(QFileInfo::exists(home.settingsFile()));
    currentCombo(*first.form)->setCurrentIndex(3);
    ASSERT_TRUE(QFileInfo::exists(home.settingsFile()));

    const auto reopened = [&](const std::string& tariffs) {
        first.form.reset();
        first.workspace.write("tarif.ini", tariffs);
        first.form = std::make_unique<TTarifForm>(first.workspace.prompter, first.workspace.path(),
                                                  desktop::RegionalSettings(czech()));
        EXPECT_TRUE(showActive(*first.form));
        first.open("100");
        return first.page().currentTariff();
    };
    const struct {
        const char* what;
        std::string tariffs;
        std::optional<std::size_t> current;
        const char* note;
    } cases[] = {
        {"the same file", ThreeTariffs, 2, ""},
        {"C first",
         tariffFile({"provider P", "tarif C", "sluzba telefon 850", "sazba JTS 2 0", "konec",  //
                     "provider P", "tarif A", "sazba JTS 10 0", "konec"}),
         0, ""},
        {"C no longer there", tariffFile({"provider P", "tarif A", "sazba JTS 10 0", "konec"}), std::nullopt,
         "Tarif P-C v souboru už není."},
        {"C back", ThreeTariffs + c, 2, ""},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        EXPECT_EQ(reopened(k.tariffs), k.current);
        EXPECT_EQ(currentCombo(*first.form)->currentText(), k.current ? QStringLiteral("P-C") : utf8("neuvedeno"));
        auto* note = child<QLabel>(*first.form, "PoznamkaSoucasny");
        EXPECT_EQ(note->text(), utf8(k.note));
        EXPECT_EQ(note->isVisible(), *k.note != '\0');
        EXPECT_EQ(currentCombo(*first.form)->accessibleDescription(), utf8(k.note));
        EXPECT_EQ(first.page().sentences().contains(utf8(k.note)), *k.note != '\0');
    }
    // The second of two equal labels stays the second.
    currentCombo(*first.form)->setCurrentIndex(4);
    EXPECT_EQ(reopened(ThreeTariffs + c), 3u);

    // Another tariff file keeps its own.
    Calculator other(ThreeTariffs);
    other.open("100");
    EXPECT_EQ(other.page().currentTariff(), std::nullopt);
    currentCombo(*other.form)->setCurrentIndex(1);
    EXPECT_EQ(reopened(ThreeTariffs + c), 3u);

    // A settings file that cannot be written: the page goes on as picked.
    QFile::remove(home.settingsFile());
    ASSERT_TRUE(QDir().mkpath(home.settingsFile()));
    currentCombo(*other.form)->setCurrentIndex(3);
    EXPECT_EQ(other.page().currentTariff(), 2u);
    EXPECT_TRUE(other.sentence().startsWith(utf8("Se současným tarifem P-C")));
    EXPECT_TRUE(other.workspace.prompter.interactions().empty());
}

// Over the months of a call list the page says what the current tariff
// cost against the period's cheapest, and the table "Jak by si tarify
// vedly" how each tariff fared against each month's cheapest.
TEST(TariffChoice, TheMonthsSayWhatTheCurrentTariffCostAndHowEachTariffFared) {
    const OwnDataHome home;
    Calculator calculator(MonthTariffs, ThreeMonths);
    clickTab(*calculator.form, 2);
    const QString months = utf8(
        "Podle výpisu hovorů by P-Y byl nejlevnější ve 2 ze 3 měsíců; za celé období je "
        "nejlevnější P-X (celkem 700,00\u00a0Kč). ");
    // X 160, 410, 130 a month; Y 120, 620, 60.
    const struct {
        int item;
        QString said;
    } cases[] = {
        {2, utf8("Za období výpisu (1. 4. – 30. 6. 2000) jste s tarifem P-Y zaplatili 800,00\u00a0Kč; s P-X byste "
                 "zaplatili 700,00\u00a0Kč, o 100,00\u00a0Kč méně. P-X by byl levnější v 1 ze 3 měsíců.")},
        {1, utf8("Za období výpisu (1. 4. – 30. 6. 2000) jste s tarifem P-X zaplatili 700,00\u00a0Kč, nejméně ze "
                 "všech tarifů.")},
    };
    for (const auto& c : cases) {
        currentCombo(*calculator.form)->setCurrentIndex(c.item);
        EXPECT_EQ(calculator.page().monthsSentence(), months + c.said);
        EXPECT_EQ(child<QLabel>(*calculator.form, "VetaMesice")->text(), months + c.said);
    }
    const auto* regret = child<QTableWidget>(*calculator.form, "Riziko");
    EXPECT_TRUE(regret->isVisible());
    EXPECT_EQ(child<QLabel>(*calculator.form, "LabelRiziko")->text(), utf8("Jak by si tarify vedly"));
    EXPECT_EQ(rows(*regret),
              (QList<QStringList>{{"P-X", "1 ze 3", "70,00", "0,00"}, {"P-Y", "2 ze 3", "210,00", "100,00"}}));
}
