// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "cli/ErrorReport.h"

#include "cli/Output.h"
#include "cli/TariffSource.h"
#include "desktop/ErrorMessage.h"

namespace hovorix::cli {

void reportError(std::FILE* stream, const std::string& file, std::size_t line, const std::exception& error) {
    const std::string where = file + (line > 0 ? ":" + std::to_string(line) : std::string());
    print(stream, where + ": " + visibleText(desktop::messageOf(error)).toStdString() + "\n");
}

int reportingEveryError(std::FILE* stream, const std::function<int()>& program) {
    try {
        return program();
    } catch (const std::exception& error) {
        print(stream, "tarif-cli: " + visibleText(desktop::messageOf(error)).toStdString() + "\n");
    } catch (...) {
        print(stream, "tarif-cli: an unknown error ended the program\n");
    }
    std::fflush(stream);
    return Failure;
}

}  // namespace hovorix::cli
