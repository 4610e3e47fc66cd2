// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// A call list split by calendar month.
#include <gtest/gtest.h>

#include <string>

#include "calls/CallList.h"

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
    EXPECT_EQ(usageFrom(summarise(tally, {}).months[2]).count(tariffs::Zone::EUROTEL), 50);
}

TEST(Months, ListsWithinOneMonthAndAcrossTheYear) {
    const CallSummary one =
        summarise(read("Datum;Čas;Číslo;Délka\n3.3.2004;10:00;602123456;60\n9.3.2004;10:00;602123456;60\n"), {});
    ASSERT_EQ(one.months.size(), 1u);
    EXPECT_EQ(one.months[0].days, one.spanDays);
    EXPECT_EQ(one.months[0].zones, one.zones);

    const CallSummary newYear =
        summarise(read("Datum;Čas;Číslo;Délka\n30.12.2003;10:00;602123456;60\n2.1.2004;10:00;602123456;60\n"), {});
    ASSERT_EQ(newYear.months.size(), 2u);
    EXPECT_EQ(newYear.months[0].month, 2003y / December);
    EXPECT_EQ(newYear.months[1].month, 2004y / January);
    EXPECT_EQ(newYear.months[0].days + newYear.months[1].days, newYear.spanDays);
}
