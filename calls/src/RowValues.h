// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// The values of a call list's rows: cells trimmed, a kind read, a date and
// time taken apart.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calls/CallList.h"

namespace hovorix::calls {

std::string_view trimmed(std::string_view text);

// What a direction or kind value says a row is.
enum class RowKind : std::uint8_t {
    OutgoingVoice,  // empty, or an outgoing voice call: counted
    OtherVoice,     // incoming, or anything that is not said to be an outgoing call: left out with its length
    NotVoice,       // SMS, MMS, data: left out, its "length" being a count or kilobytes
};

// The kind of a row by one value: its words, ignoring case and accents.
RowKind rowKind(std::string_view value, Encoding encoding);

// Whether a value holds one of the words a direction or kind column holds
// (odchozí, příchozí, hovor, SMS, data, incoming, ...).
bool holdsKindWord(std::string_view value, Encoding encoding);

// The date and, where the value gives one, the time of a date-and-time
// value: a date, then blanks or a "T", then a time.
struct DateAndTime {
    std::optional<std::chrono::year_month_day> date;
    std::optional<std::uint32_t> time;
    bool hasTime = false;
};

DateAndTime splitDateTime(std::string_view value);

// "3 pole", "5 polí"
std::string fieldsText(std::size_t n);

}  // namespace hovorix::calls
