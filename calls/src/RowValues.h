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
#include <utility>

#include "calls/CallList.h"

namespace hovorix::calls {

std::string_view trimmed(std::string_view text);

// What a direction or kind value says a row is.
enum class RowKind : std::uint8_t {
    OutgoingVoice,  // empty, or an outgoing voice call: counted
    OtherVoice,     // incoming, not made, made through an application, or anything that is not said to be an
                    // outgoing call: left out with its length
    NotVoice,       // SMS, MMS, data: left out, its "length" being a count or kilobytes
};

// The kinds of word a value holds, as bits. After folding (lower case, no
// accents) a word is a run of a-z and 0-9, and each list carries the forms
// exports write ("hlas", "hlasove", "hlasova", ...).
enum WordClass : std::uint16_t {
    VoiceWord = 1 << 0,        // hovor, volání, call, voice, phone, telefon, telefonní, hlasová ...
    OutgoingWord = 1 << 1,     // odchozí, outgoing, outbound; out and O as the whole value of a direction
    IncomingWord = 1 << 2,     // příchozí, incoming, inbound; in and P as the whole value of a direction
    NotMadeWord = 1 << 3,      // zmeškaný, nepřijatý, odmítnutý, missed, rejected, blocked ...
    VoicemailWord = 1 << 4,    // voicemail, (hlasová) schránka
    ApplicationWord = 1 << 5,  // FaceTime, WhatsApp, Viber, Signal, Skype, Teams, Messenger, Telegram
    NotVoiceWord = 1 << 6,     // SMS, MMS, data, GPRS, internet ...
    RoamingWord = 1 << 7,      // roaming, roamingu ...
    OtherWord = 1 << 8,        // a word of none of the lists
};

// The word classes of a value. wholeValueDirections: in, out, P and O as
// the whole value are directions (in a direction column only).
std::uint16_t wordClasses(std::string_view value, Encoding encoding, bool wholeValueDirections);

// What a cell of each kind of column says of its row.
enum class CellRole : std::uint8_t {
    Kind,         // a kind column: anything not said to be an outgoing call is left out
    Direction,    // a direction column: an incoming or unmade call is left out, other values say nothing
    Application,  // an application column: a call through an application is left out
    Zone,         // a zone or network column: only roaming matters
};

// The kind of a row by one cell's word classes. voicemailIsACall: the
// column is an operator's bill, where a call to the mailbox is the user's own
// billed call; in a call log it is a call the user did not make.
RowKind rowKindOf(std::uint16_t words, CellRole role, bool voicemailIsACall);

// A call log's type, such as Incoming, Outgoing call, Missed, Voicemail:
// directions, unmade calls and the mailbox, and nothing else but voice words.
bool isCallLogType(std::uint16_t words);

// Whether a value holds one of the words a direction or kind column holds
// (odchozí, příchozí, hovor, SMS, data, incoming, ...).
bool holdsKindWord(std::uint16_t words);
// Whether its words are directions alone (příchozí, outgoing, in, O, ...).
bool holdsDirectionOnly(std::uint16_t words);

// A value of a roaming column that says yes: ano, yes, true, 1, A, Y.
bool isYes(std::string_view value, Encoding encoding);

// The date and, where the value gives one, the time of a date-and-time
// value: a date, then blanks or a "T", then a time. A time with an offset
// from UTC or a "Z" (ISO 8601: 2026-03-01T09:12:07+01:00, with a fraction
// of a second after a "T") is the Czech local time of that instant, summer
// time included, date and all.
struct DateAndTime {
    std::optional<std::chrono::year_month_day> date;
    std::optional<std::uint32_t> time;
    bool hasTime = false;
    std::string_view dateText;  // the date as written, without the time
};

DateAndTime splitDateTime(std::string_view value, std::optional<DayMonthOrder> slashOrder = std::nullopt);

// The date of a date-and-time value as written, without the time.
std::string_view datePart(std::string_view value);

// What a unit column says of its row's quantity (Množství with MJ): a time,
// in a unit or without one (seconds, or m:ss written out), or not a time
// (ks, kB, MB, GB): the row is not a call.
struct QuantityUnit {
    bool time = true;
    std::optional<TimeUnit> unit;
};
QuantityUnit quantityUnitNamed(std::string_view value, Encoding encoding);

// The date and second of the day in Prague of an instant: UTC + 1 hour, + 2
// in summer time, from the last Sunday of March to the last Sunday of
// October at 1:00 UTC. The European Union's rule since 1996, computed here
// rather than taken from the system's time zone data, which a machine may
// lack; call lists with offsets come from years it covers.
std::pair<std::chrono::year_month_day, std::uint32_t> pragueTime(std::chrono::sys_seconds instant);

// "3 pole", "5 polí"
std::string fieldsText(std::size_t n);

}  // namespace hovorix::calls
