// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <filesystem>
#include <string>

#include "calls/CallList.h"
#include "cli/TariffSource.h"

namespace hovorix::cli {

struct CallListRequest {
    std::string file;
    // --prefixes; empty: predvolby.txt in the folder the request names, else
    // the one installed with the programs, else the built-in table.
    std::string prefixes;
    calls::SummaryOptions options;
    // --sim: of a list with the calls of several SIMs, the number whose
    // calls to read; empty: a list of two or more numbers is refused.
    std::string sim;
};

struct LoadedCallList {
    calls::CallSummary summary;
    calls::CallTally tally;
    // The prefix file used, or "built-in".
    std::string prefixSource;
};

// Reads a call list as the calculator does, its prefix table looked for in
// prefixFolder (the tariff file's folder, or the current one). Reports a
// failure on standard error as "FILE:LINE: message" ("FILE: message" when it
// is the file's as a whole) and returns its exit status: 2 when a file
// cannot be opened or the list holds the calls of several SIMs and --sim
// does not name one of them, else 1.
ExitStatus loadCallList(const CallListRequest& request, const std::filesystem::path& prefixFolder,
                        LoadedCallList& loaded);

}  // namespace hovorix::cli
