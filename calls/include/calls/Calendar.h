// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "calls/PricedNetwork.h"
#include "tariffs/Tarifs.h"

namespace hovorix::calls {

// Where in the day a call starts. Edges belong to the later part: 7:00:00 is
// day, 19:00:00 evening, 22:00:00 night.
enum class TimeOfDay {
    Day,      // 7:00 to 19:00
    Evening,  // 19:00 to 22:00
    Night,    // 22:00 to 7:00
};

// What kind of day a call starts on. A public holiday that falls on Saturday
// or Sunday is a weekend day anyway; one on a working day is kept apart, so
// the user can count it either way without reading the list again.
enum class DayKind { WorkingDay, Weekend, HolidayOnWorkingDay };

inline constexpr auto AllTimesOfDay = tariffs::enumerators({TimeOfDay::Day, TimeOfDay::Evening, TimeOfDay::Night});
constexpr const auto& enumeratorsOf(TimeOfDay) { return AllTimesOfDay; }
inline constexpr std::size_t TimeOfDayCount = AllTimesOfDay.size();
inline constexpr auto AllDayKinds =
    tariffs::enumerators({DayKind::WorkingDay, DayKind::Weekend, DayKind::HolidayOnWorkingDay});
constexpr const auto& enumeratorsOf(DayKind) { return AllDayKinds; }
inline constexpr std::size_t DayKindCount = AllDayKinds.size();

// Czech public holidays: 1 January, Easter Monday, 1 May, 8 May, 5 and 6
// July, 28 September, 28 October, 17 November, 24 to 26 December, and Good
// Friday from 2016 on.
bool isPublicHoliday(std::chrono::year_month_day date);

// Easter Sunday of a Gregorian year.
std::chrono::year_month_day easterSunday(std::chrono::year year);

DayKind dayKind(std::chrono::year_month_day date);

// secondOfDay counts from midnight, 0 to 86399.
TimeOfDay timeOfDay(std::uint32_t secondOfDay);

// The zone a call falls into. The fixed network has peak on working days
// 7-19, off-peak on working days 19-22 and at weekends 7-22, and night 22-7
// every day; the mobile networks have peak on working days 7-19 and off-peak
// otherwise. holidaysAsWeekend counts a holiday on a working day as a weekend
// day.
tariffs::Zone zoneOfCall(PricedNetwork network, TimeOfDay time, DayKind day, bool holidaysAsWeekend);

// Which of the two numbers before the year is the day in a date written
// with slashes: 13/02/2026 against 02/13/2026.
enum class DayMonthOrder : std::uint8_t { DayFirst, MonthFirst };

// The two numbers before the year of a date written a/b/yyyy or a/b/yy, in
// the order written; nullopt for any other text. Only the whole column can
// tell which is the day.
struct SlashDate {
    unsigned first = 0;
    unsigned second = 0;
};
std::optional<SlashDate> slashDate(std::string_view text);

// Dates and times as call lists write them; nullopt for anything else.
// Dates: d.m.yyyy and d.m.yy (blanks after the dots allowed; yy 00-69 is
// 2000-2069, 70-99 is 1970-1999), yyyy-mm-dd and yyyy/mm/dd, years from 1900,
// only days that exist; with slashOrder, also d/m/yyyy or m/d/yyyy (and yy)
// in that order. Times: H:mm and H:mm:ss from 0:00 to 23:59:59, as seconds
// from midnight.
std::optional<std::chrono::year_month_day> parseDate(std::string_view text,
                                                     std::optional<DayMonthOrder> slashOrder = std::nullopt);
std::optional<std::uint32_t> parseTime(std::string_view text);

// The unit a duration is given in.
enum class TimeUnit : std::uint8_t { Second, Minute, Hour };

// A unit as exports name it, in lower case without accents: "s", "sec",
// "sek", "sekund", "sekundy", "seconds", "min", "minut", "minuty", "minutes",
// "h", "hod", "hodin", "hodiny", "hours".
std::optional<TimeUnit> timeUnitNamed(std::string_view name);

// A call's duration in whole seconds: seconds (75), m:ss (1:15), h:mm:ss
// (0:01:15), m:ss with "min" after it (1:15 min), or numbers each with its
// unit, largest first (75 s, 1 min 15 s, 1 h 2 min 5 s). A plain number is
// in plainUnit, the unit the column's header gives (seconds without one).
// Minutes and hours may run past 59 and 23. A number may have a decimal
// fraction (, or .) when a unit says what it is a fraction of, or when the
// fraction is zero (65,0); the seconds are then rounded up, as operators
// bill every started second. No upper limit here: the reader refuses calls
// longer than MaxCallSeconds.
std::optional<std::uint64_t> parseDuration(std::string_view text, std::optional<TimeUnit> plainUnit = std::nullopt);

inline constexpr std::uint64_t MaxCallSeconds = 24 * 3600;

}  // namespace hovorix::calls
