// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "fees/ScaledUsage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hovorix::fees {

namespace {

// The word of each choice, as tarif-cli's --vary takes it, and the network
// whose zones it varies.
struct Varied {
    std::string_view name;
    std::optional<tariffs::PricedNetwork> network;
};

constexpr auto Choices = tariffs::enumTable<VariedZones, Varied>({
    {VariedZones::All, {"all", std::nullopt}},
    {VariedZones::FixedNetwork, {"jts", tariffs::PricedNetwork::Jts}},
    {VariedZones::Paegas, {"paegas", tariffs::PricedNetwork::Paegas}},
    {VariedZones::Eurotel, {"eurotel", tariffs::PricedNetwork::Eurotel}},
});

// Every network can be varied alone, by exactly one choice.
static_assert(std::ranges::all_of(tariffs::AllPricedNetworks,
                                  [](tariffs::PricedNetwork network) {
                                      return std::ranges::count(Choices, std::optional(network), &Varied::network) == 1;
                                  }),
              "one choice of the zones to vary for each priced network");

}  // namespace

std::string_view variedZonesName(VariedZones varied) { return Choices[tariffs::indexOf(varied)].name; }

std::optional<VariedZones> variedZonesNamed(std::string_view name) {
    return tariffs::enumeratorWith<VariedZones>(variedZonesName, name);
}

std::optional<tariffs::PricedNetwork> variedNetwork(VariedZones varied) {
    return Choices[tariffs::indexOf(varied)].network;
}

bool isVaried(VariedZones varied, tariffs::Zone zone) {
    const std::optional<tariffs::PricedNetwork> network = variedNetwork(varied);
    return !network || *network == tariffs::networkOf(zone);
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
