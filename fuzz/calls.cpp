// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Arbitrary bytes as a call list: the reader must never crash, must report a
// fault at a line the input has, and what it counts must add up under every
// rounding and option.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calls/CallList.h"
#include "tariffs/MessageText.h"

namespace {

using namespace hovorix;
using namespace hovorix::calls;

void check(bool condition) {
    if (!condition) std::abort();
}

void checkTally(const CallTally& tally) {
    std::uint64_t priced = 0;
    for (const auto& byTime : tally.priced) {
        for (const auto& byDay : byTime) {
            for (const Durations& d : byDay) priced += d.calls;
        }
    }
    std::uint64_t all = priced;
    for (const Durations& d : tally.notCounted) all += d.calls;
    check(all == tally.rows);
    std::uint64_t byMonth = 0;
    for (const auto& [month, calls] : tally.months) {
        for (const auto& byTime : calls) {
            for (const auto& byDay : byTime) {
                for (const Durations& d : byDay) byMonth += d.calls;
            }
        }
    }
    check(byMonth == priced);
    check(tally.skippedRows.count == 0 || tally.skippedRows.firstLine >= tally.headerLine);
    check(tally.holidayCalls <= priced);
    check(tally.firstDay <= tally.lastDay);
    for (const bool holidays : {false, true}) {
        std::uint64_t previous = 0;
        // Exact seconds, then 60/1, 30/30 and 60/60 never charge less.
        for (const Rounding r : {Rounding::Exact, Rounding::FirstMinute, Rounding::PerMinute}) {
            const CallSummary summary = summarise(tally, {r, holidays, std::nullopt});
            std::uint64_t calls = 0, seconds = 0;
            for (const Figures& f : summary.zones) {
                calls += f.calls;
                seconds += f.seconds;
                check(f.monthlyMinutes >= 0);
            }
            check(calls == priced);
            check(seconds >= previous);
            // Every calendar month once, in order, each within the list's days.
            std::uint64_t monthCalls = 0;
            std::int32_t monthDays = 0;
            for (const MonthFigures& month : summary.months) {
                check(month.days >= 1 && month.days <= 31);
                monthDays += month.days;
                for (const Figures& f : month.zones) monthCalls += f.calls;
            }
            check(monthCalls == priced);
            check(monthDays == summary.spanDays);
            previous = seconds;
            try {
                usageFrom(summary);
            } catch (const MinutesOutOfRange& tooMany) {
                check(tariffs::isUtf8(tooMany.what()));
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::size_t lines = 1 + static_cast<std::size_t>(std::max(std::count(content.begin(), content.end(), '\n'),
                                                                    std::count(content.begin(), content.end(), '\r')));
    const auto refused = [lines](const CallListError& error) {
        check(error.line() <= lines);
        check(std::string_view(error.what()).size() > 0);
        // Whatever bytes the message and the row quote from the list, they are text to show.
        check(tariffs::isUtf8(error.what()));
        check(tariffs::isUtf8(error.row()));
    };
    try {
        const CallTally tally = parseCallList(content, defaultPrefixTable());
        checkTally(tally);
        // A list of several SIMs, read one number at a time: none has more
        // outgoing calls than the whole list, and the one read is named.
        if (tally.subscribers.size() >= 2) {
            const Subscriber& first = tally.subscribers.front();
            try {
                const CallTally one = parseCallList(content, defaultPrefixTable(), {}, {first.number});
                checkTally(one);
                check(one.subscriber == first.number);
                check(one.subscribers == tally.subscribers);
                check(one.rows <= tally.rows);
            } catch (const CallListError& error) {
                refused(error);
            }
        }
    } catch (const CallListError& error) {
        refused(error);
    }
    return 0;
}
