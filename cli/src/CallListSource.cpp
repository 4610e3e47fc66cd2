// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "cli/CallListSource.h"

#include <optional>

#include "cli/ErrorReport.h"
#include "cli/Output.h"

namespace hovorix::cli {

ExitStatus loadCallList(const CallListRequest& request, const std::filesystem::path& prefixFolder,
                        LoadedCallList& loaded) {
    const std::optional<std::filesystem::path> chosen =
        request.prefixes.empty() ? std::nullopt : std::optional<std::filesystem::path>(request.prefixes);
    const std::optional<std::filesystem::path> prefixFile = calls::findPrefixFile(prefixFolder, chosen);
    calls::PrefixTable prefixes;
    try {
        prefixes = prefixFile ? calls::loadPrefixTable(*prefixFile) : calls::defaultPrefixTable();
    } catch (const calls::PrefixFileError& error) {
        reportError(stderr, prefixFile->string(), error.line(), error);
        return error.line() == 0 ? UsageOrOpenFailure : Failure;
    }
    loaded.prefixSource = prefixFile ? prefixFile->string() : "built-in";

    try {
        loaded.tally = calls::readCallList(request.file, prefixes);
    } catch (const calls::CallListError& error) {
        reportError(stderr, request.file, error.line(), error);
        return error.problem() == calls::Problem::OpenFailed ? UsageOrOpenFailure : Failure;
    }
    loaded.summary = calls::summarise(loaded.tally, request.options);
    if (loaded.summary.shortPeriod()) {
        print(stderr, request.file + ": warning: the minutes are spread over " + std::to_string(loaded.summary.days) +
                          (loaded.summary.days == 1 ? " day" : " days") +
                          ", less than a week; the monthly minutes may not match a usual month\n");
    }
    return Success;
}

}  // namespace hovorix::cli
