// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "cli/CallListSource.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "cli/ErrorReport.h"
#include "cli/Output.h"

namespace hovorix::cli {

namespace {

// "  602 111 222  15 calls", a line each, most calls first.
std::string subscriberLines(const std::vector<calls::Subscriber>& subscribers) {
    qsizetype width = 0;
    for (const calls::Subscriber& s : subscribers)
        width = std::max(width, visibleText(QString::fromStdString(s.number)).size());
    std::string lines;
    for (const calls::Subscriber& s : subscribers) {
        const QString number = visibleText(QString::fromStdString(s.number));
        lines += "  " + number.leftJustified(width).toStdString() + "  " + std::to_string(s.calls) +
                 (s.calls == 1 ? " call\n" : " calls\n");
    }
    return lines;
}

}  // namespace

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
        loaded.tally = calls::readCallList(request.file, prefixes, {}, {request.sim});
    } catch (const calls::UnknownSubscriber& unknown) {
        const std::string sim = visibleText(QString::fromStdString(request.sim)).toStdString();
        print(stderr,
              unknown.subscribers().empty()
                  ? request.file + ": the list has no column of the subscriber's own number to choose " + sim + " by\n"
                  : request.file + ": the list holds no subscriber number " + sim + "; its numbers are:\n" +
                        subscriberLines(unknown.subscribers()));
        return UsageOrOpenFailure;
    } catch (const calls::CallListError& error) {
        reportError(stderr, request.file, error.line(), error);
        // The row refused, as a compiler shows the line of its error.
        if (!error.row().empty())
            print(stderr, "    " + visibleText(QString::fromStdString(error.row())).toStdString() + "\n");
        return error.problem() == calls::Problem::OpenFailed ? UsageOrOpenFailure : Failure;
    }
    // Calls of two SIMs summed would be nobody's usage.
    if (request.sim.empty() && loaded.tally.subscribers.size() >= 2) {
        print(stderr,
              request.file + ": the list holds the calls of " + std::to_string(loaded.tally.subscribers.size()) +
                  " subscriber numbers; choose one with --sim NUMBER:\n" + subscriberLines(loaded.tally.subscribers));
        return UsageOrOpenFailure;
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
