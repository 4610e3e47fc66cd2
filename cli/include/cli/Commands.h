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
#include "fees/ScaledUsage.h"
#include "fees/TariffChoice.h"
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

struct ChooseRequest {
    std::string file;
    UsageInput input;
    // The calls that grow or shrink, and by how much: from times to times
    // the usage, 0 <= from < to <= 100.
    fees::VariedZones varied = fees::VariedZones::All;
    double from = fees::DefaultScaleFrom;
    double to = fees::DefaultScaleTo;
    // Adds the cheapest tariff of each calendar month of the call list, and
    // of the whole period; needs a call list.
    bool byMonth = false;
    // The tariff the user has now, as given: all digits, its place in the
    // file from 0; else its label "PROVIDER-NAME". None: no comparison.
    std::optional<std::string> current;
    // What switching costs once, Kč, 0 or more.
    double switchCost = 0;
    CostFormat format = CostFormat::Text;
    char decimalSeparator = ',';
};

// Prints which tariff is the cheapest over the range of scales, and how sure
// that is at the usage entered; with byMonth, also month by month. A file
// without tariffs is a failure: there is nothing to choose from.
ExitStatus runChoose(const ChooseRequest& request, const QLocale& locale);

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
