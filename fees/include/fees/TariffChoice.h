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

// The tariff the user has now (X) against the cheapest at the entered usage
// (Y, the choice's tariff at s = 1): what switching saves a month, and how far
// the usage may move before Y stops costing less than X.
struct CurrentComparison {
    std::size_t tariff = 0;  // X, its position in the file
    double cost = 0;         // X's cost at s = 1, bit for bit the fee run's
    std::size_t cheapest = 0;
    double cheapestCost = 0;
    // X costs the same as Y (costsTie): there is nothing to save.
    bool tie = false;
    // cost - cheapestCost, 0 in a tie; as percent of cost, none when X costs
    // nothing or less.
    double saving = 0;
    std::optional<double> savingPercent;
    double yearlySaving() const { return 12 * saving; }

    // The largest interval of scales holding 1, within the range, on which Y
    // costs less than X beyond a tie; none in a tie or when the range leaves
    // out 1. Its ends are crossings of the two costs (or the range's ends).
    std::optional<double> cheaperFrom;
    std::optional<double> cheaperTo;
    // The interval as whole percent of the entered usage, rounded inward as
    // ChoiceAtOne's; 100 and 100 without an interval.
    int fromPercent = 100;
    int toPercent = 100;
    int lessPercent() const { return 100 - fromPercent; }
    int morePercent() const { return toPercent - 100; }
};

// Compares the tariff at position current with the choice's cheapest at
// s = 1 (the first of the cheapest when the range leaves out 1). The choice
// must come from chooseByScale over the same list and usage. Throws
// std::invalid_argument for a position beyond the list.
CurrentComparison compareWithCurrent(const tariffs::TariffList& list, const UsageProfile& usage,
                                     const ScaleChoice& choice, std::size_t current);

// The whole months after which a one-off switching cost is saved:
// ceil(switchCost / saving), a quotient within a billionth of a whole number
// taken as that number. None without a saving or without a cost.
std::optional<double> breakEvenMonths(double switchCost, double saving);

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
    // The tariff whose worst counted month came closest to that month's
    // cheapest (the smallest worstExcess, ties to the first in the file):
    // the safe choice whatever the month. None without a counted month.
    std::optional<std::size_t> safest;
};

// How a tariff would have fared month by month against each month's
// cheapest. A cost tied with the cheapest counts as no excess.
struct TariffRegret {
    // Counted months in which it was (or tied with) the month's cheapest.
    std::size_t monthsCheapest = 0;
    // Its largest excess over the month's cheapest in a counted month, Kč.
    double worstExcess = 0;
    // Its period cost minus the period's cheapest's, Kč; short months weigh
    // in as they do in the period.
    double totalExcess = 0;
};

struct MonthsChoice {
    std::vector<MonthChoice> months;
    PeriodChoice period;
    // One per tariff, in file order.
    std::vector<TariffRegret> regret;
};

// The tariff the user has now over the months of a call list, against the
// period's cheapest.
struct PeriodAgainstCurrent {
    double cost = 0;  // the current tariff's period cost
    // It costs the same as the period's cheapest (costsTie).
    bool tie = false;
    // cost minus the period's cheapest's, 0 in a tie.
    double saving = 0;
    // Counted months in which the period's cheapest cost less than the
    // current tariff beyond a tie.
    std::size_t monthsCheaper = 0;
};

// Throws std::invalid_argument for a position beyond the tariffs.
PeriodAgainstCurrent compareWithCurrent(const MonthsChoice& months, std::size_t current);

// Throws std::invalid_argument for an empty list, no months, or days out of
// range.
MonthsChoice chooseByMonth(const tariffs::TariffList& list, const std::vector<MonthUsage>& months);

// The cheapest of the costs (one per tariff, in file order), ties to the
// first; costs must not be empty.
std::size_t cheapestOf(const std::vector<double>& costs);

}  // namespace hovorix::fees
