// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <string_view>

#include "BadInputs.h"
#include "TestFiles.h"
#include "tariffs/Errors.h"
#include "tariffs/TariffFile.h"

using namespace hovorix;
using badinput::Outcome;

// Every bad file, read as both programs read it: the outcome of the
// catalogue, what was read before a failure kept, and nothing kept that a
// line of the file could not hold.
TEST(BadInput, TheReaderReportsEachAsTheCatalogueSays) {
    for (const badinput::Case& c : badinput::catalogue()) {
        for (const auto& [program, defaults] :
             {std::pair{"calculator", &tariffs::CalculatorDefaults}, {"editor", &tariffs::EditorDefaults}}) {
            SCOPED_TRACE(c.name + " as the " + program + " reads it");
            TemporaryFolder folder;
            const auto path = folder / c.name;
            badinput::materialise(c, path);
            tariffs::TariffList list(*defaults);
            const std::string before = "before";
            std::string version = before;
            const Outcome& expected = c.outcome;
            try {
                tariffs::readTariffFile(path, list, version, {.decimalSeparator = ',', .createIfMissing = true});
                EXPECT_EQ(expected.kind, Outcome::Kind::Reads);
            } catch (const tariffs::ConversionError& error) {
                EXPECT_EQ(expected.kind, Outcome::Kind::MalformedNumber);
                EXPECT_EQ(error.line(), expected.line);
                EXPECT_EQ(error.what(), expected.message);
                EXPECT_LE(std::string_view(error.what()).size(), 300u);
            } catch (const tariffs::OpenError& error) {
                EXPECT_EQ(expected.kind, Outcome::Kind::CannotOpen);
                EXPECT_EQ(error.code(), expected.code);
            }
            EXPECT_EQ(list.count(), expected.tariffs);
            EXPECT_EQ(version, expected.version.value_or(before));
            list.walk([](const tariffs::Tarifs& t) {
                EXPECT_LE(t.provider.size(), tariffs::MaxTextLength);
                EXPECT_LE(t.name.size(), tariffs::MaxTextLength);
            });
            // Reading never changes the file, whatever it holds.
            if (c.source != badinput::Case::Source::Folder) {
                EXPECT_EQ(readBytes(path), badinput::bytesOf(c));
            }
        }
    }
}
