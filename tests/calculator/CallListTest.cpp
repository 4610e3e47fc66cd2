// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>

#include <sys/stat.h>

#include <fstream>
#include <stdexcept>

#include "CalculatorTesting.h"
#include "calculator/CallListDialog.h"
#include "calculator/CallListImport.h"
#include "calculator/CallListLoader.h"

using namespace hovorix;
using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;

namespace {

const QString SampleCalls = QStringLiteral(HOVORIX_SAMPLE_CALLS);

// The seven fields in zone order.
constexpr const char* Fields[] = {"JTS", "JTSMimo", "JTSNoc", "Pekac", "PekacMimo", "Eurotel", "EurotelMimo"};

QStringList fieldTexts(const QWidget& form) {
    QStringList texts;
    for (const char* name : Fields) texts << child(form, name)->text();
    return texts;
}

// The monthly minutes the dialog shows, zone by zone.
QStringList shownMinutes(const QDialog& dialog) {
    const auto* table = child<QTableWidget>(dialog, "Zapocteno");
    QStringList minutes;
    for (int row = 0; row < table->rowCount(); ++row) minutes << table->item(row, 3)->text();
    return minutes;
}

// The file dialog, which offers the files call lists are saved as, picks
// this file.
void pickFile(ScriptedPrompter& prompter, const QString& file) {
    prompter.onDialog([file](QDialog& dialog) {
        EXPECT_EQ(dynamic_cast<QFileDialog&>(dialog).nameFilters(),
                  (QStringList{utf8("Výpisy hovorů (*.csv *.txt *.tsv)"), utf8("Všechny soubory (*)")}));
        dynamic_cast<QFileDialog&>(dialog).selectFile(file);
        return static_cast<int>(QDialog::Accepted);
    });
}

int clickAndClose(QDialog& dialog, const char* button) {
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
    return dialog.result();
}

// A folder with a tariff file whose one tariff charges 1 a minute into the
// fixed network at peak and nothing else, so its cost is that zone's minutes.
struct Calculator {
    Calculator() { workspace.write("tarif.ini", tariffFile({"provider A", "tarif B", "sazba JTS 1 0", "konec"})); }
    std::unique_ptr<TTarifForm> start(const QString& callList = {}) {
        return std::make_unique<TTarifForm>(workspace.prompter, workspace.path(), desktop::RegionalSettings(czech()),
                                            nullptr, callList);
    }
    Workspace workspace;
};

const QStringList SampleMinutes = {"41", "52", "37", "3", "14", "65", "14"};

}  // namespace

// Ctrl+O, the file dialog, the summary: its figures follow the choices, and
// Vyplnit puts the monthly minutes in the fields, per month, on the input
// page, without a fee run of its own.
TEST(CallList, VyplnitFillsTheFieldsWithWhatTheDialogShows) {
    Calculator calculator;
    auto form = calculator.start();
    ASSERT_TRUE(showActive(*form));
    child<QComboBox>(*form, "Ostatni")->setCurrentIndex(0);
    ScriptedPrompter& prompter = calculator.workspace.prompter;
    pickFile(prompter, SampleCalls);
    prompter.onDialog([](QDialog& shown) {
        auto& dialog = dynamic_cast<CallListDialog&>(shown);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Minuty z výpisu hovorů"));
        EXPECT_EQ(shownMinutes(dialog), SampleMinutes);
        // Whole on the smallest screen the windows are laid out for.
        EXPECT_LE(dialog.sizeHint().width(), 800);
        EXPECT_LE(dialog.sizeHint().height(), 600) << "the Vyplnit button would be off an 800 x 600 screen";
        struct Choice {
            std::function<void()> make;
            QStringList minutes;
            QString warning;
        };
        const Choice choices[] = {
            {[&] { child<QComboBox>(dialog, "Zaokrouhleni")->setCurrentIndex(1); },
             {"43", "52", "39", "5", "15", "69", "15"},
             {}},
            {[&] { child<QCheckBox>(dialog, "Svatky")->click(); }, {"23", "72", "39", "3", "17", "65", "19"}, {}},
            {[&] {
                 child<QRadioButton>(dialog, "DnyVlastni")->click();
                 child<QSpinBox>(dialog, "Dny")->setValue(3);
             },
             {"240", "740", "400", "30", "180", "670", "200"},
             utf8("Počet dní D = 3 je kratší než týden; minuty za měsíc proto nemusí odpovídat běžnému měsíci.")},
            {[&] { child<QRadioButton>(dialog, "DnyVypisu")->click(); }, {"23", "72", "39", "3", "17", "65", "19"}, {}},
        };
        for (const Choice& choice : choices) {
            choice.make();
            EXPECT_EQ(shownMinutes(dialog), choice.minutes);
            EXPECT_EQ(dialog.warning(), choice.warning);
            // No blank label stays behind for a screen reader to stop at.
            for (const QLabel* label : dialog.findChildren<QLabel*>()) {
                EXPECT_FALSE(label->text().isEmpty() && label->accessibleName().isEmpty())
                    << label->objectName().toStdString();
            }
        }
        return clickAndClose(dialog, "Vyplnit");
    });
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);

    EXPECT_EQ(fieldTexts(*form), (QStringList{"23", "72", "39", "3", "17", "65", "19"}));
    EXPECT_EQ(child<QComboBox>(*form, "Ostatni")->currentIndex(), 2);
    EXPECT_EQ(child<PageControl>(*form, "PageControl1")->currentIndex(), 0);
    // The fees follow when the user leaves the page, as always.
    EXPECT_EQ(shownBars(*form)[0].value, 0);
    clickTab(*form, 1);
    EXPECT_EQ(shownBars(*form)[0].value, 23);
}

// Storno, a list that cannot be used (dropped on a field) and a cancelled
// choice of file change nothing at all.
TEST(CallList, WhatIsNotFilledLeavesTheFieldsAsTheyWere) {
    Calculator calculator;
    const std::filesystem::path bad = calculator.workspace.path() / "vypis.csv";
    calculator.workspace.write("vypis.csv", "Datum;Čas;Číslo;Délka\n1.5.2000;10:00;602123456;-5\n");
    const QString badName = QString::fromStdString(bad.string());
    struct Case {
        const char* what;
        std::function<void(ScriptedPrompter&, TTarifForm&)> act;
    };
    const Case cases[] = {
        {"Storno in the summary, from the page's menu",
         [](ScriptedPrompter& prompter, TTarifForm& form) {
             pickFile(prompter, SampleCalls);
             prompter.onDialog([](QDialog& dialog) { return clickAndClose(dialog, "Storno"); });
             auto* page = child<QWidget>(form, "TabSheet1");
             ASSERT_EQ(page->contextMenuPolicy(), Qt::ActionsContextMenu);
             ASSERT_EQ(page->actions().size(), 1);
             page->actions().front()->trigger();
         }},
        {"a bad list dropped on a field",
         [&](ScriptedPrompter& prompter, TTarifForm& form) {
             prompter.expectError(utf8("Výpis hovorů %1 nelze použít, chyba je na řádku 2 („1.5.2000;10:00;"
                                       "602123456;-5“):\nDélka hovoru „-5“ je záporná.")
                                      .arg(badName));
             QMimeData data;
             data.setUrls({QUrl::fromLocalFile(badName)});
             // Qt delivers a drag to the nearest widget that takes drops,
             // and the drop to the one that took the drag.
             QWidget* target = child(form, "JTS")->findChild<QLineEdit*>();
             while (!target->acceptDrops()) target = target->parentWidget();
             QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(target, &enter);
             ASSERT_TRUE(enter.isAccepted());
             QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(target, &drop);
             EXPECT_TRUE(drop.isAccepted());
             QCoreApplication::processEvents();
         }},
        {"no file chosen",
         [](ScriptedPrompter& prompter, TTarifForm& form) {
             prompter.onDialog([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
             form.callLists().chooseAndRead();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto form = calculator.start();
        ASSERT_TRUE(showActive(*form));
        for (const char* name : Fields) child(*form, name)->setText(QStringLiteral("7"));
        child<QComboBox>(*form, "Ostatni")->setCurrentIndex(1);
        c.act(calculator.workspace.prompter, *form);
        EXPECT_EQ(fieldTexts(*form), QStringList(std::size(Fields), QStringLiteral("7")));
        EXPECT_EQ(child<QComboBox>(*form, "Ostatni")->currentIndex(), 1);
        EXPECT_TRUE(calculator.workspace.prompter.allAnswersUsed());
    }
}

// tarif --calls: the fields hold the list's minutes before the first fee
// run; a bad list is said, and the program goes on with zeros.
TEST(CallList, StartUpListFillsTheFieldsBeforeTheFirstFeeRun) {
    Calculator calculator;
    const auto form = calculator.start(SampleCalls);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(fieldTexts(*form), SampleMinutes);
    EXPECT_EQ(shownBars(*form)[0].value, 41);

    const QString missing = QString::fromStdString((calculator.workspace.path() / "chybi.csv").string());
    calculator.workspace.prompter.expectError(
        utf8("Výpis hovorů %1 nelze použít:\nSoubor nelze otevřít: soubor neexistuje.").arg(missing));
    const auto withBadList = calculator.start(missing);
    ASSERT_NE(withBadList, nullptr);
    EXPECT_EQ(fieldTexts(*withBadList), QStringList(std::size(Fields), QStringLiteral("0")));
    EXPECT_EQ(shownBars(*withBadList)[0].value, 0);
}

// A pipe is refused at once (a list dropped or opened is checked the same
// way): reading it would wait for a writer that may never come.
TEST(CallList, APipeIsRefusedAtOnce) {
    Calculator calculator;
    const std::filesystem::path pipe = calculator.workspace.path() / "vypis.csv";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const QString name = QString::fromStdString(pipe.string());
    calculator.workspace.prompter.expectError(utf8("Výpis hovorů %1 nelze použít:\nNení to soubor.").arg(name));
    const auto form = calculator.start(name);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(fieldTexts(*form), QStringList(std::size(Fields), QStringLiteral("0")));
}

// A list of days of calls a day: its monthly minutes over D = 1 day do not
// fit a field, and Vyplnit says so and keeps the dialog open. The same list
// read with its progress showing at once can be cancelled.
TEST(CallList, TooManyMinutesAreRefusedAndLongReadsCanBeCancelled) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("dlouhy.csv"));
    {
        std::ofstream out(file.toStdString(), std::ios::binary);
        out << "Datum;Čas;Číslo;Délka\n";
        // 60,000 calls of a whole day: 2.6 million minutes a day, 77.8 thousand million a month.
        for (int i = 0; i < 60000; ++i) out << "1.5.2000;10:00;602123456;24:00:00\n";
    }
    ScriptedPrompter prompter;
    const CallListLoader loader(nullptr);
    std::optional<calls::CallTally> tally =
        loader.read(file.toStdString(), QStringLiteral("dlouhy.csv"), calls::defaultPrefixTable());
    ASSERT_TRUE(tally);
    CallListDialog dialog(*tally, QStringLiteral("dlouhy.csv"), prompter);
    prompter.expectError(
        utf8("Měsíční minuty v pásmu EUROTEL (2 592 000 000) přesahují největší počet, který lze "
             "zadat (2 147 483 647)."));
    EXPECT_EQ(clickAndClose(dialog, "Vyplnit"), QDialog::Rejected);
    EXPECT_TRUE(prompter.allAnswersUsed());

    const CallListLoader showingAtOnce(nullptr, 0);
    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* progress = qobject_cast<QProgressDialog*>(window); progress && progress->isVisible()) {
                progress->cancel();
            }
        }
    });
    EXPECT_FALSE(showingAtOnce.read(file.toStdString(), QStringLiteral("dlouhy.csv"), calls::defaultPrefixTable()));
}

// A bill's totals row and page heading are skipped; the dialog says how many
// and quotes the first, and says nothing when there were none.
TEST(CallList, TheDialogNamesTheRowsSkippedAsNotCalls) {
    ScriptedPrompter prompter;
    const std::string withTotals =
        "Datum;Čas;Volané číslo;Délka\n"
        "1.5.2000;10:00;602123456;60\n"
        "Strana 2;;\n"
        "2.5.2000;10:00;602123456;60\n"
        "Celkem;;;0:02:00\n";
    CallListDialog skipped(calls::parseCallList(withTotals, calls::defaultPrefixTable()), QStringLiteral("vypis.csv"),
                           prompter);
    EXPECT_EQ(child<QLabel>(skipped, "PreskoceneLabel")->text(), utf8("Přeskočené řádky, které nejsou hovory:"));
    EXPECT_EQ(child<QLabel>(skipped, "Preskocene")->text(), utf8("2 (první: řádek 3 „Strana 2“)"));
    EXPECT_TRUE(child<QLabel>(skipped, "Preskocene")->isVisibleTo(&skipped));

    CallListDialog none(calls::readCallList(SampleCalls.toStdString(), calls::defaultPrefixTable()),
                        QStringLiteral("vypis-hovoru.csv"), prompter);
    EXPECT_FALSE(child<QLabel>(none, "PreskoceneLabel")->isVisibleTo(&none));
    EXPECT_FALSE(child<QLabel>(none, "Preskocene")->isVisibleTo(&none));
}

namespace {

// The summary of the sample call list, shown and active.
struct Summary {
    Summary() : dialog(sampleTally(), SampleCalls, prompter) {}

    static calls::CallTally sampleTally() {
        std::optional<calls::CallTally> tally = CallListLoader(nullptr).read(
            SampleCalls.toStdString(), QStringLiteral("vypis-hovoru.csv"), calls::defaultPrefixTable());
        if (!tally) throw std::runtime_error("the sample call list cannot be read");
        return std::move(*tally);
    }

    ScriptedPrompter prompter;
    CallListDialog dialog;
};

QString focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

}  // namespace

// Tab, Shift+Tab and Ctrl+Tab never stay inside a table: they go through the
// controls in reading order and come back round, each table one stop, and
// the arrows move inside a table.
TEST(CallList, TabGoesThroughTheSummaryInReadingOrderAndRound) {
    const QStringList forward = {"Storno",       "Soubor", "Obdobi",    "SvatkyHovory", "Zapocteno", "Nezapocteno",
                                 "Zaokrouhleni", "Svatky", "DnyVypisu", "Vyplnit",      "Storno",    "Soubor"};
    // Into the pair of radio buttons from either side: at the one chosen.
    const QStringList backward = {"DnyVypisu", "Svatky", "Zaokrouhleni", "Nezapocteno", "Zapocteno", "SvatkyHovory",
                                  "Obdobi",    "Soubor", "Storno",       "Vyplnit",     "DnyVypisu", "Svatky"};
    const struct {
        const char* keys;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QStringList visited;
    } cases[] = {
        {"Tab", Qt::Key_Tab, Qt::NoModifier, forward},
        {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, forward},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, backward},
        {"Ctrl+Shift+Tab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, backward},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Summary summary;
        ASSERT_TRUE(showActive(summary.dialog));
        ASSERT_EQ(focusName(), QStringLiteral("Vyplnit"));
        QStringList visited;
        for (qsizetype i = 0; i < c.visited.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
            visited << focusName();
        }
        EXPECT_EQ(visited, c.visited);
    }

    Summary summary;
    ASSERT_TRUE(showActive(summary.dialog));
    auto* table = child<QTableWidget>(summary.dialog, "Zapocteno");
    table->setFocus(Qt::TabFocusReason);
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->currentRow(), 2);
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_EQ(focusName(), QStringLiteral("Nezapocteno"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(table->currentRow(), 2) << "the table lost its place";
}

// A screen reader finds only the control that has the focus focused: a
// table's cell says so no more once Tab has left the table.
TEST(CallList, NoCellReportsTheFocusOnceTabHasLeftItsTable) {
    Summary summary;
    ASSERT_TRUE(showActive(summary.dialog));
    auto* table = child<QTableWidget>(summary.dialog, "Zapocteno");
    const auto focusedCells = [table] {
        int focused = 0;
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(table);
        for (int i = 0; i < grid->childCount(); ++i) {
            if (QAccessibleInterface* cell = grid->child(i); cell && cell->state().focused) ++focused;
        }
        return focused;
    };
    table->setFocus(Qt::TabFocusReason);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(focusedCells(), 1);
    QTest::keyClick(table, Qt::Key_Tab);
    ASSERT_FALSE(table->hasFocus());
    EXPECT_EQ(focusedCells(), 0);
}

// On a screen too small for it (here: a large font on the 800 x 600 test
// screen) the summary stays on the screen with its buttons in sight, and
// its content scrolls, also to the control Tab or Ctrl+Tab reaches.
TEST(CallList, OnAScreenTooSmallTheContentScrollsAndTheButtonsStay) {
    for (const auto& [keys, modifiers] :
         {std::pair{"Tab", Qt::NoModifier}, std::pair{"Ctrl+Tab", Qt::ControlModifier}}) {
        SCOPED_TRACE(keys);
        QWidget window;
        ScriptedPrompter prompter;
        CallListDialog dialog(Summary::sampleTally(), SampleCalls, prompter, &window);
        dialog.setFont(QFont(QStringLiteral("Liberation Sans"), 30));
        const QRect screen = dialog.screen()->availableGeometry();
        ASSERT_GT(dialog.sizeHint().height(), screen.height()) << "the content fits: no test";
        ASSERT_TRUE(showActive(dialog));
        EXPECT_TRUE(screen.contains(dialog.geometry())) << dialog.width() << " x " << dialog.height();
        for (const char* button : {"Vyplnit", "Storno"}) {
            const QWidget* shown = child<QPushButton>(dialog, button);
            EXPECT_TRUE(dialog.rect().contains(QRect(shown->mapTo(&dialog, QPoint(0, 0)), shown->size()))) << button;
        }
        auto* content = child<QScrollArea>(dialog, "Obsah");
        EXPECT_GT(content->verticalScrollBar()->maximum(), 0);

        // Tab on to the second table, which lies below the first.
        const QStringList reached = {"Storno", "Soubor", "Obdobi", "SvatkyHovory", "Zapocteno", "Nezapocteno"};
        for (qsizetype i = 0; i < reached.size(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        ASSERT_EQ(focusName(), QStringLiteral("Nezapocteno"));
        const QWidget* table = QApplication::focusWidget();
        const QRect inView(table->mapTo(content->viewport(), QPoint(0, 0)), QSize(1, 1));
        EXPECT_TRUE(content->viewport()->rect().contains(inView)) << "the table reached is out of sight";
    }
}

namespace {

// Calls from Monday 29 September to Monday 3 November 2003: 2 days of
// September and 3 of November, both short, and the whole of October, whose
// 28th is a holiday on a Tuesday. Seconds chosen so that 60/60 changes every
// month's minutes and the whole list's differ from each month's.
const std::string ThreeMonths =
    "Datum;Čas;Volané číslo;Délka\n"
    "29.9.2003;10:00;0602 345 678;61\n"     // Eurotel, peak
    "4.10.2003;10:00;0602 345 678;62\n"     // Eurotel, a Saturday
    "15.10.2003;10:00;02/2421 5566;310\n"   // fixed network, peak
    "28.10.2003;10:00;0602 345 678;1201\n"  // Eurotel, peak unless holidays count as weekend days
    "3.11.2003;10:00;0602 345 678;30\n";    // Eurotel, peak

// From May 2000 to May 2030, as a list with one year mistyped reads: 361
// months, a June of 2015 among them with a whole day of calls.
const std::string ThirtyYears =
    "Datum;Čas;Volané číslo;Délka\n"
    "1.5.2000;10:00;0602 345 678;60\n"
    "15.6.2015;10:00;0602 345 678;24:00:00\n"
    "1.5.2030;10:00;0602 345 678;60\n";

// The same calls from the first of two SIMs, beside a call of the other's
// and one in roaming.
const std::string TwoSimsThreeMonths =
    "SIM;Datum;Čas;Volané číslo;Délka;Roaming\n"
    "602 111 222;29.9.2003;10:00;0602 345 678;61;ne\n"
    "602 111 222;4.10.2003;10:00;0602 345 678;62;ne\n"
    "603 222 333;5.10.2003;10:00;0602 345 678;62;ne\n"
    "602 111 222;15.10.2003;10:00;02/2421 5566;310;ne\n"
    "602 111 222;16.10.2003;10:00;+43 1 123 4567;310;ano\n"
    "602 111 222;28.10.2003;10:00;0602 345 678;1201;ne\n"
    "602 111 222;3.11.2003;10:00;0602 345 678;30;ne\n";

// A business list of three SIMs, in May 2000: the second with one call, the
// first with two, the third with an SMS only.
const std::string ThreeSims =
    "Číslo účastníka;Datum;Čas;Volané číslo;Délka;Typ\n"
    "603 222 333;2.5.2000;10:00;602123456;300;Hovor\n"
    "602 111 222;2.5.2000;11:00;602123456;600;Hovor\n"
    "604 333 444;2.5.2000;12:00;602123456;1;SMS\n"
    "+420 602 111 222;31.5.2000;10:00;602123456;600;Hovor\n";

calls::CallTally tallyOf(const std::string& list, const std::string& subscriber = {}) {
    return calls::parseCallList(list, calls::defaultPrefixTable(), {}, {subscriber});
}

QTableView* monthTable(const QDialog& dialog) { return child<QTableView>(dialog, "Mesice"); }

// The month table as it reads, row by row.
std::vector<QStringList> monthRows(const QDialog& dialog) {
    const QAbstractItemModel& model = *monthTable(dialog)->model();
    std::vector<QStringList> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        rows.push_back(cells);
    }
    return rows;
}

}  // namespace

// "Po měsících" is there when the list touches two months or more, a row
// for each calendar month from the first to the last, the short ones with a
// star explained below; each zone's minutes are those of the calendar month,
// a month covered in part at the pace of its days, with one decimal.
TEST(CallList, TheMonthTableShowsEachMonthOfAListOfTwoOrMore) {
    const struct {
        const char* what;
        calls::CallTally tally;
        bool shown;
        std::vector<QStringList> firstAndLast;  // the first row and the last
        int rows;
        bool noteShown;
    } cases[] = {
        {"one month", Summary::sampleTally(), false, {}, 1, false},
        // A Sunday (Eurotel off-peak) and 1 May, a holiday priced as a working day.
        {"two days across the end of a month",
         tallyOf("Datum;Čas;Číslo;Délka\n30.4.2000;10:00;0602345678;120\n1.5.2000;10:00;0602345678;60\n"),
         true,
         {{"duben 2000", "1 *", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "60,0"},
          {"květen 2000", "1 *", "0,0", "0,0", "0,0", "0,0", "0,0", "31,0", "0,0"}},
         2,
         true},
        // A Saturday and a Wednesday.
        {"two whole months",
         tallyOf("Datum;Čas;Číslo;Délka\n1.4.2000;10:00;0602345678;600\n31.5.2000;10:00;0602345678;62\n"),
         true,
         {{"duben 2000", "30", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "10,0"},
          {"květen 2000", "31", "0,0", "0,0", "0,0", "0,0", "0,0", "1,0", "0,0"}},
         2,
         false},
        {"thirty years",
         tallyOf(ThirtyYears),
         true,
         {{"květen 2000", "31", "0,0", "0,0", "0,0", "0,0", "0,0", "1,0", "0,0"},
          {"květen 2030", "1 *", "0,0", "0,0", "0,0", "0,0", "0,0", "31,0", "0,0"}},
         361,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPrompter prompter;
        CallListDialog dialog(c.tally, QStringLiteral("vypis.csv"), prompter, nullptr, czech());
        EXPECT_EQ(child<QGroupBox>(dialog, "MesiceGroup")->isVisibleTo(&dialog), c.shown);
        const std::vector<QStringList> rows = monthRows(dialog);
        ASSERT_EQ(static_cast<int>(rows.size()), c.rows);
        if (!c.shown) continue;
        EXPECT_EQ(child<QGroupBox>(dialog, "MesiceGroup")->title(), utf8("Po měsících"));
        EXPECT_EQ(rows.front(), c.firstAndLast.front());
        EXPECT_EQ(rows.back(), c.firstAndLast.back());
        EXPECT_EQ(child<QLabel>(dialog, "MesiceKratke")->isVisibleTo(&dialog), c.noteShown);
    }
}

// The months follow the rounding and the holiday rule; "Vyplnit" fills the
// minutes of the whole list all the same. September's 2 days and November's
// 3 go on at their pace to the month's end: 61 s in September are 15,25
// minutes of the month.
TEST(CallList, TheMonthsFollowTheChoicesAndVyplnitTakesTheWholeList) {
    ScriptedPrompter prompter;
    CallListDialog dialog(tallyOf(ThreeMonths), QStringLiteral("vypis.csv"), prompter, nullptr, czech());
    const struct {
        const char* what;
        std::function<void()> make;
        std::vector<QStringList> rows;
    } choices[] = {
        {"to the second",
         [] {},
         {{"září 2003", "2 *", "0,0", "0,0", "0,0", "0,0", "0,0", "15,3", "0,0"},
          {"říjen 2003", "31", "5,2", "0,0", "0,0", "0,0", "0,0", "20,0", "1,0"},
          {"listopad 2003", "3 *", "0,0", "0,0", "0,0", "0,0", "0,0", "5,0", "0,0"}}},
        {"60/60",
         [&] { child<QComboBox>(dialog, "Zaokrouhleni")->setCurrentIndex(1); },
         {{"září 2003", "2 *", "0,0", "0,0", "0,0", "0,0", "0,0", "30,0", "0,0"},
          {"říjen 2003", "31", "6,0", "0,0", "0,0", "0,0", "0,0", "21,0", "2,0"},
          {"listopad 2003", "3 *", "0,0", "0,0", "0,0", "0,0", "0,0", "10,0", "0,0"}}},
        {"holidays as weekend days",
         [&] { child<QCheckBox>(dialog, "Svatky")->click(); },
         {{"září 2003", "2 *", "0,0", "0,0", "0,0", "0,0", "0,0", "30,0", "0,0"},
          {"říjen 2003", "31", "6,0", "0,0", "0,0", "0,0", "0,0", "0,0", "23,0"},
          {"listopad 2003", "3 *", "0,0", "0,0", "0,0", "0,0", "0,0", "10,0", "0,0"}}},
    };
    for (const auto& choice : choices) {
        SCOPED_TRACE(choice.what);
        choice.make();
        EXPECT_EQ(monthRows(dialog), choice.rows);
    }
    EXPECT_EQ(clickAndClose(dialog, "Vyplnit"), QDialog::Accepted);
    // 360, 180 and 1380 charged seconds over the list's 36 days.
    const fees::UsageProfile& usage = dialog.usage();
    std::vector<std::int32_t> filled;
    for (const tariffs::Zone zone : tariffs::AllZones) filled.push_back(usage.count(zone));
    EXPECT_EQ(filled, (std::vector<std::int32_t>{5, 0, 0, 0, 0, 3, 19}));
}

// The months' minutes are written with the decimal separator of the
// window's regional settings (the tables above hold the Czech comma).
TEST(CallList, TheMonthMinutesTakeTheRegionalDecimalSeparator) {
    Calculator calculator;
    calculator.workspace.write("vypis.csv", ThreeMonths);
    TTarifForm form(calculator.workspace.prompter, calculator.workspace.path(), desktop::RegionalSettings(english()));
    ASSERT_TRUE(showActive(form));
    pickFile(calculator.workspace.prompter,
             QString::fromStdString((calculator.workspace.path() / "vypis.csv").string()));
    QString shown;
    calculator.workspace.prompter.onDialog([&shown](QDialog& dialog) {
        shown = monthRows(dialog).at(1).at(2);  // October, 310 s into the fixed network
        return static_cast<int>(QDialog::Rejected);
    });
    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(shown, QStringLiteral("5.2"));
}

// Tab reaches the month table after the other two and before the choices,
// as one stop.
TEST(CallList, TabReachesTheMonthTableAfterTheOtherTables) {
    ScriptedPrompter prompter;
    CallListDialog dialog(tallyOf(ThreeMonths), QStringLiteral("vypis.csv"), prompter);
    ASSERT_TRUE(showActive(dialog));
    ASSERT_EQ(focusName(), QStringLiteral("Vyplnit"));
    const QStringList expected = {"Storno", "Soubor",       "Obdobi", "SvatkyHovory", "Zapocteno", "Nezapocteno",
                                  "Mesice", "Zaokrouhleni", "Svatky", "DnyVypisu",    "Vyplnit"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
    }
    EXPECT_EQ(visited, expected);
}

// With months the summary still fits a screen of 800 x 600, the smallest the
// windows are laid out for, its buttons in sight; Tab brings the month table
// into view whole; a list of many months scrolls inside a table of a few
// rows, and every cell shows whole, however far down it lies. ctest runs
// this suite on an offscreen screen of that size.
TEST(CallListOnSmallScreen, WithMonthsTheSummaryStillFits) {
    if (QApplication::primaryScreen()->size() != QSize(800, 600)) GTEST_SKIP() << "runs on a screen of 800 x 600";
    const struct {
        const char* what;
        std::string list;
        bool tableScrolls;
    } cases[] = {
        {"three months", ThreeMonths, false},
        {"thirty years", ThirtyYears, true},
        {"three months of two SIMs, with a call in roaming", TwoSimsThreeMonths, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget window;
        ScriptedPrompter prompter;
        calls::CallTally tally = tallyOf(c.list);
        if (tally.subscribers.size() >= 2) tally = tallyOf(c.list, tally.subscribers.front().number);
        CallListDialog dialog(std::move(tally), QStringLiteral("vypis.csv"), prompter, &window);
        ASSERT_TRUE(showActive(dialog));
        const QRect screen = dialog.screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(dialog.geometry())) << dialog.width() << " x " << dialog.height();
        for (const char* button : {"Vyplnit", "Storno"}) {
            const QWidget* shown = child<QPushButton>(dialog, button);
            EXPECT_TRUE(dialog.rect().contains(QRect(shown->mapTo(&dialog, QPoint(0, 0)), shown->size()))) << button;
        }
        auto* content = child<QScrollArea>(dialog, "Obsah");
        ASSERT_GT(content->verticalScrollBar()->maximum(), 0) << "the content fits: no test of the scrolling";

        QTableView* table = monthTable(dialog);
        EXPECT_LE(table->height(), 2 * table->frameWidth() + table->horizontalHeader()->height() +
                                       7 * table->verticalHeader()->defaultSectionSize());
        EXPECT_EQ(table->verticalScrollBar()->maximum() > 0, c.tableScrolls);
        EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0) << "the last column is cut off";
        const QAbstractItemModel& model = *table->model();
        int cut = 0;
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                if (table->sizeHintForIndex(model.index(row, column)).width() > table->columnWidth(column)) ++cut;
            }
        }
        EXPECT_EQ(cut, 0) << "cells shown shortened";

        // Tab on to the month table, below the others (and "Číslo:"): it scrolls into view.
        const int stops = child<QComboBox>(dialog, "Cislo")->isVisibleTo(&dialog) ? 8 : 7;
        for (int i = 0; i < stops; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(focusName(), QStringLiteral("Mesice"));
        const QRect inView(table->mapTo(content->viewport(), QPoint(0, 0)), table->size());
        EXPECT_TRUE(content->viewport()->rect().contains(inView)) << "the month table is out of sight";
    }
}

// A business list of three SIMs: the summary reads the number with most
// calls first, "Číslo:" reads another; one that cannot be read is said and
// the number read stays; Vyplnit fills the minutes of the number chosen.
TEST(CallList, TheNumberOfOneSimIsChosenInTheSummary) {
    Calculator calculator;
    calculator.workspace.write("firma.csv", ThreeSims);
    const QString file = QString::fromStdString((calculator.workspace.path() / "firma.csv").string());
    auto form = calculator.start();
    ASSERT_TRUE(showActive(*form));
    ScriptedPrompter& prompter = calculator.workspace.prompter;
    pickFile(prompter, file);
    prompter.onDialog([&](QDialog& dialog) {
        auto* numbers = child<QComboBox>(dialog, "Cislo");
        EXPECT_TRUE(numbers->isVisibleTo(&dialog));
        // As the calculator's drop-down lists are, by the label's text.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(numbers)->text(QAccessible::Name), utf8("Číslo"));
        QStringList items;
        for (int i = 0; i < numbers->count(); ++i) items << numbers->itemText(i);
        EXPECT_EQ(items, (QStringList{utf8("602 111 222 (2 hovory)"), utf8("603 222 333 (1 hovor)"),
                                      utf8("604 333 444 (0 hovorů)")}));
        EXPECT_EQ(numbers->currentIndex(), 0);
        EXPECT_EQ(shownMinutes(dialog)[5], QStringLiteral("20"));  // 1200 s over 30 days

        numbers->setCurrentIndex(1);
        EXPECT_EQ(shownMinutes(dialog)[5], QStringLiteral("150"));  // 300 s in its one day
        EXPECT_EQ(child<QLabel>(dialog, "Obdobi")->text(), utf8("2. 5. 2000 – 2. 5. 2000 (1 den)"));

        prompter.expectError(utf8("Výpis hovorů %1 nelze použít:\nVe výpisu není žádný odchozí hovor.")
                                 .arg(QDir::toNativeSeparators(file)));
        numbers->setCurrentIndex(2);
        EXPECT_EQ(numbers->currentIndex(), 1);
        EXPECT_EQ(shownMinutes(dialog)[5], QStringLiteral("150"));
        return clickAndClose(dialog, "Vyplnit");
    });
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(prompter.allAnswersUsed());
    EXPECT_EQ(fieldTexts(*form)[5], QStringLiteral("150"));
    // "Volba tarifu" and its report say whose calls they are.
    clickTab(*form, 2);
    EXPECT_EQ(child<QLabel>(*form, "LabelPoMesicich")->text(), utf8("Po měsících – firma.csv, číslo 603 222 333"));

    // A list of one number shows none.
    CallListDialog one(tallyOf("SIM;Datum;Čas;Volané číslo;Délka\n602111222;2.5.2000;10:00;602123456;60\n"),
                       QStringLiteral("vypis.csv"), prompter);
    EXPECT_FALSE(child<QComboBox>(one, "Cislo")->isVisibleTo(&one));
    EXPECT_FALSE(child<QLabel>(one, "CisloLabel")->isVisibleTo(&one));
}

// "Číslo:" is the stop after the file's name, reached by Alt+S too, and
// the arrows read another number.
TEST(CallList, TheNumberIsChosenWithTheKeyboard) {
    ScriptedPrompter prompter;
    CallListDialog dialog(tallyOf(ThreeSims, "602111222"), QStringLiteral("firma.csv"), prompter);
    dialog.setSubscriberReader([](const std::string& number) { return tallyOf(ThreeSims, number); });
    ASSERT_TRUE(showActive(dialog));
    auto* numbers = child<QComboBox>(dialog, "Cislo");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), QStringLiteral("Soubor"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), QStringLiteral("Cislo"));
    QTest::keyClick(numbers, Qt::Key_Down);
    EXPECT_EQ(numbers->currentIndex(), 1);
    EXPECT_EQ(shownMinutes(dialog)[5], QStringLiteral("150"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), QStringLiteral("Obdobi"));
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(focusName(), QStringLiteral("Cislo"));
}
