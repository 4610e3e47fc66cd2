// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "tariffs/Tarifs.h"

namespace hovorix::fees {

// Period factors in ten-thousandths: how many entered periods make a month.
// A month counts as 30 days, or as 4.2857 weeks (not 30/7), to match the
// published price lists.
inline constexpr std::int64_t PerDayFactor = 300000;
inline constexpr std::int64_t PerWeekFactor = 42857;
inline constexpr std::int64_t PerMonthFactor = 10000;

// What the entered minutes are counted per, in the order of the period list.
enum class Period { Day, Week, Month };
inline constexpr auto AllPeriods = tariffs::enumerators({Period::Day, Period::Week, Period::Month});
constexpr const auto& enumeratorsOf(Period) { return AllPeriods; }
inline constexpr std::size_t PeriodCount = AllPeriods.size();

// "den", "tyden", "mesic"
std::string_view periodName(Period period);
std::optional<Period> periodNamed(std::string_view name);

// How many of the period make a month, as one of the factors above.
std::int64_t periodFactor(Period period);

// What the user entered: minutes per zone for the period, the two services
// and the period.
struct UsageProfile {
    std::array<std::int32_t, tariffs::ZoneCount> minutes{};  // indexed by Zone
    bool fax = false;
    bool data = false;
    std::int64_t periodFactor = PerMonthFactor;

    std::int32_t& count(tariffs::Zone z) { return minutes[static_cast<std::size_t>(z)]; }
    std::int32_t count(tariffs::Zone z) const { return minutes[static_cast<std::size_t>(z)]; }
};

// The same usage with counts that need not be whole: a profile scaled up or
// down to ask how the costs move. Nothing is clamped or rounded.
struct RealUsageProfile {
    std::array<double, tariffs::ZoneCount> minutes{};  // indexed by Zone
    bool fax = false;
    bool data = false;
    std::int64_t periodFactor = PerMonthFactor;

    double& count(tariffs::Zone z) { return minutes[static_cast<std::size_t>(z)]; }
    double count(tariffs::Zone z) const { return minutes[static_cast<std::size_t>(z)]; }
};

// The entered counts as real numbers, switches and period unchanged.
RealUsageProfile realUsage(const UsageProfile& usage);

}  // namespace hovorix::fees
