// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <stdexcept>

#include "fees/MonthlyCost.h"
#include "fees/TariffChoice.h"

namespace hovorix::fees {

std::size_t cheapestOf(const std::vector<double>& costs) {
    if (costs.empty()) throw std::invalid_argument("no costs to choose from");
    double lowest = costs.front();
    for (double c : costs)
        if (c < lowest) lowest = c;
    for (std::size_t i = 0; i < costs.size(); ++i)
        if (costsTie(costs[i], lowest)) return i;
    return 0;
}

MonthsChoice chooseByMonth(const tariffs::TariffList& list, const std::vector<MonthUsage>& months) {
    if (list.isEmpty()) throw std::invalid_argument("no tariffs to choose from");
    if (months.empty()) throw std::invalid_argument("no months to choose by");
    for (const MonthUsage& m : months)
        if (m.daysInMonth < 1 || m.daysCovered < 1 || m.daysCovered > m.daysInMonth)
            throw std::invalid_argument("month " + m.month + ": the days covered must lie between 1 and " +
                                        std::to_string(m.daysInMonth));

    MonthsChoice choice;
    const std::size_t n = list.count();
    choice.period.costs.assign(n, 0.0);
    for (const MonthUsage& m : months) {
        MonthChoice month;
        month.month = m.month;
        month.daysCovered = m.daysCovered;
        month.daysInMonth = m.daysInMonth;
        month.isShort = m.isShort();
        month.costs.resize(n);
        // A month the list covers only in part counts for its share of days.
        const double weight = static_cast<double>(m.daysCovered) / static_cast<double>(m.daysInMonth);
        for (std::size_t i = 0; i < n; ++i) {
            month.costs[i] = MonthlyCost(list.seek(i), m.usage);
            choice.period.costs[i] += month.costs[i] * weight;
        }
        month.cheapest = cheapestOf(month.costs);
        month.label = tariffs::tariffLabel(list.seek(month.cheapest));
        month.cost = month.costs[month.cheapest];
        choice.months.push_back(std::move(month));
    }

    PeriodChoice& period = choice.period;
    period.cheapest = cheapestOf(period.costs);
    period.label = tariffs::tariffLabel(list.seek(period.cheapest));
    period.cost = period.costs[period.cheapest];
    for (const MonthChoice& month : choice.months) {
        if (month.isShort) continue;
        ++period.monthsCounted;
        if (costsTie(month.costs[period.cheapest], month.cost)) ++period.monthsWon;
    }
    return choice;
}

}  // namespace hovorix::fees
