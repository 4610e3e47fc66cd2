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
    // How each tariff fared against each counted month's cheapest; a tie
    // with the cheapest is no excess, so rounding noise never shows as one.
    const auto excess = [](double cost, double lowest) { return costsTie(cost, lowest) ? 0.0 : cost - lowest; };
    choice.regret.assign(n, TariffRegret{});
    for (const MonthChoice& month : choice.months) {
        if (month.isShort) continue;
        ++period.monthsCounted;
        for (std::size_t i = 0; i < n; ++i) {
            TariffRegret& regret = choice.regret[i];
            const double over = excess(month.costs[i], month.cost);
            if (over == 0) ++regret.monthsCheapest;
            if (over > regret.worstExcess) regret.worstExcess = over;
        }
    }
    period.monthsWon = choice.regret[period.cheapest].monthsCheapest;
    for (std::size_t i = 0; i < n; ++i) choice.regret[i].totalExcess = excess(period.costs[i], period.cost);
    if (period.monthsCounted > 0) {
        std::size_t safest = 0;
        for (std::size_t i = 1; i < n; ++i) {
            const double worst = choice.regret[i].worstExcess;
            const double best = choice.regret[safest].worstExcess;
            if (!costsTie(worst, best) && worst < best) safest = i;
        }
        period.safest = safest;
    }
    return choice;
}

PeriodAgainstCurrent compareWithCurrent(const MonthsChoice& months, std::size_t current) {
    const PeriodChoice& period = months.period;
    if (current >= period.costs.size()) throw std::invalid_argument("no tariff at that position");
    PeriodAgainstCurrent against;
    against.cost = period.costs[current];
    against.tie = costsTie(against.cost, period.cost);
    against.saving = against.tie ? 0 : against.cost - period.cost;
    for (const MonthChoice& month : months.months) {
        if (month.isShort) continue;
        const double mine = month.costs[current];
        const double theirs = month.costs[period.cheapest];
        if (!costsTie(mine, theirs) && theirs < mine) ++against.monthsCheaper;
    }
    return against;
}

}  // namespace hovorix::fees
