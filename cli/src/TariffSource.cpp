// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "cli/TariffSource.h"

#include "cli/ErrorReport.h"
#include "cli/Output.h"
#include "tariffs/Errors.h"
#include "tariffs/NumberText.h"
#include "tariffs/TariffFile.h"

namespace hovorix::cli {

namespace {

// A file written under other regional settings fails at its first number with
// a fraction; say so, since the message alone does not tell a publisher why.
void explainSeparator(const std::string& where, std::string_view text, char decimalSeparator) {
    if (!tariffs::readsWithOtherSeparator(text, decimalSeparator)) return;
    const char other = tariffs::otherDecimalSeparator(decimalSeparator);
    const std::string name = other == ',' ? "decimal comma" : "decimal point";
    print(stderr, where + ": note: the number reads with a " + name +
                      "; the file was probably written under other regional settings (try --decimal-separator " +
                      other + ")\n");
}

}  // namespace

ExitStatus loadTariffFile(const std::string& path, char decimalSeparator, tariffs::TariffList& list,
                          std::string& version, const tariffs::ReaderEvents& events) {
    try {
        tariffs::readTariffFile(path, list, version, tariffs::ReadFileOptions{decimalSeparator, false}, events);
        return Success;
    } catch (const tariffs::TariffError& error) {
        reportError(stderr, path, error.line(), error);
        if (const auto* malformed = dynamic_cast<const tariffs::ConversionError*>(&error)) {
            explainSeparator(path + ":" + std::to_string(error.line()), malformed->text(), decimalSeparator);
        }
        return dynamic_cast<const tariffs::OpenError*>(&error) ? UsageOrOpenFailure : Failure;
    }
}

}  // namespace hovorix::cli
