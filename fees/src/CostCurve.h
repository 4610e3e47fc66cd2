// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "fees/ScaledUsage.h"
#include "fees/UsageProfile.h"
#include "tariffs/Tarifs.h"

namespace hovorix::fees::detail {

// How the minutes move with the scale s, the same for every tariff: the
// period minutes of zone i are slope[i] s + base[i] (one of the two is 0).
struct ScaleModel {
    ScaleModel(const UsageProfile& usage, VariedZones varied);

    std::array<double, tariffs::ZoneCount> slope{};
    std::array<double, tariffs::ZoneCount> base{};
    // The sums over the fixed network and over all seven zones, among which
    // the first free minutes are shared.
    double fixedNetworkSlope = 0;
    double fixedNetworkBase = 0;
    double allSlope = 0;
    double allBase = 0;
    bool fax = false;
    bool data = false;

    // The sum over all seven zones: a tariff that shares its first free
    // minutes among them while only some zones vary gives every zone the
    // share P (slope s + base) / (allSlope s + allBase).
    double denominator(double s) const { return allSlope * s + allBase; }
};

// On (start, end) the cost is constant + linear s + hyperbolic / denominator(s);
// a piece starts where the one before ends.
struct CostPiece {
    double end = 0;
    double constant = 0;
    double linear = 0;
    double hyperbolic = 0;
};

// One tariff's cost over [from, to] as pieces, found by solving where a zone's
// chargeable minutes reach 0, where the sharing zones' sum changes sign and
// where the minimum charge takes over. For s > 0 only: at exactly 0 a zone
// without minutes takes no part, which the pieces do not show.
class CostCurve {
public:
    CostCurve(const tariffs::Tarifs& tariff, const ScaleModel& model, double from, double to);

    const std::vector<CostPiece>& pieces() const { return pieces_; }
    // The piece that holds the scales just above s.
    std::size_t pieceAt(double s) const;
    double value(std::size_t piece, double s) const { return valueOf(pieces_[piece], s); }
    double valueOf(const CostPiece& piece, double s) const {
        return piece.hyperbolic == 0 ? piece.constant + piece.linear * s
                                     : piece.constant + piece.linear * s + piece.hyperbolic / model_->denominator(s);
    }

private:
    void addPiece(double end, double constant, double linear, double hyperbolic);

    const ScaleModel* model_;
    std::vector<CostPiece> pieces_;
};

// The roots of a2 x^2 + a1 x + a0 strictly between lo and hi, increasing.
struct Roots {
    std::array<double, 2> at{};
    int count = 0;
};
Roots rootsBetween(double a2, double a1, double a0, double lo, double hi);

}  // namespace hovorix::fees::detail
