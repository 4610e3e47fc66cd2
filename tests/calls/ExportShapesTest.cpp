// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Call lists shaped as operators' web exports and spreadsheets write them.
#include <gtest/gtest.h>

#include <string>

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
        {"směr hovoru and druh are kind columns",
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
    };
    for (const Case& c : cases) {
        try {
            EXPECT_EQ(counted(read(c.list)), c.expected) << c.shape;
        } catch (const CallListError& e) {
            ADD_FAILURE() << c.shape << ": line " << e.line() << ": " << e.what();
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
        try {
            EXPECT_EQ(summarise(read(list), {}).zone(tariffs::Zone::EUROTEL).seconds, c.seconds) << c.header;
        } catch (const CallListError& e) {
            ADD_FAILURE() << c.header << ": line " << e.line() << ": " << e.what();
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
    };
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
        }
    }
}

namespace {

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

}  // namespace

// Only a call the user made counts; one missed, rejected, incoming, made
// through an application or in roaming is shown where it belongs.
TEST(ExportShapes, ACallTheUserDidNotMakeIsNotCounted) {
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
    };
    for (const Case& c : cases) {
        try {
            EXPECT_EQ(sorted(read(c.list)), c.expected) << c.shape;
        } catch (const CallListError& e) {
            ADD_FAILURE() << c.shape << ": line " << e.line() << ": " << e.what();
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
        const CallTally tally = parseCallList(list, defaultPrefixTable(), {}, {c.subscriber});
        EXPECT_EQ(tally.subscribers, numbers) << c.subscriber;
        EXPECT_EQ(tally.subscriber, c.read);
        EXPECT_EQ(summarise(tally, {}).zone(tariffs::Zone::EUROTEL).calls, c.calls) << c.subscriber;
        EXPECT_EQ(summarise(tally, {}).zone(tariffs::Zone::EUROTEL).seconds, c.seconds) << c.subscriber;
        EXPECT_EQ(tally.rows, c.rows) << c.subscriber;
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
    // A list of one number reads as any other.
    EXPECT_EQ(read("SIM;Datum;Čas;Volané číslo;Délka\n602111222;1.10.2003;10:00;602123456;60\n").subscribers,
              (std::vector<Subscriber>{{"602 111 222", 1}}));
    EXPECT_THROW(parseCallList("Datum;Čas;Volané číslo;Délka\n1.10.2003;10:00;602123456;60\n", defaultPrefixTable(), {},
                               {"602111222"}),
                 UnknownSubscriber);
}
