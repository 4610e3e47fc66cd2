// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <string>

#include "calls/Calendar.h"

using namespace hovorix;
using namespace hovorix::calls;
using namespace std::chrono;

namespace {

std::uint32_t at(unsigned h, unsigned m, unsigned s = 0) { return h * 3600 + m * 60 + s; }

std::string shown(year_month_day date) {
    return std::to_string(static_cast<int>(date.year())) + "-" + std::to_string(static_cast<unsigned>(date.month())) +
           "-" + std::to_string(static_cast<unsigned>(date.day()));
}

tariffs::Zone zoneAt(PricedNetwork network, year_month_day date, std::uint32_t time, bool holidaysAsWeekend = false) {
    return zoneOfCall(network, timeOfDay(time), dayKind(date), holidaysAsWeekend);
}

}  // namespace

TEST(Calendar, BandsAtTheirEdges) {
    constexpr auto Wednesday = 2000y / March / 1;
    constexpr auto Saturday = 2000y / March / 4;
    constexpr auto Sunday = 2000y / March / 5;
    constexpr auto MayDay = 2000y / May / 1;  // a Monday
    struct Case {
        PricedNetwork network;
        year_month_day date;
        std::uint32_t time;
        bool holidaysAsWeekend;
        tariffs::Zone zone;
    };
    const Case cases[] = {
        {PricedNetwork::Jts, Wednesday, at(6, 59, 59), false, tariffs::Zone::JTSNoc},
        {PricedNetwork::Jts, Wednesday, at(7, 0), false, tariffs::Zone::JTS},
        {PricedNetwork::Jts, Wednesday, at(18, 59, 59), false, tariffs::Zone::JTS},
        {PricedNetwork::Jts, Wednesday, at(19, 0), false, tariffs::Zone::JTSMimo},
        {PricedNetwork::Jts, Wednesday, at(21, 59, 59), false, tariffs::Zone::JTSMimo},
        {PricedNetwork::Jts, Wednesday, at(22, 0), false, tariffs::Zone::JTSNoc},
        {PricedNetwork::Jts, Saturday, at(7, 0), false, tariffs::Zone::JTSMimo},
        {PricedNetwork::Jts, Sunday, at(22, 0), false, tariffs::Zone::JTSNoc},
        {PricedNetwork::Jts, Saturday, at(6, 59, 59), false, tariffs::Zone::JTSNoc},
        {PricedNetwork::Paegas, Wednesday, at(6, 59, 59), false, tariffs::Zone::PAEGASMimo},
        {PricedNetwork::Paegas, Wednesday, at(7, 0), false, tariffs::Zone::PAEGAS},
        {PricedNetwork::Paegas, Wednesday, at(19, 0), false, tariffs::Zone::PAEGASMimo},
        {PricedNetwork::Paegas, Sunday, at(12, 0), false, tariffs::Zone::PAEGASMimo},
        {PricedNetwork::Eurotel, Wednesday, at(18, 59, 59), false, tariffs::Zone::EUROTEL},
        {PricedNetwork::Eurotel, Wednesday, at(23, 0), false, tariffs::Zone::EUROTELMimo},
        {PricedNetwork::Eurotel, MayDay, at(10, 0), false, tariffs::Zone::EUROTEL},
        {PricedNetwork::Eurotel, MayDay, at(10, 0), true, tariffs::Zone::EUROTELMimo},
        {PricedNetwork::Jts, MayDay, at(10, 0), true, tariffs::Zone::JTSMimo},
        {PricedNetwork::Jts, MayDay, at(23, 0), true, tariffs::Zone::JTSNoc},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zoneAt(c.network, c.date, c.time, c.holidaysAsWeekend), c.zone)
            << static_cast<int>(c.network) << " " << shown(c.date) << " " << c.time << " " << c.holidaysAsWeekend;
    }
}

TEST(Calendar, PublicHolidays) {
    struct Case {
        year_month_day date;
        bool holiday;
    };
    const Case cases[] = {
        {2000y / January / 1, true},    {2000y / April / 24, true},  // Easter Monday
        {2000y / April / 21, false},                                 // Good Friday, not yet a holiday
        {2015y / April / 3, false},     {2016y / March / 25, true},  // Good Friday from 2016
        {2016y / March / 28, true},     {2024y / March / 29, true},     {2024y / April / 1, true},
        {2038y / April / 26, true},  // Easter Monday at its latest
        {2000y / May / 8, true},        {2000y / May / 9, false},       {2000y / July / 5, true},
        {2000y / July / 6, true},       {2000y / September / 28, true}, {2000y / October / 28, true},
        {2000y / November / 17, true},  {2000y / December / 24, true},  {2000y / December / 26, true},
        {2000y / December / 27, false},
    };
    for (const Case& c : cases) EXPECT_EQ(isPublicHoliday(c.date), c.holiday) << shown(c.date);
    // A holiday on a Saturday is a weekend day whatever the option.
    EXPECT_EQ(dayKind(2000y / January / 1), DayKind::Weekend);
    EXPECT_EQ(dayKind(2000y / May / 8), DayKind::HolidayOnWorkingDay);
}

TEST(Calendar, DatesTimesAndDurations) {
    struct DateCase {
        const char* text;
        std::optional<year_month_day> date;
    };
    const DateCase dates[] = {
        {"1.3.2000", 2000y / March / 1},
        {"01. 03. 2000", 2000y / March / 1},
        {"2000-03-01", 2000y / March / 1},
        {"29.2.2000", 2000y / February / 29},
        // Years of two digits, as spreadsheets shorten them: 00-69 this century, 70-99 the last.
        {"01.10.03", 2003y / October / 1},
        {"1.3.00", 2000y / March / 1},
        {"31.12.69", 2069y / December / 31},
        {"1.1.70", 1970y / January / 1},
        {"1. 10. 03", 2003y / October / 1},
        // Year first is never ambiguous, with "/" too.
        {"2003/10/01", 2003y / October / 1},
        {"31.2.2000", {}},
        {"29.2.1900", {}},
        {"2/3/2000", {}},
        {"2003/10-01", {}},
        {"1.3.200", {}},
        {"2000-13-01", {}},
        {"1.3.2000x", {}},
        {"", {}},
    };
    for (const DateCase& c : dates) EXPECT_EQ(parseDate(c.text), c.date) << c.text;
    EXPECT_EQ(parseTime("7:05"), 7 * 3600 + 5 * 60);
    EXPECT_EQ(parseTime("23:59:59"), 86399);
    for (const char* bad : {"25:00", "24:00", "7:5", "7:60", "7:05:60", "7.05"}) EXPECT_FALSE(parseTime(bad)) << bad;
    struct Case {
        const char* text;
        std::optional<TimeUnit> plainUnit;  // the unit in the column's header
        std::optional<std::uint64_t> seconds;
    };
    const Case durations[] = {
        {"75", {}, 75},
        {"1:15", {}, 75},
        {"0:01:15", {}, 75},
        {"75:00", {}, 4500},
        {"-5", {}, {}},
        {"1,5", {}, {}},
        {"2:75", {}, {}},
        {"1:2", {}, {}},
        {"1:00:00:00", {}, {}},
        {"", {}, {}},
        // Units in the value, largest first.
        {"65 s", {}, 65},
        {"1 min 5 s", {}, 65},
        {"1 h 2 min 5 s", {}, 3725},
        {"1min 5s", {}, 65},
        {"1:05 min", {}, 65},
        {"5 s 1 min", {}, {}},
        {"1 min 5", {}, {}},
        {"1:05 s", {}, {}},
        {"2048 kB", {}, {}},
        // A zero fraction needs no unit; any other is rounded up to a started second.
        {"65,0", {}, 65},
        {"65.00", {}, 65},
        {"65,4 s", {}, 66},
        {"1,5 min", {}, 90},
        // The header's unit is that of the plain numbers only.
        {"2", TimeUnit::Minute, 120},
        {"1,5", TimeUnit::Minute, 90},
        {"0,33", TimeUnit::Minute, 20},
        {"65,4", TimeUnit::Second, 66},
        {"0,5", TimeUnit::Hour, 1800},
        {"1:05", TimeUnit::Hour, 65},
        {"30 s", TimeUnit::Minute, 30},
    };
    for (const Case& c : durations) EXPECT_EQ(parseDuration(c.text, c.plainUnit), c.seconds) << c.text;
}
