#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

#include "fees/MonthlyCost.h"

using namespace hovorix;

namespace {

// Fees 500/100/200, 60 first free minutes, JTS 5, JTS-mimo 3, JTS-noc 2,
// PAEGAS 10 with 10 free minutes.
Tarifs referenceTariff() {
    Tarifs t;
    t.telephoneFee = 500;
    t.faxFee = 100;
    t.dataFee = 200;
    t.firstFreeMinutes = 60;
    t.zone(Zone::JTS).rate = 5;
    t.zone(Zone::JTSMimo).rate = 3;
    t.zone(Zone::JTSNoc).rate = 2;
    t.zone(Zone::PAEGAS) = {10, 10};
    return t;
}

UsageProfile referenceUsage() {
    UsageProfile u;
    u.count(Zone::JTS) = 100;
    u.count(Zone::JTSMimo) = 50;
    u.count(Zone::JTSNoc) = 50;
    u.count(Zone::PAEGAS) = 20;
    u.fax = true;
    return u;
}

UsageProfile oneZone(Zone z, std::int32_t count, std::int64_t factor) {
    UsageProfile u;
    u.count(z) = count;
    u.periodFactor = factor;
    return u;
}

Tarifs rateOnly(Zone z, double rate, double freeMinutes) {
    Tarifs t;
    t.zone(z) = {rate, freeMinutes};
    return t;
}

}  // namespace

TEST(MonthlyCost, WorkedExamples) {
    struct Case {
        const char* what;
        Tarifs tariff;
        UsageProfile usage;
        double cost;
    };
    Tarifs flagged = referenceTariff();
    flagged.allMinutesFree = true;
    Tarifs withMinimum = referenceTariff();
    withMinimum.minimumCharge = 1500;
    Tarifs lowMinimum = referenceTariff();
    lowMinimum.minimumCharge = 1000;
    Tarifs prepaid;
    prepaid.telephoneFee = 20;
    prepaid.dataFee = 30;
    prepaid.minimumCharge = 200;

    const Case cases[] = {
        {"shared over the fixed network", referenceTariff(), referenceUsage(), 1225},
        {"shared over all zones", flagged, referenceUsage(), 600 + 850 - 60 * 100.0 / 220 * 5 - 60 * 50.0 / 220 * 3 -
                                                                 60 * 50.0 / 220 * 2 - 60 * 20.0 / 220 * 10},
        {"minimum above the cost", withMinimum, referenceUsage(), 1500},
        {"minimum below the cost", lowMinimum, referenceUsage(), 1225},
        {"7 a week against 30 free", rateOnly(Zone::JTS, 1, 30), oneZone(Zone::JTS, 7, PerWeekFactor), 0},
        {"70 a week against 30 free", rateOnly(Zone::PAEGAS, 1, 30), oneZone(Zone::PAEGAS, 70, PerWeekFactor), 269.999},
        {"10 a day", rateOnly(Zone::EUROTELMimo, 1, 0), oneZone(Zone::EUROTELMimo, 10, PerDayFactor), 300},
        {"no minutes: fees raised to the minimum", prepaid, UsageProfile{}, 200},
        {"free minutes above the usage", rateOnly(Zone::JTSNoc, 3, 500), oneZone(Zone::JTSNoc, 100, PerMonthFactor), 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(MonthlyCost(c.tariff, c.usage), c.cost) << c.what;
    EXPECT_NEAR(MonthlyCost(flagged, referenceUsage()), 1190.9090909090909, 1e-9);
}

TEST(MonthlyCost, ServicesCountOnlyWhileSwitchedOn) {
    struct Case {
        bool fax, data;
        double cost;
    };
    const Case cases[] = {{false, false, 500}, {true, false, 600}, {false, true, 700}, {true, true, 800}};
    for (const Case& c : cases) {
        UsageProfile u;
        u.fax = c.fax;
        u.data = c.data;
        EXPECT_EQ(MonthlyCost(referenceTariff(), u), c.cost) << c.fax << c.data;
    }
}

TEST(MonthlyCost, PeriodFactors) {
    struct Case {
        int index;
        std::int64_t factor;
    };
    const Case cases[] = {{0, 300000}, {1, 42857}, {2, 10000}, {-1, 10000}, {3, 10000}};
    for (const Case& c : cases) EXPECT_EQ(periodFactorForIndex(c.index), c.factor) << c.index;
}

TEST(MonthlyCost, NoFirstFreeMinutesGivesTheSameCostWithOrWithoutTheFlag) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> minutes(0, 3000);
    for (int round = 0; round < 200; ++round) {
        Tarifs t = referenceTariff();
        t.firstFreeMinutes = 0;
        for (ZoneRate& z : t.zones) z = {minutes(random) / 100.0, static_cast<double>(minutes(random) % 50)};
        UsageProfile u;
        for (auto& m : u.minutes) m = minutes(random);
        Tarifs flagged = t;
        flagged.allMinutesFree = true;
        EXPECT_NEAR(MonthlyCost(t, u), MonthlyCost(flagged, u), 0.005);
    }
}

TEST(MonthlyCost, ExtremeCountsStayFiniteAndNeverDivideByZero) {
    struct Case {
        const char* what;
        std::array<std::int32_t, ZoneCount> minutes;
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
        Tarifs t = referenceTariff();
        t.allMinutesFree = c.flag;
        UsageProfile u;
        u.minutes = c.minutes;
        u.periodFactor = PerDayFactor;
        const double cost = MonthlyCost(t, u);
        EXPECT_TRUE(std::isfinite(cost)) << c.what;
        EXPECT_GE(cost, 500) << c.what;  // zone charges never go negative
    }
    // 2^31 - 1 per day: formed in 64 bits, not wrapped in 32.
    Tarifs t = rateOnly(Zone::JTS, 1, 0);
    EXPECT_DOUBLE_EQ(MonthlyCost(t, oneZone(Zone::JTS, INT32_MAX, PerDayFactor)), INT32_MAX * 30.0);
}

TEST(MonthlyCost, ANotANumberCostFallsToTheMinimum) {
    Tarifs t;
    t.telephoneFee = 1e308;
    t.faxFee = 1e308;                  // the fees overflow to infinity...
    t.zone(Zone::JTS) = {-1e308, 0};   // ...and a negative rate to minus infinity
    t.minimumCharge = 42;
    UsageProfile u;
    u.fax = true;
    u.count(Zone::JTS) = 1000000;
    const CostBreakdown b = costBreakdown(t, u);
    EXPECT_EQ(b.total, 42);
    EXPECT_TRUE(b.minimumApplied);
}

TEST(CostBreakdown, PartsAddUpAndTheTotalIsBitIdentical) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> amount(0, 1000);
    std::uniform_int_distribution<int> minutes(-20, 5000);
    for (int round = 0; round < 500; ++round) {
        Tarifs t;
        t.telephoneFee = amount(random);
        t.faxFee = amount(random);
        t.dataFee = amount(random);
        t.firstFreeMinutes = round % 3 ? amount(random) : 0;
        t.minimumCharge = amount(random) * 2;
        t.allMinutesFree = round % 2;
        for (ZoneRate& z : t.zones) z = {amount(random) / 100, amount(random) / 10};
        UsageProfile u;
        for (auto& m : u.minutes) m = minutes(random);
        u.fax = random() % 2;
        u.data = random() % 2;
        u.periodFactor = periodFactorForIndex(static_cast<int>(random() % 4));

        const CostBreakdown b = costBreakdown(t, u);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(b.total), std::bit_cast<std::uint64_t>(MonthlyCost(t, u)));
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
