// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <benchmark/benchmark.h>

#include <algorithm>

#include "SampleTariffs.h"
#include "fees/MonthlyCost.h"
#include "fees/TariffChoice.h"

namespace {

using namespace hovorix;

constexpr std::size_t Tariffs = 1000;

fees::UsageProfile sampleUsage() {
    fees::UsageProfile usage;
    usage.minutes = {120, 60, 30, 45, 20, 35, 15};
    usage.fax = true;
    usage.periodFactor = fees::PerWeekFactor;
    return usage;
}

void choose(benchmark::State& state, const tariffs::TariffList& list, fees::VariedZones varied) {
    const fees::UsageProfile usage = sampleUsage();
    std::size_t intervals = 0;
    for (auto _ : state) {
        const fees::ScaleChoice choice = fees::chooseByScale(list, usage, varied);
        intervals = choice.intervals.size();
        benchmark::DoNotOptimize(choice.intervals.data());
    }
    state.counters["intervals"] = static_cast<double>(intervals);
}

// The hard case besides the plausible one (state.range(0) = 1): every
// tariff's telephone fee set so that all cost within 5 % of each other at the
// entered usage, so that few can be set aside at once and the cheapest changes
// often.
void makeCompetitive(tariffs::TariffList& list) {
    const fees::UsageProfile usage = sampleUsage();
    double target = 0;
    for (const tariffs::Tarifs& t : list.tariffs()) target += fees::MonthlyCost(t, usage);
    target /= static_cast<double>(list.count());
    for (std::size_t i = 0; i < list.count(); ++i) {
        tariffs::Tarifs& t = list.seek(i);
        t.minimumCharge = 0;
        const double wanted = target * (0.95 + 0.1 * static_cast<double>((i * 7919) % 1000) / 1000);
        t.telephoneFee = std::max(0.0, t.telephoneFee + wanted - fees::MonthlyCost(t, usage));
    }
}

// Every cost piecewise linear.
void BM_ChooseAllVarying(benchmark::State& state) {
    tariffs::TariffList list = bench::sampleTariffs(Tariffs);
    if (state.range(0)) makeCompetitive(list);
    choose(state, list, fees::VariedZones::All);
}
BENCHMARK(BM_ChooseAllVarying)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Every tariff shares first free minutes among all zones while only the fixed
// network varies: every cost curved, crossings from quadratics.
void BM_ChooseFlagSetPartVarying(benchmark::State& state) {
    tariffs::TariffList list = bench::sampleTariffs(Tariffs);
    for (std::size_t i = 0; i < list.count(); ++i) {
        tariffs::Tarifs& t = list.seek(i);
        t.allMinutesFree = true;
        if (t.firstFreeMinutes == 0) t.firstFreeMinutes = 20 + static_cast<double>(i % 13) * 10;
    }
    if (state.range(0)) makeCompetitive(list);
    choose(state, list, fees::VariedZones::FixedNetwork);
}
BENCHMARK(BM_ChooseFlagSetPartVarying)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The baseline: one fee run over the same tariffs, the work of a single
// sample point.
void BM_OneFeeRun(benchmark::State& state) {
    const tariffs::TariffList list = bench::sampleTariffs(Tariffs);
    const fees::UsageProfile usage = sampleUsage();
    for (auto _ : state) {
        double sum = 0;
        for (const tariffs::Tarifs& t : list.tariffs()) sum += fees::MonthlyCost(t, usage);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_OneFeeRun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
