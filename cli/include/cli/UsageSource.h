// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <optional>
#include <string>

#include "cli/CallListSource.h"
#include "cli/TariffSource.h"
#include "fees/UsageProfile.h"
#include "tariffs/TariffList.h"

namespace hovorix::cli {

// The usage a command prices: minutes entered per zone, or a call list's.
struct UsageInput {
    // The minutes entered, their period and the fax and data switches.
    fees::UsageProfile usage;
    // The minutes from a call list, monthly, in place of those in usage (its
    // fax and data switches still count).
    std::optional<CallListRequest> calls;
};

// A tariff file and the usage to price on it, read.
struct Pricing {
    tariffs::TariffList list{tariffs::CalculatorDefaults};
    fees::UsageProfile usage;
    // The call list, when the minutes came from one.
    std::optional<LoadedCallList> calls;
};

// Reads the tariff file and, when the input names one, the call list, whose
// prefix table is looked for beside the tariff file as the calculator does.
// Reports a failure on standard error as the two loaders do ("FILE:LINE:
// message") and returns its exit status; monthly minutes beyond what a
// minute field holds fail with status 1.
ExitStatus loadPricing(const std::string& file, char decimalSeparator, const UsageInput& input, Pricing& loaded);

}  // namespace hovorix::cli
