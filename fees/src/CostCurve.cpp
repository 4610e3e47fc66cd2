// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "CostCurve.h"

#include <algorithm>
#include <cmath>

namespace hovorix::fees::detail {

namespace {

// The first free minutes of a tariff without "all minutes free" are shared
// among the fixed network's zones.
bool sharesFixedNetworkMinutes(std::size_t zone) {
    return tariffs::networkOf(tariffs::AllZones[zone]) == tariffs::PricedNetwork::Jts;
}

}  // namespace

ScaleModel::ScaleModel(const UsageProfile& usage, VariedZones varied) : fax(usage.fax), data(usage.data) {
    const double factor = static_cast<double>(usage.periodFactor);
    for (std::size_t i = 0; i < tariffs::ZoneCount; ++i) {
        const double minutes = usage.minutes[i] * factor;
        (isVaried(varied, tariffs::AllZones[i]) ? slope[i] : base[i]) = minutes;
    }
    for (std::size_t i = 0; i < tariffs::ZoneCount; ++i) {
        if (sharesFixedNetworkMinutes(i)) {
            fixedNetworkSlope += slope[i];
            fixedNetworkBase += base[i];
        }
        allSlope += slope[i];
        allBase += base[i];
    }
}

Roots rootsBetween(double a2, double a1, double a0, double lo, double hi) {
    Roots roots;
    auto keep = [&](double x) {
        if (x > lo && x < hi) roots.at[static_cast<std::size_t>(roots.count++)] = x;
    };
    if (a2 == 0) {
        if (a1 != 0) keep(-a0 / a1);
        return roots;
    }
    const double discriminant = a1 * a1 - 4 * a2 * a0;
    if (!(discriminant >= 0)) return roots;
    // The form that never subtracts nearly equal numbers.
    const double q = -0.5 * (a1 + std::copysign(std::sqrt(discriminant), a1));
    double x1 = q / a2;
    double x2 = q != 0 ? a0 / q : x1;
    if (x2 < x1) std::swap(x1, x2);
    keep(x1);
    if (x2 != x1) keep(x2);
    return roots;
}

namespace {

// A zone's chargeable minutes before they are clamped at 0:
// g(s) = perScale s + constant - hyperbolic / denominator(s).
struct ZoneTerm {
    bool takesPart = true;  // false: the zone has no minutes and is charged nothing
    double perScale = 0;
    double constant = 0;
    double hyperbolic = 0;
};

enum class Rule { Plain, SharedInFixedNetwork, SharedInAllZones };

class TermBuilder {
public:
    TermBuilder(const tariffs::Tarifs& tariff, const ScaleModel& model) : tariff_(tariff), model_(model) {}

    Rule rule(std::size_t zone) const {
        if (tariff_.allMinutesFree) return Rule::SharedInAllZones;
        if (sharesFixedNetworkMinutes(zone) && tariff_.firstFreeMinutes != 0) return Rule::SharedInFixedNetwork;
        return Rule::Plain;
    }

    // The zone's term on a stretch of scales around s > 0 on which the sharing
    // zones' sum keeps its sign.
    ZoneTerm term(std::size_t zone, double s) const {
        const double perScale = model_.slope[zone] * 0.0001;
        const double fixed = model_.base[zone] * 0.0001;
        const double freeMinutes = tariff_.zones[zone].freeMinutes;
        const Rule r = rule(zone);
        if (r == Rule::Plain) return {true, perScale, fixed - freeMinutes, 0};
        // Minutes not above 0 take no part (their sign cannot change for s > 0).
        if (!(perScale * s + fixed > 0)) return {false, 0, 0, 0};
        const bool all = r == Rule::SharedInAllZones;
        const double a = all ? model_.allSlope : model_.fixedNetworkSlope;
        const double b = all ? model_.allBase : model_.fixedNetworkBase;
        const double p = tariff_.firstFreeMinutes;
        if (!(a * s + b > 0)) return {true, perScale, fixed - freeMinutes, 0};
        if (a == 0) {
            // Only zones outside the sharing ones vary: every share is a fixed
            // fraction of the zone's own minutes.
            return {true, perScale - p * model_.slope[zone] / b, fixed - p * model_.base[zone] / b - freeMinutes, 0};
        }
        // P (slope s + base) / (a s + b) = P slope / a + P (base - slope b / a) / (a s + b).
        // For the fixed network a != 0 means all three of its zones vary, so
        // base and b are 0 and the share is constant.
        return {true, perScale, fixed - p * model_.slope[zone] / a - freeMinutes,
                p * (model_.base[zone] - model_.slope[zone] * b / a)};
    }

    // Where the sharing zones' sum changes sign: only negative counts make it.
    void signChanges(std::vector<double>& cuts) const {
        bool fixedNetwork = false;
        bool all = false;
        for (std::size_t z = 0; z < tariffs::ZoneCount; ++z) {
            fixedNetwork |= rule(z) == Rule::SharedInFixedNetwork;
            all |= rule(z) == Rule::SharedInAllZones;
        }
        if (fixedNetwork && model_.fixedNetworkSlope != 0)
            cuts.push_back(-model_.fixedNetworkBase / model_.fixedNetworkSlope);
        if (all && model_.allSlope != 0) cuts.push_back(-model_.allBase / model_.allSlope);
    }

    // Where the zone's chargeable minutes reach 0 between lo and hi.
    Roots zeros(const ZoneTerm& t) const {
        if (t.hyperbolic == 0) return rootsBetween(0, t.perScale, t.constant, -INFINITY, INFINITY);
        // (perScale s + constant)(A s + B) - hyperbolic = 0, with A s + B > 0.
        return rootsBetween(t.perScale * model_.allSlope, t.perScale * model_.allBase + t.constant * model_.allSlope,
                            t.constant * model_.allBase - t.hyperbolic, -INFINITY, INFINITY);
    }

private:
    const tariffs::Tarifs& tariff_;
    const ScaleModel& model_;
};

// Sorted, without repeats, from first to last.
void tidy(std::vector<double>& cuts, double from, double to) {
    std::erase_if(cuts, [&](double s) { return !(s > from && s < to); });
    cuts.push_back(from);
    cuts.push_back(to);
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
}

}  // namespace

CostCurve::CostCurve(const tariffs::Tarifs& tariff, const ScaleModel& model, double from, double to) : model_(&model) {
    const TermBuilder terms(tariff, model);

    std::vector<double> regions;
    terms.signChanges(regions);
    tidy(regions, from, to);
    std::vector<double> cuts = regions;
    for (std::size_t r = 0; r + 1 < regions.size(); ++r) {
        const double mid = regions[r] + (regions[r + 1] - regions[r]) / 2;
        for (std::size_t z = 0; z < tariffs::ZoneCount; ++z) {
            const ZoneTerm t = terms.term(z, mid);
            if (!t.takesPart) continue;
            const Roots roots = terms.zeros(t);
            for (int i = 0; i < roots.count; ++i) {
                const double s = roots.at[static_cast<std::size_t>(i)];
                if (s > regions[r] && s < regions[r + 1]) cuts.push_back(s);
            }
        }
    }
    tidy(cuts, from, to);

    double fees = tariff.telephoneFee;
    if (model.fax) fees = fees + tariff.faxFee;
    if (model.data) fees = fees + tariff.dataFee;
    const double minimum = tariff.minimumCharge;

    for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
        const double lo = cuts[c];
        const double hi = cuts[c + 1];
        const double mid = lo + (hi - lo) / 2;
        double constant = fees;
        double linear = 0;
        double hyperbolic = 0;
        for (std::size_t z = 0; z < tariffs::ZoneCount; ++z) {
            const ZoneTerm t = terms.term(z, mid);
            if (!t.takesPart) continue;
            const double chargeable =
                t.perScale * mid + t.constant - (t.hyperbolic == 0 ? 0 : t.hyperbolic / model.denominator(mid));
            if (!(chargeable > 0)) continue;
            const double rate = tariff.zones[z].rate;
            constant += rate * t.constant;
            linear += rate * t.perScale;
            hyperbolic -= rate * t.hyperbolic;
        }
        // Where the sum meets the minimum charge within the piece.
        const Roots meets =
            hyperbolic == 0
                ? rootsBetween(0, linear, constant - minimum, lo, hi)
                : rootsBetween(linear * model.allSlope, (constant - minimum) * model.allSlope + linear * model.allBase,
                               (constant - minimum) * model.allBase + hyperbolic, lo, hi);
        double start = lo;
        for (int i = 0; i <= meets.count; ++i) {
            const double end = i < meets.count ? meets.at[static_cast<std::size_t>(i)] : hi;
            const double at = start + (end - start) / 2;
            const CostPiece sum{end, constant, linear, hyperbolic};
            const double cost = valueOf(sum, at);
            if (cost < minimum || std::isnan(cost)) {
                addPiece(end, minimum, 0, 0);
            } else {
                addPiece(end, constant, linear, hyperbolic);
            }
            start = end;
        }
    }
}

void CostCurve::addPiece(double end, double constant, double linear, double hyperbolic) {
    if (!pieces_.empty()) {
        CostPiece& last = pieces_.back();
        if (last.constant == constant && last.linear == linear && last.hyperbolic == hyperbolic) {
            last.end = end;
            return;
        }
    }
    pieces_.push_back({end, constant, linear, hyperbolic});
}

std::size_t CostCurve::pieceAt(double s) const {
    const auto it =
        std::upper_bound(pieces_.begin(), pieces_.end(), s, [](double x, const CostPiece& p) { return x < p.end; });
    return it == pieces_.end() ? pieces_.size() - 1 : static_cast<std::size_t>(it - pieces_.begin());
}

}  // namespace hovorix::fees::detail
