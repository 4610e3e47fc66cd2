// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// The header row of a call list: what each cell names, and where the columns
// the reading needs stand.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calls/CallList.h"

namespace hovorix::calls {

// What a column of a call list means.
enum class Column : std::uint8_t {
    Date,
    Time,
    DateTime,
    Number,
    Duration,
    Kind,         // what the row is: a call, an SMS, data (several columns may say)
    Direction,    // incoming or outgoing (several may say)
    Application,  // the application a call went through: FaceTime, WhatsApp (several may say)
    Roaming,      // yes or no
    Zone,         // the zone or network of the call, read only for roaming (several may say)
    Subscriber,   // the user's own number, of a list with the calls of several SIMs
    Quantity,     // how much: the duration when no column gives it, in its row's unit
    Unit,         // the unit of the quantity: s, min, h, or ks, kB, MB for what is no call
};
inline constexpr auto AllColumns = tariffs::enumerators({
    Column::Date,
    Column::Time,
    Column::DateTime,
    Column::Number,
    Column::Duration,
    Column::Kind,
    Column::Direction,
    Column::Application,
    Column::Roaming,
    Column::Zone,
    Column::Subscriber,
    Column::Quantity,
    Column::Unit,
});
constexpr const auto& enumeratorsOf(Column) { return AllColumns; }
inline constexpr std::size_t ColumnCount = AllColumns.size();

// What a header cell names, and how surely.
struct ColumnMatch {
    Column column = Column::Date;
    // The whole cell is one of the names ("Volané číslo"), not a name with
    // more words after it ("Číslo volaného").
    bool exact = false;
    // The length of the name matched: of two claims on one meaning, the
    // longer name wins.
    std::size_t nameLength = 0;
    // A name that claims its meaning only where no other column does
    // ("Destination", "Cíl": the called number, unless another names it).
    bool fallback = false;
    // The unit in brackets after the name, in lower case without accents
    // ("s" of "Délka (s)"), and as written, for a message; empty when none.
    std::string unit;
    std::string unitAsWritten;
};

// What a header cell names, compared without case, accents, surrounding
// punctuation and a unit in brackets. A cell with "/" is read part by part:
// "Délka/Objem" is a duration, "Datum/Čas" a date and time.
std::optional<ColumnMatch> matchColumn(std::string_view cell, Encoding encoding);

// How many cells of a row name a column, when the row is a header: it has
// at least one exact name and names at least two meanings. 0 otherwise; a
// line such as "Číslo;604 123 456" above the table is no header.
std::size_t headerScore(std::span<const std::string_view> fields, Encoding encoding);

struct Layout {
    std::size_t fieldCount = 0;
    // The date comes from date, or from dateTime with the time; a date
    // column may carry the time too, and must agree with a time column.
    std::optional<std::size_t> date, time, dateTime, number, duration;
    // The unit of the duration column's plain numbers; seconds when none.
    std::optional<TimeUnit> durationUnit;
    std::vector<std::size_t> kinds, directions, applications, zones;
    std::optional<std::size_t> roaming, subscriber;
    // A unit column, when the duration is a quantity in the unit each row
    // names ("Množství" with "MJ").
    std::optional<std::size_t> unit;
    // Columns whose name names nothing, and kind or direction names followed
    // by more words ("Typ sazby", "Směr volání"): direction columns when most
    // of their first values are directions alone, kind columns when most are
    // kind words, and ignored otherwise, so that no column of another kind
    // leaves every call out.
    std::vector<std::size_t> maybeKinds;
    std::vector<std::string> header;  // the trimmed cells, to skip the header repeated on a new page

    std::size_t dateColumn() const { return dateTime ? *dateTime : *date; }
};

// The columns of a header row. Of several cells that claim one meaning an
// exact name beats a name with more words, then the longer name wins; a
// tie, a missing column and a duration unit not known are errors
// (CallListError). Of the meanings a list may do without (roaming, the
// subscriber), the first of the strongest claims wins.
Layout makeLayout(std::span<const std::string_view> fields, std::size_t line, Encoding encoding);

}  // namespace hovorix::calls
