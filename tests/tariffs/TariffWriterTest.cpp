// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "tariffs/TariffWriter.h"

using namespace hovorix;

namespace {
const tariffs::WriteStamp Stamp{"08.12.26", "9:05:07"};
}

TEST(TariffWriter, WritesTheGoldenBytes) {
    tariffs::TariffList list(tariffs::EditorDefaults);
    tariffs::Tarifs& paegas = list.append();
    paegas.provider = "PAEGAS";
    paegas.name = "Ekonom";
    paegas.telephoneFee = 12.5;
    paegas.faxFee = 100;
    paegas.firstFreeMinutes = 60;
    paegas.zone(tariffs::Zone::JTS).rate = 5;
    paegas.zone(tariffs::Zone::JTSMimo).rate = 3;
    paegas.zone(tariffs::Zone::JTSNoc).rate = 2;
    paegas.zone(tariffs::Zone::EUROTEL) = {0.0001, 0.00001};
    paegas.zone(tariffs::Zone::EUROTELMimo).rate = 123456789012345678.0;
    paegas.zone(tariffs::Zone::PAEGAS) = {10, 10};
    paegas.zone(tariffs::Zone::PAEGASMimo).rate = -2.5;
    tariffs::Tarifs& eurotel = list.append();
    eurotel.provider = "EUROTEL";
    eurotel.name =
        "\x8A\x9D"
        "astn\xFD K\xF9\xF2";  // Šťastný Kůň
    eurotel.minimumCharge = 150;
    eurotel.allMinutesFree = true;

    EXPECT_EQ(tariffs::writeTariffs(list, "2.3", ',', Stamp), readBytes(HOVORIX_TEST_DATA "/golden-two-tariffs.ini"));
}

TEST(TariffWriter, AnEmptyListWritesOnlyTheFrame) {
    const tariffs::TariffList list(tariffs::EditorDefaults);
    EXPECT_EQ(tariffs::writeTariffs(list, "1.0", ',', Stamp), readBytes(HOVORIX_TEST_DATA "/golden-empty.ini"));
}
