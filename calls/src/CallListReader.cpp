// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <vector>

#include "ByteSources.h"
#include "CsvRecords.h"
#include "HeaderColumns.h"
#include "RowValues.h"
#include "Text.h"
#include "calls/CallList.h"
#include "tariffs/Cp1250.h"

namespace hovorix::calls {

using namespace std::chrono;

namespace {

// How a subscriber's number is shown: nine digits in groups of three, as
// Czech numbers are written; anything else as the list writes it.
std::string subscriberText(const std::string& key, std::string_view value, Encoding encoding) {
    if (key.size() == 9 && key.find_first_not_of("0123456789") == std::string::npos) {
        return key.substr(0, 3) + " " + key.substr(3, 3) + " " + key.substr(6);
    }
    return text::quoted(value, encoding);
}

// What a reading takes for granted, learnt by a reading before it. A list
// is read in one pass whatever its length; what a column means as a whole
// is presumed from its first rows and, should a later row show otherwise,
// the list is read again knowing it.
struct Presumptions {
    // The list first read as UTF-8 turned out not to be.
    bool windows1250 = false;
    // Kind and direction columns shown to be a bill's, not a call log's: a
    // call to the voice mailbox there is the user's own billed call.
    std::vector<std::size_t> voicemailCalls;
    // Dates written d/m/yyyy or m/d/yyyy: which, as a row further down
    // showed. Without it they are read day first, as Czech writes them,
    // until a row shows the month first.
    std::optional<DayMonthOrder> dayMonthOrder;
};

// Read the list again from its start, presuming more.
struct ReadAgain {
    Presumptions presumptions;
    std::size_t utf8Broke = 0;  // the line where UTF-8 broke, when that is why
};

// Columns that may be kind columns are judged by this many rows after the header.
constexpr std::size_t KindSampleRows = 50;

// Ends the search for the header: found, or not within the lines it may be on.
struct StopLooking {};

[[noreturn]] void noHeader() {
    throw CallListError(Problem::NoHeader,
                        "V prvních " + std::to_string(HeaderSearchLines) +
                            " řádcích není záhlaví se jmény sloupců (datum, čas, volané číslo, délka).",
                        0);
}

class CallListReader {
public:
    CallListReader(Source& source, const PrefixTable& prefixes, const Progress& progress,
                   const Presumptions& presumptions, const ReadOptions& options)
        : source_(source),
          prefixes_(prefixes),
          progress_(progress),
          presumptions_(presumptions),
          wantedSubscriber_(subscriberKey(options.subscriber)),
          askedSubscriber_(options.subscriber) {
        dayMonthOrder_ = presumptions.dayMonthOrder;
    }

    CallTally read();

private:
    void start(std::string_view first);
    char chooseSeparator(std::string_view first, bool whole);
    void check(std::string_view block, std::size_t line);
    void record(std::size_t line, std::span<const std::string_view> fields);
    void take(std::size_t line, std::span<const std::string_view> fields);
    bool notACall(std::span<const std::string_view> fields) const;
    void skip(std::size_t line, std::span<const std::string_view> fields);
    void judgeMaybeKinds();
    void settleSignals();
    RowKind kindOf(std::size_t line, std::span<const std::string_view> fields, bool& roaming);
    bool otherSubscriber(std::span<const std::string_view> fields, RowKind kind);
    void finishSubscribers();
    bool summaryRow(std::span<const std::string_view> fields) const;
    void holdSummaryRow(std::size_t line, std::span<const std::string_view> fields);
    void noteDayMonthOrder(std::string_view value, std::size_t line);
    void finishDayMonthOrder();
    QuantityUnit quantityUnit(std::span<const std::string_view> fields) const;
    void row(std::size_t line, std::span<const std::string_view> fields);
    std::uint32_t timeOf(std::span<const std::string_view> fields, std::size_t line) const;
    DateAndTime startOf(std::string_view value, std::size_t line, bool timeColumn, std::uint32_t& time) const;
    void dayOf(std::string_view value, std::size_t line, bool timeColumn, std::uint32_t& time);
    std::uint32_t durationOf(std::string_view value, std::size_t line, std::optional<TimeUnit> unit) const;
    Destination destinationOf(std::string_view value, std::size_t line) const;
    void checkFieldCount(std::size_t line, std::span<const std::string_view> fields) const;
    // A refusal of the row being read quotes it.
    [[noreturn]] void fail(Problem problem, const std::string& message, std::size_t line) const {
        throw CallListError(problem, message, line, currentRow_.empty() ? std::string() : rowText(currentRow_));
    }
    std::string rowText(std::span<const std::string_view> fields) const;
    bool readableDate(std::string_view value) const;
    std::string quote(std::string_view value) const { return "„" + text::quoted(value, tally_.encoding) + "“"; }

    Source& source_;
    const PrefixTable& prefixes_;
    const Progress& progress_;
    const Presumptions& presumptions_;
    const std::string wantedSubscriber_;
    const std::string askedSubscriber_;
    std::optional<text::Utf16Decoder> utf16_;
    bool settled_ = false;       // the encoding is known, not only supposed
    bool nonAsciiRead_ = false;  // bytes above 127 were read as UTF-8
    text::Utf8Validator utf8_;
    char lineBreak_ = '\n';
    CallTally tally_;
    std::optional<Layout> layout_;
    bool anyRow_ = false;

    // The first rows after the header, held back until the columns that may
    // be kind columns are judged by their values.
    struct HeldRow {
        std::size_t line;
        std::vector<std::string> cells;
    };
    std::vector<HeldRow> heldRows_;
    bool judging_ = false;

    // The last date and kind seen, as rows of a day and of a kind come together.
    std::string lastDate_;
    std::int32_t lastDay_ = 0;
    DayKind lastDayKind_ = DayKind::WorkingDay;
    bool lastHoliday_ = false;
    PricedDurations* lastMonth_ = nullptr;
    std::chrono::year_month lastMonthKey_;

    // A column whose values say what a row is, with the words of its last
    // value, as rows of a kind come together.
    struct Signal {
        std::size_t column;
        CellRole role;
        // Its mailbox rows are billed calls: presumed, or the column has
        // shown a value no call log writes.
        bool voicemailIsACall = false;
        // The first mailbox row left out as a call log's; 0 when none.
        std::size_t voicemailLeftOut = 0;
        std::string lastValue;
        std::uint16_t lastWords = 0;
    };
    std::vector<Signal> signals_;

    // The user's own numbers: where each stands in the tally's list, by key.
    std::unordered_map<std::string, std::size_t> subscriberIndex_;
    std::vector<std::string> subscriberKeys_;  // by the tally's list
    std::string lastSubscriberValue_;
    std::optional<std::size_t> lastSubscriber_;  // the last row's, in the tally's list
    bool subscriberFound_ = false;

    // The row being read, as a refusal quotes it.
    std::span<const std::string_view> currentRow_;
    mutable std::string lastReadableDate_;

    // Rows after the last call whose date does not read: a summary block
    // ("Počet hovorů;15", "Celkem k úhradě;…") when no call follows, skipped;
    // refused as the first of them would have been when one does.
    std::optional<CallListError> heldRefusal_;
    SkippedRows heldSummary_;

    // The first date of each kind in a column of dates written with
    // slashes: the day first (13/02/2026), the month first (02/13/2026),
    // either (02/03/2026).
    struct DateCell {
        std::size_t line = 0;
        std::string date;  // for a message, quoted
        std::string row;
    };
    std::optional<DateCell> dayFirst_, monthFirst_, eitherOrder_;
    std::optional<DayMonthOrder> dayMonthOrder_;
    bool readDayFirstUnknowing_ = false;  // a date of either order was read day first before the order was known
};

void CallListReader::start(std::string_view first) {
    if (first.empty()) fail(Problem::Empty, "Soubor je prázdný.", 0);
    if (first.starts_with("PK\x03\x04") || first.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        fail(Problem::Workbook,
             "Soubor je sešit tabulkového procesoru (XLSX, XLS nebo ODS), ne text CSV. "
             "Uložte výpis v tabulkovém procesoru jako CSV.",
             0);
    }
    if (first.starts_with("\xFF\xFE") || first.starts_with("\xFE\xFF")) {
        const bool bigEndian = first.front() == '\xFE';
        tally_.encoding = bigEndian ? Encoding::Utf16BigEndian : Encoding::Utf16LittleEndian;
        utf16_.emplace(bigEndian);
        settled_ = true;
        return;
    }
    // Plain letters with a NUL beside each: UTF-16 that does not say which
    // byte comes first.
    if (first.size() >= 4 && ((first[0] != '\0' && first[1] == '\0' && first[2] != '\0' && first[3] == '\0') ||
                              (first[0] == '\0' && first[1] != '\0' && first[2] == '\0' && first[3] != '\0'))) {
        fail(Problem::Utf16,
             "Soubor je v kódování UTF-16 bez značky pořadí bajtů (BOM). Uložte výpis jako CSV v kódování UTF-8 nebo "
             "Windows-1250, nebo jako text Unicode se značkou BOM.",
             0);
    }
    if (presumptions_.windows1250) {
        tally_.encoding = Encoding::Windows1250;
        settled_ = true;
    } else if (first.starts_with("\xEF\xBB\xBF")) {
        tally_.encoding = Encoding::Utf8WithBom;
        settled_ = true;
    }
}

// The separator under which the first lines hold a header: the one naming
// the most columns, on a tie the first of ";", tab, "," and "|". A header within
// the first lines under none of them is an error: the quoting error of the
// separator that read furthest, or no header.
char CallListReader::chooseSeparator(std::string_view first, bool whole) {
    struct Candidate {
        char separator;
        std::size_t score = 0;
        std::optional<CallListError> error;
    };
    Candidate candidates[] = {{';', 0, {}}, {'\t', 0, {}}, {',', 0, {}}, {'|', 0, {}}};
    for (Candidate& c : candidates) {
        CsvRecords records(c.separator, lineBreak_, [&](std::size_t line, std::span<const std::string_view> fields) {
            if (line > HeaderSearchLines) throw StopLooking{};
            if (const std::size_t named = headerScore(fields, tally_.encoding)) {
                c.score = named;
                throw StopLooking{};
            }
        });
        try {
            records.feed(first);
            if (whole) records.finish();
        } catch (const StopLooking&) {
        } catch (const CallListError& error) {
            c.error = error;
        }
    }
    const Candidate* best = nullptr;
    for (const Candidate& c : candidates) {
        if (c.score > 0 && (!best || c.score > best->score)) best = &c;
    }
    if (best) return best->separator;
    const Candidate* furthest = nullptr;
    for (const Candidate& c : candidates) {
        if (c.error && c.error->line() > 0 && c.error->line() <= HeaderSearchLines &&
            (!furthest || c.error->line() > furthest->error->line())) {
            furthest = &c;
        }
    }
    if (furthest) throw *furthest->error;
    noHeader();
}

// What a byte may be, as bits, so a block is classified in one branch-free
// pass and searched again only when something is wrong with it.
enum ByteClass : std::uint8_t {
    Upper = 1,      // above 127: UTF-8 or Windows-1250 text
    Control = 2,    // a control character other than tab, CR and LF
    Undefined = 4,  // no character in Windows-1250
};

const std::array<std::uint8_t, 256> ByteClasses = [] {
    std::array<std::uint8_t, 256> classes{};
    for (std::size_t b = 0; b < 0x20; ++b) {
        if (b != '\t' && b != '\n' && b != '\r') classes[b] = Control;
    }
    for (std::size_t b = 0x80; b < 0x100; ++b) {
        classes[b] = Upper | (tariffs::cp1250::defines(static_cast<unsigned char>(b)) ? 0 : Undefined);
    }
    return classes;
}();

// Checks a block before it is read: text only, in the file's encoding.
// line is the line the block begins on.
void CallListReader::check(std::string_view block, std::size_t line) {
    const auto lineAt = [&](std::size_t offset) {
        return line + static_cast<std::size_t>(
                          std::count(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(offset), lineBreak_));
    };
    const auto firstOf = [&](std::uint8_t byteClass) {
        return static_cast<std::size_t>(
            std::find_if(block.begin(), block.end(),
                         [byteClass](char c) { return ByteClasses[static_cast<unsigned char>(c)] & byteClass; }) -
            block.begin());
    };
    std::uint8_t found = 0;
    for (const char c : block) found |= ByteClasses[static_cast<unsigned char>(c)];
    if (found & Control) {
        const std::size_t at = firstOf(Control);
        const auto b = static_cast<unsigned>(static_cast<unsigned char>(block[at]));
        fail(Problem::Binary,
             b == 0 ? std::string("Soubor obsahuje znak NUL; není to text CSV, ale binární soubor.")
                    : "Soubor obsahuje řídicí znak (kód " + std::to_string(b) + "); není to text CSV.",
             lineAt(at));
    }
    const bool upper = found & Upper;
    if (tally_.encoding != Encoding::Windows1250 && (upper || !utf8_.complete())) {
        const std::size_t bad = utf8_.check(block);
        if (bad != std::string_view::npos) {
            if (utf16_) {
                fail(Problem::BadEncoding,
                     "Soubor začíná značkou kódování UTF-16 (BOM), ale na tomto řádku není platné UTF-16.",
                     lineAt(bad));
            }
            if (settled_) {
                fail(Problem::BadEncoding,
                     "Soubor začíná značkou kódování UTF-8 (BOM), ale na tomto řádku není platné UTF-8.", lineAt(bad));
            }
            // Everything before was read as UTF-8: again as Windows-1250,
            // unless all of it was plain ASCII, which reads the same.
            if (nonAsciiRead_) {
                Presumptions again = presumptions_;
                again.windows1250 = true;
                throw ReadAgain{again, lineAt(bad)};
            }
            tally_.encoding = Encoding::Windows1250;
            settled_ = true;
        }
    }
    if (tally_.encoding == Encoding::Windows1250 && (found & Undefined)) {
        const std::size_t at = firstOf(Undefined);
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(block[at])));
        fail(Problem::BadEncoding,
             std::string("Soubor obsahuje bajt ") + hex +
                 ", který kódování Windows-1250 nezná, a není ani v UTF-8; není to text výpisu.",
             lineAt(at));
    }
    if (upper && tally_.encoding != Encoding::Windows1250) nonAsciiRead_ = true;
}

void CallListReader::record(std::size_t line, std::span<const std::string_view> fields) {
    const bool empty = std::all_of(fields.begin(), fields.end(), [](std::string_view f) { return trimmed(f).empty(); });
    if (!layout_) {
        if (line > HeaderSearchLines) noHeader();
        if (empty || headerScore(fields, tally_.encoding) == 0) return;
        layout_ = makeLayout(fields, line, tally_.encoding);
        tally_.headerLine = line;
        judging_ = !layout_->maybeKinds.empty();
        if (!judging_) settleSignals();
        return;
    }
    if (empty) return;
    if (judging_) {
        heldRows_.push_back({line, std::vector<std::string>(fields.begin(), fields.end())});
        if (heldRows_.size() == KindSampleRows) judgeMaybeKinds();
        return;
    }
    take(line, fields);
}

// The header again, as on a new page: the same cells, give or take empty
// ones at the end.
bool sameCells(std::span<const std::string_view> fields, const std::vector<std::string>& header) {
    for (std::size_t i = 0; i < std::max(fields.size(), header.size()); ++i) {
        const std::string_view cell = i < fields.size() ? trimmed(fields[i]) : std::string_view();
        if (cell != (i < header.size() ? std::string_view(header[i]) : std::string_view())) return false;
    }
    return true;
}

// The header repeated on a new page; totals, subtotals, page headings and
// notes: no date where the date goes and no called number. Any other row
// with a number is a call, and a bad date in it an error.
bool CallListReader::notACall(std::span<const std::string_view> fields) const {
    const Layout& layout = *layout_;
    if (*layout.number < fields.size() && !trimmed(fields[*layout.number]).empty()) {
        return sameCells(fields, layout.header);
    }
    const std::size_t date = layout.dateColumn();
    return date >= fields.size() || !readableDate(trimmed(fields[date]));
}

// A date in either order where the column's order is not known yet.
bool CallListReader::readableDate(std::string_view value) const {
    // Rows of a day come together.
    if (value == lastReadableDate_) return true;
    const DayMonthOrder order = dayMonthOrder_.value_or(DayMonthOrder::DayFirst);
    const bool readable =
        splitDateTime(value, order).date ||
        (slashDate(datePart(value)) &&
         splitDateTime(value, order == DayMonthOrder::DayFirst ? DayMonthOrder::MonthFirst : DayMonthOrder::DayFirst)
             .date);
    if (readable) lastReadableDate_ = value;
    return readable;
}

std::string CallListReader::rowText(std::span<const std::string_view> fields) const {
    // Enough for the first cells; a tab shown as blanks.
    constexpr std::size_t Shown = 60;
    const std::string between = tally_.separator == '\t' ? "  " : std::string(1, tally_.separator);
    std::string joined;
    for (std::size_t i = 0; i < fields.size() && joined.size() <= 4 * Shown; ++i) {
        if (i > 0) joined += between;
        joined += fields[i];
    }
    return text::quoted(joined, tally_.encoding, Shown);
}

void CallListReader::skip(std::size_t line, std::span<const std::string_view> fields) {
    SkippedRows& skipped = tally_.skippedRows;
    if (skipped.count++ > 0) return;
    skipped.firstLine = line;
    const auto cell =
        std::find_if(fields.begin(), fields.end(), [](std::string_view f) { return !trimmed(f).empty(); });
    if (cell != fields.end()) skipped.firstText = text::quoted(trimmed(*cell), tally_.encoding);
}

void CallListReader::checkFieldCount(std::size_t line, std::span<const std::string_view> fields) const {
    if (fields.size() != layout_->fieldCount) {
        fail(Problem::FieldCount,
             "Řádek má " + fieldsText(fields.size()) + ", ale záhlaví na řádku " + std::to_string(tally_.headerLine) +
                 " má " + fieldsText(layout_->fieldCount) + ".",
             line);
    }
}

void CallListReader::take(std::size_t line, std::span<const std::string_view> fields) {
    if (notACall(fields)) return skip(line, fields);
    currentRow_ = fields;
    if (summaryRow(fields)) {
        holdSummaryRow(line, fields);
    } else {
        // A call after rows that are no summary: the first of them is wrong.
        if (heldRefusal_) throw *heldRefusal_;
        checkFieldCount(line, fields);
        row(line, fields);
    }
    currentRow_ = {};
}

// A row with a called number but a date that does not read: a call with a
// wrong date when its number and duration read, else perhaps a line of a
// summary at the end ("Počet hovorů;15", "Celkem k úhradě;1 234,50").
bool CallListReader::summaryRow(std::span<const std::string_view> fields) const {
    const Layout& layout = *layout_;
    const std::size_t date = layout.dateColumn();
    if (date < fields.size() && readableDate(trimmed(fields[date]))) return false;
    const bool number = *layout.number < fields.size() &&
                        std::holds_alternative<Destination>(classifyNumber(fields[*layout.number], prefixes_));
    const bool duration = *layout.duration < fields.size() &&
                          parseDuration(trimmed(fields[*layout.duration]), quantityUnit(fields).unit).has_value();
    return !(number && duration);
}

void CallListReader::holdSummaryRow(std::size_t line, std::span<const std::string_view> fields) {
    if (!heldRefusal_) {
        try {
            checkFieldCount(line, fields);
            std::uint32_t time = timeOf(fields, line);
            startOf(fields[layout_->dateColumn()], line, layout_->time.has_value(), time);
            fail(Problem::BadDate, "Chybí datum hovoru.", line);
        } catch (const CallListError& refusal) {
            heldRefusal_ = refusal;
        }
    }
    if (heldSummary_.count++ > 0) return;
    heldSummary_.firstLine = line;
    const auto cell =
        std::find_if(fields.begin(), fields.end(), [](std::string_view f) { return !trimmed(f).empty(); });
    if (cell != fields.end()) heldSummary_.firstText = text::quoted(trimmed(*cell), tally_.encoding);
}

// Dates written with slashes are read by the whole column: a first number
// above 12 anywhere means the day comes first, a second one above 12 the
// month; both is an error naming the two, neither an error at the end.
// Until a date shows the order, the dates are read day first; when one
// shows the month first after that, the list is read again knowing it.
void CallListReader::noteDayMonthOrder(std::string_view value, std::size_t line) {
    value = trimmed(value);
    const std::optional<SlashDate> slash = slashDate(datePart(value));
    if (!slash || (slash->first > 12 && slash->second > 12)) return;
    std::optional<DayMonthOrder> shown;
    if (slash->first > 12) shown = DayMonthOrder::DayFirst;
    if (slash->second > 12) shown = DayMonthOrder::MonthFirst;
    std::optional<DateCell>& first =
        !shown ? eitherOrder_ : (*shown == DayMonthOrder::DayFirst ? dayFirst_ : monthFirst_);
    if (!first) first = DateCell{line, quote(value), rowText(currentRow_)};
    if (dayFirst_ && monthFirst_) {
        fail(Problem::BadDate,
             "Data nemají jedno pořadí dne a měsíce: datum " + dayFirst_->date + " na řádku " +
                 std::to_string(dayFirst_->line) + " má napřed den, datum " + monthFirst_->date + " na řádku " +
                 std::to_string(monthFirst_->line) + " napřed měsíc.",
             line);
    }
    if (!shown) {
        if (!dayMonthOrder_) readDayFirstUnknowing_ = true;
        return;
    }
    if (dayMonthOrder_) return;
    dayMonthOrder_ = shown;
    if (*shown == DayMonthOrder::MonthFirst && readDayFirstUnknowing_) {
        Presumptions again = presumptions_;
        again.dayMonthOrder = shown;
        throw ReadAgain{again};
    }
}

void CallListReader::finishDayMonthOrder() {
    if (!eitherOrder_ || dayMonthOrder_) return;
    throw CallListError(Problem::BadDate,
                        "Datum " + eitherOrder_->date +
                            " je nejednoznačné (den a měsíc, nebo měsíc a den?); výpis má psát data jako 2.3.2000 "
                            "nebo 2000-03-02.",
                        eitherOrder_->line, eitherOrder_->row);
}

// The unit of the row's duration: its unit column's, or the header's.
QuantityUnit CallListReader::quantityUnit(std::span<const std::string_view> fields) const {
    if (!layout_->unit || *layout_->unit >= fields.size()) return {true, layout_->durationUnit};
    return quantityUnitNamed(trimmed(fields[*layout_->unit]), tally_.encoding);
}

// A column of unknown name whose values are mostly directions alone
// (příchozí, odchozí, in, out) says each row's direction, and one whose
// values are mostly kind words (odchozí hovor, SMS, ...) what each row is;
// either is read rather than ignored. One named like a kind or direction
// column ("Typ sazby", "Směr volání") whose values are neither is ignored
// rather than leave every call out.
void CallListReader::judgeMaybeKinds() {
    judging_ = false;
    std::vector<std::vector<std::string_view>> rows;
    rows.reserve(heldRows_.size());
    for (const HeldRow& held : heldRows_) rows.emplace_back(held.cells.begin(), held.cells.end());
    for (const std::size_t column : layout_->maybeKinds) {
        std::size_t values = 0, kindWords = 0, directions = 0;
        for (const std::vector<std::string_view>& cells : rows) {
            if (column >= cells.size() || notACall(cells)) continue;
            const std::string_view value = trimmed(cells[column]);
            if (value.empty()) continue;
            ++values;
            const std::uint16_t words = wordClasses(value, tally_.encoding, true);
            if (holdsDirectionOnly(words)) ++directions;
            if (holdsKindWord(words)) ++kindWords;
        }
        if (2 * directions > values) {
            layout_->directions.push_back(column);
        } else if (2 * kindWords > values) {
            layout_->kinds.push_back(column);
        }
    }
    settleSignals();
    for (std::size_t i = 0; i < rows.size(); ++i) take(heldRows_[i].line, rows[i]);
    heldRows_.clear();
    heldRows_.shrink_to_fit();
}

void CallListReader::settleSignals() {
    const Layout& layout = *layout_;
    const auto add = [this](const std::vector<std::size_t>& columns, CellRole role) {
        for (const std::size_t column : columns) {
            const auto& calls = presumptions_.voicemailCalls;
            signals_.push_back({column, role, std::find(calls.begin(), calls.end(), column) != calls.end(), 0, {}, 0});
        }
    };
    add(layout.kinds, CellRole::Kind);
    add(layout.directions, CellRole::Direction);
    add(layout.applications, CellRole::Application);
    add(layout.zones, CellRole::Zone);
}

// What a row is by its kind, direction, application, zone and roaming
// columns: counted only when none of them says otherwise. A call to the
// voice mailbox is the user's own billed call on a bill and a call not made
// in a call log (whose types are directions, unmade calls and the mailbox
// alone): a column is taken for a call log until it shows another value,
// and should a mailbox row have been left out by then, the list is read
// again knowing the column is a bill's.
RowKind CallListReader::kindOf(std::size_t line, std::span<const std::string_view> fields, bool& roaming) {
    RowKind kind = RowKind::OutgoingVoice;
    roaming = false;
    for (Signal& signal : signals_) {
        const std::string_view value = trimmed(fields[signal.column]);
        if (value.empty()) continue;
        if (value != signal.lastValue || signal.lastValue.empty()) {
            signal.lastValue = value;
            signal.lastWords = wordClasses(value, tally_.encoding, signal.role == CellRole::Direction);
        }
        const std::uint16_t words = signal.lastWords;
        if (words & RoamingWord) roaming = true;
        const bool callLogColumn = signal.role == CellRole::Kind || signal.role == CellRole::Direction;
        if (callLogColumn && !signal.voicemailIsACall && !isCallLogType(words)) {
            if (signal.voicemailLeftOut > 0) {
                Presumptions again = presumptions_;
                again.voicemailCalls.push_back(signal.column);
                throw ReadAgain{again};
            }
            signal.voicemailIsACall = true;
        }
        const RowKind cell = rowKindOf(words, signal.role, signal.voicemailIsACall);
        if (cell != RowKind::OutgoingVoice && signal.voicemailLeftOut == 0 &&
            rowKindOf(words, signal.role, true) == RowKind::OutgoingVoice) {
            signal.voicemailLeftOut = line;
        }
        kind = std::max(kind, cell);
    }
    if (layout_->roaming && isYes(trimmed(fields[*layout_->roaming]), tally_.encoding)) roaming = true;
    return kind;
}

// Counts the row's outgoing call for its subscriber's number; true when the
// row is another number's than the one asked for.
bool CallListReader::otherSubscriber(std::span<const std::string_view> fields, RowKind kind) {
    if (!layout_->subscriber) return false;
    const std::string_view value = trimmed(fields[*layout_->subscriber]);
    if (value.empty()) return false;
    if (value != lastSubscriberValue_ || lastSubscriberValue_.empty()) {
        lastSubscriberValue_ = value;
        lastSubscriber_.reset();
        const std::string key = subscriberKey(text::quoted(value, tally_.encoding, CsvRecords::MaxRecordBytes));
        const auto known = subscriberIndex_.find(key);
        if (known != subscriberIndex_.end()) {
            lastSubscriber_ = known->second;
        } else if (tally_.subscribers.size() < MaxSubscribers) {
            lastSubscriber_ = tally_.subscribers.size();
            subscriberIndex_.emplace(key, *lastSubscriber_);
            subscriberKeys_.push_back(key);
            tally_.subscribers.push_back({subscriberText(key, value, tally_.encoding), 0});
        }
    }
    if (lastSubscriber_ && kind == RowKind::OutgoingVoice) ++tally_.subscribers[*lastSubscriber_].calls;
    if (wantedSubscriber_.empty()) return false;
    const bool wanted = lastSubscriber_ && subscriberKeys_[*lastSubscriber_] == wantedSubscriber_;
    subscriberFound_ = subscriberFound_ || wanted;
    return !wanted;
}

// The numbers most calls first; the one asked for named as the list names it.
void CallListReader::finishSubscribers() {
    std::vector<std::size_t> order(tally_.subscribers.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return tally_.subscribers[a].calls > tally_.subscribers[b].calls;
    });
    std::vector<Subscriber> sorted;
    sorted.reserve(order.size());
    for (const std::size_t i : order) {
        sorted.push_back(tally_.subscribers[i]);
        if (!wantedSubscriber_.empty() && subscriberKeys_[i] == wantedSubscriber_) {
            tally_.subscriber = tally_.subscribers[i].number;
        }
    }
    tally_.subscribers = std::move(sorted);
    if (wantedSubscriber_.empty() || subscriberFound_ || !tally_.subscriber.empty()) return;
    if (tally_.subscribers.empty()) {
        throw UnknownSubscriber("Výpis nemá sloupec s číslem účastníka, podle kterého by se vybralo číslo „" +
                                    text::quoted(askedSubscriber_, Encoding::Utf8) + "“.",
                                {});
    }
    std::string numbers;
    for (const Subscriber& subscriber : tally_.subscribers) {
        numbers += (numbers.empty() ? "" : ", ") + subscriber.number + " (" + callsText(subscriber.calls) + ")";
    }
    throw UnknownSubscriber("Ve výpisu není číslo účastníka „" + text::quoted(askedSubscriber_, Encoding::Utf8) +
                                "“; jsou v něm čísla " + numbers + ".",
                            tally_.subscribers);
}

std::uint32_t CallListReader::timeOf(std::span<const std::string_view> fields, std::size_t line) const {
    if (!layout_->time) return 0;
    const std::string_view value = *layout_->time < fields.size() ? trimmed(fields[*layout_->time]) : "";
    if (value.empty()) fail(Problem::BadTime, "Chybí čas hovoru.", line);
    const auto parsed = parseTime(value);
    if (!parsed)
        fail(Problem::BadTime, "Čas " + quote(value) + " neexistuje nebo není zapsán jako 7:05 či 7:05:30.", line);
    return *parsed;
}

// The call's date, and its time where no time column gives it; refused when
// either is missing or wrong.
DateAndTime CallListReader::startOf(std::string_view value, std::size_t line, bool timeColumn,
                                    std::uint32_t& time) const {
    value = trimmed(value);
    if (value.empty()) fail(Problem::BadDate, "Chybí datum hovoru.", line);
    const DateAndTime parsed = splitDateTime(value, dayMonthOrder_.value_or(DayMonthOrder::DayFirst));
    if (!parsed.date) {
        fail(Problem::BadDate, "Datum " + quote(value) + " neexistuje nebo není zapsáno jako 1.3.2000 či 2000-03-01.",
             line);
    }
    if (parsed.hasTime && !parsed.time) {
        fail(Problem::BadTime, "Čas v " + quote(value) + " neexistuje nebo není zapsán jako 7:05 či 7:05:30.", line);
    }
    if (timeColumn) {
        // Spreadsheets add midnight to a date; any other time beside a time
        // column leaves the call's start in doubt.
        if (parsed.hasTime && *parsed.time != 0 && *parsed.time != time) {
            fail(Problem::BadDate,
                 "Datum " + quote(value) + " udává i čas, jiný než sloupec s časem; není jasné, kdy hovor začal.",
                 line);
        }
    } else if (!parsed.hasTime) {
        fail(Problem::BadTime, "Chybí čas hovoru: výpis nemá sloupec s časem a datum " + quote(value) + " ho neudává.",
             line);
    } else {
        time = *parsed.time;
    }
    return parsed;
}

void CallListReader::dayOf(std::string_view value, std::size_t line, bool timeColumn, std::uint32_t& time) {
    value = trimmed(value);
    if (timeColumn && !value.empty() && value == lastDate_) return;
    const DateAndTime parsed = startOf(value, line, timeColumn, time);
    const year_month_day date = *parsed.date;
    lastDay_ = static_cast<std::int32_t>(sys_days{date}.time_since_epoch().count());
    const year_month month = date.year() / date.month();
    if (!lastMonth_ || month != lastMonthKey_) {
        lastMonth_ = &tally_.months[month];
        lastMonthKey_ = month;
    }
    lastDayKind_ = dayKind(date);
    lastHoliday_ = isPublicHoliday(date);
    // Only a plain date may be taken again from the last row's.
    if (timeColumn && !parsed.hasTime)
        lastDate_ = value;
    else
        lastDate_.clear();
}

// A number with a decimal fraction and nothing else: "1,5".
bool isFraction(std::string_view value) {
    const std::size_t mark = value.find_first_of(",.");
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return mark != std::string_view::npos && digits(value.substr(0, mark)) && digits(value.substr(mark + 1));
}

std::uint32_t CallListReader::durationOf(std::string_view value, std::size_t line, std::optional<TimeUnit> unit) const {
    value = trimmed(value);
    if (value.empty()) fail(Problem::BadDuration, "Chybí délka hovoru.", line);
    const std::optional<std::uint64_t> seconds = parseDuration(value, unit);
    if (seconds && *seconds > MaxCallSeconds) {
        fail(Problem::DurationTooLong, "Délka hovoru " + quote(value) + " přesahuje 24 hodin.", line);
    }
    if (seconds) return static_cast<std::uint32_t>(*seconds);
    if (value.front() == '-') fail(Problem::BadDuration, "Délka hovoru " + quote(value) + " je záporná.", line);
    if (isFraction(value)) {
        fail(Problem::BadDuration,
             "Délka hovoru " + quote(value) +
                 " není celý počet sekund; desetinná délka potřebuje jednotku, například „1,5 min“, nebo jednotku "
                 "v záhlaví sloupce, například „Délka (min)“.",
             line);
    }
    fail(Problem::BadDuration,
         quote(value) +
             " není délka hovoru; délka se píše v sekundách (75), jako m:ss (1:15), h:mm:ss (0:01:15) nebo "
             "s jednotkami (75 s, 1 min 15 s).",
         line);
}

Destination CallListReader::destinationOf(std::string_view value, std::size_t line) const {
    const auto sorted = classifyNumber(value, prefixes_);
    if (const auto* destination = std::get_if<Destination>(&sorted)) return *destination;
    switch (std::get<NumberFault>(sorted)) {
    case NumberFault::Empty: fail(Problem::MissingNumber, "Chybí volané číslo.", line);
    case NumberFault::Exponent:
        fail(Problem::NumberExponent,
             "Volané číslo " + quote(trimmed(value)) +
                 " převedl tabulkový procesor na číslo s exponentem a jeho číslice ztratil. Uložte výpis znovu z "
                 "původního souboru, nebo sloupci s čísly nastavte formát text.",
             line);
    case NumberFault::NotANumber: break;
    }
    fail(Problem::BadNumber, "Volané číslo " + quote(trimmed(value)) + " obsahuje písmena nebo jiné znaky než číslice.",
         line);
}

void CallListReader::row(std::size_t line, std::span<const std::string_view> fields) {
    const Layout& layout = *layout_;
    bool roaming = false;
    const QuantityUnit unit = quantityUnit(fields);
    // A quantity in pieces or kilobytes is no call.
    const RowKind kind = unit.time ? kindOf(line, fields, roaming) : RowKind::NotVoice;
    noteDayMonthOrder(fields[layout.dateColumn()], line);
    if (otherSubscriber(fields, kind)) return;
    ++tally_.rows;
    std::uint32_t time = timeOf(fields, line);
    dayOf(fields[layout.dateColumn()], line, layout.time.has_value(), time);
    if (!anyRow_) {
        tally_.firstDay = tally_.lastDay = lastDay_;
        anyRow_ = true;
    }
    tally_.firstDay = std::min(tally_.firstDay, lastDay_);
    tally_.lastDay = std::max(tally_.lastDay, lastDay_);

    if (kind != RowKind::OutgoingVoice || roaming) {
        // An incoming call or one in roaming keeps its length where it reads
        // as one; an SMS or a data session gives a count or kilobytes there,
        // not seconds. A call in roaming needs no number a Czech prefix
        // would know.
        std::uint32_t seconds = 0;
        if (kind != RowKind::NotVoice) {
            const auto length = parseDuration(trimmed(fields[*layout.duration]), unit.unit);
            if (length && *length <= MaxCallSeconds) seconds = static_cast<std::uint32_t>(*length);
        }
        const NotCounted reason = kind == RowKind::OutgoingVoice ? NotCounted::Roaming : NotCounted::NotOutgoingVoice;
        tally_.notCounted[tariffs::indexOf(reason)].add(seconds);
        return;
    }
    const std::uint32_t seconds = durationOf(fields[*layout.duration], line, unit.unit);
    const Destination destination = destinationOf(fields[*layout.number], line);
    const auto notCounted = [&](NotCounted reason) {
        tally_.notCounted[static_cast<std::size_t>(reason)].add(seconds);
    };
    switch (destination.kind) {
    case Destination::Kind::Abroad: return notCounted(NotCounted::Abroad);
    case Destination::Kind::Unknown: return notCounted(NotCounted::Unknown);
    case Destination::Kind::Network: break;
    }
    if (const std::optional<PricedNetwork> priced = pricedNetwork(destination.network)) {
        // Into the month only; the whole list's are the months' sum.
        bucketOf(*lastMonth_, *priced, timeOfDay(time), lastDayKind_).add(seconds);
        if (lastHoliday_) ++tally_.holidayCalls;
        return;
    }
    switch (destination.network) {
    case Network::Jts:
    case Network::Paegas:
    case Network::Eurotel: break;  // priced above
    case Network::Oskar: return notCounted(NotCounted::OtherNetwork);
    case Network::Zdarma: return notCounted(NotCounted::Free);
    case Network::Sdilene: return notCounted(NotCounted::SharedCost);
    case Network::Premium: return notCounted(NotCounted::Premium);
    case Network::Sluzby: return notCounted(NotCounted::Services);
    }
}

CallTally CallListReader::read() {
    const std::uint64_t total = source_.size();
    std::string_view raw = source_.next();
    start(raw);
    // The text: UTF-16 as UTF-8, without its byte order mark.
    const auto text = [this](std::string_view bytes, bool first) {
        if (!utf16_) return first && tally_.encoding == Encoding::Utf8WithBom ? bytes.substr(3) : bytes;
        return utf16_->decode(first ? bytes.substr(2) : bytes);
    };
    std::string_view block = text(raw, true);
    if (std::memchr(block.data(), '\n', block.size()) == nullptr && std::memchr(block.data(), '\r', block.size())) {
        lineBreak_ = '\r';
    }
    // A UTF-8 start that does not hold settles the encoding before anything is read.
    check(block, 1);
    tally_.separator = chooseSeparator(block, raw.size() < MemorySource::BlockSize);
    CsvRecords records(tally_.separator, lineBreak_,
                       [this](std::size_t line, std::span<const std::string_view> fields) { record(line, fields); });
    std::uint64_t done = 0;
    bool first = true;
    while (!raw.empty()) {
        if (!first) check(block, records.line());
        records.feed(block);
        first = false;
        done += raw.size();
        if (progress_ && !progress_(done, std::max(total, done))) throw ReadCancelled();
        raw = source_.next();
        block = raw.empty() && utf16_ ? utf16_->finish() : text(raw, false);
        if (raw.empty() && !block.empty()) check(block, records.line());
    }
    if (!utf8_.complete() && tally_.encoding != Encoding::Windows1250) {
        if (settled_) {
            fail(Problem::BadEncoding, "Soubor začíná značkou kódování UTF-8 (BOM), ale končí neúplným znakem UTF-8.",
                 records.line());
        }
        Presumptions again = presumptions_;
        again.windows1250 = true;
        throw ReadAgain{again, records.line()};
    }
    records.finish();
    if (!layout_) noHeader();
    if (judging_) judgeMaybeKinds();
    finishDayMonthOrder();
    // The rows held after the last call are a summary: skipped.
    if (heldSummary_.count > 0) {
        SkippedRows& skipped = tally_.skippedRows;
        if (skipped.count == 0 || heldSummary_.firstLine < skipped.firstLine) {
            skipped.firstLine = heldSummary_.firstLine;
            skipped.firstText = heldSummary_.firstText;
        }
        skipped.count += heldSummary_.count;
    }
    finishSubscribers();
    for (const auto& [month, calls] : tally_.months) {
        for (const PricedNetwork network : AllPricedNetworks) {
            for (const TimeOfDay time : AllTimesOfDay) {
                for (const DayKind day : AllDayKinds)
                    tally_.bucket(network, time, day) += bucketOf(calls, network, time, day);
            }
        }
    }
    std::uint64_t outgoing = 0;
    for (const auto& byTime : tally_.priced) {
        for (const auto& byDay : byTime) {
            for (const Durations& d : byDay) outgoing += d.calls;
        }
    }
    for (std::size_t i = 0; i < NotCountedCount; ++i) {
        if (static_cast<NotCounted>(i) != NotCounted::NotOutgoingVoice) outgoing += tally_.notCounted[i].calls;
    }
    if (outgoing == 0) fail(Problem::NoOutgoingCall, "Ve výpisu není žádný odchozí hovor.", 0);
    return tally_;
}

CallTally readFrom(Source& source, const PrefixTable& prefixes, const Progress& progress, const ReadOptions& options) {
    Presumptions presumptions;
    std::size_t utf8Broke = 0;
    // Each reading again presumes something more, learnt once: the
    // readings are few.
    for (;;) {
        try {
            return CallListReader(source, prefixes, progress, presumptions, options).read();
        } catch (const ReadAgain& again) {
            presumptions = again.presumptions;
            if (again.utf8Broke > 0) utf8Broke = again.utf8Broke;
        } catch (const CallListError& error) {
            // A header that reads as UTF-8 but not as Windows-1250: a UTF-8
            // list with a stray byte, which is the better thing to say.
            if (utf8Broke == 0 || error.problem() != Problem::NoHeader) throw;
            throw CallListError(Problem::BadEncoding,
                                "Soubor je v kódování UTF-8, ale na tomto řádku obsahuje bajty, které v UTF-8 nejsou; "
                                "uložte výpis celý v jednom kódování.",
                                utf8Broke);
        }
        source.rewind();
    }
}

}  // namespace

std::string callsText(std::uint64_t calls) {
    return std::to_string(calls) + (calls == 1 ? " hovor" : (calls >= 2 && calls <= 4 ? " hovory" : " hovorů"));
}

CallListError::CallListError(Problem problem, std::string message, std::size_t line, std::string row)
    : std::runtime_error(std::move(message)), problem_(problem), line_(line), row_(std::move(row)) {}

UnknownSubscriber::UnknownSubscriber(std::string message, std::vector<Subscriber> subscribers)
    : CallListError(Problem::UnknownSubscriber, std::move(message), 0), subscribers_(std::move(subscribers)) {}

std::string subscriberKey(std::string_view number) {
    std::string kept;
    for (std::size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (c == ' ' || c == '\t' || c == '/' || c == '-') continue;
        // The no-break space, as UTF-8.
        if (c == '\xC2' && i + 1 < number.size() && number[i + 1] == '\xA0') {
            ++i;
            continue;
        }
        kept += c;
    }
    std::string_view key = kept;
    if (key.find_first_not_of("+0123456789") != std::string_view::npos) return kept;
    if (key.starts_with("+420")) {
        key.remove_prefix(4);
    } else if (key.starts_with("00420")) {
        key.remove_prefix(5);
    } else if (key.size() == 12 && key.starts_with("420")) {
        key.remove_prefix(3);
    }
    return std::string(key);
}

CallTally readCallList(const std::filesystem::path& file, const PrefixTable& prefixes, const Progress& progress,
                       const ReadOptions& options) {
    FileSource source(file);
    return readFrom(source, prefixes, progress, options);
}

CallTally parseCallList(std::string_view content, const PrefixTable& prefixes, const Progress& progress,
                        const ReadOptions& options) {
    MemorySource source(content);
    return readFrom(source, prefixes, progress, options);
}

}  // namespace hovorix::calls
