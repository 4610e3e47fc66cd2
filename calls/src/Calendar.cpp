// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calls/Calendar.h"

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

tariffs::Zone zoneOfCall(PricedNetwork network, TimeOfDay time, DayKind day, bool holidaysAsWeekend) {
    const bool workingDay = day == DayKind::WorkingDay || (day == DayKind::HolidayOnWorkingDay && !holidaysAsWeekend);
    const bool peak = workingDay && time == TimeOfDay::Day;
    switch (network) {
    case PricedNetwork::Jts:
        if (time == TimeOfDay::Night) return tariffs::Zone::JTSNoc;
        return peak ? tariffs::Zone::JTS : tariffs::Zone::JTSMimo;
    case PricedNetwork::Paegas: return peak ? tariffs::Zone::PAEGAS : tariffs::Zone::PAEGASMimo;
    case PricedNetwork::Eurotel: break;
    }
    return peak ? tariffs::Zone::EUROTEL : tariffs::Zone::EUROTELMimo;
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

std::optional<year_month_day> parseDate(std::string_view text) {
    unsigned a = 0, b = 0, c = 0;
    std::string_view rest = text;
    if (!takeNumber(rest, 1, 4, a)) return std::nullopt;
    const std::size_t firstDigits = text.size() - rest.size();
    unsigned y = 0, m = 0, d = 0;
    if (firstDigits == 4) {
        if (!take(rest, '-') || !takeNumber(rest, 1, 2, b) || !take(rest, '-') || !takeNumber(rest, 1, 2, c)) {
            return std::nullopt;
        }
        y = a, m = b, d = c;
    } else {
        if (firstDigits > 2 || !take(rest, '.')) return std::nullopt;
        skipBlanks(rest);
        if (!takeNumber(rest, 1, 2, b) || !take(rest, '.')) return std::nullopt;
        skipBlanks(rest);
        if (!takeNumber(rest, 4, 4, c)) return std::nullopt;
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

std::optional<std::uint64_t> parseDuration(std::string_view text) {
    // Nine digits in any part are more than a call can last, and keep the
    // sum far from overflowing.
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
    std::uint64_t seconds = 0;
    for (std::size_t i = 0; i < count; ++i) seconds = seconds * 60 + parts[i];
    return seconds;
}

}  // namespace hovorix::calls
