// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fees/ComputeFees.h"
#include "fees/MonthlyCost.h"

using namespace hovorix;

namespace {

// Records the calls a fee run makes on the chart.
class RecordingChart : public fees::BarSink {
public:
    struct Bar {
        double value;
        std::string label;
        fees::BarColour colour;
    };
    void ClearBars() override {
        ++clears;
        bars.clear();
        calls.push_back("clear");
    }
    int AddBar(double value, const std::string& label, fees::BarColour colour) override {
        bars.push_back({value, label, colour});
        calls.push_back("add");
        return static_cast<int>(bars.size()) - 1;
    }
    int clears = 0;
    std::vector<Bar> bars;
    std::vector<std::string> calls;
};

}  // namespace

TEST(ComputeFees, OneBarPerTariffInListOrderAfterOneClear) {
    tariffs::TariffList list(tariffs::CalculatorDefaults);
    const char* names[][2] = {{"EUROTEL", "Ekonom"}, {"PAEGAS", "Twist"}, {"PAEGAS", "Bus\xECnes"}};
    double fee = 300;
    for (auto& n : names) {
        tariffs::Tarifs& t = list.append();
        t.provider = n[0];
        t.name = n[1];
        t.telephoneFee = fee;
        fee -= 100;  // costs fall while the order must not follow them
    }
    fees::UsageProfile usage;
    RecordingChart chart;
    chart.AddBar(1, "stale", fees::AutomaticColour);
    fees::ComputeFees(usage, list, chart);

    EXPECT_EQ(chart.calls, (std::vector<std::string>{"add", "clear", "add", "add", "add"}));
    ASSERT_EQ(chart.bars.size(), 3u);
    EXPECT_EQ(chart.bars[0].label, "EUROTEL-Ekonom");
    EXPECT_EQ(chart.bars[1].label, "PAEGAS-Twist");
    EXPECT_EQ(chart.bars[2].label, "PAEGAS-Bus\xECnes");
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(chart.bars[i].value, fees::MonthlyCost(list.seek(i), usage));
        EXPECT_EQ(chart.bars[i].colour, fees::AutomaticColour);
    }
}

TEST(ComputeFees, AnEmptyListOnlyClears) {
    const tariffs::TariffList list(tariffs::CalculatorDefaults);
    RecordingChart chart;
    fees::ComputeFees(fees::UsageProfile{}, list, chart);
    EXPECT_EQ(chart.calls, std::vector<std::string>{"clear"});
}
