// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calls/Prefixes.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "ShippedPrefixes.h"
#include "tariffs/MessageText.h"

namespace hovorix::calls {

namespace {

// The networks' words in the prefix file.
constexpr auto NetworkNames = tariffs::enumTable<Network, std::string_view>({
    {Network::Jts, "jts"},
    {Network::Paegas, "paegas"},
    {Network::Eurotel, "eurotel"},
    {Network::Oskar, "oskar"},
    {Network::Zdarma, "zdarma"},
    {Network::Sdilene, "sdilene"},
    {Network::Premium, "premium"},
    {Network::Sluzby, "sluzby"},
});

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\r')) text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::string_view nextWord(std::string_view& text) {
    text = trimmed(text);
    std::size_t n = 0;
    while (n < text.size() && !isBlank(text[n])) ++n;
    const std::string_view word = text.substr(0, n);
    text.remove_prefix(n);
    return word;
}

std::string networkList() {
    std::string list;
    for (const std::string_view name : NetworkNames) {
        if (!list.empty()) list += ", ";
        list += name;
    }
    return list;
}

// Spreadsheets turn a long number into 4,20602E+11 (or 4.20602E+11).
bool looksLikeExponent(std::string_view text) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        return i > start;
    };
    if (!digits()) return false;
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        ++i;
        if (!digits()) return false;
    }
    if (i == text.size() || (text[i] != 'E' && text[i] != 'e')) return false;
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    return digits() && i == text.size();
}

}  // namespace

std::optional<Network> networkNamed(std::string_view name) {
    return tariffs::enumeratorWith<Network>(NetworkNames, name);
}

bool PrefixTable::add(std::string_view digits, Network network) {
    std::size_t node = 0;
    for (const char c : digits) {
        const auto digit = static_cast<std::size_t>(c - '0');
        if (nodes_[node].next[digit] < 0) {
            nodes_[node].next[digit] = static_cast<std::int32_t>(nodes_.size());
            nodes_.push_back(Node{{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, -1});
        }
        node = static_cast<std::size_t>(nodes_[node].next[digit]);
    }
    if (nodes_[node].network >= 0) return false;
    nodes_[node].network = static_cast<std::int8_t>(network);
    ++size_;
    return true;
}

std::optional<Network> PrefixTable::find(std::string_view digits) const {
    const std::optional<Match> match = longestMatch(digits);
    return match ? std::optional<Network>(match->network) : std::nullopt;
}

std::optional<PrefixTable::Match> PrefixTable::longestMatch(std::string_view digits) const {
    std::optional<Match> found;
    std::size_t node = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const char c = digits[i];
        if (!isDigit(c)) break;
        const std::int32_t next = nodes_[node].next[c - '0'];
        if (next < 0) break;
        node = static_cast<std::size_t>(next);
        if (nodes_[node].network >= 0) found = Match{static_cast<Network>(nodes_[node].network), i + 1};
    }
    return found;
}

PrefixFileError::PrefixFileError(std::string message, std::size_t line)
    : std::runtime_error(std::move(message)), line_(line) {}

PrefixTable parsePrefixTable(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    PrefixTable table;
    std::vector<std::size_t> lineOf;  // by the order of adding, for the message about a repeated prefix
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
        const std::string_view prefix = nextWord(line);
        if (prefix.empty()) continue;
        const std::string_view name = nextWord(line);
        if (name.empty() || !trimmed(line).empty()) {
            throw PrefixFileError("Řádek má mít tvar „předvolba síť“, například „602 eurotel“.", lineNumber);
        }
        for (const char c : prefix) {
            if (!isDigit(c)) {
                throw PrefixFileError(
                    "Předvolba „" + tariffs::anyTextInMessage(prefix) + "“ smí obsahovat jen číslice.", lineNumber);
            }
        }
        if (prefix.starts_with("00")) {
            throw PrefixFileError(
                "Předvolba „" + std::string(prefix) + "“ nemůže platit: čísla začínající 00 jsou hovory do zahraničí.",
                lineNumber);
        }
        const auto network = networkNamed(name);
        if (!network) {
            throw PrefixFileError(
                "Neznámá síť „" + tariffs::anyTextInMessage(name) + "“; sítě jsou " + networkList() + ".", lineNumber);
        }
        if (!table.add(prefix, *network)) {
            throw PrefixFileError("Předvolba " + std::string(prefix) + " je v souboru uvedena podruhé.", lineNumber);
        }
    }
    return table;
}

PrefixTable loadPrefixTable(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        const int code = errno;
        throw PrefixFileError(
            "Soubor předvoleb nelze otevřít: " + tariffs::anyTextInMessage(std::generic_category().message(code)) + ".",
            0);
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw PrefixFileError("Soubor předvoleb nelze přečíst.", 0);
    return parsePrefixTable(content.str());
}

const PrefixTable& defaultPrefixTable() {
    static const PrefixTable table = parsePrefixTable(ShippedPrefixes);
    return table;
}

std::filesystem::path installedPrefixFile() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return (self.parent_path() / HOVORIX_PREFIXES_FROM_BINDIR).lexically_normal();
}

std::optional<std::filesystem::path> findPrefixFile(const std::filesystem::path& tariffFolder,
                                                    const std::optional<std::filesystem::path>& chosen,
                                                    const std::filesystem::path& installed) {
    if (chosen) return chosen;
    std::error_code ignored;
    const std::filesystem::path beside = tariffFolder / PrefixFileName;
    if (std::filesystem::is_regular_file(beside, ignored)) return beside;
    if (!installed.empty() && std::filesystem::is_regular_file(installed, ignored)) return installed;
    return std::nullopt;
}

std::variant<Destination, NumberFault> classifyNumber(std::string_view number, const PrefixTable& table) {
    // Long enough for any real number; a longer one is not a telephone number.
    constexpr std::size_t MaxLength = 32;
    char kept[MaxLength];
    std::size_t length = 0;
    bool service = false;
    bool empty = true;
    for (std::size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        const auto u = static_cast<unsigned char>(c);
        // Blanks (the no-break space of both encodings too), slashes and dashes.
        if (isBlank(c) || c == '/' || c == '-' || u == 0xA0) continue;
        if (u == 0xC2 && i + 1 < number.size() && static_cast<unsigned char>(number[i + 1]) == 0xA0) {
            ++i;
            continue;
        }
        empty = false;
        const bool plusFirst = c == '+' && length == 0;
        if (c == '*' || c == '#') service = true;
        if (!isDigit(c) && !plusFirst && c != '*' && c != '#') {
            return looksLikeExponent(trimmed(number)) ? NumberFault::Exponent : NumberFault::NotANumber;
        }
        if (length == MaxLength) return NumberFault::NotANumber;
        kept[length++] = c;
    }
    if (empty) return NumberFault::Empty;
    if (service) return Destination{Destination::Kind::Unknown};
    std::string_view digits(kept, length);
    if (digits.starts_with("+420")) {
        digits.remove_prefix(4);
    } else if (digits.starts_with("00420")) {
        digits.remove_prefix(5);
    } else if (digits.size() == 12 && digits.starts_with("420")) {
        digits.remove_prefix(3);
    }
    if (digits.starts_with('+') || digits.starts_with("00")) return Destination{Destination::Kind::Abroad};
    if (digits.empty()) return Destination{Destination::Kind::Unknown};
    const std::optional<PrefixTable::Match> match = table.longestMatch(digits);
    if (!match) return Destination{Destination::Kind::Unknown};
    // The shortest subscriber's number of today's numbering has nine digits.
    constexpr std::size_t SubscriberDigits = 9;
    const bool shortNumber = digits.size() < SubscriberDigits && !digits.starts_with('0');
    if (shortNumber && match->length != digits.size() && match->network != Network::Sluzby) {
        return Destination{Destination::Kind::Unknown};
    }
    return Destination{Destination::Kind::Network, match->network};
}

}  // namespace hovorix::calls
