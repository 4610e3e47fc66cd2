// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "CostCurve.h"
#include "fees/TariffChoice.h"

namespace hovorix::fees {

namespace {

using detail::CostCurve;

// A boundary closer than this share of the range to another is the same one.
constexpr double Resolution = 1e-9;

struct Candidate {
    std::size_t tariff;  // position in the file
    CostCurve curve;
};

// Whether tariff j is to be named rather than tariff c at scale s.
bool prefers(const Candidate& j, std::size_t pj, const Candidate& c, std::size_t pc, double s) {
    const double cj = j.curve.value(pj, s);
    const double cc = c.curve.value(pc, s);
    if (costsTie(cj, cc)) return j.tariff < c.tariff;
    return cj < cc;
}

// Where two pieces' costs cross within (lo, hi): linear, or, multiplied by
// the common denominator A s + B > 0, quadratic.
detail::Roots crossings(const detail::CostPiece& x, const detail::CostPiece& y, const detail::ScaleModel& model,
                        double lo, double hi) {
    const double dc = y.constant - x.constant;
    const double dl = y.linear - x.linear;
    const double dh = y.hyperbolic - x.hyperbolic;
    return dh == 0 ? detail::rootsBetween(0, dl, dc, lo, hi)
                   : detail::rootsBetween(dl * model.allSlope, dc * model.allSlope + dl * model.allBase,
                                          dc * model.allBase + dh, lo, hi);
}

// The first scale from u on, and not beyond limit, at which j is to be named
// rather than c; none when c stays ahead. The stretch between u and the next
// crossing or corner decides at u itself; with strict, only a later stretch
// counts.
std::optional<double> takeover(const Candidate& c, const Candidate& j, const detail::ScaleModel& model, double u,
                               double limit, bool strict) {
    std::size_t pc = c.curve.pieceAt(u);
    std::size_t pj = j.curve.pieceAt(u);
    const std::size_t lastC = c.curve.pieces().size() - 1;
    const std::size_t lastJ = j.curve.pieces().size() - 1;
    double a = u;
    while (a <= limit) {
        const detail::CostPiece& x = c.curve.pieces()[pc];
        const detail::CostPiece& y = j.curve.pieces()[pj];
        const double b = std::min(x.end, y.end);
        const detail::Roots crossed = crossings(x, y, model, a, b);
        double p = a;
        for (int i = 0; i <= crossed.count; ++i) {
            const double q = i < crossed.count ? crossed.at[static_cast<std::size_t>(i)] : b;
            if (p > limit) return std::nullopt;
            if (q > p && !(strict && p == u) && prefers(j, pj, c, pc, p + (q - p) / 2)) return p;
            p = q;
        }
        if (pc == lastC && pj == lastJ) break;
        if (x.end == b && pc < lastC) ++pc;
        if (y.end == b && pj < lastJ) ++pj;
        a = b;
    }
    return std::nullopt;
}

// The one of the given candidates to be named just above u.
std::size_t bestJustAbove(const std::vector<Candidate>& all, const std::vector<std::size_t>& among,
                          const detail::ScaleModel& model, double u) {
    std::size_t best = among.front();
    for (std::size_t k = 1; k < among.size(); ++k)
        if (takeover(all[best], all[among[k]], model, u, u, false)) best = among[k];
    return best;
}

struct Stretch {
    double from;
    double to;
    std::size_t candidate;
};

// The lower envelope of the candidates' costs over [from, to], swept from
// the left: from the tariff named at u, the next boundary is the earliest
// scale at which any other tariff takes over.
std::vector<Stretch> sweep(const std::vector<Candidate>& all, const detail::ScaleModel& model, double from, double to) {
    std::vector<std::size_t> everyone(all.size());
    for (std::size_t k = 0; k < all.size(); ++k) everyone[k] = k;
    std::size_t named = bestJustAbove(all, everyone, model, from);

    std::size_t totalPieces = 0;
    for (const Candidate& c : all) totalPieces += c.curve.pieces().size();
    // The envelope changes at most at each pair's crossings and corners; the
    // bound only stops a sweep that rounding would keep going in place.
    const std::size_t maxSteps = 8 * (totalPieces + all.size()) + 64;

    std::vector<Stretch> stretches;
    double u = from;
    std::size_t inPlace = 0;
    std::vector<std::size_t> takers;
    for (std::size_t step = 0;; ++step) {
        double next = to;
        takers.clear();
        const bool strict = inPlace > 2 || step >= maxSteps;
        for (std::size_t k = 0; k < all.size(); ++k) {
            if (k == named) continue;
            const std::optional<double> at = takeover(all[named], all[k], model, u, next, strict);
            if (!at) continue;
            if (*at < next || takers.empty()) takers.clear();
            next = *at;
            takers.push_back(k);
        }
        if (takers.empty() || next >= to) {
            stretches.push_back({u, to, named});
            break;
        }
        stretches.push_back({u, next, named});
        inPlace = next == u ? inPlace + 1 : 0;
        u = next;
        named = bestJustAbove(all, takers, model, u);
        if (step >= 2 * maxSteps) {
            stretches.push_back({u, to, named});
            break;
        }
    }
    return stretches;
}

// Drops stretches shorter than the resolution into a neighbour and joins
// neighbours that name the same tariff.
std::vector<Stretch> tidy(const std::vector<Stretch>& stretches, double from, double to) {
    const double shortest = Resolution * (to - from);
    std::vector<Stretch> kept;
    for (const Stretch& s : stretches) {
        if (s.to - s.from < shortest) {
            if (!kept.empty()) kept.back().to = s.to;
            continue;
        }
        Stretch t = s;
        if (kept.empty()) t.from = from;
        if (!kept.empty() && kept.back().candidate == t.candidate) {
            kept.back().to = t.to;
        } else {
            kept.push_back(t);
        }
    }
    if (kept.empty()) {
        // Only with a range of a few ulps: the longest stretch takes it all.
        const auto longest =
            std::max_element(stretches.begin(), stretches.end(),
                             [](const Stretch& a, const Stretch& b) { return a.to - a.from < b.to - b.from; });
        kept.push_back({from, to, longest->candidate});
    }
    kept.back().to = to;
    return kept;
}

int percentUp(double scale, double slack) { return static_cast<int>(std::ceil(scale * 100 - slack)); }
int percentDown(double scale, double slack) { return static_cast<int>(std::floor(scale * 100 + slack)); }

ChoiceAtOne choiceAtOne(const tariffs::TariffList& list, const UsageProfile& usage, const ScaleChoice& choice) {
    const std::vector<CheapestInterval>& intervals = choice.intervals;
    const double near = Resolution * (choice.to - choice.from);
    // The interval holding 1; at a boundary the cheaper of the two at 1
    // exactly, ties to the first in the file.
    std::size_t k = 0;
    while (k + 1 < intervals.size() && intervals[k].to < 1) ++k;
    std::vector<double> atOne(list.count());
    for (std::size_t i = 0; i < list.count(); ++i) atOne[i] = costAtScale(list.seek(i), usage, choice.varied, 1);
    auto laterIsNamed = [&](std::size_t first) {
        const std::size_t a = intervals[first].tariff;
        const std::size_t b = intervals[first + 1].tariff;
        return costsTie(atOne[a], atOne[b]) ? b < a : atOne[b] < atOne[a];
    };
    if (k + 1 < intervals.size() && std::fabs(intervals[k].to - 1) <= near) {
        if (laterIsNamed(k)) ++k;
    } else if (k > 0 && std::fabs(intervals[k].from - 1) <= near) {
        if (!laterIsNamed(k - 1)) --k;
    }
    const CheapestInterval& around = intervals[k];

    ChoiceAtOne result;
    result.tariff = around.tariff;
    result.label = around.label;
    result.cost = atOne[around.tariff];
    for (std::size_t i = 0; i < atOne.size(); ++i)
        if (i != result.tariff && costsTie(atOne[i], result.cost)) result.tiedWith.push_back(i);
    result.stayFrom = around.from;
    result.stayTo = around.to;
    const double slack = 100 * near;
    // After a first interval of no width the stretch starts just above 0,
    // where the other tariff is the cheaper: 1 % is the least it promises.
    const int leastPercent = k > 0 && around.from == 0 ? 1 : 0;
    result.fromPercent = std::min(100, std::max(leastPercent, percentUp(around.from, slack)));
    result.toPercent = std::max(100, percentDown(around.to, slack));
    if (k > 0) result.below = intervals[k - 1].tariff;
    if (k + 1 < intervals.size()) result.above = intervals[k + 1].tariff;

    std::vector<double> others = atOne;
    if (others.size() > 1) {
        others[result.tariff] = INFINITY;
        std::size_t next = result.tariff == 0 ? 1 : 0;
        for (std::size_t i = 0; i < others.size(); ++i)
            if (i != result.tariff && !costsTie(others[i], others[next]) && others[i] < others[next]) next = i;
        result.next = next;
        result.nextLabel = tariffs::tariffLabel(list.seek(next));
        result.nextCost = atOne[next];
        result.difference = costsTie(result.nextCost, result.cost) ? 0 : result.nextCost - result.cost;
        if (result.cost != 0) result.differencePercent = result.difference / std::fabs(result.cost) * 100;
    }
    return result;
}

// The scales within (from, to) at which the order of two costs may change:
// the corners of either curve and, between them, where they cross, found as
// takeover finds them. In increasing order, from and to included.
std::vector<double> orderChanges(const CostCurve& a, const CostCurve& b, const detail::ScaleModel& model, double from,
                                 double to) {
    std::vector<double> changes{from};
    std::size_t pa = a.pieceAt(from);
    std::size_t pb = b.pieceAt(from);
    const std::size_t lastA = a.pieces().size() - 1;
    const std::size_t lastB = b.pieces().size() - 1;
    double lo = from;
    for (;;) {
        const detail::CostPiece& x = a.pieces()[pa];
        const detail::CostPiece& y = b.pieces()[pb];
        const double hi = std::min({x.end, y.end, to});
        const detail::Roots crossed = crossings(x, y, model, lo, hi);
        for (int i = 0; i < crossed.count; ++i) changes.push_back(crossed.at[static_cast<std::size_t>(i)]);
        if (hi >= to || (pa == lastA && pb == lastB)) break;
        changes.push_back(hi);
        const std::size_t before = pa + pb;
        if (x.end == hi && pa < lastA) ++pa;
        if (y.end == hi && pb < lastB) ++pb;
        if (pa + pb == before) break;
        lo = hi;
    }
    if (changes.back() < to) changes.push_back(to);
    return changes;
}

// Whether the cheaper one costs less than the other beyond a tie.
bool costsLess(double cheaper, double other) { return !costsTie(cheaper, other) && cheaper < other; }

}  // namespace

std::optional<double> breakEvenMonths(double switchCost, double saving) {
    if (!(switchCost > 0) || !(saving > 0)) return std::nullopt;
    const double months = switchCost / saving;
    const double whole = std::round(months);
    // 468 / 234 may come out a hair above 2 after the costs' rounding noise.
    if (std::fabs(months - whole) <= 1e-9 * std::max(1.0, whole)) return std::max(1.0, whole);
    return std::ceil(months);
}

CurrentComparison compareWithCurrent(const tariffs::TariffList& list, const UsageProfile& usage,
                                     const ScaleChoice& choice, std::size_t current) {
    if (current >= list.count()) throw std::invalid_argument("no tariff at that position");
    CurrentComparison result;
    result.tariff = current;
    result.cost = costAtScale(list.seek(current), usage, choice.varied, 1);
    if (choice.atOne) {
        result.cheapest = choice.atOne->tariff;
    } else {
        std::vector<double> atOne(list.count());
        for (std::size_t i = 0; i < list.count(); ++i) atOne[i] = costAtScale(list.seek(i), usage, choice.varied, 1);
        result.cheapest = cheapestOf(atOne);
    }
    result.cheapestCost = costAtScale(list.seek(result.cheapest), usage, choice.varied, 1);
    result.tie = !costsLess(result.cheapestCost, result.cost);
    if (!result.tie) result.saving = result.cost - result.cheapestCost;
    if (result.cost > 0) result.savingPercent = result.saving / result.cost * 100;
    if (result.tie || !choice.atOne) return result;

    // Where the order of the two costs may change; between two neighbours
    // one of them is the cheaper throughout.
    const detail::ScaleModel model(usage, choice.varied);
    const CostCurve mine(list.seek(current), model, choice.from, choice.to);
    const CostCurve theirs(list.seek(result.cheapest), model, choice.from, choice.to);
    const std::vector<double> changes = orderChanges(mine, theirs, model, choice.from, choice.to);
    const auto cheaperAt = [&](double s) {
        return costsLess(theirs.value(theirs.pieceAt(s), s), mine.value(mine.pieceAt(s), s));
    };
    const auto cheaperWithin = [&](std::size_t k) { return cheaperAt(changes[k] + (changes[k + 1] - changes[k]) / 2); };
    // From 1 outwards, stretch by stretch, while Y stays the cheaper, also
    // where two stretches meet: the costs may touch there without crossing,
    // at a corner of one of them. The interval is [changes[low], changes[high]].
    std::size_t at = 0;  // the last change at or below 1
    while (at + 1 < changes.size() && changes[at + 1] <= 1) ++at;
    std::size_t low = at;
    std::size_t high = at;
    double from = 1;
    double to = 1;
    if (changes[at] == 1 || cheaperWithin(at)) {
        if (changes[at] != 1) high = at + 1;
        while (low > 0 && cheaperAt(changes[low]) && cheaperWithin(low - 1)) --low;
        while (high + 1 < changes.size() && cheaperAt(changes[high]) && cheaperWithin(high)) ++high;
        from = std::min(1.0, changes[low]);
        to = std::max(1.0, changes[high]);
    }
    result.cheaperFrom = from;
    result.cheaperTo = to;

    const double near = Resolution * (choice.to - choice.from);
    const double slack = 100 * near;
    // At exactly 0 a zone without minutes takes no part, so the order may
    // differ there: 1 % is then the least the interval promises.
    const bool atZero = from == 0 && !costsLess(costAtScale(list.seek(result.cheapest), usage, choice.varied, 0),
                                                costAtScale(list.seek(current), usage, choice.varied, 0));
    result.fromPercent = std::min(100, std::max(atZero ? 1 : 0, percentUp(from, slack)));
    result.toPercent = std::max(100, percentDown(to, slack));
    return result;
}

bool isValidScaleRange(double from, double to) { return from >= 0 && from < to && to <= MaxScale; }

ScaleChoice chooseByScale(const tariffs::TariffList& list, const UsageProfile& usage, VariedZones varied, double from,
                          double to) {
    if (!isValidScaleRange(from, to)) throw std::invalid_argument("the scale range must satisfy 0 <= from < to <= 100");
    ScaleChoice choice;
    choice.varied = varied;
    choice.from = from;
    choice.to = to;
    choice.variedMinutesZero = variedMinutesAreZero(usage, varied);
    if (list.isEmpty()) return choice;

    const detail::ScaleModel model(usage, varied);
    std::vector<Candidate> candidates;
    candidates.reserve(list.count());
    for (std::size_t i = 0; i < list.count(); ++i) candidates.push_back({i, CostCurve(list.seek(i), model, from, to)});

    std::vector<Stretch> stretches = tidy(sweep(candidates, model, from, to), from, to);
    if (from == 0) {
        // At exactly 0 a zone without minutes takes no part, so a tariff can
        // cost less there than anywhere above: it keeps that one point, a
        // first interval of no width, however short the merge makes others.
        std::vector<double> atZero(list.count());
        for (std::size_t i = 0; i < list.count(); ++i) atZero[i] = costAtScale(list.seek(i), usage, varied, 0);
        const std::size_t cheapest = cheapestOf(atZero);
        const std::size_t first = stretches.front().candidate;
        if (cheapest != first && !costsTie(atZero[first], atZero[cheapest])) {
            stretches.insert(stretches.begin(), Stretch{0, 0, cheapest});
        }
    }
    for (const Stretch& s : stretches) {
        CheapestInterval interval;
        interval.from = s.from;
        interval.to = s.to;
        interval.tariff = candidates[s.candidate].tariff;
        const tariffs::Tarifs& tariff = list.seek(interval.tariff);
        interval.label = tariffs::tariffLabel(tariff);
        interval.costFrom = costAtScale(tariff, usage, varied, s.from);
        interval.costTo = costAtScale(tariff, usage, varied, s.to);
        choice.intervals.push_back(std::move(interval));
    }
    if (from <= 1 && 1 <= to) choice.atOne = choiceAtOne(list, usage, choice);
    return choice;
}

std::vector<std::size_t> ScaleChoice::plottedTariffs() const {
    std::vector<std::size_t> tariffs;
    for (const CheapestInterval& i : intervals) tariffs.push_back(i.tariff);
    if (atOne && atOne->next) tariffs.push_back(*atOne->next);
    std::sort(tariffs.begin(), tariffs.end());
    tariffs.erase(std::unique(tariffs.begin(), tariffs.end()), tariffs.end());
    return tariffs;
}

}  // namespace hovorix::fees
