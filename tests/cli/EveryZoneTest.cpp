// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Every zone has its option in tarif-cli, named as the zone in lower case,
// and every zone is varied by "choose --vary" with all calls and with the
// calls into its network, and with no other word.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cctype>
#include <string>

#include "CliProcess.h"
#include "fees/ScaledUsage.h"
#include "tariffs/TariffWriter.h"

using namespace hovorix;

namespace {

// "--jts-mimo" for JTS-mimo.
QString optionOf(tariffs::Zone zone) {
    std::string flag = "--";
    for (const char c : tariffs::zoneName(zone)) flag += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return QString::fromStdString(flag);
}

// A tariff file of one tariff whose zones cost 1, 2, 3, ... a minute, in
// zone order.
QString zoneRatesFile(const QTemporaryDir& folder) {
    tariffs::TariffList list(tariffs::EditorDefaults);
    tariffs::Tarifs& tariff = list.append();
    for (const tariffs::Zone zone : tariffs::AllZones) tariff.zone(zone).rate = 1.0 + tariffs::indexOf(zone);
    return QString::fromStdString(
        clitest::write(folder, "tarif.ini", tariffs::writeTariffs(list, "1.0", ',', {"1.1.2026", "12:00:00"})));
}

}  // namespace

TEST(EveryZone, HasItsOptionInTarifCliAndIsVariedByChoose) {
    const QTemporaryDir folder;
    const QString file = zoneRatesFile(folder);
    for (const tariffs::Zone zone : tariffs::AllZones) {
        SCOPED_TRACE(tariffs::zoneName(zone));
        const clitest::Result costs = clitest::run({"costs", file, optionOf(zone), "10", "--format", "csv"});
        ASSERT_EQ(costs.exitCode, 0) << costs.err;
        EXPECT_TRUE(costs.out.ends_with("," + std::to_string(10 * (1 + tariffs::indexOf(zone))) + "\r\n")) << costs.out;

        std::vector<std::string> varying;
        for (const fees::VariedZones varied : fees::AllVariedZones) {
            const std::string word(fees::variedZonesName(varied));
            const clitest::Result result =
                clitest::run({"choose", file, optionOf(zone), "10", "--vary", QString::fromStdString(word)});
            ASSERT_EQ(result.exitCode, 0) << result.err;
            if (result.out.find("There are no minutes in") == std::string::npos) varying.push_back(word);
        }
        ASSERT_EQ(varying.size(), 2u);
        const std::optional<fees::VariedZones> network = fees::variedZonesNamed(varying.back());
        EXPECT_EQ(varying.front(), "all");
        EXPECT_EQ(network ? fees::variedNetwork(*network) : std::nullopt, tariffs::networkOf(zone));
    }
}
