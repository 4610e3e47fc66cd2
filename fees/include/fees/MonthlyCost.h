// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include "fees/UsageProfile.h"
#include "tariffs/Tarifs.h"

namespace hovorix::fees {

// The parts of one tariff's monthly cost, computed in the very order the cost
// is summed, so total is bit for bit what MonthlyCost returns.
struct CostBreakdown {
    double telephoneFee = 0;
    double faxFee = 0;        // 0 unless the fax service is used
    double dataFee = 0;       // 0 unless the data service is used
    double fixedNetwork = 0;  // JTS, JTS-mimo, JTS-noc
    double paegas = 0;        // PAEGAS, PAEGAS-mimo
    double eurotel = 0;       // EUROTEL, EUROTEL-mimo
    bool minimumApplied = false;
    double total = 0;

    // The part of one network: fixedNetwork, paegas or eurotel.
    double& network(tariffs::PricedNetwork network);
    double network(tariffs::PricedNetwork network) const;
};

CostBreakdown costBreakdown(const tariffs::Tarifs& tariff, const UsageProfile& usage);
// The same rules for real-valued counts. For whole counts the result is bit
// for bit that of the profile they came from.
CostBreakdown costBreakdown(const tariffs::Tarifs& tariff, const RealUsageProfile& usage);

// The price of one tariff for one month of the given usage.
double MonthlyCost(const tariffs::Tarifs& tariff, const UsageProfile& usage);
// The same for real-valued counts: a calendar month of a call list, priced on
// the minutes its calls were charged.
double MonthlyCost(const tariffs::Tarifs& tariff, const RealUsageProfile& usage);

}  // namespace hovorix::fees
