// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>

#include "CalculatorTesting.h"

using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;
using Kind = ScriptedPrompter::Kind;

namespace {

// The number held together by no-break spaces.
constexpr char LargestCount[] = "Největší počet minut, který lze zadat, je 2\u00A0147\u00A0483\u00A0647.";

// One tariff whose cost tells every zone's minute count apart: a zone's rate
// is a power of ten, nothing is free and there are no fees.
const std::string ZoneTariff = tariffFile({
    "provider Z",
    "tarif Zones",
    "sazba JTS 1 0",
    "sazba JTS-mimo 10 0",
    "sazba JTS-noc 100 0",
    "sazba PAEGAS 1000 0",
    "sazba PAEGAS-mimo 10000 0",
    "sazba EUROTEL 100000 0",
    "sazba EUROTEL-mimo 1000000 0",
});

// Five first free minutes shared over the fixed network; only JTS-mimo
// costs. With 10 minutes off-peak the cost shows what peak count the fee run
// read: 5 for a peak count of 0, 0 for -5 (its share grows to all 10).
const std::string SharingTariff = tariffFile({"provider S", "tarif Sharing", "prvniminzdarma 5", "sazba JTS-mimo 1 0"});

// Flat fees that the services switch on, and a peak rate.
const std::string FeeTariff =
    tariffFile({"provider F", "tarif Fees", "sluzba telefon 100", "sluzba fax 50", "sluzba data 20", "sazba JTS 1 0"});

struct Started {
    Workspace workspace;
    std::unique_ptr<TTarifForm> form;

    Started(const std::string& tariffs, const QLocale& locale = czech()) {
        workspace.write("tarif.ini", tariffs);
        form = workspace.start(locale);
        EXPECT_NE(form, nullptr);
        if (form) {
            EXPECT_TRUE(showActive(*form));
        }
    }

    MinuteSpinEdit* field(const char* name) const { return child(*form, name); }

    // Puts the focus in the field as a click would.
    MinuteSpinEdit* enter(const char* name) const {
        MinuteSpinEdit* f = field(name);
        f->setFocus(Qt::MouseFocusReason);
        EXPECT_TRUE(f->hasFocus()) << name;
        return f;
    }

    double cost() const {
        const auto bars = shownBars(*form);
        EXPECT_EQ(bars.size(), 1u);
        return bars.empty() ? -1 : bars.front().value;
    }
};

}  // namespace

TEST(ExitRule, EmptyAndNegativeEntriesBecomeZeroTooLargeOnesTheLargestAndOtherNumbersStay) {
    const QString largest = utf8(LargestCount);
    const struct {
        QLocale locale;
        const char* entered;
        bool pasted;
        const char* held;  // what the field holds once entered
        const char* shown;
        const char* message;  // empty: none
        Kind kind;            // of the message
        double cost;          // JTS minutes as the fee run reads them
    } cases[] = {
        {czech(), "", false, "", "0", "", Kind::Error, 0},
        {czech(), "-3", false, "-3", "0", "", Kind::Error, 0},
        {czech(), "-0", false, "-0", "-0", "", Kind::Error, 0},
        {czech(), "-0,5", false, "-0,5", "0", "", Kind::Error, 0},
        {czech(), "12", false, "12", "12", "", Kind::Error, 12},
        {czech(), "2,5", false, "2,5", "2,5", "", Kind::Error, 0},
        {czech(), "2147483647", false, "2147483647", "2147483647", "", Kind::Error, 2147483647},
        {czech(), "2147483648", false, "2147483648", "2147483647", LargestCount, Kind::Warning, 2147483647},
        {czech(), "+99999999999999999999", false, "+99999999999999999999", "2147483647", LargestCount, Kind::Warning,
         2147483647},
        {czech(), "2147483648,5", false, "2147483648,5", "2147483648,5", "", Kind::Error, 0},
        {czech(), "-", false, "-", "-", "'-' is not a valid floating point value.", Kind::Error, 0},
        {czech(), "+", false, "+", "+", "'+' is not a valid floating point value.", Kind::Error, 0},
        {czech(), "1-2", false, "1-2", "1-2", "'1-2' is not a valid floating point value.", Kind::Error, 0},
        {czech(), "1,2,3", true, "1,2,3", "1,2,3", "'1,2,3' is not a valid floating point value.", Kind::Error, 0},
        // Pasted letters, a point for a comma or an exponent are refused at
        // once; the field keeps what it held.
        {czech(), "abc", true, "0", "0", "", Kind::Error, 0},
        {czech(), "2.5", true, "0", "0", "", Kind::Error, 0},
        {czech(), "1e3", true, "0", "0", "", Kind::Error, 0},
        {czech(), " 7", true, "7", "7", "", Kind::Error, 7},
        {czech(), "3000000000\r\n", true, "3000000000", "2147483647", LargestCount, Kind::Warning, 2147483647},
        {english(), "2.5", false, "2.5", "2.5", "", Kind::Error, 0},
        {english(), "-2.5", false, "-2.5", "0", "", Kind::Error, 0},
        {english(), "2,5", true, "0", "0", "", Kind::Error, 0},
    };
    for (const auto& c : cases) {
        Started started(ZoneTariff, c.locale);
        MinuteSpinEdit* jts = started.enter("JTS");
        c.pasted ? paste(jts, utf8(c.entered)) : retype(jts, utf8(c.entered));
        ASSERT_EQ(jts->text(), utf8(c.held)) << c.entered;
        if (*c.message && c.kind == Kind::Error) started.workspace.prompter.expectError(utf8(c.message));
        if (*c.message && c.kind == Kind::Warning) started.workspace.prompter.expectWarning(utf8(c.message));
        QTest::keyClick(jts, Qt::Key_Tab);
        EXPECT_FALSE(jts->hasFocus());

        EXPECT_EQ(jts->text(), utf8(c.shown)) << c.entered;
        const QStringList expected = *c.message ? QStringList{utf8(c.message)} : QStringList{};
        EXPECT_EQ(started.workspace.prompter.texts(c.kind), expected) << c.entered;
        EXPECT_EQ(started.workspace.prompter.interactions().size() - started.workspace.prompter.beeps(),
                  static_cast<std::size_t>(expected.size()))
            << c.entered;
        const bool refused = c.pasted && utf8(c.held) == QStringLiteral("0");
        EXPECT_EQ(started.workspace.prompter.beeps(), refused ? 1 : 0) << c.entered;

        clickTab(*started.form, 1);
        EXPECT_EQ(started.cost(), c.cost) << c.entered;
        EXPECT_EQ(jts->text(), utf8(c.shown)) << "the page change left " << c.entered << " alone";
    }
}

// However a count gets into a field and however the results page is then
// opened, the fee run prices the number the field shows.
TEST(ExitRule, TheFeeRunPricesTheNumberTheFieldShows) {
    enum class Entry { Typed, CtrlV, ShiftInsert, Dropped };
    enum class Switch { ClickTab, CtrlTab, AccessibleTab };
    const struct {
        const char* name;
        Entry entry;
        const char* entered;
        Switch how;
        bool clamped;
    } cases[] = {
        {"a spreadsheet cell pasted, Ctrl+Tab", Entry::CtrlV, "41\r\n", Switch::CtrlTab, false},
        {"a spreadsheet cell pasted, tab clicked", Entry::ShiftInsert, "41\n", Switch::ClickTab, false},
        {"blanks around, Ctrl+Tab", Entry::CtrlV, " 45 ", Switch::CtrlTab, false},
        {"a thousands blank, the tab pressed by a screen reader", Entry::Dropped, "1\u00A0200", Switch::AccessibleTab,
         false},
        {"too many typed, Ctrl+Tab", Entry::Typed, "3000000000", Switch::CtrlTab, true},
        {"too many typed, tab clicked", Entry::Typed, "3000000000", Switch::ClickTab, true},
        {"too many pasted, the tab pressed by a screen reader", Entry::CtrlV, "99 999 999 999", Switch::AccessibleTab,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Started started(ZoneTariff);
        MinuteSpinEdit* jts = started.enter("JTS");
        switch (c.entry) {
        case Entry::Typed: retype(jts, utf8(c.entered)); break;
        case Entry::CtrlV: paste(jts, utf8(c.entered)); break;
        case Entry::ShiftInsert:
            QGuiApplication::clipboard()->setText(utf8(c.entered));
            jts->selectAll();
            QTest::keyClick(jts, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Entry::Dropped:
            jts->setText({});
            drop(jts, utf8(c.entered));
            break;
        }
        if (c.clamped) started.workspace.prompter.expectWarning(utf8(LargestCount));
        switch (c.how) {
        case Switch::ClickTab: clickTab(*started.form, 1); break;
        case Switch::CtrlTab: QTest::keyClick(jts, Qt::Key_Tab, Qt::ControlModifier); break;
        case Switch::AccessibleTab: {
            QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(pageTabs(*started.form))->child(1);
            ASSERT_NE(tab, nullptr);
            tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            break;
        }
        }
        ASSERT_EQ(child<PageControl>(*started.form, "PageControl1")->currentIndex(), 1);
        bool number = false;
        const double shown = jts->text().toDouble(&number);
        ASSERT_TRUE(number) << jts->text().toStdString();
        EXPECT_EQ(started.cost(), shown) << jts->text().toStdString();
        EXPECT_GT(shown, 0);
        EXPECT_EQ(started.workspace.prompter.count(Kind::Warning), c.clamped ? 1 : 0);
    }
}

TEST(ExitRule, EveryFieldHasItsOwnAndFeedsItsOwnZone) {
    const struct {
        const char* field;
        double rate;
    } cases[] = {
        {"JTS", 1},         {"JTSMimo", 10},  {"JTSNoc", 100},      {"Pekac", 1000},
        {"PekacMimo", 1e4}, {"Eurotel", 1e5}, {"EurotelMimo", 1e6},
    };
    for (const auto& c : cases) {
        Started started(ZoneTariff);
        MinuteSpinEdit* field = started.enter(c.field);
        QTest::keyClick(field, Qt::Key_Down);
        EXPECT_EQ(field->text(), QStringLiteral("-1")) << c.field;
        QTest::keyClick(field, Qt::Key_Tab);
        EXPECT_EQ(field->text(), QStringLiteral("0")) << c.field;

        field = started.enter(c.field);
        retype(field, QStringLiteral("3"));
        QTest::keyClick(field, Qt::Key_Tab);
        clickTab(*started.form, 1);
        EXPECT_EQ(started.cost(), 3 * c.rate) << c.field;
    }
}

TEST(PageChange, TheRuleAndTheFeeRunComeBeforeTheFocusedFieldsExitRule) {
    enum class Switch { ClickTab, CtrlTab, CtrlShiftTab };
    const struct {
        const char* name;
        Switch how;
        const char* peak;  // in the focused field when the page changes
        double cost;
        const char* shownAfter;
        int messages;
    } cases[] = {
        {"Ctrl+Tab with -5", Switch::CtrlTab, "-5", 0, "0", 0},
        {"Ctrl+Shift+Tab with -5", Switch::CtrlShiftTab, "-5", 0, "0", 0},
        {"tab click with -5", Switch::ClickTab, "-5", 0, "0", 0},
        {"Ctrl+Tab on an empty field", Switch::CtrlTab, "", 5, "0", 0},
        {"tab click on an empty field", Switch::ClickTab, "", 5, "0", 0},
        {"Ctrl+Tab with a lone sign", Switch::CtrlTab, "-", 5, "-", 1},
        {"Ctrl+Tab with 3", Switch::CtrlTab, "3", 10 - 50.0 / 13, "3", 0},
    };
    for (const auto& c : cases) {
        Started started(SharingTariff);
        MinuteSpinEdit* offPeak = started.enter("JTSMimo");
        retype(offPeak, QStringLiteral("10"));
        MinuteSpinEdit* peak = started.enter("JTS");
        retype(peak, utf8(c.peak));
        for (int i = 0; i < c.messages; ++i) started.workspace.prompter.expectError();

        switch (c.how) {
        case Switch::ClickTab: clickTab(*started.form, 1); break;
        case Switch::CtrlTab: QTest::keyClick(peak, Qt::Key_Tab, Qt::ControlModifier); break;
        case Switch::CtrlShiftTab:
            QTest::keyClick(peak, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        }
        // Ctrl+Shift+Tab goes round backwards, to the last page.
        EXPECT_EQ(child<PageControl>(*started.form, "PageControl1")->currentIndex(),
                  c.how == Switch::CtrlShiftTab ? 2 : 1)
            << c.name;
        EXPECT_FALSE(peak->hasFocus()) << c.name;
        EXPECT_EQ(started.cost(), c.cost) << c.name;
        EXPECT_EQ(peak->text(), utf8(c.shownAfter)) << c.name;
        EXPECT_EQ(started.workspace.prompter.errors().size(), c.messages) << c.name;
    }
}

TEST(PageChange, InputsChangeNothingUntilTheResultsPageIsOpened) {
    const struct {
        const char* change;
        void (*make)(const Started&);
        double cost;
    } cases[] = {
        {"fax", [](const Started& s) { QTest::mouseClick(child<QCheckBox>(*s.form, "Fax"), Qt::LeftButton); }, 150},
        {"data", [](const Started& s) { QTest::mouseClick(child<QCheckBox>(*s.form, "Data"), Qt::LeftButton); }, 120},
        {"minutes",
         [](const Started& s) {
             MinuteSpinEdit* jts = s.enter("JTS");
             retype(jts, QStringLiteral("10"));
             QTest::keyClick(jts, Qt::Key_Tab);
         },
         110},
        {"period",
         [](const Started& s) {
             MinuteSpinEdit* jts = s.enter("JTS");
             retype(jts, QStringLiteral("10"));
             QTest::keyClick(jts, Qt::Key_Tab);
             auto* period = child<QComboBox>(*s.form, "Ostatni");
             period->setFocus(Qt::TabFocusReason);
             QTest::keyClick(period, Qt::Key_Up);
             QTest::keyClick(period, Qt::Key_Up);
             EXPECT_EQ(period->currentText(), QStringLiteral("denní"));
         },
         400},
    };
    for (const auto& c : cases) {
        Started started(FeeTariff);
        ASSERT_EQ(started.cost(), 100);
        c.make(started);
        EXPECT_EQ(started.cost(), 100) << c.change;

        clickTab(*started.form, 1);
        EXPECT_EQ(started.cost(), c.cost) << c.change;

        // Going back to the input page computes nothing either.
        started.field("JTS")->setText(QStringLiteral("1000"));
        clickTab(*started.form, 0);
        EXPECT_EQ(started.cost(), c.cost) << c.change;
        EXPECT_TRUE(started.workspace.prompter.interactions().empty()) << c.change;
    }
}

// The items of "Uvedené hodnoty jsou" count the minutes per day, week and
// month; with no item selected they count per month.
TEST(PeriodList, EachItemPricesItsPeriodAndNoItemMonthly) {
    const struct {
        int item;
        double cost;  // of 10 minutes at 1 a minute
    } cases[] = {{0, 300}, {1, 42.857}, {2, 10}, {-1, 10}};
    for (const auto& c : cases) {
        Started started(ZoneTariff);
        started.field("JTS")->setText(QStringLiteral("10"));
        child<QComboBox>(*started.form, "Ostatni")->setCurrentIndex(c.item);
        clickTab(*started.form, 1);
        EXPECT_NEAR(started.cost(), c.cost, 1e-9) << c.item;
    }
}

TEST(PageChange, TheArrowKeysOnTheTabsSwitchPagesThroughTheSameRule) {
    Started started(FeeTariff);
    MinuteSpinEdit* jts = started.enter("JTS");
    retype(jts, QStringLiteral("7"));
    QTest::keyClick(jts, Qt::Key_Tab);
    QTabBar* tabs = pageTabs(*started.form);
    tabs->setFocus(Qt::TabFocusReason);

    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(started.cost(), 107);
    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(tabs->currentIndex(), 2);
    QTest::keyClick(tabs, Qt::Key_Right);  // no page beyond the last
    EXPECT_EQ(tabs->currentIndex(), 2);
    QTest::keyClick(tabs, Qt::Key_Left);
    QTest::keyClick(tabs, Qt::Key_Left);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(started.cost(), 107);
}

TEST(PageChange, CtrlTabSwitchesFromAnyControlOfTheWindow) {
    const struct {
        const char* focus;
        bool backwards;
    } cases[] = {
        {"PageControl1", false}, {"JTS", false},     {"EurotelMimo", true}, {"Fax", false},
        {"Data", true},          {"Ostatni", false}, {"Ostatni", true},
    };
    for (const auto& c : cases) {
        Started started(FeeTariff);
        child<QCheckBox>(*started.form, "Fax")->setChecked(true);
        QWidget* focus = child<QWidget>(*started.form, c.focus);
        focus->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(focus->hasFocus() || focus->focusProxy()->hasFocus()) << c.focus;
        auto* pages = child<PageControl>(*started.form, "PageControl1");

        const auto press = [&] {
            if (c.backwards) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            } else {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            }
        };
        // Round the three pages; only leaving the input page computes.
        const int order[] = {c.backwards ? 2 : 1, c.backwards ? 1 : 2, 0};
        press();
        EXPECT_EQ(pages->currentIndex(), order[0]) << c.focus;
        EXPECT_EQ(started.cost(), 150) << c.focus;

        child<QCheckBox>(*started.form, "Fax")->setChecked(false);
        press();
        EXPECT_EQ(pages->currentIndex(), order[1]) << c.focus;
        EXPECT_EQ(started.cost(), 150) << c.focus << ": leaving page " << order[0] << " computed";
        press();
        EXPECT_EQ(pages->currentIndex(), order[2]) << c.focus;
        EXPECT_EQ(started.cost(), 150) << c.focus << ": leaving page " << order[1] << " computed";
    }
}

TEST(ExitRule, RunsOnlyWhenTheFocusMovesWithinTheWindow) {
    Started started(ZoneTariff);
    MinuteSpinEdit* jts = started.enter("JTS");
    retype(jts, QStringLiteral("-"));

    // Another window takes over and gives the focus back: the field was
    // never left.
    QWidget other;
    ASSERT_TRUE(showActive(other));
    EXPECT_EQ(jts->text(), QStringLiteral("-"));
    ASSERT_TRUE(showActive(*started.form));
    EXPECT_TRUE(jts->hasFocus());
    EXPECT_TRUE(started.workspace.prompter.interactions().empty());

    started.workspace.prompter.expectError();
    QTest::keyClick(jts, Qt::Key_Tab);
    EXPECT_EQ(started.workspace.prompter.errors(),
              QStringList{QStringLiteral("'-' is not a valid floating point value.")});
}

// A conversion message that comes up while the focus moves on takes the
// window's activation and the mouse for as long as it is shown.
TEST(MessageInTheWay, TheClickOnAStepButtonEndsWithTheMessage) {
    Started started(ZoneTariff);
    MinuteSpinEdit* offPeak = started.field("JTSMimo");
    offPeak->setText(QStringLiteral("5"));
    MinuteSpinEdit* peak = started.enter("JTS");
    retype(peak, QStringLiteral("-"));

    const QPoint up = buttonCentre(offPeak, QStyle::SC_SpinBoxUp);
    started.workspace.prompter.expectError();
    started.workspace.prompter.whileErrorShows([&] { QTest::mouseRelease(offPeak, Qt::LeftButton, {}, up); });
    QTest::mousePress(offPeak, Qt::LeftButton, {}, up);
    ASSERT_EQ(started.workspace.prompter.errors().size(), 1);

    // However long the user waits afterwards.
    QTimer& repeat = repeatTimer(offPeak);
    for (int tick = 0; tick < 4; ++tick) expire(repeat);
    EXPECT_EQ(offPeak->text(), QStringLiteral("5")) << "the button went on stepping with nothing held";
}

TEST(MessageInTheWay, TheFieldTabbedIntoStillHasItsTextSelected) {
    Started started(ZoneTariff);
    started.field("JTSMimo")->setText(QStringLiteral("123"));
    MinuteSpinEdit* peak = started.enter("JTS");
    retype(peak, QStringLiteral("-"));

    QWidget message;
    started.workspace.prompter.expectError();
    started.workspace.prompter.whileErrorShows([&] {
        EXPECT_TRUE(showActive(message));
        message.hide();
    });
    QTest::keyClick(peak, Qt::Key_Tab);
    ASSERT_EQ(started.workspace.prompter.errors().size(), 1);
    ASSERT_TRUE(showActive(*started.form));
    MinuteSpinEdit* offPeak = started.field("JTSMimo");
    ASSERT_TRUE(offPeak->hasFocus());
    typeKeys(offPeak, QStringLiteral("4"));
    EXPECT_EQ(offPeak->text(), QStringLiteral("4"));
}

TEST(PageChange, EveryRouteToTheResultsPageRunsTheRule) {
    const struct {
        const char* route;
        void (*change)(PageControl&);
    } cases[] = {
        {"the tab's accessible action",
         [](PageControl& pages) {
             QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(pages.tabBar())->child(1);
             ASSERT_NE(tab, nullptr);
             ASSERT_NE(tab->actionInterface(), nullptr);
             tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
         }},
        {"the page control's current index", [](PageControl& pages) { pages.setCurrentIndex(1); }},
        {"the tab bar's current index", [](PageControl& pages) { pages.tabBar()->setCurrentIndex(1); }},
    };
    for (const auto& c : cases) {
        Started started(FeeTariff);
        child<QCheckBox>(*started.form, "Fax")->setChecked(true);
        auto* pages = child<PageControl>(*started.form, "PageControl1");
        c.change(*pages);
        EXPECT_EQ(pages->currentIndex(), 1) << c.route;
        EXPECT_EQ(started.cost(), 150) << c.route;
    }
}

// A screen reader reads a minute field's number as its value, in the range
// a field prices, sets it as typing the number and leaving the field would,
// and steps it as the arrow keys do.
TEST(ScreenReader, AMinuteFieldsValueIsItsNumberAndIsEnteredAsTyped) {
    enum class Do { Read, Set, Increase, Decrease };
    const struct {
        const char* before;
        Do action;
        double set;
        const char* after;
        double value;
        bool warned;
    } cases[] = {
        {"123", Do::Read, 0, "123", 123, false},
        {"", Do::Read, 0, "", 0, false},
        {"2,5", Do::Read, 0, "2,5", 2.5, false},
        {"-", Do::Read, 0, "-", 0, false},
        {"7", Do::Set, 42, "42", 42, false},
        {"7", Do::Set, -5, "0", 0, false},
        {"7", Do::Set, 3e9, "2147483647", 2147483647, true},
        {"5", Do::Increase, 0, "6", 6, false},
        {"0", Do::Decrease, 0, "-1", -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        Started started(ZoneTariff);
        MinuteSpinEdit* jts = started.field("JTS");
        jts->setText(utf8(c.before));
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(jts);
        ASSERT_EQ(field->role(), QAccessible::SpinBox);
        EXPECT_EQ(field->text(QAccessible::Name), utf8("Pevná síť – Ve špičce"));
        QAccessibleValueInterface* value = field->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->minimumValue().toDouble(), 0);
        EXPECT_EQ(value->maximumValue().toDouble(), 2147483647);
        if (c.warned) started.workspace.prompter.expectWarning(utf8(LargestCount));
        switch (c.action) {
        case Do::Read: break;
        case Do::Set:
            value->setCurrentValue(c.set);
            QCoreApplication::processEvents();
            break;
        case Do::Increase: field->actionInterface()->doAction(QAccessibleActionInterface::increaseAction()); break;
        case Do::Decrease: field->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction()); break;
        }
        EXPECT_EQ(jts->text(), utf8(c.after));
        EXPECT_EQ(value->currentValue().toDouble(), c.value);
        QAccessibleTextInterface* text = field->textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(0, text->characterCount()), utf8(c.after));
    }
}
