// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "SampleTariffs.h"
#include "fees/ComputeFees.h"
#include "tariffs/NumberText.h"
#include "tariffs/TariffFile.h"
#include "tariffs/TariffWriter.h"

namespace {

using namespace hovorix;

constexpr std::size_t LargeList = 100000;

// The file the bench script also hands to `wc -l`; written here when the
// script did not name one.
std::filesystem::path largeFile() {
    if (const char* named = std::getenv("HOVORIX_BENCH_FILE")) return named;
    static const std::filesystem::path path = [] {
        auto p = std::filesystem::temp_directory_path() / "hovorix-bench-tarif.ini";
        std::ofstream(p, std::ios::binary)
            << tariffs::writeTariffs(bench::sampleTariffs(LargeList), "1", ',', {"1.1.01", "0:00:00"});
        return p;
    }();
    return path;
}

void BM_ReadTariffFile(benchmark::State& state) {
    const auto path = largeFile();
    const auto bytes = std::filesystem::file_size(path);
    for (auto _ : state) {
        tariffs::TariffList list(tariffs::CalculatorDefaults);
        std::string version;
        tariffs::readTariffFile(path, list, version, {.decimalSeparator = ','});
        benchmark::DoNotOptimize(list.count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ReadTariffFile)->Unit(benchmark::kMillisecond);

// The same with every report of what a save would lose asked for, as the
// editor reads.
void BM_ReadTariffFileReportingLosses(benchmark::State& state) {
    const auto path = largeFile();
    const auto bytes = std::filesystem::file_size(path);
    std::size_t reported = 0;
    tariffs::ReaderEvents events;
    events.onCutText = [&reported](std::size_t, tariffs::LineRule) { ++reported; };
    events.onSkippedLine = [&reported](std::size_t, std::string_view, tariffs::LineRule) { ++reported; };
    events.onOverriddenLine = [&reported](std::size_t, std::size_t, tariffs::LineRule) { ++reported; };
    events.onSkippedColumn = [&reported](std::size_t, std::string_view, tariffs::LineRule) { ++reported; };
    events.onTextAfterEnd = [&reported](std::size_t, std::size_t) { ++reported; };
    for (auto _ : state) {
        tariffs::TariffList list(tariffs::EditorDefaults);
        std::string version;
        tariffs::readTariffFile(path, list, version, {.decimalSeparator = ','}, events);
        benchmark::DoNotOptimize(list.count());
    }
    benchmark::DoNotOptimize(reported);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ReadTariffFileReportingLosses)->Unit(benchmark::kMillisecond);

void BM_WriteTariffs(benchmark::State& state) {
    const tariffs::TariffList list = bench::sampleTariffs(LargeList);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = tariffs::writeTariffs(list, "1", ',', {"1.1.01", "0:00:00"});
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteTariffs)->Unit(benchmark::kMillisecond);

// Takes the bars as a chart would, without drawing them.
class CollectingSink : public fees::BarSink {
public:
    void ClearBars() override { values.clear(); }
    int AddBar(double value, const std::string&, fees::BarColour) override {
        values.push_back(value);
        return static_cast<int>(values.size()) - 1;
    }
    std::vector<double> values;
};

void BM_ComputeFees(benchmark::State& state) {
    const tariffs::TariffList list = bench::sampleTariffs(static_cast<std::size_t>(state.range(0)));
    fees::UsageProfile usage;
    usage.minutes = {120, 60, 30, 45, 20, 35, 15};
    usage.fax = true;
    usage.periodFactor = fees::PerWeekFactor;
    CollectingSink sink;
    sink.values.reserve(list.count());
    for (auto _ : state) {
        fees::ComputeFees(usage, list, sink);
        benchmark::DoNotOptimize(sink.values.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * list.count()));
}
BENCHMARK(BM_ComputeFees)->Arg(LargeList)->Unit(benchmark::kMillisecond);

void BM_ParseNumber(benchmark::State& state) {
    const char* const texts[] = {"12,5", "0", "1290", "0,0001", "1,23456789012346E17", "4,9"};
    for (auto _ : state) {
        for (const char* t : texts) benchmark::DoNotOptimize(tariffs::parseNumber(t, ','));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * 6));
}
BENCHMARK(BM_ParseNumber);

}  // namespace

BENCHMARK_MAIN();
