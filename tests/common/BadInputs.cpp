// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "BadInputs.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace badinput {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t MegabyteLine = 10'000'000;
constexpr std::size_t LongText = 100'000;
constexpr std::size_t TextLimit = 255;

// A line of ten megabytes: a rate whose digits run on and on. (A single
// number is cut to 255 characters like a text, the numbers of a pair are not.)
std::string megabyteNumber() {
    return "verze 10 MB\r\nprovider PAEGAS\r\ntarif Dlouhy\r\nsazba JTS " + std::string(MegabyteLine, '9') +
           " 0\r\nprovider EUROTEL\r\n";
}

// Ten megabytes of blanks before a keyword: a line no rule takes.
std::string megabyteOfBlanks() {
    return "provider PAEGAS\r\ntarif Start\r\n" + std::string(MegabyteLine, ' ') + "provider EUROTEL\r\n";
}

// Czech text of 100,000 characters (Windows-1250), as a paste gone wrong.
std::string longCzechText() {
    const std::string word =
        "P\xF8"
        "edplacen\xE1 karta \x9Elu\x9Dou\xE8k\xFD ";
    std::string text;
    while (text.size() < LongText) text += word;
    text.resize(LongText);
    return text;
}

std::string longTexts() {
    const std::string text = longCzechText();
    return "verze " + text + "\r\nprovider " + text + "\r\ntarif " + text + "\r\nsluzba telefon 100\r\n";
}

Outcome reads(std::size_t tariffs, std::optional<std::string> version = std::nullopt) {
    Outcome outcome;
    outcome.tariffs = tariffs;
    outcome.version = std::move(version);
    return outcome;
}

Outcome malformed(std::size_t tariffs, std::optional<std::string> version, std::size_t line,
                  const std::string& quoted) {
    Outcome outcome = reads(tariffs, std::move(version));
    outcome.kind = Outcome::Kind::MalformedNumber;
    outcome.line = line;
    outcome.message = "'" + quoted + "' is not a valid floating point value";
    return outcome;
}

Outcome noticed(Outcome outcome, Outcome::Notice notice) {
    outcome.notice = notice;
    return outcome;
}

Outcome cutting(Outcome outcome, std::size_t texts) {
    outcome.cutTexts = texts;
    return outcome;
}

Outcome dropping(Outcome outcome) {
    outcome.dropsLines = true;
    return outcome;
}

Outcome cannotOpen(int code) {
    Outcome outcome;
    outcome.kind = Outcome::Kind::CannotOpen;
    outcome.code = code;
    return outcome;
}

std::vector<Case> makeCatalogue() {
    using Source = Case::Source;
    return {
        // Lines ended by LF alone: the whole file is one line, a provider line.
        {"lf-only.ini", noticed(reads(1), Outcome::Notice::LfEnded)},
        {"garbage.bin", dropping(noticed(reads(0), Outcome::Notice::NulBytes))},
        {"nul-bytes.ini", noticed(malformed(1, std::string("1\0 2", 4), 4, "1␀5"), Outcome::Notice::NulBytes)},
        {"exponent-overflow.ini", malformed(1, "1E999", 4, "1E999")},
        {"lone-minus.ini", malformed(1, "2", 4, "-")},
        {"lone-plus.ini", malformed(1, std::nullopt, 3, "+")},
        {"megabyte-number.ini", malformed(1, "10 MB", 4, std::string(TextLimit, '9') + "…"), Source::Generated,
         megabyteNumber},
        {"megabyte-of-blanks.ini", dropping(reads(1)), Source::Generated, megabyteOfBlanks},
        {"long-texts.ini", cutting(reads(1, longCzechText().substr(0, TextLimit)), 3), Source::Generated, longTexts},
        {"tarif.ini", cannotOpen(EISDIR), Source::Folder},
    };
}

}  // namespace

const std::vector<Case>& catalogue() {
    static const std::vector<Case> cases = makeCatalogue();
    return cases;
}

std::string bytesOf(const Case& c) {
    switch (c.source) {
    case Case::Source::Generated: return c.generate();
    case Case::Source::Folder: return {};
    case Case::Source::Kept: break;
    }
    std::ifstream in(fs::path(HOVORIX_BAD_INPUTS) / c.name, std::ios::binary);
    if (!in) throw std::runtime_error("missing test file " + c.name);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void materialise(const Case& c, const fs::path& target) {
    if (c.source == Case::Source::Folder) {
        fs::create_directory(target);
        return;
    }
    std::ofstream out(target, std::ios::binary);
    out << bytesOf(c);
    if (!out.flush()) throw std::runtime_error("cannot write " + target.string());
}

}  // namespace badinput
