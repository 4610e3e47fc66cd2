// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "SampleCalls.h"
#include "calls/CallList.h"

namespace {

using namespace hovorix;

// The file the bench script also hands to `wc -l`; written here when the
// script did not name one.
std::filesystem::path callListFile() {
    if (const char* named = std::getenv("HOVORIX_BENCH_CALLS")) return named;
    static const std::filesystem::path path = [] {
        auto p = std::filesystem::temp_directory_path() / "hovorix-bench-vypis.csv";
        std::ofstream(p, std::ios::binary) << bench::sampleCallList(1000000);
        return p;
    }();
    return path;
}

// What the user waits for between picking the file and seeing the figures:
// a million calls through three months, with daily subtotals, page breaks
// and SMS among them.
void BM_ReadCallList(benchmark::State& state) {
    const auto path = callListFile();
    const auto bytes = std::filesystem::file_size(path);
    for (auto _ : state) {
        const calls::CallTally tally = calls::readCallList(path, calls::defaultPrefixTable());
        const calls::CallSummary summary = calls::summarise(tally, {});
        benchmark::DoNotOptimize(summary.zones.data());
        state.counters["rows"] = static_cast<double>(tally.rows);
        state.counters["skipped"] = static_cast<double>(tally.skippedRows.count);
        state.counters["months"] = static_cast<double>(summary.months.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ReadCallList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
