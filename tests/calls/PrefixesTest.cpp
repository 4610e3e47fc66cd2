// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <fstream>

#include "calls/Prefixes.h"

using namespace hovorix::calls;

namespace {

constexpr Destination net(Network n) { return {Destination::Kind::Network, n}; }
constexpr Destination Abroad{Destination::Kind::Abroad};
constexpr Destination Unknown{Destination::Kind::Unknown};

}  // namespace

TEST(Prefixes, BothNumberingPlansAndAbroad) {
    struct Case {
        const char* number;
        Destination destination;
    };
    const Case cases[] = {
        // Before September 2002.
        {"0602 123 456", net(Network::Eurotel)},
        {"0603-112-233", net(Network::Paegas)},
        {"0608 123 123", net(Network::Oskar)},
        {"0777 123 456", net(Network::Oskar)},
        {"0800 123 456", net(Network::Zdarma)},
        {"0844 111 222", net(Network::Sdilene)},
        {"0906 001 002", net(Network::Premium)},
        {"02/2421 5566", net(Network::Jts)},
        {"0609 111 222", net(Network::Jts)},  // any other 0 is an area code
        // Nine digits.
        {"602 123 456", net(Network::Eurotel)},
        {"721 000 111", net(Network::Eurotel)},
        {"605 443 322", net(Network::Paegas)},
        {"732 000 111", net(Network::Paegas)},
        {"776 000 111", net(Network::Oskar)},
        {"800 123 456", net(Network::Zdarma)},
        {"840 111 222", net(Network::Sdilene)},
        {"906 001 002", net(Network::Premium)},
        {"112", net(Network::Sluzby)},
        {"222 333 444", net(Network::Jts)},
        {"548 123 456", net(Network::Jts)},
        {"609 123 456", Unknown},
        {"700 123 456", Unknown},
        {"910 123 456", Unknown},
        // Written internationally.
        {"+420 602 123 456", net(Network::Eurotel)},
        {"00420 222 333 444", net(Network::Jts)},
        {"420602123456", net(Network::Eurotel)},
        {"+44 20 7946 0958", Abroad},
        {"0049 30 1234 5678", Abroad},
        {"*77", Unknown},
    };
    for (const Case& c : cases) {
        const auto result = classifyNumber(c.number, defaultPrefixTable());
        ASSERT_TRUE(std::holds_alternative<Destination>(result)) << c.number;
        EXPECT_EQ(std::get<Destination>(result), c.destination) << c.number;
    }
}

// A short number is an operator's or a service's, never a subscriber's:
// the area prefixes of nine-digit numbers do not make it a fixed-network
// call.
TEST(Prefixes, AShortNumberGoesByTheTableOnlyWhereItIsListedWhole) {
    const PrefixTable own = parsePrefixTable("2 jts\n4 jts\n4603 sluzby\n60 paegas\n");
    struct Case {
        const char* number;
        const PrefixTable& table;
        Destination destination;
    };
    const Case cases[] = {
        {"4603", defaultPrefixTable(), Unknown},  // an operator's line, by the fixed network's prefix 4
        {"+420 2222", defaultPrefixTable(), Unknown},
        {"2421 5566", defaultPrefixTable(), Unknown},  // eight digits
        {"1188", defaultPrefixTable(), net(Network::Sluzby)},
        {"4603", own, net(Network::Sluzby)},  // listed whole
        {"6012", own, Unknown},
        {"603 123 456", own, net(Network::Paegas)},
        {"02/2421", defaultPrefixTable(), net(Network::Jts)},  // a leading 0: as it always read
    };
    for (const Case& c : cases) {
        const auto result = classifyNumber(c.number, c.table);
        ASSERT_TRUE(std::holds_alternative<Destination>(result)) << c.number;
        EXPECT_EQ(std::get<Destination>(result), c.destination) << c.number;
    }
}

TEST(Prefixes, NumbersThatAreNotNumbers) {
    struct Case {
        const char* number;
        NumberFault fault;
    };
    const Case cases[] = {
        {"", NumberFault::Empty},
        {" / ", NumberFault::Empty},
        {"602 ABC", NumberFault::NotANumber},
        {"60+2", NumberFault::NotANumber},
        {"4,20602E+11", NumberFault::Exponent},
        {"4.20602e11", NumberFault::Exponent},
    };
    for (const Case& c : cases) {
        const auto result = classifyNumber(c.number, defaultPrefixTable());
        ASSERT_TRUE(std::holds_alternative<NumberFault>(result)) << c.number;
        EXPECT_EQ(std::get<NumberFault>(result), c.fault) << c.number;
    }
}

TEST(Prefixes, AFileOfOurOwn) {
    const PrefixTable table = parsePrefixTable("\xEF\xBB\xBF# a test\r\n602 eurotel\r\n\n60 paegas  # longer wins\n");
    EXPECT_EQ(table.find("602123456"), Network::Eurotel);
    EXPECT_EQ(table.find("603123456"), Network::Paegas);
    EXPECT_EQ(table.find("703123456"), std::nullopt);

    struct Case {
        const char* text;
        std::size_t line;
    };
    const Case bad[] = {
        {"602\n", 1}, {"# x\n6o2 jts\n", 2}, {"0044 jts\n", 1}, {"602 telecom\n", 1}, {"602 jts\n602 paegas\n", 2},
    };
    for (const Case& c : bad) {
        try {
            parsePrefixTable(c.text);
            ADD_FAILURE() << c.text;
        } catch (const PrefixFileError& e) {
            EXPECT_EQ(e.line(), c.line) << c.text;
        }
    }
}

TEST(Prefixes, WhichFileServes) {
    const auto root = std::filesystem::path(testing::TempDir()) / "hovorix-prefixes";
    std::filesystem::remove_all(root);
    const auto tariffFolder = root / "tariffs", shipped = root / "share" / "predvolby.txt";
    std::filesystem::create_directories(tariffFolder);
    std::filesystem::create_directories(shipped.parent_path());
    const std::filesystem::path chosen = root / "chosen.txt";

    EXPECT_EQ(findPrefixFile(tariffFolder, {}, shipped), std::nullopt);
    std::ofstream(shipped) << "6 jts\n";
    EXPECT_EQ(findPrefixFile(tariffFolder, {}, shipped), shipped);
    std::ofstream(tariffFolder / "predvolby.txt") << "6 paegas\n";
    EXPECT_EQ(findPrefixFile(tariffFolder, {}, shipped), tariffFolder / "predvolby.txt");
    EXPECT_EQ(findPrefixFile(tariffFolder, chosen, shipped), chosen);
    EXPECT_THROW(loadPrefixTable(chosen), PrefixFileError);  // chosen, but not there
    EXPECT_EQ(loadPrefixTable(tariffFolder / "predvolby.txt").find("6"), Network::Paegas);
    std::filesystem::remove_all(root);
}

// Both programs find the installed prefix table from their own folder, as
// the build tree lays it out too, and fall back on it when the tariff
// folder has none.
TEST(Prefixes, TheInstalledTableIsFoundFromTheProgramsFolder) {
    const auto empty = std::filesystem::path(testing::TempDir()) / "hovorix-no-prefixes";
    std::filesystem::create_directories(empty);
    const std::filesystem::path installed = installedPrefixFile();
    EXPECT_EQ(installed.filename(), "predvolby.txt");
    EXPECT_TRUE(std::filesystem::is_regular_file(installed)) << installed;
    EXPECT_EQ(findPrefixFile(empty), installed);
    std::filesystem::remove_all(empty);
}

// A word the table does not know is quoted in the message as text: UTF-8
// as it is, a Windows-1250 file's bytes converted.
TEST(Prefixes, AMessageQuotesTheFileAsText) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"602 sí\xC5\xA5\n", "Neznámá síť „síť“; sítě jsou"},
        {"602 s\xED\x9D\n", "Neznámá síť „síť“; sítě jsou"},
        {"6O2 jts\n", "Předvolba „6O2“ smí obsahovat jen číslice."},
        {"6\xF8 jts\n", "Předvolba „6ř“ smí obsahovat jen číslice."},
    };
    for (const Case& c : cases) {
        try {
            parsePrefixTable(c.text);
            ADD_FAILURE() << c.text;
        } catch (const PrefixFileError& e) {
            EXPECT_TRUE(std::string_view(e.what()).starts_with(c.message)) << e.what();
        }
    }
}
