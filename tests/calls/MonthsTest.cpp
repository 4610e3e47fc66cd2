// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// A call list split by calendar month.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "RandomTariff.h"
#include "calls/CallList.h"
#include "fees/MonthlyCost.h"
#include "tariffs/TariffList.h"

using namespace hovorix;
using namespace hovorix::calls;
using namespace std::chrono;

namespace {

CallTally read(std::string_view content) { return parseCallList(content, defaultPrefixTable()); }

std::string shown(year_month_day date) {
    return std::to_string(static_cast<int>(date.year())) + "-" + std::to_string(static_cast<unsigned>(date.month())) +
           "-" + std::to_string(static_cast<unsigned>(date.day()));
}

}  // namespace

// From Tuesday 28 October, a public holiday, to Wednesday 3 December 2003: a
// short first month, a November without calls, a short last month.
TEST(Months, EveryCalendarMonthFromTheFirstDayToTheLast) {
    const CallTally tally = read(
        "Datum;Čas;Volané číslo;Typ;Délka\n"
        "28.10.2003;10:00;602123456;Odchozí hovor;0:01:05\n"  // a holiday on a Tuesday
        "29.10.2003;10:00;602123456;Odchozí hovor;0:10:00\n"
        "29.10.2003;20:00;0221234567;Odchozí hovor;0:05:00\n"
        "2.12.2003;10:00;602123456;Odchozí hovor;0:05:00\n"
        "3.12.2003;10:00;602123456;Příchozí hovor;0:30:00\n");  // not counted, yet a day of the list
    struct Case {
        SummaryOptions options;
        std::array<std::int64_t, 3> eurotelMinutes;  // October, November, December
        std::int64_t octoberEurotelMimo;
    };
    const Case cases[] = {
        // October: 665 s over 4 days; December: 300 s over 3 days.
        {{}, {83, 0, 50}, 0},
        // Each call rounded first: 120 + 600 s in October.
        {{Rounding::PerMinute, false, std::nullopt}, {90, 0, 50}, 0},
        // The holiday's call goes off-peak.
        {{Rounding::Exact, true, std::nullopt}, {75, 0, 50}, 8},
        // D changes the whole list's figures only.
        {{Rounding::Exact, false, 3}, {83, 0, 50}, 0},
    };
    for (const Case& c : cases) {
        const CallSummary summary = summarise(tally, c.options);
        ASSERT_EQ(summary.months.size(), 3u);
        const MonthFigures& october = summary.months[0];
        const MonthFigures& november = summary.months[1];
        const MonthFigures& december = summary.months[2];
        EXPECT_EQ(october.month, 2003y / October);
        EXPECT_EQ(shown(october.firstDate) + " " + shown(october.lastDate), "2003-10-28 2003-10-31");
        EXPECT_EQ(shown(november.firstDate) + " " + shown(november.lastDate), "2003-11-1 2003-11-30");
        EXPECT_EQ(shown(december.firstDate) + " " + shown(december.lastDate), "2003-12-1 2003-12-3");
        EXPECT_EQ(october.days, 4);
        EXPECT_EQ(november.days, 30);
        EXPECT_EQ(december.days, 3);
        EXPECT_EQ(october.daysInMonth, 31);
        EXPECT_EQ(november.daysInMonth, 30);
        EXPECT_EQ(december.daysInMonth, 31);
        EXPECT_TRUE(october.shortPeriod());
        EXPECT_FALSE(november.shortPeriod());
        EXPECT_TRUE(december.shortPeriod());
        for (std::size_t m = 0; m < 3; ++m) {
            EXPECT_EQ(summary.months[m].zone(tariffs::Zone::EUROTEL).monthlyMinutes, c.eurotelMinutes[m]) << m;
        }
        EXPECT_EQ(october.zone(tariffs::Zone::EUROTELMimo).monthlyMinutes, c.octoberEurotelMimo);
        EXPECT_EQ(october.zone(tariffs::Zone::JTSMimo), (Figures{1, 300, 38}));
        EXPECT_EQ(november.zones, (std::array<Figures, tariffs::ZoneCount>{}));
        EXPECT_EQ(summary.spanDays, 37);
        // The months share out the whole list's calls.
        std::uint64_t calls = 0;
        for (const MonthFigures& month : summary.months) {
            for (const Figures& f : month.zones) calls += f.calls;
        }
        EXPECT_EQ(calls, 4u);
    }
    // The month as the choice prices it: its calendar minutes, December's
    // 5 over 3 of its 31 days; short.
    const fees::MonthUsage december = monthUsage(summarise(tally, {}).months[2]);
    EXPECT_EQ(december.month, "2003-12");
    EXPECT_TRUE(december.isShort());
    EXPECT_DOUBLE_EQ(december.usage.count(tariffs::Zone::EUROTEL), 5.0 * 31 / 3);
}

TEST(Months, ListsWithinOneMonthAndAcrossTheYear) {
    const CallSummary one =
        summarise(read("Datum;Čas;Číslo;Délka\n3.3.2004;10:00;602123456;60\n9.3.2004;10:00;602123456;60\n"), {});
    ASSERT_EQ(one.months.size(), 1u);
    EXPECT_EQ(one.months[0].days, one.spanDays);
    EXPECT_EQ(one.months[0].zones, one.zones);
    // A week of March, not short, goes on at its pace for the 31 days.
    EXPECT_FALSE(one.months[0].shortPeriod());
    EXPECT_DOUBLE_EQ(one.months[0].minutes(tariffs::Zone::EUROTEL), 2.0 * 31 / 7);

    const CallSummary newYear =
        summarise(read("Datum;Čas;Číslo;Délka\n30.12.2003;10:00;602123456;60\n2.1.2004;10:00;602123456;60\n"), {});
    ASSERT_EQ(newYear.months.size(), 2u);
    EXPECT_EQ(newYear.months[0].month, 2003y / December);
    EXPECT_EQ(newYear.months[1].month, 2004y / January);
    EXPECT_EQ(newYear.months[0].days + newYear.months[1].days, newYear.spanDays);
}

namespace {

// A call of a generated list, and the zone its bill puts it in, found the
// plain way: peak is a working day from 7 to 19, the fixed network's night
// is 22 to 7 every day, and a holiday on a working day is a working day
// unless counted as a weekend day.
struct GeneratedCall {
    sys_days day;
    std::uint32_t secondOfDay = 0;
    int network = 0;  // 0 fixed, 1 Paegas, 2 Eurotel, 3 Oskar (not counted)
    std::uint32_t seconds = 0;
};

constexpr const char* NumberOf[] = {"0221234567", "0603123456", "0602123456", "0608123456"};

std::optional<tariffs::Zone> billedZone(const GeneratedCall& call, bool holidaysAsWeekend) {
    using tariffs::Zone;
    if (call.network == 3) return std::nullopt;
    const DayKind kind = dayKind(year_month_day{call.day});
    const bool workingDay = kind == DayKind::WorkingDay || (kind == DayKind::HolidayOnWorkingDay && !holidaysAsWeekend);
    const std::uint32_t hour = call.secondOfDay / 3600;
    const bool peak = workingDay && hour >= 7 && hour < 19;
    switch (call.network) {
    case 0: return peak ? Zone::JTS : (hour >= 22 || hour < 7 ? Zone::JTSNoc : Zone::JTSMimo);
    case 1: return peak ? Zone::PAEGAS : Zone::PAEGASMimo;
    default: return peak ? Zone::EUROTEL : Zone::EUROTELMimo;
    }
}

std::uint64_t billedSeconds(std::uint32_t seconds, Rounding rounding) {
    const auto upTo = [seconds](std::uint32_t unit) { return (seconds + unit - 1) / unit * unit; };
    switch (rounding) {
    case Rounding::Exact: return seconds;
    case Rounding::PerMinute: return upTo(60);
    case Rounding::PerHalfMinute: return upTo(30);
    case Rounding::FirstMinute: break;
    }
    return seconds == 0 ? 0 : std::max<std::uint32_t>(seconds, 60);
}

}  // namespace

// Against brute force: on random lists, each whole calendar month costs, bit
// for bit, what its own calls cost at their charged seconds / 60, and a month
// covered in part is that month's calls at the pace of its days. A list of
// whole months costs the sum of their bills.
TEST(Months, EachWholeMonthCostsWhatItsCallsCost) {
    std::mt19937_64 random(20240229);
    for (int round = 0; round < 150; ++round) {
        // From 2000 to about 2024, 25 to 200 days; every third round from a
        // month's first day to another's last.
        sys_days firstDay = sys_days{2000y / January / 1} + days{static_cast<int>(random() % 9000)};
        sys_days lastDay = firstDay + days{static_cast<int>(25 + random() % 176)};
        const bool wholeList = round % 3 == 0;
        if (wholeList) {
            const year_month_day a{firstDay};
            const year_month_day b{lastDay};
            firstDay = sys_days{a.year() / a.month() / 1};
            lastDay = sys_days{b.year() / b.month() / std::chrono::last};
        }
        const auto span = static_cast<std::uint64_t>((lastDay - firstDay).count()) + 1;
        std::vector<GeneratedCall> calls;
        // The first and the last day carry a call, so the list spans them.
        calls.push_back({firstDay, 36000, 3, 60});
        calls.push_back({lastDay, 36000, 3, 60});
        const int count = 20 + static_cast<int>(random() % 300);
        for (int i = 0; i < count; ++i) {
            calls.push_back({firstDay + days{static_cast<int>(random() % span)},
                             static_cast<std::uint32_t>(random() % 86400), static_cast<int>(random() % 4),
                             static_cast<std::uint32_t>(random() % 5400)});
        }
        std::string list = "Datum;Čas;Číslo;Délka\n";
        for (const GeneratedCall& call : calls) {
            const year_month_day date{call.day};
            char row[96];
            std::snprintf(row, sizeof row, "%u.%u.%d;%u:%02u:%02u;%s;%u\n", static_cast<unsigned>(date.day()),
                          static_cast<unsigned>(date.month()), static_cast<int>(date.year()), call.secondOfDay / 3600,
                          call.secondOfDay / 60 % 60, call.secondOfDay % 60, NumberOf[call.network], call.seconds);
            list += row;
        }
        const SummaryOptions options{static_cast<Rounding>(random() % RoundingCount), random() % 2 == 0, std::nullopt};
        const CallSummary summary = summarise(read(list), options);

        // The brute force: every call's charged seconds into its month and zone.
        std::map<year_month, std::array<std::uint64_t, tariffs::ZoneCount>> billed;
        for (const GeneratedCall& call : calls) {
            const year_month_day date{call.day};
            auto& month = billed[date.year() / date.month()];
            if (const auto zone = billedZone(call, options.holidaysAsWeekend)) {
                month[static_cast<std::size_t>(*zone)] += billedSeconds(call.seconds, options.rounding);
            }
        }

        tariffs::TariffList tariffs(tariffs::CalculatorDefaults);
        for (int i = 0; i < 4; ++i) tariffs.append() = randomTariff(random, i);
        const bool fax = random() % 2 == 0;
        const bool data = random() % 2 == 0;
        std::vector<fees::MonthUsage> months;
        for (const MonthFigures& month : summary.months) {
            months.push_back(monthUsage(month));
            months.back().usage.fax = fax;
            months.back().usage.data = data;
        }
        const fees::MonthsChoice choice = fees::chooseByMonth(tariffs, months);

        std::vector<double> sumOfBills(tariffs.count(), 0.0);
        for (std::size_t m = 0; m < summary.months.size(); ++m) {
            const MonthFigures& month = summary.months[m];
            const auto& seconds = billed[month.month];
            const bool whole = month.days == month.daysInMonth;
            fees::RealUsageProfile bill;
            bill.fax = fax;
            bill.data = data;
            for (std::size_t z = 0; z < tariffs::ZoneCount; ++z) {
                bill.minutes[z] = static_cast<double>(seconds[z]) / 60;
                if (!whole) {
                    // Back from the whole month to the days covered.
                    EXPECT_NEAR(month.calendarMinutes[z] * month.days / month.daysInMonth, bill.minutes[z],
                                1e-12 * (1 + bill.minutes[z]))
                        << round << " " << monthKey(month.month);
                }
            }
            if (!whole) continue;
            for (std::size_t t = 0; t < tariffs.count(); ++t) {
                const double cost = fees::MonthlyCost(tariffs.seek(t), bill);
                ASSERT_EQ(std::bit_cast<std::uint64_t>(choice.months[m].costs[t]), std::bit_cast<std::uint64_t>(cost))
                    << round << " " << monthKey(month.month) << " " << choice.months[m].costs[t] << " " << cost;
                sumOfBills[t] += cost;
            }
        }
        if (wholeList) {
            for (std::size_t t = 0; t < tariffs.count(); ++t) {
                EXPECT_EQ(std::bit_cast<std::uint64_t>(choice.period.costs[t]),
                          std::bit_cast<std::uint64_t>(sumOfBills[t]))
                    << round;
            }
        }
    }
}
