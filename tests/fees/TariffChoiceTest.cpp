// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "RandomTariff.h"
#include "fees/MonthlyCost.h"
#include "fees/ScaledUsage.h"
#include "fees/TariffChoice.h"

using namespace hovorix;
using fees::VariedZones;
using tariffs::Zone;

namespace {

// The factor of the calculator's period list's item; any other item is monthly.
std::int64_t itemFactor(std::size_t item) {
    return item < fees::PeriodCount ? fees::periodFactor(fees::AllPeriods[item]) : fees::PerMonthFactor;
}

constexpr VariedZones EveryVariedZones[] = {VariedZones::All, VariedZones::FixedNetwork, VariedZones::Paegas,
                                            VariedZones::Eurotel};

// The cheapest by plain comparison at one scale: the first tariff in file
// order within a billionth of the lowest cost.
std::size_t bruteCheapest(const std::vector<double>& costs) {
    const double lowest = *std::min_element(costs.begin(), costs.end());
    for (std::size_t i = 0; i < costs.size(); ++i)
        if (costs[i] - lowest < 1e-9 * std::max(1.0, std::fabs(lowest))) return i;
    return 0;
}

std::vector<double> costsAt(const tariffs::TariffList& list, const fees::UsageProfile& usage, VariedZones varied,
                            double s) {
    std::vector<double> costs;
    for (const tariffs::Tarifs& t : list.tariffs()) costs.push_back(fees::costAtScale(t, usage, varied, s));
    return costs;
}

bool withinTieOfLowest(const std::vector<double>& costs, std::size_t named) {
    const double lowest = *std::min_element(costs.begin(), costs.end());
    return costs[named] - lowest < 1e-9 * std::max(1.0, std::fabs(lowest));
}

const fees::CheapestInterval& intervalAt(const fees::ScaleChoice& choice, double s) {
    for (const fees::CheapestInterval& i : choice.intervals)
        if (s <= i.to) return i;
    return choice.intervals.back();
}

// The intervals run without gaps from the range's start to its end, and
// neighbours name different tariffs; only a first one at exactly 0 has no
// width.
void expectWellFormed(const fees::ScaleChoice& choice, std::size_t tariffCount, const std::string& what) {
    ASSERT_FALSE(choice.intervals.empty()) << what;
    EXPECT_EQ(choice.intervals.front().from, choice.from) << what;
    EXPECT_EQ(choice.intervals.back().to, choice.to) << what;
    for (std::size_t k = 0; k < choice.intervals.size(); ++k) {
        const fees::CheapestInterval& i = choice.intervals[k];
        if (k == 0 && choice.from == 0 && i.to == 0) {
            EXPECT_GT(choice.intervals.size(), 1u) << what;
        } else {
            EXPECT_LT(i.from, i.to) << what;
        }
        EXPECT_LT(i.tariff, tariffCount) << what;
        if (k > 0) {
            EXPECT_EQ(i.from, choice.intervals[k - 1].to) << what;
            EXPECT_NE(i.tariff, choice.intervals[k - 1].tariff) << what;
        }
    }
}

}  // namespace

// Against plain comparison: whatever the tariffs, the named tariff is the
// cheapest wherever one looks, and each boundary is where two costs cross.
TEST(ChooseByScale, AgreesWithPlainComparisonOnRandomFiles) {
    std::mt19937_64 random(20030);
    std::uniform_real_distribution<double> unit(0, 1);
    int curvedBoundaries = 0;
    int pointsAtZero = 0;
    for (int file = 0; file < 24; ++file) {
        tariffs::TariffList list(tariffs::CalculatorDefaults);
        const int count = 2 + static_cast<int>(random() % 11);
        for (int n = 0; n < count; ++n) list.append() = randomTariff(random, n);
        fees::UsageProfile usage;
        for (auto& m : usage.minutes) m = random() % 4 == 0 ? 0 : static_cast<std::int32_t>(random() % 400);
        usage.periodFactor = itemFactor(random() % 3);
        usage.fax = random() % 2;
        usage.data = random() % 2;
        if (file % 2) {
            // Fees set so that every tariff costs about the same at the entered
            // usage: the cheapest then changes many times across the range.
            std::vector<double> atOne = costsAt(list, usage, VariedZones::All, 1);
            std::nth_element(atOne.begin(), atOne.begin() + count / 2, atOne.end());
            const double target = atOne[static_cast<std::size_t>(count / 2)];
            for (std::size_t i = 0; i < list.count(); ++i) {
                tariffs::Tarifs& t = list.seek(i);
                const double shift = target * (0.95 + 0.1 * unit(random)) - fees::MonthlyCost(t, usage);
                t.telephoneFee = std::max(0.0, t.telephoneFee + shift);
            }
        }
        const double from = file % 4 == 0 ? 0.0 : std::round(unit(random) * 150) / 100;
        const double to = std::min(100.0, from + 0.1 + unit(random) * (file % 5 == 0 ? 40 : 4));

        for (VariedZones varied : EveryVariedZones) {
            const std::string what = "file " + std::to_string(file) + ", " +
                                     std::string(fees::variedZonesName(varied)) + ", [" + std::to_string(from) + ", " +
                                     std::to_string(to) + "]";
            const fees::ScaleChoice choice = fees::chooseByScale(list, usage, varied, from, to);
            expectWellFormed(choice, list.count(), what);
            if (HasFailure()) return;
            const double range = to - from;

            std::uniform_real_distribution<double> scale(from, to);
            for (int point = 0; point < 10000; ++point) {
                const double s = scale(random);
                const std::vector<double> costs = costsAt(list, usage, varied, s);
                const fees::CheapestInterval& named = intervalAt(choice, s);
                ASSERT_TRUE(withinTieOfLowest(costs, named.tariff)) << what << " at " << s;
                // Away from a boundary, ties too go to the first in the file.
                if (std::fabs(s - named.from) > 1e-6 * range && std::fabs(s - named.to) > 1e-6 * range) {
                    ASSERT_EQ(named.tariff, bruteCheapest(costs)) << what << " at " << s;
                }
            }

            // At exactly 0 the first interval names the cheapest there.
            if (from == 0) {
                ASSERT_TRUE(withinTieOfLowest(costsAt(list, usage, varied, 0), choice.intervals.front().tariff))
                    << what;
            }
            const double step = 1e-7 * range;
            for (std::size_t k = 0; k + 1 < choice.intervals.size(); ++k) {
                const fees::CheapestInterval& left = choice.intervals[k];
                const fees::CheapestInterval& right = choice.intervals[k + 1];
                const double b = left.to;
                if (left.from == left.to) {
                    EXPECT_FALSE(withinTieOfLowest(costsAt(list, usage, varied, 0), right.tariff)) << what;
                    ++pointsAtZero;
                    continue;
                }
                EXPECT_TRUE(withinTieOfLowest(costsAt(list, usage, varied, b - step), left.tariff)) << what << " " << b;
                EXPECT_TRUE(withinTieOfLowest(costsAt(list, usage, varied, b + step), right.tariff))
                    << what << " " << b;
                // Where the two costs cross, the boundary is the crossing.
                auto gap = [&](double s) {
                    return fees::costAtScale(list.seek(right.tariff), usage, varied, s) -
                           fees::costAtScale(list.seek(left.tariff), usage, varied, s);
                };
                double lo = b - step;
                double hi = b + step;
                if (!(gap(lo) > 0 && gap(hi) < 0)) continue;
                for (int i = 0; i < 200; ++i) {
                    const double mid = lo + (hi - lo) / 2;
                    (gap(mid) > 0 ? lo : hi) = mid;
                }
                EXPECT_NEAR(b, lo, 1e-9 * range) << what;
                const tariffs::Tarifs& l = list.seek(left.tariff);
                const tariffs::Tarifs& r = list.seek(right.tariff);
                if (varied != VariedZones::All &&
                    ((l.allMinutesFree && l.firstFreeMinutes != 0) || (r.allMinutesFree && r.firstFreeMinutes != 0)))
                    ++curvedBoundaries;
            }
        }
    }
    // The files must reach the curved case and a point kept at 0, or the
    // checks above prove little.
    EXPECT_GT(curvedBoundaries, 5);
    EXPECT_GT(pointsAtZero, 0);
}

namespace {

tariffs::Tarifs priced(double fee, Zone zone, double rate, double freeMinutes = 0) {
    tariffs::Tarifs t;
    t.provider = "OP";
    t.name = std::to_string(fee);
    t.telephoneFee = fee;
    t.zone(zone) = {rate, freeMinutes};
    return t;
}

tariffs::Tarifs sharingAll(tariffs::Tarifs t, double firstFreeMinutes) {
    t.firstFreeMinutes = firstFreeMinutes;
    t.allMinutesFree = true;
    return t;
}

fees::UsageProfile minutes(std::initializer_list<std::pair<Zone, std::int32_t>> counts) {
    fees::UsageProfile u;
    for (auto [zone, count] : counts) u.count(zone) = count;
    return u;
}

tariffs::TariffList listOf(const std::vector<tariffs::Tarifs>& tariffs) {
    tariffs::TariffList list(tariffs::CalculatorDefaults);
    for (const tariffs::Tarifs& t : tariffs) list.append() = t;
    return list;
}

}  // namespace

TEST(ChooseByScale, HandSolvedCases) {
    const fees::UsageProfile jts100 = minutes({{Zone::JTS, 100}});
    const fees::UsageProfile jtsAndPaegas = minutes({{Zone::JTS, 100}, {Zone::PAEGAS, 100}});
    const auto all = VariedZones::All;
    const std::optional<std::size_t> none;
    // Sharing 100 first free minutes, JTS (varied) and PAEGAS (fixed) get
    // 100 s / (s + 1) and 100 / (s + 1): 130 + 200 s^2 / (s + 1) against
    // 100 + 200 s / (s + 1), equal where 200 s^2 - 170 s + 30 = 0.
    const tariffs::Tarifs curvedJts = sharingAll(priced(130, Zone::JTS, 2), 100);
    const tariffs::Tarifs curvedPaegas = sharingAll(priced(100, Zone::PAEGAS, 2), 100);
    tariffs::Tarifs prepaid = priced(0, Zone::JTS, 2);
    prepaid.minimumCharge = 300;
    // A sharing zone without minutes takes no part: at exactly 0 these cost
    // their fee, just above 0 also the 100 (40) negative free minutes.
    const tariffs::Tarifs jumpsBy100 = sharingAll(priced(100, Zone::JTS, 1, -100), 0);
    const tariffs::Tarifs jumpsBy40 = sharingAll(priced(150, Zone::JTS, 1, -40), 0);

    struct Interval {
        double from, to;
        std::size_t tariff;
    };
    struct Headline {
        std::size_t tariff;
        int fromPercent, toPercent;
        std::optional<std::size_t> below, above, next;
        double difference;
    };
    struct Case {
        const char* what;
        std::vector<tariffs::Tarifs> tariffs;
        fees::UsageProfile usage;
        VariedZones varied;
        std::vector<Interval> intervals;  // from the range's start to its end
        Headline atOne;
    };
    const Case cases[] = {
        {"one crossing",
         {priced(100, Zone::JTS, 2), priced(250, Zone::JTS, 1)},
         jts100,
         all,
         {{0.5, 1.5, 0}, {1.5, 2, 1}},
         {0, 50, 150, none, 1, 1, 50}},
        {"flag set, part varying: twice in one piece",
         {curvedPaegas, curvedJts},
         jtsAndPaegas,
         VariedZones::FixedNetwork,
         {{0.1, 0.25, 0}, {0.25, 0.6, 1}, {0.6, 1, 0}},
         {0, 60, 100, 1, none, 1, 30}},
        {"tie at 1 and a copy: the first in the file",
         {priced(200, Zone::JTS, 1), priced(100, Zone::JTS, 2), priced(200, Zone::JTS, 1)},
         jts100,
         all,
         {{0.5, 1, 1}, {1, 2, 0}},
         {0, 100, 200, 1, none, 1, 0}},
        {"minimum 300 up to 1.5 against 180 + 100 s",
         {prepaid, priced(180, Zone::JTS, 1)},
         jts100,
         all,
         {{0.5, 1.2, 1}, {1.2, 1.8, 0}, {1.8, 2, 1}},
         {1, 50, 120, none, 0, 0, 20}},
        // 300 up to 1, then 300 (s - 1) more; 351 + 50 s; 410 s. Inward:
        // 73.17 % is 74, 140.4 % is 140.
        {"free minutes run out",
         {priced(300, Zone::JTS, 3, 100), priced(351, Zone::JTS, 0.5), priced(0, Zone::JTS, 4.1)},
         jts100,
         all,
         {{0.5, 300 / 410.0, 2}, {300 / 410.0, 1.404, 0}, {1.404, 2, 1}},
         {0, 74, 140, 2, 1, 1, 101}},
        // 100 at exactly 0, 150 for the other; above 0 the other is 10
        // cheaper. The first keeps the point 0, and the second promises no
        // more than 99 % less.
        {"the cheapest at exactly 0 keeps the point",
         {jumpsBy100, jumpsBy40},
         jts100,
         all,
         {{0, 0, 0}, {0, 1, 1}},
         {1, 1, 100, 0, none, 0, 10}},
        // 100 each at exactly 0: a tie there keeps no point for the first.
        {"a tie at exactly 0 keeps no point",
         {jumpsBy100, priced(100, Zone::JTS, 1.5)},
         jts100,
         all,
         {{0, 1, 1}},
         {1, 0, 100, none, none, 0, 50}},
    };
    for (const Case& c : cases) {
        const tariffs::TariffList list = listOf(c.tariffs);
        const double from = c.intervals.front().from;
        const double to = c.intervals.back().to;
        const fees::ScaleChoice choice = fees::chooseByScale(list, c.usage, c.varied, from, to);
        ASSERT_EQ(choice.intervals.size(), c.intervals.size()) << c.what;
        for (std::size_t k = 0; k < c.intervals.size(); ++k) {
            const fees::CheapestInterval& got = choice.intervals[k];
            EXPECT_NEAR(got.from, c.intervals[k].from, 1e-9 * (to - from)) << c.what << " #" << k;
            EXPECT_NEAR(got.to, c.intervals[k].to, 1e-9 * (to - from)) << c.what << " #" << k;
            EXPECT_EQ(got.tariff, c.intervals[k].tariff) << c.what << " #" << k;
        }
        ASSERT_TRUE(choice.atOne) << c.what;
        const fees::ChoiceAtOne& one = *choice.atOne;
        EXPECT_EQ(one.tariff, c.atOne.tariff) << c.what;
        EXPECT_EQ(one.fromPercent, c.atOne.fromPercent) << c.what;
        EXPECT_EQ(one.toPercent, c.atOne.toPercent) << c.what;
        EXPECT_EQ(one.below, c.atOne.below) << c.what;
        EXPECT_EQ(one.above, c.atOne.above) << c.what;
        EXPECT_EQ(one.next, c.atOne.next) << c.what;
        EXPECT_NEAR(one.difference, c.atOne.difference, 1e-9) << c.what;
    }
}

TEST(ChooseByScale, CostsAtTheEndsAndTiesAtOne) {
    // From 0 the first interval's cost is that at exactly 0 (the fee alone),
    // not the 190 just above; 190 + 100 s meets 250 + 50 s at 1.2.
    const tariffs::Tarifs jumps = sharingAll(priced(150, Zone::JTS, 1, -40), 0);
    const fees::UsageProfile usage = minutes({{Zone::JTS, 100}});
    const fees::ScaleChoice choice =
        fees::chooseByScale(listOf({jumps, priced(250, Zone::JTS, 0.5)}), usage, VariedZones::All, 0, 2);
    ASSERT_EQ(choice.intervals.size(), 2u);
    EXPECT_EQ(choice.intervals[0].costFrom, 150);
    EXPECT_NEAR(choice.intervals[0].costTo, 310, 1e-9);
    EXPECT_NEAR(choice.intervals[1].costTo, 350, 1e-9);
    ASSERT_TRUE(choice.atOne && choice.atOne->differencePercent);
    // The headline's cost is the fee run's, bit for bit.
    EXPECT_EQ(std::bit_cast<std::uint64_t>(choice.atOne->cost),
              std::bit_cast<std::uint64_t>(fees::MonthlyCost(jumps, usage)));
    EXPECT_NEAR(*choice.atOne->differencePercent, 10.0 / 290 * 100, 1e-9);

    // 300 each at 1: both named.
    const fees::ScaleChoice tie =
        fees::chooseByScale(listOf({priced(200, Zone::JTS, 1), priced(100, Zone::JTS, 2), priced(500, Zone::JTS, 0)}),
                            usage, VariedZones::All, 0.5, 2);
    ASSERT_TRUE(tie.atOne);
    EXPECT_EQ(tie.atOne->tiedWith, std::vector<std::size_t>{1});
    EXPECT_EQ(tie.plottedTariffs(), (std::vector<std::size_t>{0, 1}));
}

TEST(ChooseByScale, RangesOutsideOneAndEmptyLists) {
    const tariffs::TariffList list = listOf({priced(100, Zone::JTS, 2)});
    const fees::UsageProfile usage = minutes({{Zone::JTS, 100}});
    EXPECT_FALSE(fees::chooseByScale(list, usage, VariedZones::All, 1.5, 3).atOne);
    EXPECT_FALSE(fees::chooseByScale(list, usage, VariedZones::All, 0, 0.99).atOne);
    const fees::ScaleChoice single = fees::chooseByScale(list, usage, VariedZones::All, 0.5, 2);
    ASSERT_TRUE(single.atOne);
    EXPECT_FALSE(single.atOne->next);

    EXPECT_FALSE(single.variedMinutesZero);
    EXPECT_TRUE(fees::chooseByScale(list, usage, VariedZones::Paegas, 0.5, 2).variedMinutesZero);

    const tariffs::TariffList empty(tariffs::CalculatorDefaults);
    const fees::ScaleChoice none = fees::chooseByScale(empty, usage, VariedZones::All, 0.5, 2);
    EXPECT_TRUE(none.intervals.empty());
    EXPECT_FALSE(none.atOne);
}

TEST(ChooseByScale, RejectsBadRanges) {
    struct Case {
        double from, to;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {{-0.1, 2}, {1, 1}, {2, 1}, {0.5, 100.5}, {nan, 2}, {0.5, nan}};
    const tariffs::TariffList list = listOf({priced(100, Zone::JTS, 2)});
    for (const Case& c : cases)
        EXPECT_THROW(fees::chooseByScale(list, fees::UsageProfile{}, VariedZones::All, c.from, c.to),
                     std::invalid_argument)
            << c.from << " " << c.to;
    EXPECT_NO_THROW(fees::chooseByScale(list, fees::UsageProfile{}, VariedZones::All, 0, 100));
}

// Counts no minute field would hold and prices near the end of a double must
// neither hang the sweep nor leave a gap in the intervals.
TEST(ChooseByScale, ExtremeInputsStillCoverTheRange) {
    struct Case {
        const char* what;
        std::array<std::int32_t, tariffs::ZoneCount> minutes;
        double rate;
        double fee;
    };
    const Case cases[] = {
        {"negative counts that sum to nothing", {50, -50, 0, 30, -30, 0, 0}, 2, 100},
        {"negative counts below zero", {-100, 20, 0, -5, 0, 7, 0}, 3, 50},
        {"largest counts", {INT32_MAX, INT32_MAX, 1, INT32_MAX, 0, 0, INT32_MAX}, 1, 0},
        {"huge rates", {100, 0, 20, 0, 30, 0, 1}, 1e300, 1e300},
    };
    for (const Case& c : cases) {
        tariffs::TariffList list(tariffs::CalculatorDefaults);
        std::mt19937_64 random(5);
        for (int n = 0; n < 8; ++n) {
            tariffs::Tarifs t = randomTariff(random, n);
            for (tariffs::ZoneRate& z : t.zones) z.rate *= c.rate;
            t.telephoneFee += c.fee * n;
            list.append() = t;
        }
        fees::UsageProfile usage;
        usage.minutes = c.minutes;
        usage.periodFactor = fees::PerDayFactor;
        for (VariedZones varied : EveryVariedZones) {
            const fees::ScaleChoice choice = fees::chooseByScale(list, usage, varied, 0, 100);
            expectWellFormed(choice, list.count(), c.what);
        }
    }
}

TEST(CostAtScale, RealCountsAreNeitherRoundedNorClamped) {
    struct Case {
        const char* what;
        tariffs::Tarifs tariff;
        fees::UsageProfile usage;
        VariedZones varied;
        double scale;
        double cost;
    };
    tariffs::Tarifs shared = sharingAll(priced(0, Zone::JTS, 2), 30);
    shared.zone(Zone::PAEGAS).rate = 1;
    const Case cases[] = {
        {"3 minutes at half: 1.5 minutes", priced(0, Zone::JTS, 2), minutes({{Zone::JTS, 3}}), VariedZones::All, 0.5,
         3},
        {"1.5 minutes against 1 free", priced(0, Zone::JTS, 2, 1), minutes({{Zone::JTS, 3}}), VariedZones::All, 0.5, 1},
        // JTS 60 s, PAEGAS 40: the 30 first free minutes split by 60 s : 40.
        {"the share follows the scaled minutes", shared, minutes({{Zone::JTS, 60}, {Zone::PAEGAS, 40}}),
         VariedZones::FixedNetwork, 0.5, 2 * (30 - 30 * 30.0 / 70) + (40 - 30 * 40.0 / 70)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(fees::costAtScale(c.tariff, c.usage, c.varied, c.scale), c.cost, 1e-9) << c.what;
}

TEST(CostAtScale, ScalesOnlyTheVariedZones) {
    struct Case {
        VariedZones varied;
        std::vector<Zone> zones;
    };
    const Case cases[] = {
        {VariedZones::All,
         {Zone::JTS, Zone::JTSMimo, Zone::JTSNoc, Zone::PAEGAS, Zone::PAEGASMimo, Zone::EUROTEL, Zone::EUROTELMimo}},
        {VariedZones::FixedNetwork, {Zone::JTS, Zone::JTSMimo, Zone::JTSNoc}},
        {VariedZones::Paegas, {Zone::PAEGAS, Zone::PAEGASMimo}},
        {VariedZones::Eurotel, {Zone::EUROTEL, Zone::EUROTELMimo}},
    };
    for (const Case& c : cases) {
        for (Zone zone : tariffs::AllZones) {
            const bool varies = std::find(c.zones.begin(), c.zones.end(), zone) != c.zones.end();
            const double cost = fees::costAtScale(priced(0, zone, 1), minutes({{zone, 10}}), c.varied, 2.5);
            EXPECT_EQ(cost, varies ? 25 : 10) << fees::variedZonesName(c.varied) << " " << tariffs::zoneName(zone);
        }
    }
}

TEST(CostAtScale, AtOneIsTheFeeRunsCostBitForBit) {
    std::mt19937_64 random(404);
    std::uniform_int_distribution<std::int32_t> count(-50, 5000);
    for (int round = 0; round < 400; ++round) {
        const tariffs::Tarifs t = randomTariff(random, round);
        fees::UsageProfile u;
        for (auto& m : u.minutes) m = round % 50 == 0 ? INT32_MAX - round : count(random);
        u.periodFactor = itemFactor(static_cast<std::size_t>(round % 4));
        u.fax = round % 3 == 0;
        for (VariedZones varied : EveryVariedZones)
            ASSERT_EQ(std::bit_cast<std::uint64_t>(fees::costAtScale(t, u, varied, 1)),
                      std::bit_cast<std::uint64_t>(fees::MonthlyCost(t, u)))
                << round;
    }
}

TEST(ChooseByMonth, WeighsPartMonthsByTheirDays) {
    // 100 + 2 m against 300 + m: the first wins below 200 minutes.
    const tariffs::TariffList list = listOf({priced(100, Zone::JTS, 2), priced(300, Zone::JTS, 1)});
    const std::vector<fees::MonthUsage> months = {
        {"2003-10", 5, 31, fees::realUsage(minutes({{Zone::JTS, 1000}}))},  // 2100 against 1300, for 5 days of 31
        {"2003-11", 30, 30, fees::realUsage(minutes({{Zone::JTS, 100}}))},  // 300 against 400
        {"2003-12", 31, 31, fees::realUsage(minutes({{Zone::JTS, 150}}))},  // 400 against 450
    };
    const fees::MonthsChoice choice = fees::chooseByMonth(list, months);
    ASSERT_EQ(choice.months.size(), 3u);
    const std::size_t cheapest[] = {1, 0, 0};
    const double cost[] = {1300, 300, 400};
    for (std::size_t m = 0; m < 3; ++m) {
        EXPECT_EQ(choice.months[m].month, months[m].month);
        EXPECT_EQ(choice.months[m].cheapest, cheapest[m]) << m;
        EXPECT_EQ(choice.months[m].cost, cost[m]) << m;
    }
    // Unweighted the second would win (2800 against 2150).
    EXPECT_NEAR(choice.period.costs[0], 2100 * 5 / 31.0 + 700, 1e-9);
    EXPECT_NEAR(choice.period.costs[1], 1300 * 5 / 31.0 + 850, 1e-9);
    EXPECT_EQ(choice.period.cheapest, 0u);
    EXPECT_EQ(choice.period.label, tariffs::tariffLabel(list.seek(0)));
    EXPECT_EQ(choice.period.monthsWon, 2u);
    // A whole month counts exactly once.
    EXPECT_EQ(fees::chooseByMonth(list, {months[1], months[2]}).period.costs[1], 850);
}

// A month of fewer than 7 days weighs into the period for its days but is
// not one of the months compared; its minutes, as every month's, are priced
// as they are, not rounded.
TEST(ChooseByMonth, ShortMonthsWeighInButAreNotCounted) {
    // 100 + 2 m against 300 + m: the first wins below 200 minutes.
    const tariffs::TariffList list = listOf({priced(100, Zone::JTS, 2), priced(300, Zone::JTS, 1)});
    fees::RealUsageProfile january;  // 2100 against 1300 as a whole month
    january.count(Zone::JTS) = 1000;
    fees::RealUsageProfile february;  // 300.5 against 400.25
    february.count(Zone::JTS) = 100.25;
    fees::RealUsageProfile march;  // 400 against 450
    march.count(Zone::JTS) = 150;
    struct Case {
        const char* what;
        std::int32_t januaryDays;  // of 31; February and March are whole
        bool januaryShort;
        std::size_t periodCheapest, counted, won;
    };
    const Case cases[] = {
        // 2100 x 7/31 + 700.5 against 1300 x 7/31 + 850.25.
        {"a week is a month", 7, false, 1, 3, 1},
        // Without January the first would be the cheaper: the short month
        // weighs in, but wins nothing.
        {"six days are short", 6, true, 1, 2, 0},
    };
    for (const Case& c : cases) {
        const fees::MonthsChoice choice = fees::chooseByMonth(
            list, {{"2004-01", c.januaryDays, 31, january}, {"2004-02", 29, 29, february}, {"2004-03", 31, 31, march}});
        EXPECT_EQ(choice.months[0].isShort, c.januaryShort) << c.what;
        EXPECT_EQ(choice.months[1].costs, (std::vector<double>{300.5, 400.25})) << c.what;
        EXPECT_EQ(choice.period.cheapest, c.periodCheapest) << c.what;
        EXPECT_EQ(choice.period.monthsCounted, c.counted) << c.what;
        EXPECT_EQ(choice.period.monthsWon, c.won) << c.what;
    }
}

// Against the current tariff, by brute force on random files: the saving is
// the difference of the two costs at 1, and the interval around 1 is where
// the cheapest costs less than the current tariff, as far as that goes on
// either side: up to the range's end or to where the two costs cross.
TEST(CompareWithCurrent, AgreesWithBruteForceOnRandomFiles) {
    std::mt19937_64 random(31);
    std::uniform_real_distribution<double> unit(0, 1);
    int bounded = 0;
    for (int file = 0; file < 24; ++file) {
        tariffs::TariffList list(tariffs::CalculatorDefaults);
        const int count = 2 + static_cast<int>(random() % 8);
        for (int n = 0; n < count; ++n) list.append() = randomTariff(random, n);
        fees::UsageProfile usage;
        for (auto& m : usage.minutes) m = random() % 4 == 0 ? 0 : static_cast<std::int32_t>(random() % 400);
        // Fees within a few percent of each other, so the costs cross often.
        const std::vector<double> atOne = costsAt(list, usage, VariedZones::All, 1);
        for (std::size_t i = 0; i < list.count(); ++i) {
            list.seek(i).telephoneFee =
                std::max(0.0, list.seek(i).telephoneFee + atOne[0] * (0.95 + 0.1 * unit(random)) - atOne[i]);
        }
        const double from = file % 4 == 0 ? 0.0 : std::round(unit(random) * 90) / 100;
        const double to = 1 + unit(random) * (file % 5 == 0 ? 20 : 2);
        for (VariedZones varied : EveryVariedZones) {
            const fees::ScaleChoice choice = fees::chooseByScale(list, usage, varied, from, to);
            const std::size_t current = random() % list.count();
            const std::string what = "file " + std::to_string(file) + ", " +
                                     std::string(fees::variedZonesName(varied)) + ", tariff " + std::to_string(current);
            const fees::CurrentComparison got = fees::compareWithCurrent(list, usage, choice, current);
            const std::vector<double> costs = costsAt(list, usage, varied, 1);
            ASSERT_EQ(got.cheapest, choice.atOne->tariff) << what;
            EXPECT_EQ(got.cost, costs[current]) << what;
            EXPECT_EQ(got.tie, fees::costsTie(costs[current], costs[got.cheapest])) << what;
            EXPECT_EQ(got.saving, got.tie ? 0 : costs[current] - costs[got.cheapest]) << what;
            ASSERT_EQ(got.cheaperFrom.has_value(), !got.tie) << what;
            if (got.tie) continue;
            const double lo = *got.cheaperFrom;
            const double hi = *got.cheaperTo;
            ASSERT_TRUE(from <= lo && lo <= 1 && 1 <= hi && hi <= to) << what << " [" << lo << ", " << hi << "]";
            const auto cheaper = [&](double s) {
                const double mine = fees::costAtScale(list.seek(current), usage, varied, s);
                const double theirs = fees::costAtScale(list.seek(got.cheapest), usage, varied, s);
                return !fees::costsTie(theirs, mine) && theirs < mine;
            };
            const double step = 1e-6 * (to - from);
            for (int point = 0; point <= 2000; ++point) {
                const double s = lo + (hi - lo) * point / 2000;
                if (s - lo > step && hi - s > step) {
                    ASSERT_TRUE(cheaper(s)) << what << " at " << s;
                }
            }
            // Each end is the range's or one past which it is cheaper no more.
            if (lo > from && lo > step) {
                EXPECT_FALSE(cheaper(lo - step)) << what << " below " << lo;
                ++bounded;
            }
            if (hi < to) {
                EXPECT_FALSE(cheaper(hi + step)) << what << " above " << hi;
                ++bounded;
            }
            // The promise in whole percent lies within the interval.
            EXPECT_GE(got.fromPercent / 100.0, lo - 1e-9) << what;
            EXPECT_LE(got.toPercent / 100.0, hi + 1e-9) << what;
            EXPECT_LT(got.fromPercent / 100.0, lo + 0.01 + 1e-9) << what;
            EXPECT_GT(got.toPercent / 100.0, hi - 0.01 - 1e-9) << what;
        }
    }
    // Ends inside the range must be reached, or the checks prove little.
    EXPECT_GT(bounded, 20);
}

// Where the two costs only touch, at a corner of the current tariff's (a
// minimum charge of 300 or 150 against 200 s), the cheapest is not cheaper
// there: the interval ends at that point, though it is cheaper beyond.
TEST(CompareWithCurrent, TheIntervalEndsWhereTheCostsOnlyTouch) {
    struct Case {
        const char* what;
        double minimumCharge;
        tariffs::Tarifs cheapest;
        double from, to;  // the interval
    };
    const Case cases[] = {
        {"above the usage", 300, priced(150, Zone::JTS, 1), 0.5, 1.5},
        {"below the usage", 150, priced(75, Zone::JTS, 1), 0.75, 2},
    };
    for (const Case& c : cases) {
        tariffs::TariffList list(tariffs::CalculatorDefaults);
        tariffs::Tarifs& mine = list.append() = priced(0, Zone::JTS, 2);
        mine.minimumCharge = c.minimumCharge;
        list.append() = c.cheapest;
        const fees::UsageProfile usage = minutes({{Zone::JTS, 100}});
        const fees::ScaleChoice choice = fees::chooseByScale(list, usage, VariedZones::All, 0.5, 2);
        const fees::CurrentComparison got = fees::compareWithCurrent(list, usage, choice, 0);
        ASSERT_EQ(got.cheapest, 1u) << c.what;
        ASSERT_TRUE(got.cheaperFrom && got.cheaperTo) << c.what;
        EXPECT_NEAR(*got.cheaperFrom, c.from, 1e-9) << c.what;
        EXPECT_NEAR(*got.cheaperTo, c.to, 1e-9) << c.what;
    }
}

TEST(BreakEvenMonths, WholeMonthsRoundedUpButNotForNoise) {
    const struct {
        double cost, saving;
        std::optional<double> months;
    } cases[] = {
        {700, 234, 3}, {468, 234, 2}, {468, 234.00000000000003, 2}, {1, 1000, 1}, {0, 100, {}},
        {100, 0, {}},  {-5, 100, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fees::breakEvenMonths(c.cost, c.saving), c.months) << c.cost << " / " << c.saving;
}

// How each tariff fared month by month, and the safest, by brute force on
// random lists and months, short ones among them.
TEST(ChooseByMonth, RegretAgreesWithBruteForce) {
    std::mt19937_64 random(2000);
    int safestNotCheapest = 0;
    for (int file = 0; file < 100; ++file) {
        tariffs::TariffList list(tariffs::CalculatorDefaults);
        const int count = 1 + static_cast<int>(random() % 6);
        for (int n = 0; n < count; ++n) list.append() = randomTariff(random, n);
        // Every tariff twice now and then, so ties come up.
        if (file % 5 == 0) {
            const tariffs::Tarifs copy = list.seek(0);
            list.append() = copy;
        }
        std::vector<fees::MonthUsage> months;
        for (int m = 0; m < 1 + static_cast<int>(random() % 5); ++m) {
            fees::MonthUsage month{
                "2004-0" + std::to_string(m + 1), 1 + static_cast<std::int32_t>(random() % 30), 30, {}};
            for (auto& minutes : month.usage.minutes) minutes = static_cast<double>(random() % 300);
            months.push_back(month);
        }
        const fees::MonthsChoice choice = fees::chooseByMonth(list, months);
        const std::string what = "file " + std::to_string(file);
        std::size_t counted = 0;
        std::vector<std::size_t> cheapestIn(list.count(), 0);
        std::vector<double> worst(list.count(), 0);
        for (const fees::MonthChoice& month : choice.months) {
            if (month.daysCovered < fees::ShortMonthDays) continue;
            ++counted;
            const double lowest = *std::min_element(month.costs.begin(), month.costs.end());
            for (std::size_t i = 0; i < list.count(); ++i) {
                const bool tied = month.costs[i] - lowest < 1e-9 * std::max(1.0, lowest);
                cheapestIn[i] += tied ? 1 : 0;
                if (!tied) worst[i] = std::max(worst[i], month.costs[i] - month.cost);
            }
        }
        ASSERT_EQ(choice.regret.size(), list.count()) << what;
        for (std::size_t i = 0; i < list.count(); ++i) {
            EXPECT_EQ(choice.regret[i].monthsCheapest, cheapestIn[i]) << what << " #" << i;
            EXPECT_EQ(choice.regret[i].worstExcess, worst[i]) << what << " #" << i;
            const double over = choice.period.costs[i] - choice.period.cost;
            EXPECT_NEAR(choice.regret[i].totalExcess, over, 1e-9 * std::max(1.0, choice.period.cost)) << what;
        }
        if (counted == 0) {
            EXPECT_FALSE(choice.period.safest) << what;
            continue;
        }
        const std::size_t safest =
            static_cast<std::size_t>(std::min_element(worst.begin(), worst.end()) - worst.begin());
        ASSERT_EQ(choice.period.safest, safest) << what;
        if (safest != choice.period.cheapest) ++safestNotCheapest;
    }
    EXPECT_GT(safestNotCheapest, 0);
}
