// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tariffs/EnumTable.h"

namespace hovorix::calls {

// The networks a prefix table can name. The first three are the networks the
// calculator prices; the others are reported and never counted.
enum class Network : std::uint8_t { Jts, Paegas, Eurotel, Oskar, Zdarma, Sdilene, Premium, Sluzby };
inline constexpr auto AllNetworks =
    tariffs::enumerators({Network::Jts, Network::Paegas, Network::Eurotel, Network::Oskar, Network::Zdarma,
                          Network::Sdilene, Network::Premium, Network::Sluzby});
constexpr const auto& enumeratorsOf(Network) { return AllNetworks; }
inline constexpr std::size_t NetworkCount = AllNetworks.size();

// The network named so in the prefix file: "jts", "paegas", ...
std::optional<Network> networkNamed(std::string_view name);

// Where a called number goes.
struct Destination {
    enum class Kind : std::uint8_t { Network, Abroad, Unknown };
    Kind kind = Kind::Unknown;
    Network network = Network::Jts;  // meaningful for Kind::Network only

    bool operator==(const Destination&) const = default;
};

// Prefixes of digits, each naming a network; a number belongs to the network
// of the longest prefix it starts with.
class PrefixTable {
public:
    // False when the prefix is already in the table (the table is unchanged).
    bool add(std::string_view digits, Network network);
    std::optional<Network> find(std::string_view digits) const;

    // The longest prefix the digits start with: its network and its length.
    struct Match {
        Network network;
        std::size_t length;
    };
    std::optional<Match> longestMatch(std::string_view digits) const;
    std::size_t size() const { return size_; }

private:
    struct Node {
        std::int32_t next[10];
        std::int8_t network;  // -1: no prefix ends here
    };
    std::vector<Node> nodes_ = {Node{{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, -1}};
    std::size_t size_ = 0;
};

// A prefix file that cannot be read or holds a line that is not a prefix and
// a network. The message is Czech (UTF-8, also where it quotes the file) and
// names neither file nor line.
class PrefixFileError : public std::runtime_error {
public:
    PrefixFileError(std::string message, std::size_t line);
    std::size_t line() const { return line_; }  // 1-based; 0 when the file could not be read

private:
    std::size_t line_;
};

// The text of a prefix file: "prefix network" a line, "#" starts a comment,
// blank lines are skipped. A prefix is digits; it cannot start with 00, as
// such numbers are calls abroad. A prefix listed twice is refused.
PrefixTable parsePrefixTable(std::string_view text);
PrefixTable loadPrefixTable(const std::filesystem::path& file);

// The table shipped with the programs, for both Czech numbering plans.
const PrefixTable& defaultPrefixTable();

inline constexpr std::string_view PrefixFileName = "predvolby.txt";

// The prefix file installed with the programs, found from the running
// program's own folder, so a whole installation (or the build tree) may be
// moved. Empty when the program cannot tell where it runs from.
std::filesystem::path installedPrefixFile();

// The prefix file a reading uses, chosen the same way by every program: the
// one the user chose (tarif-cli's --prefixes), else predvolby.txt beside the
// tariff file, else the installed one. nullopt when none of them is there:
// the built-in defaultPrefixTable() then serves. A chosen file is returned
// whether it exists or not, so reading it reports what is wrong with it.
std::optional<std::filesystem::path> findPrefixFile(const std::filesystem::path& tariffFolder,
                                                    const std::optional<std::filesystem::path>& chosen = {},
                                                    const std::filesystem::path& installed = installedPrefixFile());

// What makes a called number unreadable.
enum class NumberFault : std::uint8_t {
    Empty,
    Exponent,    // a spreadsheet wrote it as a number with an exponent: 4,20602E+11
    NotANumber,  // letters or other signs
};

// Sorts a called number. Blanks, "/" and "-" are dropped, then a leading
// +420 or 00420, and the 420 of a twelve-digit number that begins with it (a
// Czech number written internationally without its "+"); any other number
// that starts with 00 or + is abroad; the rest goes by the table, and a
// number no prefix matches is unknown, as is one with "*" or "#" (operator
// services). A short number (under nine digits, no leading 0) is an
// operator's or a service's number, never a subscriber's: it goes by the
// table only where the table lists it whole or its prefix is the services'
// ("1 sluzby" for 112 and 1188), and is unknown otherwise, so that 4603 is
// not taken for a fixed-network call by the area prefix 4. Numbers with a
// leading 0 are the numbering before 2002 and go by the table as they are.
std::variant<Destination, NumberFault> classifyNumber(std::string_view number, const PrefixTable& table);

}  // namespace hovorix::calls
