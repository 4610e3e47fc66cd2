// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "HeaderColumns.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "RowValues.h"
#include "Text.h"

namespace hovorix::calls {

namespace {

struct ColumnName {
    std::string_view folded;
    Column column;
    bool fallback = false;  // only where no other column claims the meaning
};

// In lower case without accents, as text::fold gives them.
constexpr ColumnName ColumnNames[] = {
    {"datum", Column::Date},
    {"date", Column::Date},
    {"cas", Column::Time},
    {"cas uskutecneni hovoru", Column::Time},
    {"cas zahajeni", Column::Time},
    {"time", Column::Time},
    {"datum a cas", Column::DateTime},
    {"datum a cas zahajeni", Column::DateTime},
    {"zahajeni", Column::DateTime},
    {"zacatek", Column::DateTime},
    {"start", Column::DateTime},
    {"volane cislo", Column::Number},
    {"cislo", Column::Number},
    {"volany", Column::Number},
    {"cilove cislo", Column::Number},
    {"adresa", Column::Number},
    {"number", Column::Number},
    {"called number", Column::Number},
    {"dialled number", Column::Number},
    {"dialed number", Column::Number},
    {"destination", Column::Number, true},
    {"cil", Column::Number, true},
    {"delka", Column::Duration},
    {"delka hovoru", Column::Duration},
    {"doba trvani", Column::Duration},
    {"trvani", Column::Duration},
    {"duration", Column::Duration},
    {"smer", Column::Direction},
    {"smer hovoru", Column::Direction},
    {"direction", Column::Direction},
    {"call direction", Column::Direction},
    {"typ", Column::Kind},
    {"typ hovoru", Column::Kind},
    {"typ sluzby", Column::Kind},
    {"druh", Column::Kind},
    {"druh hovoru", Column::Kind},
    {"sluzba", Column::Kind},
    {"type", Column::Kind},
    {"call type", Column::Kind},
    {"service", Column::Kind},
    {"service type", Column::Kind},
    {"aplikace", Column::Application},
    {"app", Column::Application},
    {"roaming", Column::Roaming},
    {"zona", Column::Zone},
    {"pasmo", Column::Zone},
    {"sit", Column::Zone},
    {"zone", Column::Zone},
    {"network", Column::Zone},
    {"cislo ucastnika", Column::Subscriber},
    {"cislo sim", Column::Subscriber},
    {"vlastni cislo", Column::Subscriber},
    {"moje cislo", Column::Subscriber},
    {"sim", Column::Subscriber},
    {"msisdn", Column::Subscriber},
    {"subscriber", Column::Subscriber},
    {"mnozstvi", Column::Quantity},
    {"quantity", Column::Quantity},
    {"mj", Column::Unit},
    {"jednotka", Column::Unit},
    {"merna jednotka", Column::Unit},
    {"unit", Column::Unit},
};

// Words after a name that make the cell about the customer, the bill or the
// contract rather than the call: "Číslo účastníka", "Typ tarifu".
constexpr std::string_view StopWords[] = {
    "ucastnik", "ucastnika", "volajici", "volajiciho", "vlastni",  "sim",   "faktura",
    "faktury",  "vystaveni", "smlouva",  "smlouvy",    "zakaznik", "tarif", "tarifu",
};

bool isWordCharacter(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// Without the blanks and punctuation around it: "Číslo:" and "*Datum*" are names.
std::string_view withoutPunctuation(std::string_view text) {
    while (!text.empty() && !isWordCharacter(text.front())) text.remove_prefix(1);
    while (!text.empty() && !isWordCharacter(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    parts.push_back(text);
    return parts;
}

bool hasStopWord(std::string_view words) {
    std::size_t i = 0;
    while (i < words.size()) {
        while (i < words.size() && !isWordCharacter(words[i])) ++i;
        std::size_t end = i;
        while (end < words.size() && isWordCharacter(words[end])) ++end;
        const std::string_view word = words.substr(i, end - i);
        if (std::find(std::begin(StopWords), std::end(StopWords), word) != std::end(StopWords)) return true;
        i = end;
    }
    return false;
}

// A name alone, or a name followed by more words none of which is a stop word.
std::optional<ColumnMatch> matchName(std::string_view name) {
    std::optional<ColumnMatch> best;
    for (const ColumnName& known : ColumnNames) {
        if (known.folded == name) return ColumnMatch{known.column, true, known.folded.size(), known.fallback, {}, {}};
        if (name.size() > known.folded.size() && name.starts_with(known.folded) && name[known.folded.size()] == ' ' &&
            !hasStopWord(name.substr(known.folded.size())) && (!best || known.folded.size() > best->nameLength)) {
            best = ColumnMatch{known.column, false, known.folded.size(), known.fallback, {}, {}};
        }
    }
    return best;
}

// The note in the last brackets of a cell as written: "kB" of "Objem (kB)".
std::string_view bracketNote(std::string_view cell) {
    const std::size_t close = cell.find_last_of(")]");
    if (close == std::string_view::npos) return {};
    const std::size_t open = cell.find_last_of(cell[close] == ')' ? '(' : '[', close);
    if (open == std::string_view::npos) return {};
    return trimmed(cell.substr(open + 1, close - open - 1));
}

// "hh:mm:ss", "m:ss": how the values are written, not a unit.
bool isClockNote(std::string_view note) {
    return note.find(':') != std::string_view::npos && note.find_first_not_of("hms:") == std::string_view::npos;
}

// -1, 0 or 1 as the first claim is weaker than, as strong as or stronger
// than the second.
int compareClaims(const ColumnMatch& a, const ColumnMatch& b) {
    if (a.fallback != b.fallback) return a.fallback ? -1 : 1;
    if (a.exact != b.exact) return a.exact ? 1 : -1;
    if (a.nameLength != b.nameLength) return a.nameLength > b.nameLength ? 1 : -1;
    return 0;
}

// How a message names a column of each meaning: the column that holds it,
// with the names it is known by, and the meaning itself.
struct ColumnTexts {
    const char* description;
    const char* meaning;
};

constexpr auto ColumnTextsOf = tariffs::enumTable<Column, ColumnTexts>({
    {Column::Date, {"s datem hovoru (datum, date)", "datum"}},
    {Column::Time, {"s časem hovoru (čas, čas zahájení, čas uskutečnění hovoru, time)", "čas"}},
    {Column::DateTime,
     {"s datem a časem (datum a čas, datum a čas zahájení, zahájení, začátek, start)", "datum a čas"}},
    {Column::Number,
     {"s volaným číslem (volané číslo, číslo, volaný, cílové číslo, adresa, number, called number, dialled number)",
      "volané číslo"}},
    {Column::Duration, {"s délkou hovoru (délka, délka hovoru, doba trvání, trvání, duration)", "délku hovoru"}},
    {Column::Kind, {"s typem (typ, typ hovoru, typ služby, služba, druh, type, call type, service)", "typ"}},
    {Column::Direction, {"se směrem hovoru (směr, směr hovoru, direction, call direction)", "směr hovoru"}},
    {Column::Application, {"s aplikací (aplikace, app)", "aplikaci"}},
    {Column::Roaming, {"s roamingem (roaming)", "roaming"}},
    {Column::Zone, {"se zónou nebo sítí (zóna, pásmo, síť, zone, network)", "zónu nebo síť"}},
    {Column::Subscriber,
     {"s číslem účastníka (číslo účastníka, číslo SIM, vlastní číslo, moje číslo, SIM, MSISDN, subscriber)",
      "číslo účastníka"}},
    {Column::Quantity, {"s množstvím (množství, quantity)", "množství"}},
    {Column::Unit, {"s jednotkou (MJ, jednotka, měrná jednotka, unit)", "jednotku"}},
});

// Where the columns of a meaning go of which a list may have several, each
// read; nullptr for a meaning of one column.
std::vector<std::size_t>* columnsOf(Column column, Layout& layout) {
    switch (column) {
    case Column::Kind: return &layout.kinds;
    case Column::Direction: return &layout.directions;
    case Column::Application: return &layout.applications;
    case Column::Zone: return &layout.zones;
    case Column::Date:
    case Column::Time:
    case Column::DateTime:
    case Column::Number:
    case Column::Duration:
    case Column::Roaming:
    case Column::Subscriber:
    case Column::Quantity:
    case Column::Unit: break;
    }
    return nullptr;
}

// Meanings a list may do without and that decide no figure on their own:
// two claims on one are no reason to refuse the list.
bool optionalColumn(Column column) {
    return column == Column::Roaming || column == Column::Subscriber || column == Column::Quantity ||
           column == Column::Unit;
}

const char* columnDescription(Column column) { return ColumnTextsOf[tariffs::indexOf(column)].description; }

const char* meaningText(Column column) { return ColumnTextsOf[tariffs::indexOf(column)].meaning; }

}  // namespace

std::optional<ColumnMatch> matchColumn(std::string_view cell, Encoding encoding) {
    std::string folded = text::fold(cell, encoding);
    while (!folded.empty() && !isWordCharacter(folded.back()) && folded.back() != ')' && folded.back() != ']')
        folded.pop_back();
    std::string_view name = folded;
    std::string_view unit;
    if (!name.empty() && (name.back() == ')' || name.back() == ']')) {
        const std::size_t open = name.find_last_of(name.back() == ')' ? '(' : '[');
        if (open != std::string_view::npos) {
            unit = trimmed(name.substr(open + 1, name.size() - open - 2));
            name = name.substr(0, open);
        }
    }
    name = withoutPunctuation(name);
    const std::vector<std::string_view> parts = split(name, '/');
    std::vector<std::string_view> units = split(unit, '/');
    std::vector<std::string_view> unitsAsWritten = split(bracketNote(cell), '/');
    if (units.size() != parts.size() || unitsAsWritten.size() != parts.size()) {
        units.assign(parts.size(), unit);
        unitsAsWritten.assign(parts.size(), bracketNote(cell));
    }
    std::optional<ColumnMatch> first, date, time;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::optional<ColumnMatch> match = matchName(withoutPunctuation(parts[i]));
        if (!match) continue;
        match->unit = trimmed(units[i]);
        match->unitAsWritten = trimmed(unitsAsWritten[i]);
        if (match->column == Column::Date && !date) date = match;
        if (match->column == Column::Time && !time) time = match;
        if (!first) first = std::move(match);
    }
    if (parts.size() > 1 && date && time) {
        return ColumnMatch{
            Column::DateTime, date->exact && time->exact, date->nameLength + 1 + time->nameLength, false, {}, {}};
    }
    return first;
}

std::size_t headerScore(std::span<const std::string_view> fields, Encoding encoding) {
    std::size_t named = 0;
    bool exact = false;
    std::array<bool, ColumnCount> meanings{};
    for (const std::string_view cell : fields) {
        const std::optional<ColumnMatch> match = matchColumn(cell, encoding);
        if (!match) continue;
        ++named;
        exact = exact || match->exact;
        meanings[tariffs::indexOf(match->column)] = true;
    }
    return exact && std::count(meanings.begin(), meanings.end(), true) >= 2 ? named : 0;
}

Layout makeLayout(std::span<const std::string_view> fields, std::size_t line, Encoding encoding) {
    Layout layout;
    layout.fieldCount = fields.size();
    for (const std::string_view cell : fields) layout.header.emplace_back(trimmed(cell));
    const auto duplicate = [&](std::size_t first, std::size_t second, Column meaning) {
        throw CallListError(Problem::DuplicateColumn,
                            "Sloupce „" + text::quoted(fields[std::min(first, second)], encoding) + "“ a „" +
                                text::quoted(fields[std::max(first, second)], encoding) + "“ oba udávají " +
                                meaningText(meaning) + "; výpis smí mít jen jeden takový sloupec.",
                            line);
    };

    // The strongest claim on each meaning but those of which a list may
    // have several columns.
    struct Claim {
        std::size_t column = 0;
        ColumnMatch match;
        std::optional<std::size_t> tiedWith;
    };
    std::array<std::optional<Claim>, ColumnCount> claims;  // by Column; those of many columns stay empty
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::optional<ColumnMatch> match = matchColumn(fields[i], encoding);
        if (!match) {
            if (!trimmed(fields[i]).empty()) layout.maybeKinds.push_back(i);
            continue;
        }
        if (std::vector<std::size_t>* columns = columnsOf(match->column, layout)) {
            // A kind or a direction name with more words is judged by the
            // column's values: "Směr volání" on a bill names the network
            // called, not the direction.
            const bool judged = !match->exact && (match->column == Column::Kind || match->column == Column::Direction);
            (judged ? layout.maybeKinds : *columns).push_back(i);
            continue;
        }
        std::optional<Claim>& claim = claims[tariffs::indexOf(match->column)];
        const int strength = claim ? compareClaims(*match, claim->match) : 1;
        if (strength > 0)
            claim = Claim{i, std::move(*match), std::nullopt};
        else if (strength == 0 && !claim->tiedWith)
            claim->tiedWith = i;
    }
    for (std::size_t c = 0; c < claims.size(); ++c) {
        if (claims[c] && claims[c]->tiedWith && !optionalColumn(static_cast<Column>(c)))
            duplicate(claims[c]->column, *claims[c]->tiedWith, static_cast<Column>(c));
    }
    auto& date = claims[tariffs::indexOf(Column::Date)];
    auto& time = claims[tariffs::indexOf(Column::Time)];
    auto& dateTime = claims[tariffs::indexOf(Column::DateTime)];
    // A date-and-time column claims the date and the time too.
    if (dateTime && date) {
        const int strength = compareClaims(dateTime->match, date->match);
        if (strength == 0) duplicate(date->column, dateTime->column, Column::Date);
        if (strength > 0)
            date.reset();
        else
            dateTime.reset();
    }
    if (dateTime && time) {
        const int strength = compareClaims(dateTime->match, time->match);
        if (strength == 0) duplicate(time->column, dateTime->column, Column::Time);
        if (strength > 0) {
            time.reset();
        } else {
            // The time column wins the time; the date still comes from the
            // date-and-time column, read as a date column.
            date = dateTime;
            dateTime.reset();
        }
    }
    const auto place = [](const std::optional<Claim>& claim) {
        return claim ? std::optional<std::size_t>(claim->column) : std::nullopt;
    };
    layout.date = place(date);
    layout.time = place(time);
    layout.dateTime = place(dateTime);
    layout.number = place(claims[tariffs::indexOf(Column::Number)]);
    layout.duration = place(claims[tariffs::indexOf(Column::Duration)]);
    layout.roaming = place(claims[tariffs::indexOf(Column::Roaming)]);
    layout.subscriber = place(claims[tariffs::indexOf(Column::Subscriber)]);
    // A quantity with its unit stands for the duration where no column gives it.
    const auto& quantity = claims[tariffs::indexOf(Column::Quantity)];
    const auto& unit = claims[tariffs::indexOf(Column::Unit)];
    if (!layout.duration && quantity && unit) {
        layout.duration = quantity->column;
        layout.unit = unit->column;
    }

    const auto missing = [line](Column column) {
        throw CallListError(Problem::MissingColumn,
                            std::string("V záhlaví chybí sloupec ") + columnDescription(column) + ".", line);
    };
    if (!layout.date && !layout.dateTime) missing(layout.time ? Column::Date : Column::DateTime);
    if (!layout.number) missing(Column::Number);
    if (!layout.duration) missing(Column::Duration);

    if (layout.unit) return layout;
    const ColumnMatch& duration = claims[tariffs::indexOf(Column::Duration)]->match;
    if (!duration.unit.empty() && !isClockNote(duration.unit)) {
        layout.durationUnit = timeUnitNamed(duration.unit);
        if (!layout.durationUnit) {
            throw CallListError(Problem::UnknownUnit,
                                "Sloupec „" + text::quoted(fields[*layout.duration], encoding) +
                                    "“ udává délku hovoru v jednotce „" +
                                    text::quoted(duration.unitAsWritten, encoding) +
                                    "“, kterou program nezná; délka se udává v sekundách (s), minutách (min) nebo "
                                    "hodinách (h).",
                                line);
        }
    }
    return layout;
}

}  // namespace hovorix::calls
