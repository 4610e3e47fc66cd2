#pragma once

#include <QLocale>

#include <string>
#include <vector>

#include "cli/TariffSource.h"
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
    UsageProfile usage;
    CostFormat format = CostFormat::Text;
    // Adds the parts the cost is summed from.
    bool breakdown = false;
    char decimalSeparator = ',';
};

// Prints every tariff's monthly cost, in file order, on standard output; the
// text format shows costs the way the chart marks them in the locale given.
ExitStatus runCosts(const CostsRequest& request, const QLocale& locale);

}  // namespace hovorix::cli
