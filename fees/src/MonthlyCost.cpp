// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "fees/MonthlyCost.h"

#include <cmath>

namespace hovorix::fees {

namespace {

// The periods' names, as tarif-cli's --period takes them, and how many of
// each make a month.
struct PeriodEntry {
    std::string_view name;
    std::int64_t factor;
};

constexpr auto Periods = tariffs::enumTable<Period, PeriodEntry>({
    {Period::Day, {"den", PerDayFactor}},
    {Period::Week, {"tyden", PerWeekFactor}},
    {Period::Month, {"mesic", PerMonthFactor}},
});

}  // namespace

std::string_view periodName(Period period) { return Periods[tariffs::indexOf(period)].name; }

std::optional<Period> periodNamed(std::string_view name) { return tariffs::enumeratorWith<Period>(periodName, name); }

std::int64_t periodFactor(Period period) { return Periods[tariffs::indexOf(period)].factor; }

namespace {

// Chargeable minutes never go below zero; a result that is not a number
// (infinite free minutes against infinite usage, say) charges nothing either.
double chargeable(double minutes) { return (minutes < 0 || std::isnan(minutes)) ? 0.0 : minutes; }

class ZoneCharges {
public:
    ZoneCharges(const tariffs::Tarifs& tariff, const RealUsageProfile& usage) : tariff_(tariff) {
        // The count times the period factor. For whole counts from a minute
        // field every product and sum here is a whole number below 2^53
        // (2^31 x 300000 x 7), so the doubles hold them exactly, as 64-bit
        // integers would: 32-bit arithmetic would not.
        const double factor = static_cast<double>(usage.periodFactor);
        for (const tariffs::Zone zone : tariffs::AllZones) {
            const double minutes = usage.minutes[static_cast<std::size_t>(zone)] * factor;
            periodMinutes_[static_cast<std::size_t>(zone)] = minutes;
            if (tariffs::networkOf(zone) == tariffs::PricedNetwork::Jts) fixedNetworkMinutes_ += minutes;
            allMinutes_ += minutes;
        }
    }

    // The zone gets only its own free minutes.
    double plain(tariffs::Zone z) const {
        const tariffs::ZoneRate& zone = tariff_.zone(z);
        return chargeable(monthlyMinutes(z) - zone.freeMinutes) * zone.rate;
    }

    // The zone also gets its share of the first free minutes, in proportion to
    // its calls among the sharing zones (the fixed network, or all seven). A
    // share larger than the zone needs is lost, never carried over.
    double shared(tariffs::Zone z, bool amongAllZones) const {
        const double minutes = monthlyMinutes(z);
        const tariffs::ZoneRate& zone = tariff_.zone(z);
        if (!(minutes > 0)) return 0.0 * zone.rate;
        const double sharingMinutes = amongAllZones ? allMinutes_ : fixedNetworkMinutes_;
        // Negative counts can make the sharing zones sum to nothing: no share then.
        const double share = sharingMinutes > 0 ? tariff_.firstFreeMinutes / sharingMinutes * periodMinutesOf(z) : 0.0;
        return chargeable(minutes - share - zone.freeMinutes) * zone.rate;
    }

private:
    double periodMinutesOf(tariffs::Zone z) const { return periodMinutes_[static_cast<std::size_t>(z)]; }
    double monthlyMinutes(tariffs::Zone z) const { return periodMinutesOf(z) * 0.0001; }

    const tariffs::Tarifs& tariff_;
    std::array<double, tariffs::ZoneCount> periodMinutes_{};
    double fixedNetworkMinutes_ = 0;
    double allMinutes_ = 0;
};

}  // namespace

RealUsageProfile realUsage(const UsageProfile& usage) {
    RealUsageProfile real;
    for (std::size_t i = 0; i < tariffs::ZoneCount; ++i) real.minutes[i] = usage.minutes[i];
    real.fax = usage.fax;
    real.data = usage.data;
    real.periodFactor = usage.periodFactor;
    return real;
}

namespace {

constexpr auto NetworkParts = tariffs::enumTable<tariffs::PricedNetwork, double CostBreakdown::*>({
    {tariffs::PricedNetwork::Jts, &CostBreakdown::fixedNetwork},
    {tariffs::PricedNetwork::Paegas, &CostBreakdown::paegas},
    {tariffs::PricedNetwork::Eurotel, &CostBreakdown::eurotel},
});

}  // namespace

double& CostBreakdown::network(tariffs::PricedNetwork network) {
    return this->*NetworkParts[tariffs::indexOf(network)];
}

double CostBreakdown::network(tariffs::PricedNetwork network) const {
    return this->*NetworkParts[tariffs::indexOf(network)];
}

CostBreakdown costBreakdown(const tariffs::Tarifs& tariff, const UsageProfile& usage) {
    return costBreakdown(tariff, realUsage(usage));
}

CostBreakdown costBreakdown(const tariffs::Tarifs& tariff, const RealUsageProfile& usage) {
    CostBreakdown result;
    const ZoneCharges charge(tariff, usage);

    double cost = tariff.telephoneFee;
    result.telephoneFee = tariff.telephoneFee;
    if (usage.fax) {
        cost = cost + tariff.faxFee;
        result.faxFee = tariff.faxFee;
    }
    if (usage.data) {
        cost = cost + tariff.dataFee;
        result.dataFee = tariff.dataFee;
    }

    // Each network's part sums its zones' charges in zone order. The sums
    // start from -0.0, the exact identity of floating-point addition (0.0
    // would turn a charge of -0.0 into 0.0).
    std::array<double, tariffs::PricedNetworkCount> parts;
    parts.fill(-0.0);
    const auto partOf = [&parts](tariffs::Zone zone) -> double& {
        return parts[tariffs::indexOf(tariffs::networkOf(zone))];
    };
    double all = -0.0;
    if (!tariff.allMinutesFree) {
        // The first free minutes cover the fixed network only; with none, no
        // share is formed (and nothing divided). The mobile zones get only
        // their own free minutes.
        for (const tariffs::Zone zone : tariffs::AllZones) {
            const bool sharing =
                tariffs::networkOf(zone) == tariffs::PricedNetwork::Jts && tariff.firstFreeMinutes != 0;
            partOf(zone) += sharing ? charge.shared(zone, false) : charge.plain(zone);
        }
    } else {
        // The first free minutes cover calls anywhere.
        for (const tariffs::Zone zone : tariffs::AllZones) {
            const double zoneCharge = charge.shared(zone, true);
            partOf(zone) += zoneCharge;
            all += zoneCharge;
        }
    }
    for (const tariffs::PricedNetwork network : tariffs::AllPricedNetworks) {
        result.network(network) = parts[tariffs::indexOf(network)];
    }
    // With the flag the seven charges are summed in zone order and the total
    // is formed from them directly; without it, network by network.
    if (tariff.allMinutesFree) {
        cost = cost + all;
    } else {
        for (const tariffs::PricedNetwork network : tariffs::AllPricedNetworks) cost = cost + result.network(network);
    }

    // The minimum applies to the whole monthly amount, flat fees included.
    if (cost < tariff.minimumCharge || std::isnan(cost)) {
        cost = tariff.minimumCharge;
        result.minimumApplied = true;
    }
    result.total = cost;
    return result;
}

double MonthlyCost(const tariffs::Tarifs& tariff, const UsageProfile& usage) {
    return costBreakdown(tariff, usage).total;
}

double MonthlyCost(const tariffs::Tarifs& tariff, const RealUsageProfile& usage) {
    return costBreakdown(tariff, usage).total;
}

}  // namespace hovorix::fees
