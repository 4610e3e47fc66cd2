// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "cli/UsageSource.h"

#include <filesystem>

#include "cli/ErrorReport.h"

namespace hovorix::cli {

ExitStatus loadPricing(const std::string& file, char decimalSeparator, const UsageInput& input, Pricing& loaded) {
    std::string version;
    const ExitStatus status = loadTariffFile(file, decimalSeparator, loaded.list, version);
    if (status != Success) return status;

    loaded.usage = input.usage;
    if (!input.calls) return Success;
    // A predvolby.txt beside the tariff file is the user's own, as for the calculator.
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    LoadedCallList calls;
    const ExitStatus callsStatus = loadCallList(*input.calls, folder.empty() ? "." : folder, calls);
    if (callsStatus != Success) return callsStatus;
    try {
        const fees::UsageProfile fromCalls = calls::usageFrom(calls.summary);
        loaded.usage.minutes = fromCalls.minutes;
        loaded.usage.periodFactor = fromCalls.periodFactor;
    } catch (const calls::MinutesOutOfRange& tooMany) {
        reportError(stderr, input.calls->file, 0, tooMany);
        return Failure;
    }
    loaded.calls = std::move(calls);
    return Success;
}

}  // namespace hovorix::cli
