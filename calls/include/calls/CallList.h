// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// Minutes from the user's own call list: read an itemised bill (CSV), sort
// every call into its network and time band, and turn the durations into the
// seven monthly minute counts of the usage profile.
//
//   const PrefixTable& prefixes = ...;        // Prefixes.h
//   CallTally tally = readCallList(path, prefixes, progress);   // slow, once
//   CallSummary summary = summarise(tally, options);            // instant, on every change
//   UsageProfile usage = usageFrom(summary);                    // "fill the fields"
//   for (const MonthFigures& month : summary.months)            // each calendar month
//       fees::MonthUsage billed = monthUsage(month);            // its minutes as billed, to price it alone

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calls/Calendar.h"
#include "calls/CallListError.h"
#include "calls/Prefixes.h"
#include "fees/TariffChoice.h"
#include "fees/UsageProfile.h"

namespace hovorix::calls {

// How a call's duration is charged.
enum class Rounding : std::uint8_t {
    Exact,          // to the second
    PerMinute,      // 60/60: every started minute
    PerHalfMinute,  // 30/30: every started half minute
    FirstMinute,    // 60/1: the first minute whole, then per second
};
inline constexpr auto AllRoundings =
    tariffs::enumerators({Rounding::Exact, Rounding::PerMinute, Rounding::PerHalfMinute, Rounding::FirstMinute});
constexpr const auto& enumeratorsOf(Rounding) { return AllRoundings; }
inline constexpr std::size_t RoundingCount = AllRoundings.size();

// "exact", "60/60", "30/30", "60/1"
std::string_view roundingName(Rounding rounding);
std::optional<Rounding> roundingNamed(std::string_view name);

// The charged seconds of a call of the given length. A call of 0 seconds
// started no minute and costs nothing under every rounding.
std::uint32_t chargedSeconds(std::uint32_t seconds, Rounding rounding);

// Why an outgoing call is not in the seven zones, in the order the summary
// lists them.
enum class NotCounted : std::uint8_t {
    OtherNetwork,  // a mobile network the calculator does not price (Oskar)
    Abroad,
    Roaming,     // made abroad in another network, which no tariff file prices
    Free,        // 800 numbers
    SharedCost,  // 84 numbers
    Premium,     // 90 numbers
    Services,    // 1xx: emergency, directory and other services
    Unknown,     // no prefix matches
    // Incoming, missed and rejected calls, calls through an application
    // (FaceTime, WhatsApp), SMS, MMS, data: rows a direction, kind or
    // application column leaves out.
    NotOutgoingVoice,
};
inline constexpr auto AllNotCounted = tariffs::enumerators({
    NotCounted::OtherNetwork,
    NotCounted::Abroad,
    NotCounted::Roaming,
    NotCounted::Free,
    NotCounted::SharedCost,
    NotCounted::Premium,
    NotCounted::Services,
    NotCounted::Unknown,
    NotCounted::NotOutgoingVoice,
});
constexpr const auto& enumeratorsOf(NotCounted) { return AllNotCounted; }
inline constexpr std::size_t NotCountedCount = AllNotCounted.size();

// The group's Czech name for the summary, e.g. "do zahraničí".
std::string_view notCountedText(NotCounted reason);

// Calls and their durations summed under each rounding at once, so the user
// can change the rounding without reading the list again.
struct Durations {
    std::uint64_t calls = 0;
    std::array<std::uint64_t, RoundingCount> seconds{};  // indexed by Rounding

    void add(std::uint32_t callSeconds);
    Durations& operator+=(const Durations& other);
    bool operator==(const Durations&) const = default;
};

// A total duration as h:mm:ss; the hours may run past a day: "27:03:09".
std::string durationText(std::uint64_t seconds);

// UTF-16 only with its byte order mark, as Excel's "Unicode text" writes it.
enum class Encoding : std::uint8_t { Utf8, Utf8WithBom, Windows1250, Utf16LittleEndian, Utf16BigEndian };

// "UTF-8", "UTF-8 s BOM", "Windows-1250", "UTF-16 LE", "UTF-16 BE"
std::string_view encodingText(Encoding encoding);

// Counted calls by network, time of day and kind of day: what the zones are
// summed from under either holiday rule.
using PricedDurations = std::array<std::array<std::array<Durations, DayKindCount>, TimeOfDayCount>, PricedNetworkCount>;

inline Durations& bucketOf(PricedDurations& priced, PricedNetwork network, TimeOfDay time, DayKind day) {
    return priced[static_cast<std::size_t>(network)][static_cast<std::size_t>(time)][static_cast<std::size_t>(day)];
}
inline const Durations& bucketOf(const PricedDurations& priced, PricedNetwork network, TimeOfDay time, DayKind day) {
    return priced[static_cast<std::size_t>(network)][static_cast<std::size_t>(time)][static_cast<std::size_t>(day)];
}

// Rows after the header that are not calls: totals, subtotals, page
// headings, notes, the header repeated on a new page.
struct SkippedRows {
    std::uint64_t count = 0;
    std::size_t firstLine = 0;  // the first one's line; 0 when none was skipped
    std::string firstText;      // its first non-empty cell, UTF-8, cut after 40 characters

    bool operator==(const SkippedRows&) const = default;
};

// One of the user's own numbers in a list with the calls of several SIMs,
// and how many outgoing calls the list has of it.
struct Subscriber {
    std::string number;  // UTF-8; nine digits grouped in threes ("602 111 222"), else as the list writes it
    std::uint64_t calls = 0;

    bool operator==(const Subscriber&) const = default;
};

// At most this many of the user's own numbers are told apart; the rows of
// any further numbers are read only with all of them.
inline constexpr std::size_t MaxSubscribers = 1000;

// A subscriber's calls as the messages and the summary count them: "1 hovor",
// "3 hovory", "5 hovorů".
std::string callsText(std::uint64_t calls);

// The key a subscriber's number is compared by: its digits without blanks,
// "/" and "-", and without a leading +420, 00420 or the 420 of twelve
// digits; text other than a number without its blanks.
std::string subscriberKey(std::string_view number);

// The subscriber's number asked for (ReadOptions) is not among the list's.
class UnknownSubscriber : public CallListError {
public:
    UnknownSubscriber(std::string message, std::vector<Subscriber> subscribers);
    // The list's numbers, most calls first; empty when it names none.
    const std::vector<Subscriber>& subscribers() const { return subscribers_; }

private:
    std::vector<Subscriber> subscribers_;
};

// Everything the summary needs from a call list, in a few hundred bytes and
// about a kilobyte for each calendar month with calls, whatever the list's
// length.
struct CallTally {
    PricedDurations priced{};
    // The same calls by the calendar month they were made in.
    std::map<std::chrono::year_month, PricedDurations> months;
    std::array<Durations, NotCountedCount> notCounted{};
    // Counted calls that started on a public holiday, whatever the day of the week.
    std::uint64_t holidayCalls = 0;
    // The earliest and latest date of all rows, as days since 1970-01-01.
    std::int32_t firstDay = 0;
    std::int32_t lastDay = 0;

    Encoding encoding = Encoding::Utf8;
    char separator = ';';
    std::size_t headerLine = 0;
    std::size_t rows = 0;  // rows after the header that were read as calls or left out
    SkippedRows skippedRows;
    // The numbers of a column of the user's own number, most calls first
    // (of equal counts, the one the list names first); empty when the list
    // has no such column.
    std::vector<Subscriber> subscribers;
    // The one of them whose calls were read (ReadOptions); empty when the
    // rows of every number were read.
    std::string subscriber;

    Durations& bucket(PricedNetwork network, TimeOfDay time, DayKind day) {
        return bucketOf(priced, network, time, day);
    }
    const Durations& bucket(PricedNetwork network, TimeOfDay time, DayKind day) const {
        return bucketOf(priced, network, time, day);
    }
};

// Told how far reading has come (bytes of the file, its size); returns false
// to cancel, upon which the reading throws ReadCancelled.
using Progress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// What to read of a call list.
struct ReadOptions {
    // Of a list with the calls of several SIMs, the rows of this number only
    // (compared by subscriberKey); rows that name no number are read with
    // every one. Empty: every row.
    std::string subscriber;
};

// Reads a call list in bounded memory, however large the file. Throws
// CallListError for anything the list cannot be used for, with the line,
// UnknownSubscriber when the subscriber asked for is not in the list, and
// ReadCancelled when progress returns false. A pipe is read as a file is.
CallTally readCallList(const std::filesystem::path& file, const PrefixTable& prefixes, const Progress& progress = {},
                       const ReadOptions& options = {});
// The same for a call list already in memory.
CallTally parseCallList(std::string_view content, const PrefixTable& prefixes, const Progress& progress = {},
                        const ReadOptions& options = {});

// The header row is looked for within the first so many lines.
inline constexpr std::size_t HeaderSearchLines = 20;

// The user's choices that change the figures.
struct SummaryOptions {
    Rounding rounding = Rounding::Exact;
    bool holidaysAsWeekend = false;
    // D, the days the figures are spread over; nullopt: the days the list spans.
    std::optional<std::int32_t> days;
};

struct Figures {
    std::uint64_t calls = 0;
    std::uint64_t seconds = 0;        // after rounding
    std::int64_t monthlyMinutes = 0;  // round(seconds x 30 / (60 x D))

    bool operator==(const Figures&) const = default;
};

// Below this many days the monthly figures are a guess: warn.
inline constexpr std::int32_t ShortPeriodDays = 7;

// One calendar month of the list: the days the list covers in it and the
// counted calls of each zone, with their minutes a month over those days and
// the minutes of the calendar month as its bill charges them. What a
// month-by-month table and a choice that must hold month after month start
// from.
struct MonthFigures {
    std::chrono::year_month month;
    // The first month starts at the list's first day and the last ends at
    // its last day; the others are whole, with or without calls.
    std::chrono::year_month_day firstDate;
    std::chrono::year_month_day lastDate;
    std::int32_t days = 0;
    std::int32_t daysInMonth = 0;                     // days of the calendar month
    std::array<Figures, tariffs::ZoneCount> zones{};  // indexed by Zone; minutes a month over days
    // Indexed by Zone: the charged seconds / 60, not rounded; a month the
    // list covers in part as a whole month at the same pace (x daysInMonth /
    // days). A whole month's are exactly its bill's.
    std::array<double, tariffs::ZoneCount> calendarMinutes{};

    const Figures& zone(tariffs::Zone z) const { return zones[static_cast<std::size_t>(z)]; }
    double minutes(tariffs::Zone z) const { return calendarMinutes[static_cast<std::size_t>(z)]; }
    // Covered less than a week: its minutes a month are a guess, and the
    // months are compared without it.
    bool shortPeriod() const { return days < fees::ShortMonthDays; }
    bool operator==(const MonthFigures&) const = default;
};

struct CallSummary {
    std::array<Figures, tariffs::ZoneCount> zones{};    // indexed by Zone
    std::array<Figures, NotCountedCount> notCounted{};  // indexed by NotCounted
    std::uint64_t holidayCalls = 0;
    std::chrono::year_month_day firstDate;
    std::chrono::year_month_day lastDate;
    std::int32_t spanDays = 0;  // first to last date, both included
    std::int32_t days = 0;      // D: spanDays, or the number the user gave
    // Every calendar month from the first date's to the last date's, in
    // order; D given by the user does not change them.
    std::vector<MonthFigures> months;
    // The user's own number whose calls these are, of a list of several;
    // empty when the rows of every number were read.
    std::string subscriber;

    const Figures& zone(tariffs::Zone z) const { return zones[static_cast<std::size_t>(z)]; }
    const Figures& notCountedFor(NotCounted reason) const { return notCounted[static_cast<std::size_t>(reason)]; }
    bool shortPeriod() const { return days < ShortPeriodDays; }
};

// Throws std::invalid_argument when the given days are below 1.
CallSummary summarise(const CallTally& tally, const SummaryOptions& options);

// round(seconds x 30 / (60 x days)), halves rounded up, exactly.
std::int64_t monthlyMinutes(std::uint64_t seconds, std::int32_t days);

// The warning to show when D is below a week: "Počet dní D = 3 je kratší než
// týden; ...". Empty otherwise.
std::string shortPeriodWarning(const CallSummary& summary);

// A monthly count beyond what a minute field holds (2147483647).
class MinutesOutOfRange : public std::runtime_error {
public:
    MinutesOutOfRange(tariffs::Zone zone, std::int64_t minutes);
    tariffs::Zone zone() const { return zone_; }
    std::int64_t minutes() const { return minutes_; }

private:
    tariffs::Zone zone_;
    std::int64_t minutes_;
};

// The seven monthly counts as a monthly usage profile (no fax, no data).
// Throws MinutesOutOfRange rather than let a count wrap.
fees::UsageProfile usageFrom(const CallSummary& summary);

// A calendar month as the outputs name it: "2003-10".
std::string monthKey(std::chrono::year_month month);

// One calendar month of the list as the month-by-month choice of a tariff
// takes it: its key, the days the list covers of it and the days it has, and
// its calendar minutes as a monthly usage (no fax, no data; the caller sets
// the user's). Real minutes know no field's limit: every month is priced.
fees::MonthUsage monthUsage(const MonthFigures& month);

}  // namespace hovorix::calls
