// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calls/CallList.h"

#include <cstdio>
#include <limits>
#include <stdexcept>

namespace hovorix::calls {

using namespace std::chrono;

namespace {

constexpr auto RoundingNames = tariffs::enumTable<Rounding, std::string_view>({
    {Rounding::Exact, "exact"},
    {Rounding::PerMinute, "60/60"},
    {Rounding::PerHalfMinute, "30/30"},
    {Rounding::FirstMinute, "60/1"},
});

constexpr auto NotCountedTexts = tariffs::enumTable<NotCounted, std::string_view>({
    {NotCounted::OtherNetwork, "jiná síť (Oskar)"},
    {NotCounted::Abroad, "do zahraničí"},
    {NotCounted::Roaming, "v roamingu"},
    {NotCounted::Free, "bezplatná čísla"},
    {NotCounted::SharedCost, "čísla se sdílenými náklady"},
    {NotCounted::Premium, "prémiová čísla"},
    {NotCounted::Services, "služby"},
    {NotCounted::Unknown, "neznámá čísla"},
    {NotCounted::NotOutgoingVoice, "příchozí hovory, SMS, data a jiné"},
});

std::uint64_t roundedUp(std::uint32_t seconds, std::uint32_t unit) {
    return (std::uint64_t{seconds} + unit - 1) / unit * unit;
}

// Digits in groups of three, as Czech writes large numbers.
std::string grouped(std::int64_t value) {
    std::string digits = std::to_string(value);
    for (auto i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), " ");
    }
    return digits;
}

}  // namespace

std::string_view roundingName(Rounding rounding) { return RoundingNames[tariffs::indexOf(rounding)]; }

std::optional<Rounding> roundingNamed(std::string_view name) {
    return tariffs::enumeratorWith<Rounding>(RoundingNames, name);
}

std::uint32_t chargedSeconds(std::uint32_t seconds, Rounding rounding) {
    if (seconds == 0) return 0;
    switch (rounding) {
    case Rounding::Exact: return seconds;
    case Rounding::PerMinute: return static_cast<std::uint32_t>(roundedUp(seconds, 60));
    case Rounding::PerHalfMinute: return static_cast<std::uint32_t>(roundedUp(seconds, 30));
    case Rounding::FirstMinute: break;
    }
    return std::max<std::uint32_t>(seconds, 60);
}

std::string_view notCountedText(NotCounted reason) { return NotCountedTexts[tariffs::indexOf(reason)]; }

std::string durationText(std::uint64_t seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02u:%02u", static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
    return text;
}

std::string_view encodingText(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8: return "UTF-8";
    case Encoding::Utf8WithBom: return "UTF-8 s BOM";
    case Encoding::Utf16LittleEndian: return "UTF-16 LE";
    case Encoding::Utf16BigEndian: return "UTF-16 BE";
    case Encoding::Windows1250: break;
    }
    return "Windows-1250";
}

void Durations::add(std::uint32_t callSeconds) {
    ++calls;
    for (const Rounding r : AllRoundings) seconds[tariffs::indexOf(r)] += chargedSeconds(callSeconds, r);
}

Durations& Durations::operator+=(const Durations& other) {
    calls += other.calls;
    for (std::size_t r = 0; r < RoundingCount; ++r) seconds[r] += other.seconds[r];
    return *this;
}

std::int64_t monthlyMinutes(std::uint64_t seconds, std::int32_t days) {
    // seconds x 30 / (60 x D) = seconds / (2 D); rounding half up is
    // floor((seconds + D) / (2 D)), exact in integers.
    const auto d = static_cast<std::uint64_t>(days);
    const std::uint64_t minutes = seconds / (2 * d) + ((seconds % (2 * d)) >= d ? 1 : 0);
    return minutes > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
               ? std::numeric_limits<std::int64_t>::max()
               : static_cast<std::int64_t>(minutes);
}

namespace {

void addFigures(Figures& figures, const Durations& durations, Rounding rounding) {
    figures.calls += durations.calls;
    figures.seconds += durations.seconds[static_cast<std::size_t>(rounding)];
}

// The zones' calls and seconds of counted calls, under the options' rounding
// and holiday rule.
void addZones(std::array<Figures, tariffs::ZoneCount>& zones, const PricedDurations& priced,
              const SummaryOptions& options) {
    for (const PricedNetwork network : AllPricedNetworks) {
        for (const TimeOfDay time : AllTimesOfDay) {
            for (const DayKind day : AllDayKinds) {
                const tariffs::Zone zone = zoneOfCall(network, time, day, options.holidaysAsWeekend);
                addFigures(zones[static_cast<std::size_t>(zone)], bucketOf(priced, network, time, day),
                           options.rounding);
            }
        }
    }
}

std::int32_t daysFrom(year_month_day first, year_month_day last) {
    return static_cast<std::int32_t>((sys_days{last} - sys_days{first}).count()) + 1;
}

// The minutes a bill for the whole calendar month charges: the seconds as
// minutes, not rounded; a month covered in part goes on at the pace of its
// days to the month's end.
double calendarMonthMinutes(std::uint64_t seconds, std::int32_t days, std::int32_t daysInMonth) {
    const double minutes = static_cast<double>(seconds) / 60;
    return days == daysInMonth ? minutes : minutes * daysInMonth / days;
}

std::vector<MonthFigures> monthsOf(const CallTally& tally, const CallSummary& summary, const SummaryOptions& options) {
    const year_month first = summary.firstDate.year() / summary.firstDate.month();
    const year_month last = summary.lastDate.year() / summary.lastDate.month();
    std::vector<MonthFigures> result;
    for (year_month month = first; month <= last; month += std::chrono::months{1}) {
        MonthFigures figures;
        figures.month = month;
        figures.firstDate = month == first ? summary.firstDate : month / 1;
        figures.lastDate = month == last ? summary.lastDate : year_month_day{month / std::chrono::last};
        figures.days = daysFrom(figures.firstDate, figures.lastDate);
        figures.daysInMonth = static_cast<std::int32_t>(static_cast<unsigned>((month / std::chrono::last).day()));
        if (const auto calls = tally.months.find(month); calls != tally.months.end()) {
            addZones(figures.zones, calls->second, options);
        }
        for (std::size_t z = 0; z < tariffs::ZoneCount; ++z) {
            Figures& f = figures.zones[z];
            f.monthlyMinutes = monthlyMinutes(f.seconds, figures.days);
            figures.calendarMinutes[z] = calendarMonthMinutes(f.seconds, figures.days, figures.daysInMonth);
        }
        result.push_back(figures);
    }
    return result;
}

fees::UsageProfile usageFromZones(const std::array<Figures, tariffs::ZoneCount>& zones) {
    fees::UsageProfile usage;
    usage.periodFactor = fees::PerMonthFactor;
    for (const tariffs::Zone zone : tariffs::AllZones) {
        const std::int64_t minutes = zones[static_cast<std::size_t>(zone)].monthlyMinutes;
        if (minutes > std::numeric_limits<std::int32_t>::max()) throw MinutesOutOfRange(zone, minutes);
        usage.count(zone) = static_cast<std::int32_t>(minutes);
    }
    return usage;
}

}  // namespace

CallSummary summarise(const CallTally& tally, const SummaryOptions& options) {
    if (options.days && *options.days < 1) throw std::invalid_argument("the days of a call list must be at least 1");
    CallSummary summary;
    summary.firstDate = year_month_day{sys_days{days{tally.firstDay}}};
    summary.lastDate = year_month_day{sys_days{days{tally.lastDay}}};
    summary.spanDays = tally.lastDay - tally.firstDay + 1;
    summary.days = options.days.value_or(summary.spanDays);
    summary.holidayCalls = tally.holidayCalls;
    summary.subscriber = tally.subscriber;

    addZones(summary.zones, tally.priced, options);
    for (std::size_t i = 0; i < NotCountedCount; ++i) {
        addFigures(summary.notCounted[i], tally.notCounted[i], options.rounding);
    }
    for (Figures& f : summary.zones) f.monthlyMinutes = monthlyMinutes(f.seconds, summary.days);
    for (Figures& f : summary.notCounted) f.monthlyMinutes = monthlyMinutes(f.seconds, summary.days);
    summary.months = monthsOf(tally, summary, options);
    return summary;
}

std::string shortPeriodWarning(const CallSummary& summary) {
    if (!summary.shortPeriod()) return {};
    return "Počet dní D = " + std::to_string(summary.days) +
           " je kratší než týden; minuty za měsíc proto nemusí odpovídat běžnému měsíci.";
}

MinutesOutOfRange::MinutesOutOfRange(tariffs::Zone zone, std::int64_t minutes)
    : std::runtime_error("Měsíční minuty v pásmu " + std::string(tariffs::zoneName(zone)) + " (" + grouped(minutes) +
                         ") přesahují největší počet, který lze zadat (" +
                         grouped(std::numeric_limits<std::int32_t>::max()) + ")."),
      zone_(zone),
      minutes_(minutes) {}

fees::UsageProfile usageFrom(const CallSummary& summary) { return usageFromZones(summary.zones); }

std::string monthKey(year_month month) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u", static_cast<int>(month.year()), static_cast<unsigned>(month.month()));
    return text;
}

fees::MonthUsage monthUsage(const MonthFigures& month) {
    fees::MonthUsage usage;
    usage.month = monthKey(month.month);
    usage.daysCovered = month.days;
    usage.daysInMonth = month.daysInMonth;
    usage.usage.periodFactor = fees::PerMonthFactor;
    usage.usage.minutes = month.calendarMinutes;
    return usage;
}

}  // namespace hovorix::calls
