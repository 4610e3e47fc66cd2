// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "fees/UsageProfile.h"
#include "tariffs/TariffList.h"

namespace hovorix::fees {

// A bar colour as 0xRRGGBB; an empty colour lets the chart pick one from its
// colour cycle.
using BarColour = std::optional<std::uint32_t>;
inline constexpr BarColour AutomaticColour = std::nullopt;

// Where the results go: the fee chart.
class BarSink {
public:
    virtual ~BarSink() = default;
    virtual void ClearBars() = 0;
    // label is the tariff label in Windows-1250; returns the new bar's index.
    virtual int AddBar(double value, const std::string& label, BarColour colour) = 0;
};

// One fee run: clears the chart, then one bar per tariff in list order with
// its monthly cost, its label and the automatic colour.
void ComputeFees(const UsageProfile& usage, const tariffs::TariffList& list, BarSink& chart);

}  // namespace hovorix::fees
