// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <optional>
#include <string_view>

#include "fees/MonthlyCost.h"
#include "fees/UsageProfile.h"
#include "tariffs/Tarifs.h"

namespace hovorix::fees {

// Which calls grow or shrink when the usage is scaled; the other zones, the
// period factor and the fax and data switches stay as entered.
// All of them, or the zones of one priced network: one choice for each
// network, which the build checks.
enum class VariedZones {
    All,           // all seven zones
    FixedNetwork,  // JTS, JTS-mimo, JTS-noc
    Paegas,        // PAEGAS, PAEGAS-mimo
    Eurotel,       // EUROTEL, EUROTEL-mimo
};
inline constexpr auto AllVariedZones =
    tariffs::enumerators({VariedZones::All, VariedZones::FixedNetwork, VariedZones::Paegas, VariedZones::Eurotel});
constexpr const auto& enumeratorsOf(VariedZones) { return AllVariedZones; }
inline constexpr std::size_t VariedZonesCount = AllVariedZones.size();

// "all", "jts", "paegas", "eurotel"
std::string_view variedZonesName(VariedZones varied);
std::optional<VariedZones> variedZonesNamed(std::string_view name);

// The network whose zones vary; nullopt for all zones.
std::optional<tariffs::PricedNetwork> variedNetwork(VariedZones varied);
bool isVaried(VariedZones varied, tariffs::Zone zone);

// True when every varied zone has no minutes: then no cost depends on the
// scale.
bool variedMinutesAreZero(const UsageProfile& usage, VariedZones varied);

// The profile with the counts of the varied zones multiplied by scale (>= 0);
// at scale 1 it holds exactly the entered counts.
RealUsageProfile scaledUsage(const UsageProfile& usage, VariedZones varied, double scale);

// The tariff's monthly cost for the scaled usage; at scale 1 bit for bit
// MonthlyCost(tariff, usage).
double costAtScale(const tariffs::Tarifs& tariff, const UsageProfile& usage, VariedZones varied, double scale);

// Two costs are taken as equal when they differ by less than a billionth of
// the cheaper one (or than 1e-9 Kč for costs below 1 Kč); the first tariff in
// file order is then the one named.
bool costsTie(double a, double b);

}  // namespace hovorix::fees
