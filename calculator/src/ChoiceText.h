// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

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

// The sentence at the top of the page: the cheapest tariff at the entered
// usage, how far it stays the cheapest, who takes over and the runner-up;
// or why there is nothing to choose. noTariffs is said for an empty list.
QString choiceSentence(const fees::ScaleChoice& choice, std::size_t tariffCount, const LabelOf& labelOf,
                       const QLocale& locale, const QString& noTariffs);

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
