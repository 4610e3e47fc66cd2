// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QLocale>

#include <optional>
#include <string>
#include <vector>

#include "cli/CallListSource.h"
#include "cli/TariffSource.h"
#include "cli/UsageSource.h"
#include "fees/UsageProfile.h"

namespace hovorix::cli {

struct CheckRequest {
    std::vector<std::string> files;
    // Also report, as warnings that fail the check, what the reader ignores.
    bool strict = false;
    char decimalSeparator = ',';
};

// Checks each file in turn and returns the worst status met.
ExitStatus runCheck(const CheckRequest& request);

enum class CostFormat { Text, Csv, Json };

struct CostsRequest {
    std::string file;
    UsageInput input;
    CostFormat format = CostFormat::Text;
    // Adds the parts the cost is summed from.
    bool breakdown = false;
    char decimalSeparator = ',';
};

// Prints every tariff's monthly cost, in file order, on standard output; the
// text format shows costs the way the chart marks them in the locale given.
ExitStatus runCosts(const CostsRequest& request, const QLocale& locale);

struct UsageRequest {
    CallListRequest calls;
    CostFormat format = CostFormat::Text;
    // Adds each calendar month's days and zones.
    bool byMonth = false;
};

// Prints what a call list gives: the calls, their duration and the monthly
// minutes of each zone, the calls not counted by reason, the rows skipped as
// not calls, and the days; with byMonth, the same zones month by month.
ExitStatus runUsage(const UsageRequest& request);

}  // namespace hovorix::cli
