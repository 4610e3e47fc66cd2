// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

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

    // The tariffs and the usage of a fee run: everything on the page follows.
    // The list must live as long as the page, or until the next call.
    void showChoice(const tariffs::TariffList& list, const fees::UsageProfile& usage);

    // The months of a call list just loaded, named by its file; they stay,
    // priced at every fee run, until another list is loaded.
    void setCallList(const QString& file, const std::vector<calls::MonthFigures>& months);

    // What the page shows now.
    const fees::ScaleChoice& choice() const { return choice_; }
    const std::optional<fees::MonthsChoice>& monthsChoice() const { return monthsChoice_; }
    QString sentence() const;
    QString monthsSentence() const;
    // The tables as a spreadsheet takes them: tab-separated, a line a row.
    QString tablesText() const;
    void copyTables() const;

    // "Zvětšit graf": the plot in a resizable window of its own, which
    // follows the page for as long as it is open.
    void showLargePlot();
    QWidget* largePlotWindow() const;

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

    // The loaded call list: its file's name and months, and what they
    // favour; a note instead where they cannot be compared.
    QString callListName_;
    std::vector<fees::MonthUsage> monthUsages_;
    QStringList monthNames_;  // "květen 2000"
    QString monthsNote_;
    std::optional<fees::MonthsChoice> monthsChoice_;
    QString monthsSentence_;

    QPointer<ChoicePlotWindow> largePlot_;
};

}  // namespace hovorix::calculator
