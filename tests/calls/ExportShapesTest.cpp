// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Call lists shaped as operators' web exports and spreadsheets write them.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "calls/CallList.h"

using namespace hovorix;
using namespace hovorix::calls;
using namespace std::chrono;

namespace {

CallTally read(std::string_view content) { return parseCallList(content, defaultPrefixTable()); }

struct Counted {
    std::uint64_t calls;    // into Eurotel at peak: every call below is to 602 123 456 on a working day at 10:00
    std::uint64_t seconds;  // their seconds
    std::uint64_t leftOut;  // rows left out as incoming, SMS, data
    std::int32_t spanDays;

    bool operator==(const Counted&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Counted& c) {
    return out << "{" << c.calls << ", " << c.seconds << ", " << c.leftOut << ", " << c.spanDays << "}";
}

Counted counted(const CallTally& tally) {
    const CallSummary summary = summarise(tally, {});
    return {summary.zone(tariffs::Zone::EUROTEL).calls, summary.zone(tariffs::Zone::EUROTEL).seconds,
            summary.notCountedFor(NotCounted::NotOutgoingVoice).calls, summary.spanDays};
}

// What a list's calls are counted as.
struct Sorted {
    std::uint64_t calls;    // counted, into Eurotel at peak (602 123 456 on a working day at 10:00)
    std::uint64_t seconds;  // their seconds
    std::uint64_t leftOut;  // incoming, not made, through an application, SMS, data
    std::uint64_t leftOutSeconds;
    std::uint64_t roaming;  // in roaming

    bool operator==(const Sorted&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Sorted& s) {
    return out << "{" << s.calls << ", " << s.seconds << ", " << s.leftOut << ", " << s.leftOutSeconds << ", "
               << s.roaming << "}";
}

Sorted sorted(const CallTally& tally) {
    const CallSummary summary = summarise(tally, {});
    const Figures& leftOut = summary.notCountedFor(NotCounted::NotOutgoingVoice);
    return {summary.zone(tariffs::Zone::EUROTEL).calls, summary.zone(tariffs::Zone::EUROTEL).seconds, leftOut.calls,
            leftOut.seconds, summary.notCountedFor(NotCounted::Roaming).calls};
}

// Rows of calls to 602 123 456 on 1.10.2003 at 10:00, each of the given
// seconds and with the given last cells.
std::string listOf(std::string_view header, std::initializer_list<std::pair<const char*, int>> rows) {
    std::string list = "Datum;Čas;Volané číslo;Délka;" + std::string(header) + "\n";
    for (const auto& [cells, seconds] : rows) {
        list += "1.10.2003;10:00;602123456;" + std::to_string(seconds) + ";" + cells + "\n";
    }
    return list;
}

// The list read; its refusal fails the test, naming the case, the line and why.
std::optional<CallTally> readable(std::string_view list, std::string_view what) {
    try {
        return read(list);
    } catch (const CallListError& e) {
        ADD_FAILURE() << what << ": line " << e.line() << ": " << e.what();
        return std::nullopt;
    }
}

// Text as UTF-16 after its byte order mark, as Excel's "Unicode text" saves it.
std::string utf16(std::u16string_view text, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace

TEST(ExportShapes, ColumnNamesAsExportsWriteThem) {
    struct Case {
        const char* shape;
        std::string list;
        Counted expected;
    };
    const Case cases[] = {
        {"duration named doba trvání",
         "Datum;Čas;Volané číslo;Doba trvání\n1.10.2003;10:00;602123456;65\n",
         {1, 65, 0, 1}},
        {"one column of the start, datum a čas zahájení",
         "Datum a čas zahájení;Volané číslo;Délka\n01.10.2003 10:00:00;602123456;65\n",
         {1, 65, 0, 1}},
        {"zahájení, cílové číslo", "Zahájení;Cílové číslo;Délka\n1.10.2003 10:00;602123456;65\n", {1, 65, 0, 1}},
        {"čas zahájení, volaný", "Datum;Čas zahájení;Volaný;Délka\n1.10.2003;10:00;602123456;65\n", {1, 65, 0, 1}},
        {"cells read part by part at /",
         "Datum;Čas;Volané číslo/Adresa;Délka/Objem\n1.10.2003;10:00;602123456;65\n",
         {1, 65, 0, 1}},
        {"Datum/Čas is one date-and-time column",
         "Datum/Čas;Číslo;Délka\n1.10.2003 10:00;602123456;65\n",
         {1, 65, 0, 1}},
        {"typ hovoru is a kind column: its incoming call is left out, not counted",
         "Datum;Čas;Volané číslo;Délka;Typ hovoru\n"
         "1.10.2003;10:00;602123456;65;Odchozí hovor\n1.10.2003;10:05;602123456;30;Příchozí hovor\n",
         {1, 65, 1, 1}},
        {"druh is a kind column and směr hovoru a direction column",
         "Datum;Čas;Volané číslo;Délka;Směr hovoru;Druh\n"
         "1.10.2003;10:00;602123456;65;odchozí;hovor\n1.10.2003;10:05;602123456;1;odchozí;SMS\n",
         {1, 65, 1, 1}},
        {"a name followed by more words",
         "Datum hovoru;Čas;Číslo volaného;Délka hovoru v sekundách\n1.10.2003;10:00;602123456;65\n",
         {1, 65, 0, 1}},
        {"typ tarifu names nothing, so its values leave no call out",
         "Datum;Čas;Volané číslo;Délka;Typ tarifu\n1.10.2003;10:00;602123456;65;Tarif Go\n",
         {1, 65, 0, 1}},
        {"an exact name beats a name with more words",
         "Datum;Čas;Volané číslo;Délka;Délka účtovaná\n1.10.2003;10:00;602123456;65;120\n",
         {1, 65, 0, 1}},
        {"the longer name wins: číslo is the customer's own Paegas number",
         "Datum;Čas;Číslo;Volané číslo;Délka\n1.10.2003;10:00;603111222;602123456;65\n",
         {1, 65, 0, 1}},
        {"datum a čas zahájení wins over datum, the billing date",
         "Datum;Datum a čas zahájení;Volané číslo;Délka\n"
         "31.10.2003;01.10.2003 10:00;602123456;65\n31.10.2003;02.10.2003 10:00;602123456;65\n",
         {2, 130, 0, 2}},
        {"čas zahájení wins over začátek, which still gives the date",
         "Začátek;Čas zahájení;Volané číslo;Délka\n1.10.2003;10:00;602123456;65\n",
         {1, 65, 0, 1}},
        {"a line above the table naming two things without an exact name is no header",
         "Typ výpisu: podrobný;Datum tisku: 2.11.2003\nDatum;Čas;Volané číslo;Délka\n1.10.2003;10:00;602123456;65\n",
         {1, 65, 0, 1}},
        {"a column of unknown name holding kind words is a kind column",
         "Datum;Čas;Volané číslo;Délka;Popis\n"
         "1.10.2003;10:00;602123456;65;Odchozí hovor\n1.10.2003;10:05;602123456;30;Příchozí hovor\n"
         "1.10.2003;10:06;602123456;1;SMS\n",
         {1, 65, 2, 1}},
        {"a column of notes, a few of which hold a kind word, is not",
         "Datum;Čas;Volané číslo;Délka;Poznámka\n"
         "1.10.2003;10:00;602123456;65;Petr\n1.10.2003;10:05;602123456;30;hovor s bankou\n"
         "1.10.2003;10:06;602123456;5;kancelář\n",
         {3, 100, 0, 1}},
        {"a kind name followed by more words is a kind column when its values are kind words",
         "Datum;Čas;Volané číslo;Délka;Typ volání\n"
         "1.10.2003;10:00;602123456;65;odchozí\n1.10.2003;10:05;602123456;30;příchozí\n",
         {1, 65, 1, 1}},
        {"and is ignored when they are not, rather than leave every call out",
         "Datum;Čas;Volané číslo;Délka;Typ sazby\n"
         "1.10.2003;10:00;602123456;65;Špička\n1.10.2003;10:05;602123456;30;Špička\n",
         {2, 95, 0, 1}},
        {"hlasová služba is a voice call",
         "Datum;Čas;Volané číslo;Délka;Služba\n1.10.2003;10:00;602123456;65;Hlasová služba\n",
         {1, 65, 0, 1}},
        // Other exports' names of the called number.
        {"called number", "Date,Time,Called number,Duration\n2003-10-01,10:00,602123456,65\n", {1, 65, 0, 1}},
        {"dialled number", "Date;Time;Dialled number;Duration\n2003-10-01;10:00;602123456;65\n", {1, 65, 0, 1}},
        {"dialed number", "Date;Time;Dialed number;Duration\n2003-10-01;10:00;602123456;65\n", {1, 65, 0, 1}},
        {"destination where nothing else names the number",
         "Date;Time;Destination;Duration\n2003-10-01;10:00;602123456;65\n",
         {1, 65, 0, 1}},
        {"cíl where nothing else names the number",
         "Datum;Čas;Cíl;Délka\n1.10.2003;10:00;602123456;65\n",
         {1, 65, 0, 1}},
        {"cíl beside volané číslo is the network's name, no second number",
         "Datum;Čas;Volané číslo;Cíl;Délka\n1.10.2003;10:00;602123456;Vodafone;65\n",
         {1, 65, 0, 1}},
        {"a call log app's Service column",
         "Date;Time;Number;Duration;Service\n"
         "2003-10-01;10:00;602123456;65;Phone\n2003-10-01;10:05;602123456;600;FaceTime Audio\n"
         "2003-10-01;10:15;602123456;300;WhatsApp Audio\n",
         {1, 65, 2, 1}},
        {"call type and service type",
         "Date;Time;Number;Duration;Call type;Service type\n"
         "2003-10-01;10:00;602123456;65;Outgoing;Telefonní hovor\n"
         "2003-10-01;10:05;602123456;60;Incoming;Telefonní hovor\n"
         "2003-10-01;10:06;602123456;1;Outgoing;SMS\n",
         {1, 65, 2, 1}},
    };
    for (const Case& c : cases) {
        if (const auto tally = readable(c.list, c.shape)) {
            EXPECT_EQ(counted(*tally), c.expected) << c.shape;
        }
    }
}

TEST(ExportShapes, TheDurationColumnsUnit) {
    struct Case {
        const char* header;
        const char* value;
        std::uint64_t seconds;
    };
    const Case cases[] = {
        {"Délka (s)", "65", 65},
        {"Délka [min]", "1,5", 90},
        {"Délka (sec)", "65,2", 66},
        {"Délka (h)", "0,5", 1800},
        {"Délka (min)", "1:05", 65},          // minutes and seconds whatever the unit
        {"Délka (hh:mm:ss)", "0:01:05", 65},  // how values are written, not a unit
        {"Délka/Objem (s/kB)", "65", 65},
    };
    for (const Case& c : cases) {
        const std::string list =
            std::string("Datum;Čas;Volané číslo;") + c.header + "\n1.10.2003;10:00;602123456;" + c.value + "\n";
        if (const auto tally = readable(list, c.header)) {
            EXPECT_EQ(summarise(*tally, {}).zone(tariffs::Zone::EUROTEL).seconds, c.seconds) << c.header;
        }
    }
}

// A bill as operators print it: a daily subtotal, a page break with its
// heading and the header again, totals at the end.
TEST(ExportShapes, RowsThatAreNotCallsAreSkippedAndCounted) {
    const CallTally tally = read(
        "Datum;Čas;Volané číslo;Délka;Cena (Kč)\n"
        "01.10.2003;10:00;602123456;0:01:05;5,00\n"
        "Mezisoučet za 1.10.2003 – velmi dlouhý popis řádku, přes čtyřicet znaků;;;0:01:05;5,00\n"
        "Strana 2;;\n"
        "Datum;Čas;Volané číslo;Délka;Cena (Kč)\n"
        "02.10.2003;10:00;602123456;0:00:30;2,00\n"
        ";;;0:01:35;7,00\n"
        "Celkem;;;30:23:16;123,45\n");
    EXPECT_EQ(counted(tally), (Counted{2, 95, 0, 2}));
    EXPECT_EQ(tally.skippedRows, (SkippedRows{5, 3, "Mezisoučet za 1.10.2003 – velmi dlouhý p…"}));
    EXPECT_EQ(tally.rows, 2u);

    // None skipped: the summary says so with a count of 0 and no line.
    EXPECT_EQ(read("Datum;Čas;Číslo;Délka\n1.10.2003;10:00;602123456;60\n").skippedRows, SkippedRows{});
}

TEST(ExportShapes, RefusalsNameTheLineAndQuoteTheCell) {
    struct Case {
        std::string list;
        Problem problem;
        std::size_t line;
        const char* message;
        const char* row = nullptr;  // the row quoted, as the list writes its first cells
    };
    std::u16string loneSurrogate = u"Datum;Čas;Volané číslo;Délka\n1.10.2003;10:00;602123456;65\n";
    loneSurrogate += char16_t{0xD83D};
    loneSurrogate += u";10:00;602123456;65\n";
    const Case cases[] = {
        // The customer's own number is no called number.
        {"Datum;Čas;Číslo účastníka;Délka\n", Problem::MissingColumn, 1, nullptr},
        {"Datum;Čas;Volané číslo;Délka (kB)\n1.10.2003;10:00;602123456;65\n", Problem::UnknownUnit, 1,
         "Sloupec „Délka (kB)“ udává délku hovoru v jednotce „kB“, kterou program nezná; délka se udává v sekundách "
         "(s), minutách (min) nebo hodinách (h)."},
        // A row with a called number is a call, however its date reads: here
        // the date written only on a day's first row.
        {"Datum;Čas;Volané číslo;Délka\n1.10.2003;10:00;602123456;65\n;10:30;602123456;65\n", Problem::BadDate, 3,
         "Chybí datum hovoru."},
        {"Datum;Čas;Volané číslo;Délka\n1.10.2003;10:00;602123456;65\n1.1O.2003;10:30;602123456;65\n", Problem::BadDate,
         3, "Datum „1.1O.2003“ neexistuje nebo není zapsáno jako 1.3.2000 či 2000-03-01."},
        // A readable date and no number is a call without its number.
        {"Datum;Čas;Volané číslo;Délka\n1.10.2003;10:00;;65\n", Problem::MissingNumber, 2, nullptr},
        {"Datum;Čas;Volané číslo;Délka\n1.10.2003;10:00;602123456;65,5\n", Problem::BadDuration, 2,
         "Délka hovoru „65,5“ není celý počet sekund; desetinná délka potřebuje jednotku, například „1,5 min“, nebo "
         "jednotku v záhlaví sloupce, například „Délka (min)“."},
        {"Datum;Čas;Volané číslo;Délka\n1.10.2003;10:00;602123456;1 min 5\n", Problem::BadDuration, 2,
         "„1 min 5“ není délka hovoru; délka se píše v sekundách (75), jako m:ss (1:15), h:mm:ss (0:01:15) nebo "
         "s jednotkami (75 s, 1 min 15 s)."},
        // A skipped row before the field-count check, a call after it.
        {"Datum;Čas;Volané číslo;Délka\n1.10.2003;10:00;602123456;65;x\n", Problem::FieldCount, 2, nullptr},
        // A lone half of a UTF-16 pair.
        {utf16(loneSurrogate), Problem::BadEncoding, 3,
         "Soubor začíná značkou kódování UTF-16 (BOM), ale na tomto řádku není platné UTF-16."},
        // Day and month in the one order the whole column shows.
        {"Datum;Čas;Volané číslo;Délka\n13/03/2026;10:00;602123456;60\n02/03/2026;10:00;602123456;60\n"
         "03/14/2026;10:00;602123456;60\n",
         Problem::BadDate, 4,
         "Data nemají jedno pořadí dne a měsíce: datum „13/03/2026“ na řádku 2 má napřed den, datum „03/14/2026“ na "
         "řádku 4 napřed měsíc."},
        {"Datum;Čas;Volané číslo;Délka\n02/03/2026;10:00;602123456;60\n04/03/2026;10:00;602123456;60\n",
         Problem::BadDate, 2,
         "Datum „02/03/2026“ je nejednoznačné (den a měsíc, nebo měsíc a den?); výpis má psát data jako 2.3.2000 nebo "
         "2000-03-02."},
        // The row as the list writes it: tabs shown as blanks, a long one cut.
        {"Datum;Čas;Volané číslo;Délka\n1.10.2003;10:00;602123456;-5\n", Problem::BadDuration, 2, nullptr,
         "1.10.2003;10:00;602123456;-5"},
        {"Datum\tČas\tVolané číslo\tDélka\n1.10.2003\t25:00\t602123456\t5\n", Problem::BadTime, 2, nullptr,
         "1.10.2003  25:00  602123456  5"},
        {"Datum;Čas;Volané číslo;Délka;Poznámka\n"
         "1.10.2003;10:00;602 12A 456;65;velmi dlouhá poznámka, která se celá nevejde\n",
         Problem::BadNumber, 2, nullptr, "1.10.2003;10:00;602 12A 456;65;velmi dlouhá poznámka, která …"},
        {"Datum;Čas;Volané číslo;Délka\n", Problem::NoOutgoingCall, 0, nullptr, ""},  // no row: the file's fault
        // A call after a bill's summary block is refused as the block's first row.
        {"Volané číslo;Datum;Čas;Délka\n602123456;1.10.2003;10:00;65\n602123456;2.10.2003;10:00;30\n\n"
         "Počet hovorů;2\nCelkem k úhradě;1 234,50 Kč;;\n602123456;3.10.2003;10:00;30\n",
         Problem::FieldCount, 5, nullptr, "Počet hovorů;2"},
    };
    for (const Case& c : cases) {
        try {
            read(c.list);
            ADD_FAILURE() << "read: " << c.list;
        } catch (const CallListError& e) {
            EXPECT_EQ(e.problem(), c.problem) << c.list << ": " << e.what();
            EXPECT_EQ(e.line(), c.line) << c.list << ": " << e.what();
            if (c.message) {
                EXPECT_STREQ(e.what(), c.message);
            }
            if (c.row) {
                EXPECT_EQ(e.row(), c.row) << e.what();
            }
        }
    }
}

// Only a call the user made counts, at its length; one missed, rejected,
// incoming, made through an application or in roaming is shown where it
// belongs, as is an SMS or data given as a quantity with its unit.
TEST(ExportShapes, OnlyTheCallsTheUserMadeCount) {
    struct Case {
        const char* shape;
        std::string list;
        Sorted expected;
    };
    const Case cases[] = {
        {"a phone's Czech call log: not made, whatever the word hovor says",
         listOf("Typ hovoru", {{"Odchozí hovor", 60},
                               {"Zmeškaný hovor", 5},
                               {"Odmítnutý hovor", 7},
                               {"Nepřijatý", 9},
                               {"Nedovolaný hovor", 11},
                               {"Neuskutečněný hovor", 13}}),
         {1, 60, 5, 45, 0}},
        {"an English call log",
         listOf("Type", {{"Outgoing call", 60},
                         {"Missed call", 5},
                         {"Rejected call", 7},
                         {"Declined", 9},
                         {"Unanswered", 11},
                         {"Blocked", 13}}),
         {1, 60, 5, 45, 0}},
        {"whole words: hlasování (a vote by SMS) holds no hlas",
         listOf("Služba", {{"Hlasová služba", 60}, {"Hlasování", 1}}),
         {1, 60, 1, 1, 0}},
        {"in a call log the voice mailbox is a call not made",
         listOf("Type", {{"Outgoing", 60}, {"Incoming", 20}, {"Missed", 0}, {"Voicemail", 30}}),
         {1, 60, 3, 50, 0}},
        {"on a bill it is the user's own billed call",
         listOf("Služba", {{"Hovor", 60}, {"SMS", 1}, {"Hlasová schránka", 30}}),
         {2, 90, 1, 0, 0}},
        {"a bill that starts with a call to the mailbox is read again once it shows another value",
         listOf("Služba", {{"Hlasová schránka", 30}, {"Hlasová schránka", 30}, {"Hovor", 60}}),
         {3, 120, 0, 0, 0}},
        {"a direction column: inbound and outbound",
         listOf("Direction", {{"outbound", 60}, {"inbound", 20}, {"Outgoing", 60}}),
         {2, 120, 1, 20, 0}},
        {"in and out, P and O only as the whole value",
         listOf("Call direction;Směr", {{"Out;O", 60}, {"In;O", 20}, {"Out;P", 30}, {"out of office;", 60}}),
         {2, 120, 2, 50, 0}},
        {"a direction column naming the network called says nothing against the call",
         listOf("Směr", {{"Mobilní sítě", 60}, {"Pevná síť", 60}}),
         {2, 120, 0, 0, 0}},
        {"a column of unknown name holding directions is a direction column",
         listOf("Kdo volal", {{"odchozí", 60}, {"příchozí", 20}, {"odchozí", 60}}),
         {2, 120, 1, 20, 0}},
        {"an application column",
         listOf("Aplikace", {{"Telefon", 60}, {"WhatsApp", 300}, {"", 60}}),
         {2, 120, 1, 300, 0}},
        {"an application named in a kind column beats a voice word",
         listOf("Služba", {{"Hovor", 60}, {"WhatsApp hovor", 300}, {"FaceTime Audio", 200}, {"Skype", 100}}),
         {1, 60, 3, 600, 0}},
        {"a roaming column", listOf("Roaming", {{"ne", 60}, {"ano", 120}, {"A", 30}, {"", 60}}), {2, 120, 0, 0, 2}},
        {"a zone naming roaming", listOf("Zóna", {{"Česká republika", 60}, {"Roaming EU", 120}}), {1, 60, 0, 0, 1}},
        {"a kind naming roaming; an incoming call there is an incoming call",
         listOf("Typ hovoru", {{"Odchozí hovor v roamingu", 120}, {"Příchozí hovor v roamingu", 20}, {"Hovor", 60}}),
         {1, 60, 1, 20, 1}},
        {"a quantity and its unit: time is the length, pieces and data are no call",
         "Datum;Čas;Volané číslo;Množství;MJ\n"
         "1.10.2003;10:00;602123456;2,5;min\n1.10.2003;10:05;602123456;90;s\n1.10.2003;10:07;602123456;0,5;h\n"
         "1.10.2003;10:40;602123456;1:05;\n1.10.2003;10:41;602123456;3;ks\n1.10.2003;10:42;602123456;1 024;kB\n"
         "1.10.2003;10:43;602123456;2,5;GB\n",
         {4, 150 + 90 + 1800 + 65, 3, 0, 0}},
    };
    for (const Case& c : cases) {
        if (const auto tally = readable(c.list, c.shape)) {
            EXPECT_EQ(sorted(*tally), c.expected) << c.shape;
        }
    }
}

// A business list of two SIMs: the numbers and their outgoing calls, and
// the calls of one of them at a time.
TEST(ExportShapes, TheCallsOfTwoSimsAreReadOneNumberAtATime) {
    const std::string list =
        "Číslo účastníka;Datum;Čas;Volané číslo;Délka;Typ\n"
        "+420 603 222 333;1.10.2003;10:00;602123456;10;Hovor\n"
        "602 111 222;1.10.2003;10:00;602123456;60;Hovor\n"
        "00420602111222;2.10.2003;10:00;602123456;60;Hovor\n"
        "602111222;2.10.2003;10:00;602123456;1;SMS\n"
        ";2.10.2003;10:00;602123456;5;Hovor\n"
        "602/111222;3.10.2003;10:00;602123456;60;Hovor\n";
    const std::vector<Subscriber> numbers = {{"602 111 222", 3}, {"603 222 333", 1}};
    struct Case {
        const char* subscriber;
        std::uint64_t calls, seconds, rows;
        const char* read;
    };
    const Case cases[] = {
        {"", 5, 195, 6, ""},                      // every row, as the front ends never show it when there are two
        {"602111222", 4, 185, 5, "602 111 222"},  // and the row that names no number
        {"+420 603 222 333", 2, 15, 2, "603 222 333"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.subscriber);
        const CallTally tally = parseCallList(list, defaultPrefixTable(), {}, {c.subscriber});
        EXPECT_EQ(tally.subscribers, numbers);
        EXPECT_EQ(tally.subscriber, c.read);
        EXPECT_EQ(tally.rows, c.rows);
        const CallSummary summary = summarise(tally, {});
        const Figures& eurotel = summary.zone(tariffs::Zone::EUROTEL);
        EXPECT_EQ(eurotel.calls, c.calls);
        EXPECT_EQ(eurotel.seconds, c.seconds);
    }
    try {
        parseCallList(list, defaultPrefixTable(), {}, {"777 000 111"});
        ADD_FAILURE() << "a number not in the list read";
    } catch (const UnknownSubscriber& e) {
        EXPECT_EQ(e.subscribers(), numbers);
        EXPECT_STREQ(e.what(),
                     "Ve výpisu není číslo účastníka „777 000 111“; jsou v něm čísla 602 111 222 (3 hovory), "
                     "603 222 333 (1 hovor).");
    }
    // A list of one number reads as any other; one that names no number has
    // none to choose.
    EXPECT_EQ(read("SIM;Datum;Čas;Volané číslo;Délka\n602111222;1.10.2003;10:00;602123456;60\n").subscribers,
              (std::vector<Subscriber>{{"602 111 222", 1}}));
    EXPECT_THROW(parseCallList("Datum;Čas;Volané číslo;Délka\n1.10.2003;10:00;602123456;60\n", defaultPrefixTable(), {},
                               {"602111222"}),
                 UnknownSubscriber);
}

TEST(ExportShapes, UnicodeTextAndTheBarSeparator) {
    // A list past the first block with a character of two UTF-16 units cut
    // by the block's end: letters in the first row's note move the cut.
    std::string longList;
    std::uint64_t longRows = 0;
    for (std::u16string extra; longList.empty() && extra.size() < 50; extra += u'x') {
        std::u16string rows =
            u"Datum\tČas\tVolané číslo\tDélka\tPoznámka\r\n1.10.2003\t10:00\t602123456\t65\t" + extra + u"\r\n";
        while (rows.size() < 600000) rows += u"1.10.2003\t10:00\t602123456\t65\t😀😀😀😀😀😀😀😀\r\n";
        // The last unit before the block's end, after the byte order mark.
        const char16_t cut = rows[(1 << 19) - 2];
        if (cut >= 0xD800 && cut <= 0xDBFF) {
            longList = utf16(rows);
            longRows = static_cast<std::uint64_t>(std::count(rows.begin(), rows.end(), u'\n')) - 1;
        }
    }
    ASSERT_FALSE(longList.empty());
    struct Case {
        const char* shape;
        std::string content;
        Encoding encoding;
        char separator;
        std::uint64_t rows;
    };
    const Case cases[] = {
        {"Excel's Unicode text: UTF-16 LE, tabs",
         utf16(u"Datum\tČas\tVolané číslo\tDélka\tPoznámka\r\n1.10.2003\t10:00\t602123456\t65\tŠéf 😀\r\n"),
         Encoding::Utf16LittleEndian, '\t', 1},
        {"UTF-16 BE", utf16(u"Datum;Čas;Volané číslo;Délka;Poznámka\n1.10.2003;10:00;602123456;65;Šéf 😀\n", true),
         Encoding::Utf16BigEndian, ';', 1},
        {"fields between bars", "Datum|Čas|Volané číslo|Délka\n1.10.2003|10:00|602 123 456|65\n", Encoding::Utf8, '|',
         1},
        {"UTF-16 past the first block, a pair cut by its end", longList, Encoding::Utf16LittleEndian, '\t', longRows},
    };
    for (const Case& c : cases) {
        if (const auto tally = readable(c.content, c.shape)) {
            EXPECT_EQ(tally->encoding, c.encoding) << c.shape;
            EXPECT_EQ(tally->separator, c.separator) << c.shape;
            EXPECT_EQ(tally->rows, c.rows) << c.shape;
            EXPECT_EQ(summarise(*tally, {}).zone(tariffs::Zone::EUROTEL).calls, c.rows) << c.shape;
        }
    }
}

// A time with an offset from UTC is taken at Czech local time, summer time
// included, before its band and date: 602 123 456 is Eurotel, at peak 7:00
// to 19:00 on working days.
TEST(ExportShapes, IsoTimesWithAnOffsetAreCzechLocalTime) {
    struct Case {
        const char* start;
        tariffs::Zone zone;
        year_month_day date;  // in Prague
    };
    const Case cases[] = {
        {"2026-03-02T09:12:07+01:00", tariffs::Zone::EUROTEL, 2026y / March / 2},
        {"2026-03-02T06:30:00Z", tariffs::Zone::EUROTEL, 2026y / March / 2},           // 7:30 in winter
        {"2026-03-02 23:30:00+00:00", tariffs::Zone::EUROTELMimo, 2026y / March / 3},  // past midnight in Prague
        {"2026-03-02T06:30:00.250Z", tariffs::Zone::EUROTEL, 2026y / March / 2},
        {"2026-03-02T01:30:00-05:00", tariffs::Zone::EUROTEL, 2026y / March / 2},
        {"2026-03-02T07:30:00+0100", tariffs::Zone::EUROTEL, 2026y / March / 2},
        {"2026-03-27T05:30:00Z", tariffs::Zone::EUROTELMimo, 2026y / March / 27},  // 6:30: the Friday before summer
        {"2026-03-30T05:30:00Z", tariffs::Zone::EUROTEL, 2026y / March / 30},      // 7:30: the Monday after
        {"2026-10-23T05:30:00Z", tariffs::Zone::EUROTEL, 2026y / October / 23},
        {"2026-10-26T05:30:00Z", tariffs::Zone::EUROTELMimo, 2026y / October / 26},  // winter again
    };
    for (const Case& c : cases) {
        const std::string list = std::string("Datum a čas;Volané číslo;Délka\n") + c.start + ";602123456;60\n";
        if (const auto tally = readable(list, c.start)) {
            const CallSummary summary = summarise(*tally, {});
            EXPECT_EQ(summary.zone(c.zone).calls, 1u) << c.start;
            EXPECT_EQ(summary.firstDate, c.date) << c.start;
        }
    }
    EXPECT_THROW(read("Datum a čas;Volané číslo;Délka\n2026-03-02T09:12:07+1:00;602123456;60\n"), CallListError);
}

// d/m/yyyy against m/d/yyyy: the whole column decides; a column that
// never decides, or decides both ways, is refused above.
TEST(ExportShapes, DayAndMonthOrderIsTheWholeColumns) {
    const auto list = [](std::initializer_list<const char*> dates) {
        std::string text = "Datum;Čas;Volané číslo;Délka\n";
        for (const char* date : dates) text += std::string(date) + ";10:00;602123456;60\n";
        return text;
    };
    struct Case {
        const char* shape;
        std::string list;
        year_month_day first, last;
    };
    const Case cases[] = {
        {"the day first, shown by the second row", list({"02/03/2026", "13/03/2026"}), 2026y / March / 2,
         2026y / March / 13},
        {"the month first, shown by the second row: read again", list({"02/03/2026", "03/13/2026"}),
         2026y / February / 3, 2026y / March / 13},
        {"the month first from the start", list({"03/13/2026", "02/03/2026"}), 2026y / February / 3,
         2026y / March / 13},
        {"two-digit years", list({"1/3/26", "13/3/26"}), 2026y / March / 1, 2026y / March / 13},
        {"with the time in one column",
         "Datum a čas;Volané číslo;Délka\n02/03/2026 10:00;602123456;60\n03/13/2026 10:00;602123456;60\n",
         2026y / February / 3, 2026y / March / 13},
    };
    for (const Case& c : cases) {
        if (const auto tally = readable(c.list, c.shape)) {
            const CallSummary summary = summarise(*tally, {});
            EXPECT_EQ(summary.firstDate, c.first) << c.shape;
            EXPECT_EQ(summary.lastDate, c.last) << c.shape;
        }
    }
}

// A bill's summary at the end, under the calls: skipped as totals are (a
// call after it is refused above).
TEST(ExportShapes, ASummaryBlockAtTheEndIsSkipped) {
    const CallTally tally = read(
        "Volané číslo;Datum;Čas;Délka\n602123456;1.10.2003;10:00;65\n602123456;2.10.2003;10:00;30\n\n"
        "Počet hovorů;2\nCelkem k úhradě;1 234,50 Kč;;\n");
    EXPECT_EQ(counted(tally), (Counted{2, 95, 0, 2}));
    EXPECT_EQ(tally.skippedRows, (SkippedRows{2, 5, "Počet hovorů"}));
}
