// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "fees/ComputeFees.h"

#include "fees/MonthlyCost.h"

namespace hovorix::fees {

void ComputeFees(const UsageProfile& usage, const tariffs::TariffList& list, BarSink& chart) {
    chart.ClearBars();
    list.walk([&](const tariffs::Tarifs& tariff) {
        chart.AddBar(MonthlyCost(tariff, usage), tariffs::tariffLabel(tariff), AutomaticColour);
    });
}

}  // namespace hovorix::fees
