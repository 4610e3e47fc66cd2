// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <chrono>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "calculator/ChoicePlot.h"
#include "calculator/CurrentTariff.h"
#include "calls/CallList.h"
#include "desktop/RegionalSettings.h"
#include "fees/TariffChoice.h"
#include "fees/UsageProfile.h"
#include "tariffs/TariffList.h"

namespace Ui {
class TariffChoicePage;
}

class QTableWidget;

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::calculator {

class ChoicePlotWindow;

// The calculator's page "Volba tarifu": which tariff is the cheapest for the
// usage of the latest fee run, how far that holds when the calls ("Měnit:")
// grow or shrink within a range ("od", "do"), in a sentence, a plot and the
// table "Nejlevnější tarif podle spotřeby"; and, for a call list of two or
// more calendar months, which tariff each month would have favoured ("Po
// měsících"). The controls follow at once; a range outside 0 <= od < do <=
// 100 is refused with a message. Ctrl+C copies the tables as tab-separated
// text from anywhere on the page, except from a text the user selected,
// which copies that as usual. The content scrolls vertically where the page
// is too short for it, back to its top when the page is entered or a list
// comes, unless the user is working on the page.
// With the tariff the user has now ("Váš současný tarif:", kept between runs
// for each tariff file) the sentences say what switching to the cheapest
// saves, how far the saving holds, when a one-off cost of switching
// ("Jednorázové náklady přechodu (Kč)") is saved, and, with a call list,
// what the tariff cost over its period; with two or more counted months the
// table "Jak by si tarify vedly" shows how each tariff fared month by month.
class TariffChoicePage : public QWidget {
    Q_OBJECT

public:
    explicit TariffChoicePage(QWidget* parent = nullptr);
    ~TariffChoicePage() override;

    // Numbers in the sentence, the tables, the plot and the controls.
    void setRegionalSettings(const desktop::RegionalSettings& settings);
    // What the page says when the tariff file holds no tariff.
    void setNoTariffsText(const QString& text);
    // Where a refused range is said; until one is set, it is put back silently.
    void setPrompter(desktop::Prompter* prompter) { prompter_ = prompter; }
    // Where the tariff the user has now is kept for the tariff file to be
    // shown next; read at the next showChoice. Without one, a choice holds
    // for this run only.
    void setCurrentTariffSetting(const CurrentTariffSetting& setting);

    // The tariffs and the usage of a fee run: everything on the page follows.
    // The list must live as long as the page, or until the next call.
    void showChoice(const tariffs::TariffList& list, const fees::UsageProfile& usage);

    // The months of a call list just loaded, named by its file and, of a
    // list of several of the user's numbers, the one read; they stay, priced
    // at every fee run, until another list is loaded.
    void setCallList(const QString& file, const std::vector<calls::MonthFigures>& months,
                     const QString& subscriber = {});

    // What the page shows now.
    const fees::ScaleChoice& choice() const { return choice_; }
    // The tariff the user has now, by its position in the list; none for
    // "neuvedeno" or a tariff the file no longer holds.
    std::optional<std::size_t> currentTariff() const { return current_; }
    // It against the cheapest at the entered usage; none without it.
    const std::optional<fees::CurrentComparison>& currentComparison() const { return comparison_; }
    double switchCost() const { return switchCost_; }
    const std::optional<fees::MonthsChoice>& monthsChoice() const { return monthsChoice_; }
    QString sentence() const;
    QString monthsSentence() const;
    // One of the page's tables: its title, the header row and the rows,
    // amounts without thousands grouped, and the lines of text under it.
    struct Table {
        QString title;
        QList<QStringList> rows;
        QStringList notes;
    };
    std::vector<Table> tables() const;
    // The tables as a spreadsheet takes them: tab-separated, a line a row.
    QString tablesText() const;
    void copyTables() const;

    // What the report of the page takes from it besides the tables: every
    // sentence the page says, in its order (with the note that the current
    // tariff is no longer in the file); the note under the months
    // (empty without one); the usage of the latest fee run; the plot.
    QStringList sentences() const;
    QString monthsNote() const;
    const fees::UsageProfile& usage() const { return usage_; }
    const desktop::RegionalSettings& regionalSettings() const { return settings_; }
    ChoicePlot plot() const;
    // Each control of the page as the user set it: its label's text and what
    // it shows, in the page's order; empty until the page is first shown.
    QList<std::pair<QString, QString>> settingsShown() const;
    // The call list whose months the page shows; none before one is loaded.
    struct CallListShown {
        QString name;
        QString subscriber;  // the number read, of a list of several
        std::optional<std::chrono::year_month_day> firstDay;
        std::optional<std::chrono::year_month_day> lastDay;
        QStringList months;  // "květen 2000"; empty below two months
    };
    std::optional<CallListShown> callList() const;

    // "Zvětšit graf": the plot in a resizable window of its own, which
    // follows the page for as long as it is open.
    void showLargePlot();
    QWidget* largePlotWindow() const;

signals:
    // "Tisk…" (or Ctrl+P while the page is shown) and "Uložit jako PDF…".
    void printAsked();
    void pdfAsked();
    // The tariff the user has now changed, or its place in a list read
    // again: its position, -1 for none.
    void currentTariffChanged(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The controls, the tables and the plot, made once, when first needed.
    void build();
    // The scale part from the controls and the latest usage; then, on the
    // page once it is made, the sentence, the table and the plot.
    void recompute();
    void showScale();
    // The months part, priced with the fee run's fax and data switches.
    void recomputeMonths();
    QString monthsHeading() const;
    // The note under the months' table, after the period row: how a month
    // the list covers in part counts; empty without one.
    QString monthsFootnote() const;
    void fillIntervalTable();
    void fillMonthTable();
    // "Jak by si tarify vedly", shown with two or more counted months.
    bool showsRegret() const;
    void fillRegretTable();
    // The kept tariff found in the list, read from the setting the first time.
    void resolveCurrent();
    // "Váš současný tarif:" with the list's labels and the choice; the note
    // for a tariff no longer in the file.
    void showCurrent();
    // The user picked an item of "Váš současný tarif:".
    void pickCurrent(int item);
    void showMonths();
    // The range's spin boxes keep "od" below "do".
    void linkRange();
    // Each table exactly as tall as its rows, so the page alone scrolls.
    static void fitTable(QTableWidget& table);
    // Scrolls the page so the control is in view whole.
    void showWhole(QWidget& control);
    // Scrolls the page to its top, unless one of its controls has the focus.
    void scrollToTop();
    QString labelOf(std::size_t tariff) const;

    std::unique_ptr<Ui::TariffChoicePage> ui;
    desktop::Prompter* prompter_ = nullptr;
    desktop::RegionalSettings settings_;
    QString noTariffs_;
    bool built_ = false;
    const tariffs::TariffList* list_ = nullptr;
    fees::UsageProfile usage_;
    // "Měnit:", "od" and "do"; the controls start so.
    fees::VariedZones varied_ = fees::VariedZones::All;
    double from_ = fees::DefaultScaleFrom;
    double to_ = fees::DefaultScaleTo;
    fees::ScaleChoice choice_;
    QString sentence_;

    // The tariff the user has now: where it is kept, as kept, its position
    // in the list, and what it says against the choice.
    std::optional<CurrentTariffSetting> setting_;
    bool keptRead_ = false;
    std::optional<KeptTariff> kept_;
    std::optional<std::size_t> current_;
    QString missingNote_;
    QStringList currentItems_;  // the labels "Váš současný tarif:" holds after "neuvedeno"
    double switchCost_ = 0;
    std::optional<fees::CurrentComparison> comparison_;

    // The loaded call list: its file's name and months, and what they
    // favour; a note instead where they cannot be compared.
    QString callListName_;
    QString callListSubscriber_;
    std::optional<std::chrono::year_month_day> callListFirstDay_;
    std::optional<std::chrono::year_month_day> callListLastDay_;
    std::vector<fees::MonthUsage> monthUsages_;
    QStringList monthNames_;  // "květen 2000"
    QString monthsNote_;
    std::optional<fees::MonthsChoice> monthsChoice_;
    QString monthsSentence_;

    QPointer<ChoicePlotWindow> largePlot_;
};

}  // namespace hovorix::calculator
