// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <string>

#include "tariffs/TariffReader.h"

namespace hovorix::cli {

// Exit statuses shared by both commands.
enum ExitStatus : int {
    Success = 0,
    // A malformed number, an input/output error, or warnings under --strict.
    Failure = 1,
    // A file that cannot be opened, or arguments that make no sense.
    UsageOrOpenFailure = 2,
};

// Reads a tariff file the way the calculator does (its default texts for a
// new tariff), under the given decimal separator. Reports a failure on
// standard error as "FILE:LINE: message" and returns its exit status; what
// was read before a failing line stays in list and version.
ExitStatus loadTariffFile(const std::string& path, char decimalSeparator, tariffs::TariffList& list,
                          std::string& version, const tariffs::ReaderEvents& events = {});

}  // namespace hovorix::cli
