// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "fees/MonthlyCost.h"

#include <cmath>

namespace hovorix::fees {

std::int64_t periodFactorForIndex(int index) {
    switch (index) {
    case 0: return PerDayFactor;
    case 1: return PerWeekFactor;
    default: return PerMonthFactor;
    }
}

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
        for (std::size_t i = 0; i < tariffs::ZoneCount; ++i) periodMinutes_[i] = usage.minutes[i] * factor;
        fixedNetworkMinutes_ = periodMinutes_[0] + periodMinutes_[1] + periodMinutes_[2];
        allMinutes_ = fixedNetworkMinutes_;
        for (std::size_t i = 3; i < tariffs::ZoneCount; ++i) allMinutes_ += periodMinutes_[i];
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

    if (!tariff.allMinutesFree) {
        // The first free minutes cover the fixed network only; with none, no
        // share is formed (and nothing divided).
        auto fixed = [&](tariffs::Zone z) {
            return tariff.firstFreeMinutes != 0 ? charge.shared(z, false) : charge.plain(z);
        };
        result.fixedNetwork = fixed(tariffs::Zone::JTS) + fixed(tariffs::Zone::JTSMimo) + fixed(tariffs::Zone::JTSNoc);
        result.paegas = charge.plain(tariffs::Zone::PAEGAS) + charge.plain(tariffs::Zone::PAEGASMimo);
        result.eurotel = charge.plain(tariffs::Zone::EUROTEL) + charge.plain(tariffs::Zone::EUROTELMimo);
        cost = ((cost + result.fixedNetwork) + result.paegas) + result.eurotel;
    } else {
        // The first free minutes cover calls anywhere; the seven charges are
        // summed in zone order, so the total is formed from them directly.
        std::array<double, tariffs::ZoneCount> zones{};
        for (std::size_t i = 0; i < tariffs::ZoneCount; ++i) zones[i] = charge.shared(tariffs::AllZones[i], true);
        result.fixedNetwork = zones[0] + zones[1] + zones[2];
        result.paegas = zones[3] + zones[4];
        result.eurotel = zones[5] + zones[6];
        double all = zones[0];
        for (std::size_t i = 1; i < tariffs::ZoneCount; ++i) all += zones[i];
        cost = cost + all;
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

}  // namespace hovorix::fees
