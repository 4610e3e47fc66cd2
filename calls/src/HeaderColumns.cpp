// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "HeaderColumns.h"

#include <algorithm>

#include "Text.h"

namespace hovorix::calls {

namespace {

struct ColumnName {
    std::string_view folded;
    Column column;
};

constexpr ColumnName ColumnNames[] = {
    {"datum", Column::Date},
    {"date", Column::Date},
    {"cas", Column::Time},
    {"cas uskutecneni hovoru", Column::Time},
    {"time", Column::Time},
    {"datum a cas", Column::DateTime},
    {"zacatek", Column::DateTime},
    {"start", Column::DateTime},
    {"volane cislo", Column::Number},
    {"cislo", Column::Number},
    {"number", Column::Number},
    {"delka", Column::Duration},
    {"delka hovoru", Column::Duration},
    {"trvani", Column::Duration},
    {"duration", Column::Duration},
    {"smer", Column::Kind},
    {"typ", Column::Kind},
    {"sluzba", Column::Kind},
    {"type", Column::Kind},
};

const char* columnDescription(Column column) {
    switch (column) {
    case Column::Date: return "s datem hovoru (datum, date)";
    case Column::Time: return "s časem hovoru (čas, čas uskutečnění hovoru, time)";
    case Column::DateTime: return "s datem a časem (datum a čas, začátek, start)";
    case Column::Number: return "s volaným číslem (volané číslo, číslo, number)";
    case Column::Duration: return "s délkou hovoru (délka, délka hovoru, trvání, duration)";
    case Column::Kind: break;
    }
    return "se směrem nebo typem (směr, typ, služba, type)";
}

}  // namespace

std::optional<Column> columnOf(std::string_view cell, Encoding encoding) {
    std::string name = text::fold(cell, encoding);
    if (!name.empty() && (name.back() == ')' || name.back() == ']')) {
        const std::size_t open = name.find_last_of(name.back() == ')' ? '(' : '[');
        if (open != std::string::npos) name.erase(open);
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == ':')) name.pop_back();
    for (const ColumnName& known : ColumnNames) {
        if (known.folded == name) return known.column;
    }
    return std::nullopt;
}

std::size_t knownColumns(std::span<const std::string_view> fields, Encoding encoding) {
    return static_cast<std::size_t>(std::count_if(
        fields.begin(), fields.end(), [encoding](std::string_view f) { return columnOf(f, encoding).has_value(); }));
}

Layout makeLayout(std::span<const std::string_view> fields, std::size_t line, Encoding encoding) {
    Layout layout;
    layout.fieldCount = fields.size();
    layout.header.assign(fields.begin(), fields.end());
    const auto duplicate = [&](std::size_t first, std::size_t second, const char* meaning) {
        throw CallListError(Problem::DuplicateColumn,
                            "Sloupce „" + text::quoted(fields[first], encoding) + "“ a „" +
                                text::quoted(fields[second], encoding) + "“ oba udávají " + meaning +
                                "; výpis smí mít jen jeden takový sloupec.",
                            line);
    };
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto column = columnOf(fields[i], encoding);
        if (!column) continue;
        const auto place = [&](std::optional<std::size_t>& slot, const char* meaning) {
            if (slot) duplicate(*slot, i, meaning);
            slot = i;
        };
        switch (*column) {
        case Column::Date: place(layout.date, "datum"); break;
        case Column::Time: place(layout.time, "čas"); break;
        case Column::DateTime: place(layout.dateTime, "datum a čas"); break;
        case Column::Number: place(layout.number, "volané číslo"); break;
        case Column::Duration: place(layout.duration, "délku hovoru"); break;
        case Column::Kind: layout.kinds.push_back(i); break;
        }
    }
    if (layout.dateTime && layout.date)
        duplicate(std::min(*layout.date, *layout.dateTime), std::max(*layout.date, *layout.dateTime), "datum");
    if (layout.dateTime && layout.time)
        duplicate(std::min(*layout.time, *layout.dateTime), std::max(*layout.time, *layout.dateTime), "čas");
    const auto missing = [line](Column column) {
        throw CallListError(Problem::MissingColumn,
                            std::string("V záhlaví chybí sloupec ") + columnDescription(column) + ".", line);
    };
    if (!layout.date && !layout.dateTime) missing(layout.time ? Column::Date : Column::DateTime);
    if (!layout.number) missing(Column::Number);
    if (!layout.duration) missing(Column::Duration);
    return layout;
}

}  // namespace hovorix::calls
