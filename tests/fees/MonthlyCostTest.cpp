// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "fees/MonthlyCost.h"

using namespace hovorix;

namespace {

// The factor of the calculator's period list's item; any other item is monthly.
std::int64_t itemFactor(std::size_t item) {
    return item < fees::PeriodCount ? fees::periodFactor(fees::AllPeriods[item]) : fees::PerMonthFactor;
}

// Fees 500/100/200, 60 first free minutes, JTS 5, JTS-mimo 3, JTS-noc 2,
// PAEGAS 10 with 10 free minutes.
tariffs::Tarifs referenceTariff() {
    tariffs::Tarifs t;
    t.telephoneFee = 500;
    t.faxFee = 100;
    t.dataFee = 200;
    t.firstFreeMinutes = 60;
    t.zone(tariffs::Zone::JTS).rate = 5;
    t.zone(tariffs::Zone::JTSMimo).rate = 3;
    t.zone(tariffs::Zone::JTSNoc).rate = 2;
    t.zone(tariffs::Zone::PAEGAS) = {10, 10};
    return t;
}

fees::UsageProfile referenceUsage() {
    fees::UsageProfile u;
    u.count(tariffs::Zone::JTS) = 100;
    u.count(tariffs::Zone::JTSMimo) = 50;
    u.count(tariffs::Zone::JTSNoc) = 50;
    u.count(tariffs::Zone::PAEGAS) = 20;
    u.fax = true;
    return u;
}

fees::UsageProfile oneZone(tariffs::Zone z, std::int32_t count, std::int64_t factor) {
    fees::UsageProfile u;
    u.count(z) = count;
    u.periodFactor = factor;
    return u;
}

tariffs::Tarifs rateOnly(tariffs::Zone z, double rate, double freeMinutes) {
    tariffs::Tarifs t;
    t.zone(z) = {rate, freeMinutes};
    return t;
}

}  // namespace

TEST(MonthlyCost, WorkedExamples) {
    struct Case {
        const char* what;
        tariffs::Tarifs tariff;
        fees::UsageProfile usage;
        double cost;
    };
    tariffs::Tarifs flagged = referenceTariff();
    flagged.allMinutesFree = true;
    tariffs::Tarifs withMinimum = referenceTariff();
    withMinimum.minimumCharge = 1500;
    tariffs::Tarifs lowMinimum = referenceTariff();
    lowMinimum.minimumCharge = 1000;
    tariffs::Tarifs prepaid;
    prepaid.telephoneFee = 20;
    prepaid.dataFee = 30;
    prepaid.minimumCharge = 200;

    const Case cases[] = {
        {"shared over the fixed network", referenceTariff(), referenceUsage(), 1225},
        {"shared over all zones", flagged, referenceUsage(),
         600 + 850 - 60 * 100.0 / 220 * 5 - 60 * 50.0 / 220 * 3 - 60 * 50.0 / 220 * 2 - 60 * 20.0 / 220 * 10},
        {"minimum above the cost", withMinimum, referenceUsage(), 1500},
        {"minimum below the cost", lowMinimum, referenceUsage(), 1225},
        {"7 a week against 30 free", rateOnly(tariffs::Zone::JTS, 1, 30),
         oneZone(tariffs::Zone::JTS, 7, fees::PerWeekFactor), 0},
        {"70 a week against 30 free", rateOnly(tariffs::Zone::PAEGAS, 1, 30),
         oneZone(tariffs::Zone::PAEGAS, 70, fees::PerWeekFactor), 269.999},
        {"10 a day", rateOnly(tariffs::Zone::EUROTELMimo, 1, 0),
         oneZone(tariffs::Zone::EUROTELMimo, 10, fees::PerDayFactor), 300},
        {"no minutes: fees raised to the minimum", prepaid, fees::UsageProfile{}, 200},
        {"free minutes above the usage", rateOnly(tariffs::Zone::JTSNoc, 3, 500),
         oneZone(tariffs::Zone::JTSNoc, 100, fees::PerMonthFactor), 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(fees::MonthlyCost(c.tariff, c.usage), c.cost) << c.what;
    EXPECT_NEAR(fees::MonthlyCost(flagged, referenceUsage()), 1190.9090909090909, 1e-9);
}

TEST(MonthlyCost, ServicesCountOnlyWhileSwitchedOn) {
    struct Case {
        bool fax, data;
        double cost;
    };
    const Case cases[] = {{false, false, 500}, {true, false, 600}, {false, true, 700}, {true, true, 800}};
    for (const Case& c : cases) {
        fees::UsageProfile u;
        u.fax = c.fax;
        u.data = c.data;
        EXPECT_EQ(fees::MonthlyCost(referenceTariff(), u), c.cost) << c.fax << c.data;
    }
}

TEST(MonthlyCost, PeriodFactors) {
    struct Case {
        fees::Period period;
        std::int64_t factor;
    };
    const Case cases[] = {{fees::Period::Day, 300000}, {fees::Period::Week, 42857}, {fees::Period::Month, 10000}};
    for (const Case& c : cases) {
        EXPECT_EQ(fees::periodFactor(c.period), c.factor) << fees::periodName(c.period);
        EXPECT_EQ(fees::periodNamed(fees::periodName(c.period)), c.period);  // the name leads back to it
    }
}

// A name that is not quite one of the periods' is none.
TEST(MonthlyCost, PeriodNames) {
    for (const char* name : {"", "Den", "týden", "mesic ", "měsíc", "rok"}) {
        EXPECT_EQ(fees::periodNamed(name), std::nullopt) << name;
    }
}

TEST(MonthlyCost, NoFirstFreeMinutesGivesTheSameCostWithOrWithoutTheFlag) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> minutes(0, 3000);
    for (int round = 0; round < 200; ++round) {
        tariffs::Tarifs t = referenceTariff();
        t.firstFreeMinutes = 0;
        for (tariffs::ZoneRate& z : t.zones) z = {minutes(random) / 100.0, static_cast<double>(minutes(random) % 50)};
        fees::UsageProfile u;
        for (auto& m : u.minutes) m = minutes(random);
        tariffs::Tarifs flagged = t;
        flagged.allMinutesFree = true;
        EXPECT_NEAR(fees::MonthlyCost(t, u), fees::MonthlyCost(flagged, u), 0.005);
    }
}

TEST(MonthlyCost, ExtremeCountsStayFiniteAndNeverDivideByZero) {
    struct Case {
        const char* what;
        std::array<std::int32_t, tariffs::ZoneCount> minutes;
        bool flag;
    };
    const Case cases[] = {
        {"largest per day", {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, true},
        {"negative counts summing to zero", {5, -5, 0, 0, 0, 0, 0}, false},
        {"negative counts summing below zero", {5, -10, 0, 3, 0, 0, 0}, true},
        {"all negative", {-1, -1, -1, -1, -1, -1, -1}, true},
        {"smallest", {INT32_MIN, 0, 0, 0, 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        tariffs::Tarifs t = referenceTariff();
        t.allMinutesFree = c.flag;
        fees::UsageProfile u;
        u.minutes = c.minutes;
        u.periodFactor = fees::PerDayFactor;
        const double cost = fees::MonthlyCost(t, u);
        EXPECT_TRUE(std::isfinite(cost)) << c.what;
        EXPECT_GE(cost, 500) << c.what;  // zone charges never go negative
    }
    // 2^31 - 1 per day: formed in 64 bits, not wrapped in 32.
    tariffs::Tarifs t = rateOnly(tariffs::Zone::JTS, 1, 0);
    EXPECT_DOUBLE_EQ(fees::MonthlyCost(t, oneZone(tariffs::Zone::JTS, INT32_MAX, fees::PerDayFactor)),
                     INT32_MAX * 30.0);
}

TEST(MonthlyCost, ANotANumberCostFallsToTheMinimum) {
    tariffs::Tarifs t;
    t.telephoneFee = 1e308;
    t.faxFee = 1e308;                          // the fees overflow to infinity...
    t.zone(tariffs::Zone::JTS) = {-1e308, 0};  // ...and a negative rate to minus infinity
    t.minimumCharge = 42;
    fees::UsageProfile u;
    u.fax = true;
    u.count(tariffs::Zone::JTS) = 1000000;
    const fees::CostBreakdown b = fees::costBreakdown(t, u);
    EXPECT_EQ(b.total, 42);
    EXPECT_TRUE(b.minimumApplied);
}

namespace {

// The monthly cost as a price list words its rules, worked out zone by zone
// in long double, apart from the code under test: the minutes of a zone are
// the entered count times the period; the first free minutes are shared
// among the sharing zones (the fixed network's three, or all seven with the
// flag) in proportion to their counts, and none are shared when those
// counts sum to nothing; a zone never costs less than nothing; the fees of
// the services in use are added; the minimum charge is the least a month
// costs.
long double priceListCost(const tariffs::Tarifs& t, const fees::UsageProfile& u) {
    const auto sharing = [&](tariffs::Zone z) {
        return t.allMinutesFree || z == tariffs::Zone::JTS || z == tariffs::Zone::JTSMimo || z == tariffs::Zone::JTSNoc;
    };
    long double sharingCount = 0;
    for (const tariffs::Zone z : tariffs::AllZones) {
        if (sharing(z)) sharingCount += u.count(z);
    }
    long double cost = t.telephoneFee;
    if (u.fax) cost += t.faxFee;
    if (u.data) cost += t.dataFee;
    for (const tariffs::Zone z : tariffs::AllZones) {
        const long double minutes = static_cast<long double>(u.count(z)) * u.periodFactor / 10000;
        if (minutes <= 0) continue;
        const long double share = sharing(z) && sharingCount > 0 ? t.firstFreeMinutes * u.count(z) / sharingCount : 0;
        cost += std::max(0.0L, minutes - share - t.zone(z).freeMinutes) * t.zone(z).rate;
    }
    return std::max<long double>(cost, t.minimumCharge);
}

}  // namespace

TEST(CostBreakdown, PartsAddUpToThePriceListsTotal) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> amount(0, 1000);
    std::uniform_int_distribution<int> minutes(-20, 5000);
    for (int round = 0; round < 500; ++round) {
        tariffs::Tarifs t;
        t.telephoneFee = amount(random);
        t.faxFee = amount(random);
        t.dataFee = amount(random);
        t.firstFreeMinutes = round % 3 ? amount(random) : 0;
        t.minimumCharge = amount(random) * 2;
        t.allMinutesFree = round % 2;
        for (tariffs::ZoneRate& z : t.zones) z = {amount(random) / 100, amount(random) / 10};
        fees::UsageProfile u;
        for (auto& m : u.minutes) m = minutes(random);
        u.fax = random() % 2;
        u.data = random() % 2;
        u.periodFactor = itemFactor(random() % 4);

        const fees::CostBreakdown b = fees::costBreakdown(t, u);
        const long double expected = priceListCost(t, u);
        EXPECT_NEAR(b.total, static_cast<double>(expected), 1e-9 * std::max(1.0L, expected)) << round;
        const double parts = b.telephoneFee + b.faxFee + b.dataFee + b.fixedNetwork + b.paegas + b.eurotel;
        if (b.minimumApplied) {
            EXPECT_EQ(b.total, t.minimumCharge);
            EXPECT_LE(parts, t.minimumCharge + 1e-9);
        } else {
            EXPECT_NEAR(b.total, parts, 1e-9 * std::max(1.0, parts));
        }
        EXPECT_EQ(b.faxFee, u.fax ? t.faxFee : 0);
        EXPECT_EQ(b.dataFee, u.data ? t.dataFee : 0);
        EXPECT_GE(b.fixedNetwork, 0);
    }
}
