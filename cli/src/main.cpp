// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// tarif-cli: checks tariff files, prints what each tariff costs a month and
// which one to take, for the people who publish tariff files and for
// scripted comparisons.

#include <iostream>

#include "cli/CommandTable.h"
#include "cli/ErrorReport.h"

int main(int argc, char** argv) {
    using namespace hovorix::cli;
    return reportingEveryError(
        stderr, [argc, argv] { return runCommandLine(tarifCliCommands(), argc, argv, std::cout, std::cerr); });
}
