// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "fees/ScaledUsage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hovorix::fees {

namespace {

constexpr std::array<std::string_view, VariedZonesCount> Names = {"all", "jts", "paegas", "eurotel"};

}  // namespace

std::string_view variedZonesName(VariedZones varied) { return Names.at(static_cast<std::size_t>(varied)); }

std::optional<VariedZones> variedZonesNamed(std::string_view name) {
    for (std::size_t i = 0; i < Names.size(); ++i)
        if (Names[i] == name) return static_cast<VariedZones>(i);
    return std::nullopt;
}

bool isVaried(VariedZones varied, tariffs::Zone zone) {
    using tariffs::Zone;
    switch (varied) {
    case VariedZones::All: return true;
    case VariedZones::FixedNetwork: return zone == Zone::JTS || zone == Zone::JTSMimo || zone == Zone::JTSNoc;
    case VariedZones::Paegas: return zone == Zone::PAEGAS || zone == Zone::PAEGASMimo;
    case VariedZones::Eurotel: return zone == Zone::EUROTEL || zone == Zone::EUROTELMimo;
    }
    return false;
}

bool variedMinutesAreZero(const UsageProfile& usage, VariedZones varied) {
    return std::none_of(tariffs::AllZones.begin(), tariffs::AllZones.end(),
                        [&](tariffs::Zone z) { return isVaried(varied, z) && usage.count(z) != 0; });
}

RealUsageProfile scaledUsage(const UsageProfile& usage, VariedZones varied, double scale) {
    RealUsageProfile scaled = realUsage(usage);
    for (tariffs::Zone z : tariffs::AllZones)
        if (isVaried(varied, z)) scaled.count(z) *= scale;
    return scaled;
}

double costAtScale(const tariffs::Tarifs& tariff, const UsageProfile& usage, VariedZones varied, double scale) {
    return costBreakdown(tariff, scaledUsage(usage, varied, scale)).total;
}

bool costsTie(double a, double b) {
    if (a == b) return true;
    return std::fabs(a - b) < 1e-9 * std::max(1.0, std::min(std::fabs(a), std::fabs(b)));
}

}  // namespace hovorix::fees
