// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cstddef>
#include <functional>

#include "fees/TariffChoice.h"

// The words of the page "Volba tarifu": what the choice says in Czech
// sentences, and its numbers as the page writes them.
namespace hovorix::calculator::choicetext {

// A tariff's label by its position in the file, as the page shows it.
using LabelOf = std::function<QString(std::size_t)>;

// A scale of the usage: "0,5×", "1,38×"; at most decimals places, no
// trailing zeros.
QString scale(double value, const QLocale& locale, int decimals = 2);
// A scale with exactly decimals places, for the table's columns: "0,50×".
QString scaleFixed(double value, const QLocale& locale, int decimals);
// An amount in Kč as the chart marks it, "1 965,00".
QString amount(double value, const QLocale& locale);
// A share of the cost: "2,3 %", "méně než 0,1 %".
QString percent(double value, const QLocale& locale);

// The tariff the user has now, compared with the choice, and what switching
// costs once; no comparison without a current tariff.
struct CurrentTerms {
    const fees::CurrentComparison* comparison = nullptr;
    double switchCost = 0;
};

// The sentence at the top of the page: the cheapest tariff at the entered
// usage, how far it stays the cheapest, who takes over and the runner-up;
// or why there is nothing to choose. noTariffs is said for an empty list.
// With a current tariff it begins with it: that it is the cheapest already,
// or what it costs, what the cheapest costs and saves, how far the saving
// holds and when switching pays; the rest follows naming the cheapest.
QString choiceSentence(const fees::ScaleChoice& choice, std::size_t tariffCount, const LabelOf& labelOf,
                       const QLocale& locale, const QString& noTariffs, const CurrentTerms& current = {});

// "Se současným tarifem X platíte … Nejlevnější Y stojí …: ušetříte …"
QString savingSentence(const fees::CurrentComparison& against, const LabelOf& labelOf, const QLocale& locale);
// How far the cheapest stays cheaper than the current tariff; empty without
// the interval.
QString cheaperSentence(const fees::ScaleChoice& choice, const fees::CurrentComparison& against, const LabelOf& labelOf,
                        const QLocale& locale);
// "1 měsíc", "3 měsíce", "5 měsíců".
QString monthsText(double months, const QLocale& locale);
// "Přechod se vyplatí za 3 měsíce."
QString breakEvenSentence(double months, const QLocale& locale);

// A day as the calculator writes it: "1. 10. 2000".
QString dateText(std::chrono::year_month_day day);
// A call list's period as a sentence names it: "1. 10. – 31. 12. 2000",
// "1. 12. 2000 – 28. 2. 2001".
QString periodText(std::chrono::year_month_day first, std::chrono::year_month_day last);
// What the current tariff cost over the call list's period against the
// period's cheapest, and in how many counted months that was the cheaper;
// period is periodText, or empty.
QString periodSentence(const fees::MonthsChoice& months, const fees::PeriodAgainstCurrent& against, std::size_t current,
                       const QString& period, const LabelOf& labelOf, const QLocale& locale);
// The safest tariff where it is not the period's cheapest ("Nejmenší
// riziko: …"); empty otherwise, and below two counted months.
QString safestSentence(const fees::MonthsChoice& months, const LabelOf& labelOf, const QLocale& locale);

// Which tariff the months of a call list favour, and which the whole
// period; monthNames are the months as the page names them, in order, for
// the short ones the sentence says are not counted. With fewer than two
// months that are not short, that the months cannot be compared.
QString monthsSentence(const fees::MonthsChoice& months, const LabelOf& labelOf, const QStringList& monthNames,
                       const QLocale& locale);

// "v"/"ve" and "z"/"ze" as they are said before a number written in
// figures: "ve 2", "v 5", "ze 3", "z 5", "ze 7".
QString inBefore(std::size_t number);
QString ofBefore(std::size_t number);

}  // namespace hovorix::calculator::choicetext
