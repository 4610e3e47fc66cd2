// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <algorithm>

#include "StrictWarnings.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "tariffs/TariffFile.h"

namespace hovorix::cli {

namespace {

ExitStatus checkFile(const std::string& path, bool strict, char decimalSeparator) {
    StrictWarnings inspector([&path](std::size_t lineNumber, const std::string& message) {
        print(stderr, path + ":" + std::to_string(lineNumber) + ": warning: " + message + "\n");
    });
    tariffs::ReaderEvents events;
    if (strict) {
        events.onLine = [&inspector](std::size_t lineNumber, std::string_view line, tariffs::LineRule rule,
                                     bool applied) { inspector.inspect(lineNumber, line, rule, applied); };
        events.onSkippedLine = [&inspector](std::size_t lineNumber, std::string_view line, tariffs::LineRule rule) {
            inspector.skipped(lineNumber, line, rule);
        };
        events.onOverriddenLine = [&inspector](std::size_t overridden, std::size_t lineNumber, tariffs::LineRule rule) {
            inspector.overridden(overridden, lineNumber, rule);
        };
        events.onSkippedColumn = [&inspector](std::size_t lineNumber, std::string_view line, tariffs::LineRule rule) {
            inspector.skippedColumn(lineNumber, line, rule);
        };
        events.onTextAfterEnd = [&inspector](std::size_t lineNumber, std::size_t linesOfText) {
            inspector.textAfterEnd(lineNumber, linesOfText);
        };
    }

    tariffs::TariffList list(tariffs::CalculatorDefaults);
    std::string version(tariffs::CalculatorStartVersion);
    const ExitStatus status = loadTariffFile(path, decimalSeparator, list, version, events);
    if (status != Success) return status;

    const std::size_t count = list.count();
    print(stdout, path + ": " + std::to_string(count) + (count == 1 ? " tariff" : " tariffs") + ", data version " +
                      visibleText(version).toStdString() + "\n");
    return inspector.warningCount() > 0 ? Failure : Success;
}

}  // namespace

ExitStatus runCheck(const CheckRequest& request) {
    ExitStatus worst = Success;
    for (const std::string& path : request.files) {
        worst = std::max(worst, checkFile(path, request.strict, request.decimalSeparator));
        // Keep the summary and the diagnostics of one file together.
        std::fflush(stdout);
        std::fflush(stderr);
    }
    return worst;
}

}  // namespace hovorix::cli
