// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstddef>
#include <random>
#include <string>

#include "tariffs/TariffList.h"

namespace hovorix::bench {

// A large, plausible price list: both operators, Czech names, prices with
// decimals, some first free minutes, some all-minutes-free tariffs and some
// minimum charges. The same count always gives the same list.
inline tariffs::TariffList sampleTariffs(std::size_t count) {
    static const char* const Names[] = {"Start",
                                        "Optimum",
                                        "Profi",
                                        "Mana\x9E"
                                        "er",
                                        "V\xEDkend\xE1\xF8",
                                        "Z\xE1klad",
                                        "Ekonom",
                                        "Kredit",
                                        "Ve\xE8"
                                        "ern\xED",
                                        "Firma"};
    std::mt19937 random(1999);
    std::uniform_int_distribution<int> crowns(0, 1500);
    std::uniform_int_distribution<int> halers(0, 1599);
    tariffs::TariffList list(tariffs::EditorDefaults);
    for (std::size_t i = 0; i < count; ++i) {
        tariffs::Tarifs& t = list.append();
        t.provider = i % 2 ? "EUROTEL" : "PAEGAS";
        t.name = std::string(Names[i % 10]) + " " + std::to_string(i);
        t.telephoneFee = crowns(random);
        t.dataFee = crowns(random) / 10;
        t.faxFee = crowns(random) / 10;
        t.firstFreeMinutes = i % 3 ? 0 : crowns(random) / 5;
        t.minimumCharge = i % 7 ? 0 : 200;
        t.allMinutesFree = i % 5 == 0;
        for (tariffs::ZoneRate& zone : t.zones) zone = {halers(random) / 100.0, i % 4 ? 0.0 : crowns(random) / 10};
    }
    return list;
}

}  // namespace hovorix::bench
