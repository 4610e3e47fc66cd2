// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cmath>
#include <random>
#include <string>

#include "tariffs/Tarifs.h"

// A tariff of random fees, rates and free minutes to the heller, for tests
// that check the costs against brute force: some rates free, some zones'
// free minutes negative, a minimum charge now and then. The n-th of a list
// is named T<n>, of Eurotel and Paegas in turn.
inline hovorix::tariffs::Tarifs randomTariff(std::mt19937_64& random, int n) {
    std::uniform_real_distribution<double> unit(0, 1);
    auto some = [&](double top) { return std::round(unit(random) * top * 100) / 100; };
    hovorix::tariffs::Tarifs t;
    t.provider = n % 2 ? "EUROTEL" : "PAEGAS";
    t.name = "T" + std::to_string(n);
    t.telephoneFee = some(800);
    t.faxFee = some(100);
    t.dataFee = some(100);
    t.firstFreeMinutes = random() % 3 == 0 ? 0 : some(300);
    t.allMinutesFree = random() % 2;
    t.minimumCharge = random() % 3 == 0 ? 100 + some(800) : 0;
    for (hovorix::tariffs::ZoneRate& z : t.zones) {
        z.rate = random() % 5 == 0 ? 0 : some(6);
        switch (random() % 4) {
        case 0: z.freeMinutes = 0; break;
        case 1: z.freeMinutes = -some(100); break;
        default: z.freeMinutes = some(300);
        }
    }
    return t;
}
