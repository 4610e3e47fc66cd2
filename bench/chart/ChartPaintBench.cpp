// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <string>

#include "chart/FeeChart.h"
#include "desktop/ProgramFont.h"

using namespace hovorix;

namespace {

void fill(chart::FeeChart& chart, int count) {
    fees::BarSink& series = chart.Series1();
    series.ClearBars();
    for (int i = 0; i < count; ++i) {
        series.AddBar(200.0 + (i * 7919) % 3000 + i / 7.0, "OPERATOR-Tarif " + std::to_string(i),
                      fees::AutomaticColour);
    }
}

// A fee run and the repaint that follows it: the bars, the layout of every
// label and mark, then the painting.
void feeRunAndPaint(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    chart::FeeChart chart;
    chart.setFont(desktop::programFont());
    chart.resize(393, 353);
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        fill(chart, count);
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(feeRunAndPaint)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

// A repaint with the layout at hand, as while zooming or scrolling.
void repaint(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const double ratio = static_cast<double>(state.range(1));
    chart::FeeChart chart;
    chart.setFont(desktop::programFont());
    chart.resize(393, 353);
    fill(chart, count);
    QImage image(chart.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(repaint)->Args({1000, 1})->Args({1000, 2})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
