#include "fees/ComputeFees.h"

#include "fees/MonthlyCost.h"

namespace hovorix {

void ComputeFees(const UsageProfile& usage, const TariffList& list, BarSink& chart) {
    chart.ClearBars();
    list.walk([&](const Tarifs& tariff) { chart.AddBar(MonthlyCost(tariff, usage), tariffLabel(tariff), AutomaticColour); });
}

}  // namespace hovorix
