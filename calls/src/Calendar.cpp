// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calls/Calendar.h"

#include <algorithm>
#include <string>

namespace hovorix::calls {

using namespace std::chrono;

year_month_day easterSunday(year y) {
    // The anonymous Gregorian computus.
    const int yr = static_cast<int>(y);
    const int a = yr % 19;
    const int b = yr / 100;
    const int c = yr % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return {y, std::chrono::month(static_cast<unsigned>(month)), std::chrono::day(static_cast<unsigned>(day))};
}

bool isPublicHoliday(year_month_day date) {
    const unsigned m = static_cast<unsigned>(date.month());
    const unsigned d = static_cast<unsigned>(date.day());
    switch (m) {
    case 1:
        if (d == 1) return true;
        break;
    case 5:
        if (d == 1 || d == 8) return true;
        break;
    case 7:
        if (d == 5 || d == 6) return true;
        break;
    case 9:
        if (d == 28) return true;
        break;
    case 10:
        if (d == 28) return true;
        break;
    case 11:
        if (d == 17) return true;
        break;
    case 12:
        if (d >= 24 && d <= 26) return true;
        break;
    default: break;
    }
    if (m != 3 && m != 4) return false;
    const sys_days easter{easterSunday(date.year())};
    const sys_days day{date};
    if (day == easter + days{1}) return true;
    return date.year() >= year{2016} && day == easter - days{2};
}

DayKind dayKind(year_month_day date) {
    const weekday wd{sys_days{date}};
    if (wd == Saturday || wd == Sunday) return DayKind::Weekend;
    return isPublicHoliday(date) ? DayKind::HolidayOnWorkingDay : DayKind::WorkingDay;
}

TimeOfDay timeOfDay(std::uint32_t secondOfDay) {
    constexpr std::uint32_t Seven = 7 * 3600, Nineteen = 19 * 3600, TwentyTwo = 22 * 3600;
    if (secondOfDay < Seven || secondOfDay >= TwentyTwo) return TimeOfDay::Night;
    return secondOfDay < Nineteen ? TimeOfDay::Day : TimeOfDay::Evening;
}

namespace {

// The zones of a network's time bands: peak and off-peak, and for the fixed
// network night, every day.
struct Bands {
    tariffs::Zone peak;
    tariffs::Zone offPeak;
    std::optional<tariffs::Zone> night;

    constexpr bool holds(tariffs::Zone zone) const { return zone == peak || zone == offPeak || night == zone; }
};

constexpr auto NetworkBands = tariffs::enumTable<PricedNetwork, Bands>({
    {PricedNetwork::Jts, {tariffs::Zone::JTS, tariffs::Zone::JTSMimo, tariffs::Zone::JTSNoc}},
    {PricedNetwork::Paegas, {tariffs::Zone::PAEGAS, tariffs::Zone::PAEGASMimo, std::nullopt}},
    {PricedNetwork::Eurotel, {tariffs::Zone::EUROTEL, tariffs::Zone::EUROTELMimo, std::nullopt}},
});

// A call can fall into every zone, and only through the zone's own network.
static_assert(std::ranges::all_of(tariffs::AllZones,
                                  [](tariffs::Zone zone) {
                                      return std::ranges::all_of(AllPricedNetworks, [zone](PricedNetwork network) {
                                          return NetworkBands[tariffs::indexOf(network)].holds(zone) ==
                                                 (network == tariffs::networkOf(zone));
                                      });
                                  }),
              "each zone is a time band of its own network");

}  // namespace

tariffs::Zone zoneOfCall(PricedNetwork network, TimeOfDay time, DayKind day, bool holidaysAsWeekend) {
    const bool workingDay = day == DayKind::WorkingDay || (day == DayKind::HolidayOnWorkingDay && !holidaysAsWeekend);
    const bool peak = workingDay && time == TimeOfDay::Day;
    const Bands& bands = NetworkBands[tariffs::indexOf(network)];
    if (time == TimeOfDay::Night && bands.night) return *bands.night;
    return peak ? bands.peak : bands.offPeak;
}

namespace {

// Reads a run of minDigits to maxDigits decimal digits from the front of text.
bool takeNumber(std::string_view& text, std::size_t minDigits, std::size_t maxDigits, unsigned& value) {
    std::size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9') ++n;
    if (n < minDigits || n > maxDigits) return false;
    value = 0;
    for (std::size_t i = 0; i < n; ++i) value = value * 10 + static_cast<unsigned>(text[i] - '0');
    text.remove_prefix(n);
    return true;
}

bool take(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

void skipBlanks(std::string_view& text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
}

}  // namespace

namespace {

// Two digits, as spreadsheets shorten years: 00-69 this century, 70-99 the
// last. False for a year of three digits.
bool fullYear(unsigned& year, std::size_t digits) {
    if (digits == 3) return false;
    if (digits == 2) year += year < 70 ? 2000 : 1900;
    return true;
}

}  // namespace

std::optional<SlashDate> slashDate(std::string_view text) {
    unsigned a = 0, b = 0, y = 0;
    if (!takeNumber(text, 1, 2, a) || !take(text, '/') || !takeNumber(text, 1, 2, b) || !take(text, '/') ||
        !takeNumber(text, 2, 4, y) || !text.empty()) {
        return std::nullopt;
    }
    return SlashDate{a, b};
}

std::optional<year_month_day> parseDate(std::string_view text, std::optional<DayMonthOrder> slashOrder) {
    unsigned a = 0, b = 0, c = 0;
    std::string_view rest = text;
    if (!takeNumber(rest, 1, 4, a)) return std::nullopt;
    const std::size_t firstDigits = text.size() - rest.size();
    unsigned y = 0, m = 0, d = 0;
    if (firstDigits == 4) {
        // Year first is never ambiguous, whether with "-" or "/".
        const char separator = rest.empty() ? '\0' : rest.front();
        if ((separator != '-' && separator != '/') || !take(rest, separator) || !takeNumber(rest, 1, 2, b) ||
            !take(rest, separator) || !takeNumber(rest, 1, 2, c)) {
            return std::nullopt;
        }
        y = a, m = b, d = c;
    } else if (firstDigits <= 2 && slashOrder && take(rest, '/')) {
        if (!takeNumber(rest, 1, 2, b) || !take(rest, '/')) return std::nullopt;
        const std::size_t beforeYear = rest.size();
        if (!takeNumber(rest, 2, 4, c) || !fullYear(c, beforeYear - rest.size())) return std::nullopt;
        const bool dayFirst = *slashOrder == DayMonthOrder::DayFirst;
        d = dayFirst ? a : b, m = dayFirst ? b : a, y = c;
    } else {
        if (firstDigits > 2 || !take(rest, '.')) return std::nullopt;
        skipBlanks(rest);
        if (!takeNumber(rest, 1, 2, b) || !take(rest, '.')) return std::nullopt;
        skipBlanks(rest);
        const std::size_t beforeYear = rest.size();
        if (!takeNumber(rest, 2, 4, c) || !fullYear(c, beforeYear - rest.size())) return std::nullopt;
        d = a, m = b, y = c;
    }
    if (!rest.empty() || y < 1900) return std::nullopt;
    const year_month_day date{year(static_cast<int>(y)), month(m), day(d)};
    if (!date.ok()) return std::nullopt;
    return date;
}

std::optional<std::uint32_t> parseTime(std::string_view text) {
    unsigned h = 0, m = 0, s = 0;
    std::string_view rest = text;
    const auto twoDigits = [&rest](unsigned& value) { return takeNumber(rest, 2, 2, value); };
    if (!takeNumber(rest, 1, 2, h) || !take(rest, ':') || !twoDigits(m)) return std::nullopt;
    if (take(rest, ':') && !twoDigits(s)) return std::nullopt;
    if (!rest.empty() || h > 23 || m > 59 || s > 59) return std::nullopt;
    return h * 3600 + m * 60 + s;
}

std::optional<TimeUnit> timeUnitNamed(std::string_view name) {
    struct UnitName {
        std::string_view name;
        TimeUnit unit;
    };
    static constexpr UnitName Names[] = {
        {"s", TimeUnit::Second},       {"sec", TimeUnit::Second},     {"sek", TimeUnit::Second},
        {"sekund", TimeUnit::Second},  {"sekundy", TimeUnit::Second}, {"seconds", TimeUnit::Second},
        {"min", TimeUnit::Minute},     {"minut", TimeUnit::Minute},   {"minuty", TimeUnit::Minute},
        {"minutes", TimeUnit::Minute}, {"h", TimeUnit::Hour},         {"hod", TimeUnit::Hour},
        {"hodin", TimeUnit::Hour},     {"hodiny", TimeUnit::Hour},    {"hours", TimeUnit::Hour},
    };
    for (const UnitName& known : Names) {
        if (known.name == name) return known.unit;
    }
    return std::nullopt;
}

namespace {

constexpr std::uint64_t Billion = 1000000000;

std::uint64_t secondsIn(TimeUnit unit) {
    switch (unit) {
    case TimeUnit::Second: return 1;
    case TimeUnit::Minute: return 60;
    case TimeUnit::Hour: break;
    }
    return 3600;
}

// A number as a duration's part writes it: up to nine digits, then perhaps
// a decimal comma or point and more digits. The fraction is kept in
// billionths, rounded up beyond them.
struct Decimal {
    std::uint64_t whole = 0;
    std::uint64_t billionths = 0;
};

bool takeDecimal(std::string_view& text, Decimal& number) {
    constexpr std::size_t MaxDigits = 9;
    unsigned whole = 0;
    if (!takeNumber(text, 1, MaxDigits, whole)) return false;
    number = Decimal{whole, 0};
    if (text.empty() || (text.front() != ',' && text.front() != '.')) return true;
    text.remove_prefix(1);
    std::size_t n = 0;
    std::uint64_t scale = Billion;
    bool beyond = false;
    for (; n < text.size() && text[n] >= '0' && text[n] <= '9'; ++n) {
        const auto digit = static_cast<std::uint64_t>(text[n] - '0');
        if (scale > 1) {
            scale /= 10;
            number.billionths += digit * scale;
        } else if (digit != 0) {
            beyond = true;
        }
    }
    if (n == 0) return false;
    if (beyond) ++number.billionths;
    text.remove_prefix(n);
    return true;
}

std::string_view takeWord(std::string_view& text) {
    std::size_t n = 0;
    while (n < text.size() && ((text[n] >= 'a' && text[n] <= 'z') || (text[n] >= 'A' && text[n] <= 'Z'))) ++n;
    const std::string_view word = text.substr(0, n);
    text.remove_prefix(n);
    return word;
}

std::optional<TimeUnit> unitWord(std::string_view word) {
    std::string lower(word);
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return timeUnitNamed(lower);
}

// m:ss or h:mm:ss; minutes and hours may run past 59 and 23.
std::optional<std::uint64_t> clockDuration(std::string_view text) {
    // Nine digits in the first part are more than a call can last, and keep
    // the sum far from overflowing.
    constexpr std::size_t MaxDigits = 9;
    std::uint64_t parts[3] = {};
    std::size_t count = 0;
    std::string_view rest = text;
    while (true) {
        unsigned value = 0;
        const bool later = count > 0;
        if (count == 3 || !takeNumber(rest, later ? 2 : 1, later ? 2 : MaxDigits, value)) return std::nullopt;
        if (later && value > 59) return std::nullopt;
        parts[count++] = value;
        if (rest.empty()) break;
        if (!take(rest, ':')) return std::nullopt;
    }
    if (count == 1) return std::nullopt;
    std::uint64_t seconds = 0;
    for (std::size_t i = 0; i < count; ++i) seconds = seconds * 60 + parts[i];
    return seconds;
}

}  // namespace

std::optional<std::uint64_t> parseDuration(std::string_view text, std::optional<TimeUnit> plainUnit) {
    if (text.find(':') != std::string_view::npos) {
        // "1:05 min" says that 1:05 is minutes and seconds, as it would be anyway.
        std::string_view clock = text;
        while (!clock.empty() &&
               ((clock.back() >= 'a' && clock.back() <= 'z') || (clock.back() >= 'A' && clock.back() <= 'Z'))) {
            clock.remove_suffix(1);
        }
        const std::string_view marker = text.substr(clock.size());
        while (!clock.empty() && clock.back() == ' ') clock.remove_suffix(1);
        if (!marker.empty() && (unitWord(marker) != TimeUnit::Minute || std::count(text.begin(), text.end(), ':') != 1))
            return std::nullopt;
        return clockDuration(clock);
    }
    std::string_view rest = text;
    std::uint64_t seconds = 0;
    std::uint64_t billionths = 0;
    std::optional<TimeUnit> previous;
    while (true) {
        skipBlanks(rest);
        Decimal number;
        if (!takeDecimal(rest, number)) return std::nullopt;
        skipBlanks(rest);
        const std::string_view word = takeWord(rest);
        TimeUnit unit = TimeUnit::Second;
        if (word.empty()) {
            // A plain number: alone, in the column's unit; a fraction of a
            // second only with a unit that says so.
            if (previous || !rest.empty()) return std::nullopt;
            if (number.billionths != 0 && !plainUnit) return std::nullopt;
            unit = plainUnit.value_or(TimeUnit::Second);
        } else {
            const std::optional<TimeUnit> named = unitWord(word);
            if (!named || (previous && *named >= *previous)) return std::nullopt;
            unit = *named;
        }
        previous = unit;
        seconds += number.whole * secondsIn(unit);
        billionths += number.billionths * secondsIn(unit);
        skipBlanks(rest);
        if (rest.empty()) break;
    }
    return seconds + billionths / Billion + (billionths % Billion != 0 ? 1 : 0);
}

}  // namespace hovorix::calls
