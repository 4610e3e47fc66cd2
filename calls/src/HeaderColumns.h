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

enum class Column : std::uint8_t { Date, Time, DateTime, Number, Duration, Kind };

// What a header cell names. A note in brackets after the name and a colon
// are not part of it: "Délka (s)", "Číslo:".
std::optional<Column> columnOf(std::string_view cell, Encoding encoding);

// A row is taken for the header when it names at least this many columns;
// a single match may be a line like "Číslo;604 123 456" above the table.
inline constexpr std::size_t HeaderMinimum = 2;

std::size_t knownColumns(std::span<const std::string_view> fields, Encoding encoding);

struct Layout {
    std::size_t fieldCount = 0;
    std::optional<std::size_t> date, time, dateTime, number, duration;
    std::vector<std::size_t> kinds;
    std::vector<std::string> header;  // the raw cells, to skip a repeated header
};

// The columns of a header row. Throws CallListError for two columns of one
// meaning and for a missing column.
Layout makeLayout(std::span<const std::string_view> fields, std::size_t line, Encoding encoding);

}  // namespace hovorix::calls
