// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <cstring>

#include "BadInputs.h"
#include "CliProcess.h"
#include "cli/Output.h"

using badinput::Outcome;

namespace {

// The data version as check reports it.
std::string shownVersion(const Outcome& outcome) {
    return hovorix::cli::visibleText(outcome.version.value_or("neud\xE1no")).toStdString();
}

}  // namespace

// check on every bad file: the outcome of the catalogue, reported on one
// line a terminal can show, with the status that says what went wrong.
TEST(TarifCliBadInput, CheckReportsEachOnOneLine) {
    for (const badinput::Case& c : badinput::catalogue()) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const std::string path = folder.filePath(QString::fromStdString(c.name)).toStdString();
        badinput::materialise(c, path);
        const clitest::Result result = clitest::run({"check", QString::fromStdString(path)});
        const Outcome& expected = c.outcome;
        switch (expected.kind) {
        case Outcome::Kind::Reads: {
            const std::size_t n = expected.tariffs;
            EXPECT_EQ(result.exitCode, 0);
            EXPECT_EQ(result.out, path + ": " + std::to_string(n) + (n == 1 ? " tariff" : " tariffs") +
                                      ", data version " + shownVersion(expected) + "\n");
            EXPECT_EQ(result.err, "");
            break;
        }
        case Outcome::Kind::MalformedNumber:
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err,
                      path + ":" + std::to_string(expected.line) + ": " +
                          hovorix::cli::visibleText(QString::fromStdString(expected.message)).toStdString() + "\n");
            break;
        case Outcome::Kind::CannotOpen:
            EXPECT_EQ(result.exitCode, 2);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, path + ": cannot open the file: " + std::strerror(expected.code) + "\n");
            break;
        }

        // The strict check may warn about these files (about every line of
        // garbage a save in the editor would drop), but says each thing once,
        // briefly, whatever the length of the line it is about.
        const clitest::Result strict = clitest::run({"check", "--strict", QString::fromStdString(path)});
        EXPECT_EQ(strict.out, result.out);
        std::size_t warnings = 0;
        for (std::size_t start = 0, end; start < strict.err.size(); start = end + 1, ++warnings) {
            end = std::min(strict.err.find('\n', start), strict.err.size());
            EXPECT_LE(end - start, 600u) << strict.err.substr(start, 600);
        }
        EXPECT_LE(warnings, 20u) << strict.err.substr(0, 2000);
        EXPECT_EQ(strict.exitCode, expected.kind == Outcome::Kind::Reads && !strict.err.empty() ? 1 : result.exitCode);
    }
}
