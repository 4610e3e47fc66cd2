// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// Which tariff to take, and how sure: how far the cheapest choice holds when
// the usage grows or shrinks, and which tariff would have won each month of a
// call list.
//
//   ScaleChoice choice = chooseByScale(list, usage, VariedZones::All, 0.5, 2);
//   for (const CheapestInterval& i : choice.intervals) ...   // the table, the plot's envelope
//   if (choice.atOne) ... choice.atOne->lessPercent() ...     // the sentence
//   MonthsChoice months = chooseByMonth(list, monthUsages);   // "Po měsících"
//
// The scale s multiplies the minute counts of the varied zones; every cost is
// exactly costAtScale (MonthlyCost for real-valued counts). Crossings are
// solved, not sampled: with all zones varying every cost is piecewise linear
// in s; with a part varying, a tariff that shares its first free minutes among
// all seven zones has pieces of the form a + b s + c / (A s + B), and two such
// tariffs can cross twice within one piece.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fees/ScaledUsage.h"
#include "fees/UsageProfile.h"
#include "tariffs/TariffList.h"

namespace hovorix::fees {

inline constexpr double DefaultScaleFrom = 0.5;
inline constexpr double DefaultScaleTo = 2;
inline constexpr double MaxScale = 100;

// 0 <= from < to <= 100, both finite.
bool isValidScaleRange(double from, double to);

// A stretch of scales on which one tariff is the cheapest. Within a choice
// the intervals follow each other without gaps from the range's start to its
// end, and neighbours name different tariffs. Stretches shorter than a
// billionth of the range are merged into a neighbour, except one: in a range
// from 0, a tariff that is the cheapest at exactly 0 but not just above keeps
// a first interval of no width, from = to = 0 (at 0 a zone without minutes
// takes no part, so a cost can jump there).
struct CheapestInterval {
    double from = 0;
    double to = 0;
    std::size_t tariff = 0;  // 0-based position in the file
    std::string label;       // provider-name, Windows-1250
    double costFrom = 0;     // the tariff's cost at from (at exactly 0 when from is 0)
    double costTo = 0;       // and at to
};

// The answer at the entered usage (s = 1).
struct ChoiceAtOne {
    std::size_t tariff = 0;
    std::string label;
    double cost = 0;  // bit for bit the fee run's MonthlyCost
    // Other tariffs that cost the same at s = 1, in file order.
    std::vector<std::size_t> tiedWith;

    // The interval around 1 on which the tariff stays the cheapest...
    double stayFrom = 0;
    double stayTo = 0;
    // ...as whole percent of the entered usage, rounded inward so that the
    // promise holds: fromPercent = 73 and toPercent = 163 for [0.7234, 1.6351].
    int fromPercent = 0;
    int toPercent = 0;
    // How far the calls may fall or grow: 27 and 63 in that example.
    int lessPercent() const { return 100 - fromPercent; }
    int morePercent() const { return toPercent - 100; }

    // The tariffs that take over below stayFrom and above stayTo; none where
    // the interval reaches the range's end.
    std::optional<std::size_t> below;
    std::optional<std::size_t> above;

    // The cheapest of the others at s = 1 (none with a single tariff), how
    // much more it costs (0 when tied), and that as percent of cost (none
    // when cost is 0).
    std::optional<std::size_t> next;
    std::string nextLabel;
    double nextCost = 0;
    double difference = 0;
    std::optional<double> differencePercent;
};

struct ScaleChoice {
    VariedZones varied = VariedZones::All;
    double from = DefaultScaleFrom;
    double to = DefaultScaleTo;
    // No minutes in the varied zones: the choice does not depend on the scale.
    bool variedMinutesZero = false;
    // In increasing scale; empty only for an empty tariff list.
    std::vector<CheapestInterval> intervals;
    // Present when 1 lies in [from, to] and there is a tariff.
    std::optional<ChoiceAtOne> atOne;

    // Every tariff cheapest somewhere in the range, and the next cheapest at
    // s = 1: the lines of the plot, in file order, each once.
    std::vector<std::size_t> plottedTariffs() const;
};

// The cheapest tariff for every scale in [from, to]. Throws
// std::invalid_argument for a range isValidScaleRange rejects.
ScaleChoice chooseByScale(const tariffs::TariffList& list, const UsageProfile& usage, VariedZones varied,
                          double from = DefaultScaleFrom, double to = DefaultScaleTo);

// A month of a call list covering fewer days than this is short: it weighs
// into the period for its days like any other, but is not counted among the
// months a tariff wins, since a few days of calls say little about a month.
inline constexpr std::int32_t ShortMonthDays = 7;

// One calendar month of a call list.
struct MonthUsage {
    std::string month;             // "2003-10"
    std::int32_t daysCovered = 0;  // days of the month the list covers, 1 to daysInMonth
    std::int32_t daysInMonth = 0;  // days of that calendar month
    // The minutes of the whole calendar month as they were charged (a month
    // covered in part scaled to all its days), with the fax and data switches.
    RealUsageProfile usage;

    bool isShort() const { return daysCovered < ShortMonthDays; }
};

struct MonthChoice {
    std::string month;
    std::int32_t daysCovered = 0;
    std::int32_t daysInMonth = 0;
    bool isShort = false;       // covered fewer than ShortMonthDays days
    std::vector<double> costs;  // MonthlyCost of every tariff, in file order
    std::size_t cheapest = 0;
    std::string label;
    double cost = 0;
};

struct PeriodChoice {
    // Per tariff: the sum of its month costs, each weighted by days covered /
    // days of that month, so a whole month counts once and whole months sum
    // to their bills. Short months weigh in too.
    std::vector<double> costs;
    std::size_t cheapest = 0;
    std::string label;
    double cost = 0;
    // The months that are not short: the ones compared month by month.
    std::size_t monthsCounted = 0;
    // Counted months in which this tariff was also (or tied with) the
    // month's cheapest.
    std::size_t monthsWon = 0;
};

struct MonthsChoice {
    std::vector<MonthChoice> months;
    PeriodChoice period;
};

// Throws std::invalid_argument for an empty list, no months, or days out of
// range.
MonthsChoice chooseByMonth(const tariffs::TariffList& list, const std::vector<MonthUsage>& months);

// The cheapest of the costs (one per tariff, in file order), ties to the
// first; costs must not be empty.
std::size_t cheapestOf(const std::vector<double>& costs);

}  // namespace hovorix::fees
