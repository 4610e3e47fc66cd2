// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "TestFiles.h"
#include "calls/CallList.h"
#include "tariffs/Cp1250.h"

using namespace hovorix;
using namespace hovorix::calls;
using namespace std::string_literals;

namespace {

CallTally read(std::string_view content) { return parseCallList(content, defaultPrefixTable()); }

// Czech test texts are written in UTF-8; a list saved by a Czech spreadsheet is Windows-1250.
std::string windows1250(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += utf8[i];
            continue;
        }
        const char32_t c = (char32_t{b & 0x1Fu} << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
        out += tariffs::cp1250::fromUnicode(c).value();
    }
    return out;
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace

TEST(CallList, EncodingsSeparatorsAndQuoting) {
    // The same two calls however the list is saved.
    const std::string list =
        "Volané číslo;Datum;Čas;Délka;Poznámka\n"
        "\"602 123 456\";1.3.2000;10:00;65;\"Tarif \"\"Go\"\"; 4,50 Kč\"\n"
        "02/2421 5566;4.3.2000;23:00;0:30;\n";
    struct Case {
        std::string content;
        Encoding encoding;
        char separator;
    };
    const Case cases[] = {
        {list, Encoding::Utf8, ';'},
        {"\xEF\xBB\xBF" + replaced(replaced(list, ";", ","), "\n", "\r\n"), Encoding::Utf8WithBom, ','},
        {windows1250(replaced(replaced(list, ";", "\t"), "\n", "\r\n")), Encoding::Windows1250, '\t'},
        {windows1250(replaced(list, "\n", "\r")), Encoding::Windows1250, ';'},  // old Macintosh line ends
    };
    for (const Case& c : cases) {
        const CallTally tally = read(c.content);
        EXPECT_EQ(tally.encoding, c.encoding) << c.content;
        EXPECT_EQ(tally.separator, c.separator) << c.content;
        const CallSummary summary = summarise(tally, {});
        EXPECT_EQ(summary.zone(tariffs::Zone::EUROTEL), (Figures{1, 65, 8})) << c.content;  // 65 s in 4 days
        EXPECT_EQ(summary.zone(tariffs::Zone::JTSNoc), (Figures{1, 30, 4})) << c.content;
        EXPECT_EQ(summary.spanDays, 4);
    }
}

TEST(CallList, ColumnNamesInCzechAndEnglish) {
    const char* const lists[] = {
        "DATUM;CAS;VOLANE CISLO;DELKA HOVORU (s)\n1.3.2000;10:00;602123456;60\n",
        "Date,Time,Number,Duration\n2000-03-01,10:00:00,602123456,60\n",
        "Začátek;Číslo:;Trvání\n2000-03-01T10:00:00;602123456;1:00\n",
        "Datum a čas;Volané číslo;Délka\n1. 3. 2000 10:00;602123456;0:01:00\n",
        "Datum;Číslo;Délka\n01.03.2000 10:00:00;602123456;60\n",  // the time in the date column
    };
    for (const char* list : lists) {
        EXPECT_EQ(summarise(read(list), {}).zone(tariffs::Zone::EUROTEL), (Figures{1, 60, 30})) << list;
    }
}

// An incoming call keeps its length; an SMS or a data session counts as a
// row left out with 0 seconds, its "length" being a count or kilobytes.
// A kind's word of a call not made leaves it out, whatever the direction.
TEST(CallList, TheDirectionOrKindColumn) {
    const CallTally tally = read(
        "Datum;Čas;Číslo;Směr;Typ;Délka\n"
        "1.3.2000;10:00;602123456;Odchozí;Hovor;60\n"
        "1.3.2000;10:01;602123456;;;60\n"
        "1.3.2000;10:02;602123456;;VOLÁNÍ;60\n"
        "1.3.2000;10:03;602123456;Příchozí;Hovor;60\n"
        "1.3.2000;10:04;602123456;odchozí;SMS;1\n"
        "1.3.2000;10:05;602123456;;Hlasová schránka;60\n"
        "1.3.2000;10:06;602123456;Outgoing;GPRS data;2048 kB\n"
        "1.3.2000;10:07;602123456;Odchozí;MMS;350\n"
        "1.3.2000;10:09;602123456;Odchozí;Zmeškaný hovor;60\n");
    const CallSummary summary = summarise(tally, {});
    EXPECT_EQ(summary.zone(tariffs::Zone::EUROTEL).calls, 4u);
    EXPECT_EQ(summary.notCountedFor(NotCounted::NotOutgoingVoice), (Figures{5, 120, 60}));
}

// The sample in data/ and the figures the user guide quotes, worked out by
// hand from its rows.
TEST(CallList, TheSampleCallList) {
    const CallTally tally =
        readCallList(std::filesystem::path(HOVORIX_DATA) / "vypis-hovoru.csv", defaultPrefixTable());
    EXPECT_EQ(tally.encoding, Encoding::Windows1250);
    EXPECT_EQ(tally.headerLine, 6u);
    struct Case {
        Rounding rounding;
        bool holidaysAsWeekend;
        std::array<std::int32_t, tariffs::ZoneCount> minutes;
    };
    const Case cases[] = {
        {Rounding::Exact, false, {41, 52, 37, 3, 14, 65, 14}},
        {Rounding::Exact, true, {22, 71, 37, 2, 16, 62, 18}},
        {Rounding::PerMinute, false, {43, 52, 39, 5, 15, 69, 15}},
        {Rounding::PerHalfMinute, false, {42, 52, 38, 4, 15, 67, 15}},
        {Rounding::FirstMinute, false, {41, 52, 37, 4, 14, 65, 15}},
        {Rounding::FirstMinute, true, {22, 71, 37, 2, 16, 62, 19}},
    };
    for (const Case& c : cases) {
        const CallSummary summary = summarise(tally, {c.rounding, c.holidaysAsWeekend, std::nullopt});
        EXPECT_EQ(summary.days, 31);
        EXPECT_EQ(usageFrom(summary).minutes, c.minutes) << roundingName(c.rounding) << " " << c.holidaysAsWeekend;
    }
    const CallSummary summary = summarise(tally, {});
    EXPECT_EQ(summary.holidayCalls, 3u);
    const std::array<Figures, NotCountedCount> notCounted = {{
        {1, 120, 2},
        {2, 612, 10},
        {0, 0, 0},  // none in roaming
        {1, 195, 3},
        {1, 300, 5},
        {1, 90, 1},
        {1, 50, 1},
        {1, 70, 1},
        {3, 450, 7},
    }};
    EXPECT_EQ(summary.notCounted, notCounted);
    EXPECT_EQ(summary.zone(tariffs::Zone::JTS), (Figures{5, 2569, 41}));  // one of them lasted 0 s

    // D given: the same seconds over two months; below a week it warns.
    EXPECT_EQ(summarise(tally, {.days = 62}).zone(tariffs::Zone::JTS).monthlyMinutes, 21);
    EXPECT_FALSE(summarise(tally, {.days = 7}).shortPeriod());
    EXPECT_TRUE(summarise(tally, {.days = 6}).shortPeriod());
    EXPECT_FALSE(shortPeriodWarning(summarise(tally, {.days = 6})).empty());
    EXPECT_THROW(summarise(tally, {.days = 0}), std::invalid_argument);
}

TEST(CallList, Roundings) {
    struct Case {
        std::uint32_t seconds;
        std::array<std::uint32_t, RoundingCount> charged;  // exact, 60/60, 30/30, 60/1
    };
    const Case cases[] = {
        {0, {0, 0, 0, 0}},      {1, {1, 60, 30, 60}},    {30, {30, 60, 30, 60}},  {31, {31, 60, 60, 60}},
        {60, {60, 60, 60, 60}}, {61, {61, 120, 90, 61}}, {90, {90, 120, 90, 90}},
    };
    for (const Case& c : cases) {
        for (std::size_t r = 0; r < RoundingCount; ++r) {
            EXPECT_EQ(chargedSeconds(c.seconds, static_cast<Rounding>(r)), c.charged[r]) << c.seconds << " " << r;
        }
    }
    // round(seconds x 30 / (60 x D)), halves up.
    EXPECT_EQ(monthlyMinutes(3600, 30), 60);
    EXPECT_EQ(monthlyMinutes(30, 30), 1);
    EXPECT_EQ(monthlyMinutes(29, 30), 0);
    EXPECT_EQ(monthlyMinutes(60, 1), 30);
}

TEST(CallList, CountsBeyondAMinuteFieldAreRefused) {
    CallTally tally;
    auto& jts = tally.bucket(PricedNetwork::Jts, TimeOfDay::Day, DayKind::WorkingDay);
    jts.calls = 1;
    jts.seconds[0] = 2ull * 2147483647;  // over one day: 2147483647 minutes a month
    EXPECT_EQ(usageFrom(summarise(tally, {})).count(tariffs::Zone::JTS), 2147483647);
    jts.seconds[0] += 1;
    try {
        usageFrom(summarise(tally, {}));
        ADD_FAILURE() << "no refusal";
    } catch (const MinutesOutOfRange& e) {
        EXPECT_EQ(e.zone(), tariffs::Zone::JTS);
        EXPECT_EQ(e.minutes(), 2147483648);
    }
}

TEST(CallList, BadInput) {
    const std::string h = "Datum;Čas;Číslo;Délka\n";
    const std::string ok = "1.3.2000;10:00;602123456;60\n";
    const std::string h5 = "Datum;Čas;Číslo;Délka;Poznámka\n", ok5 = "1.3.2000;10:00;602123456;60;\n";
    struct Case {
        std::string content;
        Problem problem;
        std::size_t line;
    };
    const Case cases[] = {
        {"", Problem::Empty, 0},
        {"PK\x03\x04\x14\x00\x06\x00"s, Problem::Workbook, 0},
        // UTF-16 that does not say which byte comes first; with its mark it reads.
        {"D\0a\0t\0u\0m\0"s, Problem::Utf16, 0},
        {h + ok + "1.3.2000;10:00;602\0;60\n"s, Problem::Binary, 3},
        {h + ok + "1.3.2000;10:00;602 123 456\x81;60\n", Problem::BadEncoding, 3},
        // A UTF-8 list with a stray byte far down: it is not Windows-1250 either.
        {h + std::string(1 << 20, '\n') + "\xE9", Problem::BadEncoding, 1048578},
        {"Kdy;Komu;Jak dlouho\n1.3.2000;602123456;60\n", Problem::NoHeader, 0},
        {"Datum;Čas;Číslo\n", Problem::MissingColumn, 1},
        // Two names of one length and exactness, for the number and for the date.
        {"Datum;Čas;Volané číslo;Cílové číslo;Délka\n", Problem::DuplicateColumn, 1},
        {"Datum;Čas;Volané číslo;Délka;Datum\n", Problem::DuplicateColumn, 1},
        {h + ok + "1.3.2000;10:00;602123456;60;\n", Problem::FieldCount, 3},
        {h + "1.3.2000;10:00;\"602 123 456;60\n1.3.2000;11:00;\"602 111 222\";30\n", Problem::UnclosedQuote, 2},
        {h + ok + "1.3.2000;10:00;\"602;60\n", Problem::UnclosedQuote, 3},
        {h + "1.3.2000;10:00;\"602;60\n" + std::string(70000, '\n') + ok, Problem::UnclosedQuote, 2},
        {h + "1.3.2000;10:00;60\"2;60\n", Problem::BadQuote, 2},
        {h + ok + "1.3.2000;10:00;\"602\"1;60\n", Problem::BadQuote, 3},
        {h + std::string(100000, '1') + "\n", Problem::LineTooLong, 2},
        // A row is reported at the line it starts on, when quoted fields run over lines.
        {h5 + "1.3.2000;10:00;602123456;60;\"a\nb\"\n31.2.2000;10:00;602123456;60;x\n", Problem::BadDate, 4},
        {h5 + ok5 + "\"31.2.2000\n\";10:00;602123456;60;x\n", Problem::BadDate, 3},
        {h + "31.2.2000;10:00;602123456;60\n", Problem::BadDate, 2},
        {h + "2/3/2000;10:00;602123456;60\n", Problem::BadDate, 2},
        {h + "1.3.2000;25:00;602123456;60\n", Problem::BadTime, 2},
        {h + "1.3.2000;10:00;602123456;-5\n", Problem::BadDuration, 2},
        {h + "1.3.2000;10:00;602123456;1,5\n", Problem::BadDuration, 2},
        {h + "1.3.2000;10:00;602123456;2:75\n", Problem::BadDuration, 2},
        {h + "1.3.2000;10:00;602123456;24:00:01\n", Problem::DurationTooLong, 2},
        {h + "1.3.2000;10:00;;60\n", Problem::MissingNumber, 2},
        {h + "1.3.2000;10:00;602 12A 456;60\n", Problem::BadNumber, 2},
        {h + "1.3.2000;10:00;4,20602E+11;60\n", Problem::NumberExponent, 2},
        {"Datum;Čas;Číslo;Typ;Délka\n1.3.2000;10:00;602123456;SMS;1\n", Problem::NoOutgoingCall, 0},
    };
    for (const Case& c : cases) {
        try {
            read(c.content);
            ADD_FAILURE() << "read: " << c.content.substr(0, 80);
        } catch (const CallListError& e) {
            EXPECT_EQ(e.problem(), c.problem) << c.content.substr(0, 80) << ": " << e.what();
            EXPECT_EQ(e.line(), c.line) << c.content.substr(0, 80) << ": " << e.what();
        }
    }
}

TEST(CallList, ALargeListInBoundedStepsAndCancelled) {
    // A list read as UTF-8 until a Windows-1250 byte past the first block:
    // everything is read again as Windows-1250.
    std::ostringstream list;
    list << "Datum;Cas;Cislo;Delka;Poznamka\n1.3.2000;10:00;602123456;60;caf\xC3\xA9\n";
    while (list.tellp() < (3 << 20)) list << "1.3.2000;10:00;602123456;60;\n";
    list << "2.3.2000;10:00;602123456;60;caf\xE9\n";
    const std::string content = list.str();
    std::vector<std::uint64_t> reported;
    const CallTally tally = parseCallList(content, defaultPrefixTable(), [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_EQ(total, content.size());
        reported.push_back(done);
        return true;
    });
    EXPECT_EQ(tally.encoding, Encoding::Windows1250);
    EXPECT_EQ(summarise(tally, {}).zone(tariffs::Zone::EUROTEL).calls, tally.rows);
    EXPECT_EQ(reported.back(), content.size());
    EXPECT_GE(reported.size(), 4u);

    std::size_t calls = 0;
    EXPECT_THROW(
        parseCallList(content, defaultPrefixTable(), [&](std::uint64_t, std::uint64_t) { return ++calls < 2; }),
        ReadCancelled);
    EXPECT_EQ(calls, 2u);
}

// A list read again from its start (here a bill whose first rows are calls
// to the voice mailbox, and a list that turns out to be Windows-1250) reads
// from a pipe as from a file.
TEST(CallList, APipeIsReadAgainAsAFileIs) {
    const std::string lists[] = {
        "Datum;Čas;Číslo;Délka;Služba\n1.3.2000;10:00;602123456;60;Hlasová schránka\n"
        "1.3.2000;10:01;602123456;60;Hovor\n",
        windows1250("Datum;Čas;Číslo;Délka;Služba\n1.3.2000;10:00;602123456;60;Hovor\n"
                    "1.3.2000;10:01;602123456;60;Hovor s paní Novou\n"),
    };
    const TemporaryFolder folder;
    const auto pipe = folder / "vypis.csv";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& list : lists) {
        std::thread writer([&] { std::ofstream(pipe, std::ios::binary) << list; });
        try {
            EXPECT_EQ(summarise(readCallList(pipe, defaultPrefixTable()), {}).zone(tariffs::Zone::EUROTEL).calls, 2u);
        } catch (const CallListError& e) {
            ADD_FAILURE() << e.what();
        }
        writer.join();
    }
}
