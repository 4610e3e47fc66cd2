// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "tariffs/NumberText.h"
#include "tariffs/TariffReader.h"
#include "tariffs/TariffWriter.h"

using namespace hovorix;

namespace {

// Any byte the file can carry inside a line: everything but CR and Ctrl+Z.
std::string randomText(std::mt19937_64& random) {
    std::uniform_int_distribution<int> length(0, 255);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text(static_cast<std::size_t>(length(random)), ' ');
    for (char& c : text) {
        int b;
        do b = byte(random);
        while (b == '\r' || b == 0x1a);
        c = static_cast<char>(b);
    }
    return text;
}

// Doubles from every corner of the range: plain amounts, subnormals, huge
// values, and raw bit patterns.
double randomNumber(std::mt19937_64& random) {
    switch (std::uniform_int_distribution<int>(0, 5)(random)) {
    case 0: return 0;
    case 1: return std::uniform_int_distribution<int>(0, 100000)(random) / 100.0;
    case 2: return std::uniform_real_distribution<double>(-1e6, 1e6)(random);
    case 3: return std::ldexp(1.0, std::uniform_int_distribution<int>(-1074, -1023)(random)) * 3;  // subnormal
    case 4: return std::uniform_real_distribution<double>(1e300, 1.7e308)(random);
    default: {
        double value;
        do value = std::bit_cast<double>(random());
        while (!std::isfinite(value));
        return value;
    }
    }
}

tariffs::TariffList randomList(std::mt19937_64& random) {
    tariffs::TariffList list(tariffs::EditorDefaults);
    const int count = std::uniform_int_distribution<int>(0, 8)(random);
    for (int i = 0; i < count; ++i) {
        tariffs::Tarifs& t = list.append();
        t.provider = randomText(random);
        t.name = randomText(random);
        for (double* field : {&t.telephoneFee, &t.faxFee, &t.dataFee, &t.firstFreeMinutes, &t.minimumCharge}) {
            *field = randomNumber(random);
        }
        for (tariffs::ZoneRate& zone : t.zones) zone = {randomNumber(random), randomNumber(random)};
        t.allMinutesFree = random() % 2 == 0;
    }
    return list;
}

// What the file can keep of a number: its 15 significant digits.
double kept(double value, char separator) {
    return tariffs::parseNumber(tariffs::formatNumber(value, separator), separator);
}

tariffs::TariffList keptOf(const tariffs::TariffList& list, char separator) {
    tariffs::TariffList result = list;
    for (std::size_t i = 0; i < result.count(); ++i) {
        tariffs::Tarifs& t = result.seek(i);
        for (double* field : {&t.telephoneFee, &t.faxFee, &t.dataFee, &t.firstFreeMinutes, &t.minimumCharge}) {
            *field = kept(*field, separator);
        }
        for (tariffs::ZoneRate& zone : t.zones) zone = {kept(zone.rate, separator), kept(zone.freeMinutes, separator)};
    }
    return result;
}

}  // namespace

TEST(RoundTrip, RandomListsReadBackEqual) {
    std::mt19937_64 random(20261208);
    for (int round = 0; round < 300; ++round) {
        const char separator = round % 2 ? ',' : '.';
        const tariffs::TariffList list = randomList(random);
        const std::string version = randomText(random);
        const std::string bytes = tariffs::writeTariffs(list, version, separator, {"1.1.26", "0:00:00"});

        tariffs::TariffList back(tariffs::EditorDefaults);
        std::string versionBack = "1.0";
        tariffs::readTariffs(bytes, back, versionBack, separator);
        ASSERT_EQ(back, keptOf(list, separator)) << "round " << round;
        ASSERT_EQ(versionBack, version);

        // A second generation is byte for byte the first, the date line aside.
        const std::string again = tariffs::writeTariffs(back, versionBack, separator, {"12.12.27", "23:59:59"});
        ASSERT_TRUE(again.substr(again.find("\r\n")) == bytes.substr(bytes.find("\r\n"))) << "round " << round;
    }
}
