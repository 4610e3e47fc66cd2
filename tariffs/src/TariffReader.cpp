// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/TariffReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>

#include "tariffs/Errors.h"
#include "tariffs/NumberText.h"

namespace hovorix::tariffs {

namespace {

// A rule from its compared text, blanks included. The value starts one
// character after the compared text, or right after it where the text ends in
// its separating blank.
constexpr LineRuleInfo rule(LineRule sets, std::string_view prefix, ValueKind kind) {
    const std::size_t valueColumn = kind == ValueKind::None ? 0 : prefix.size() + (prefix.ends_with(' ') ? 1 : 2);
    return {sets, prefix, valueColumn, kind};
}

// The only place that knows the keywords; their order does not matter.
constexpr std::array Rules = {
    rule(LineRule::Provider, "provider", ValueKind::Text),
    rule(LineRule::TelephoneFee, "sluzba telefon", ValueKind::Number),
    rule(LineRule::TariffName, "tarif", ValueKind::Text),
    rule(LineRule::FaxFee, "sluzba fax", ValueKind::Number),
    rule(LineRule::DataFee, "sluzba data", ValueKind::Number),
    rule(LineRule::FirstFreeMinutes, "prvniminzdarma", ValueKind::Number),
    rule(LineRule::RateJTS, "sazba JTS ", ValueKind::NumberPair),
    rule(LineRule::RatePAEGAS, "sazba PAEGAS ", ValueKind::NumberPair),
    rule(LineRule::RateEUROTEL, "sazba EUROTEL ", ValueKind::NumberPair),
    rule(LineRule::RateJTSMimo, "sazba JTS-mimo", ValueKind::NumberPair),
    rule(LineRule::RatePAEGASMimo, "sazba PAEGAS-mimo", ValueKind::NumberPair),
    rule(LineRule::RateEUROTELMimo, "sazba EUROTEL-mimo", ValueKind::NumberPair),
    rule(LineRule::RateJTSNoc, "sazba JTS-noc", ValueKind::NumberPair),
    rule(LineRule::MinimumCharge, "minimalne", ValueKind::Number),
    rule(LineRule::AllMinutesFree, "vsechnyminzdarma", ValueKind::None),
    rule(LineRule::Version, "verze ", ValueKind::Text),
};
static_assert(Rules.size() + 1 == LineRuleCount, "every rule in the table, None aside");

// How many first characters of a line tell the rules apart: one more than
// the longest start that two compared texts share. No compared text may start
// another (such a table does not compile), so at most one rule matches a line
// and the order of the table does not matter.
constexpr std::size_t Telling = [] {
    std::size_t telling = 0;
    for (std::size_t i = 0; i < Rules.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const std::string_view a = Rules[i].prefix;
            const std::string_view b = Rules[j].prefix;
            const auto shared =
                static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
            if (shared == std::min(a.size(), b.size())) throw "one compared text starts another";
            telling = std::max(telling, shared + 1);
        }
    }
    return telling;
}();

// For each of those positions and each character there, the rules (one bit
// each) whose compared text has that character there or has already ended.
using RuleSet = std::uint32_t;
static_assert(Rules.size() <= 32);
constexpr auto Allowed = [] {
    std::array<std::array<RuleSet, 256>, Telling> allowed{};
    for (std::size_t position = 0; position < Telling; ++position) {
        for (std::size_t i = 0; i < Rules.size(); ++i) {
            const std::string_view prefix = Rules[i].prefix;
            for (std::size_t c = 0; c < 256; ++c) {
                if (position >= prefix.size() || static_cast<unsigned char>(prefix[position]) == c) {
                    allowed[position][c] |= RuleSet{1} << i;
                }
            }
        }
    }
    return allowed;
}();

// The rule whose compared text starts the line. A rule that does is allowed by
// each of the line's first characters, and is then the only one left: any
// other differs from it at one of them. So the first rule left is compared in
// full.
const LineRuleInfo* findRule(std::string_view line) {
    RuleSet candidates = ~RuleSet{0};
    const std::size_t telling = std::min(line.size(), Telling);
    for (std::size_t position = 0; position < telling; ++position) {
        candidates &= Allowed[position][static_cast<unsigned char>(line[position])];
    }
    if (candidates == 0) return nullptr;
    const LineRuleInfo& rule = Rules[static_cast<std::size_t>(std::countr_zero(candidates))];
    return line.starts_with(rule.prefix) ? &rule : nullptr;
}

// The characters from the 1-based column to the end of the line, at most 255:
// the file keeps no longer texts.
std::string_view textFrom(std::string_view line, std::size_t column) {
    if (column - 1 >= line.size()) return {};
    return line.substr(column - 1, MaxTextLength);
}

// Whether anything but blanks stands in the text.
bool holdsMore(std::string_view text) { return text.find_first_not_of(" \t") != std::string_view::npos; }

// The start of the header line the editor writes at the top of every file
// ("// Generováno z Cenikar "), whatever its version, date and time.
constexpr std::string_view WritersHeader = "// Generov\xE1no z Cenikar ";

// The characters from the 1-based column up to the first blank.
std::string_view tokenFrom(std::string_view line, std::size_t column) {
    if (column - 1 >= line.size()) return {};
    const std::string_view rest = line.substr(column - 1);
    return rest.substr(0, rest.find(' '));
}

// The zone whose rate and free minutes a line sets; nullopt for a line of any
// other kind. Every zone has its rule here, so a new zone does not build
// until the file can set its rate.
std::optional<Zone> zoneRatedBy(LineRule rule) {
    constexpr auto RateRules = enumTable<Zone, LineRule>({
        {Zone::JTS, LineRule::RateJTS},
        {Zone::JTSMimo, LineRule::RateJTSMimo},
        {Zone::JTSNoc, LineRule::RateJTSNoc},
        {Zone::PAEGAS, LineRule::RatePAEGAS},
        {Zone::PAEGASMimo, LineRule::RatePAEGASMimo},
        {Zone::EUROTEL, LineRule::RateEUROTEL},
        {Zone::EUROTELMimo, LineRule::RateEUROTELMimo},
    });
    return enumeratorWith<Zone>(RateRules, rule);
}

[[noreturn, gnu::noinline]] void malformed(std::string_view text, std::size_t line) {
    throw ConversionError(std::string(text), line);
}
}  // namespace

inline double TariffReader::number(std::string_view text) const {
    double value = 0;
    if (!tryParseNumber(text, separator_, value)) malformed(text, lineNumber_);
    return value;
}

TariffReader::TariffReader(TariffList& list, std::string& version, char decimalSeparator, const ReaderEvents& events)
    : list_(list),
      version_(version),
      separator_(decimalSeparator),
      events_(events),
      hearsOfLines_(events.onLine || events.onSkippedLine || events.onSkippedColumn || events.onOverriddenLine) {}

void TariffReader::line(std::string_view text) {
    ++lineNumber_;
    const LineRuleInfo* info = findRule(text);
    bool applied = false;
    tailIgnored_ = false;
    if (info) applied = apply(*info, text);
    // The calculator hears of no line: one test, not one per report.
    if (!hearsOfLines_) return;
    const LineRule rule = info ? info->rule : LineRule::None;
    if (events_.onLine) events_.onLine(lineNumber_, text, rule, applied);
    if (events_.onSkippedLine && skipped(info, text, applied)) events_.onSkippedLine(lineNumber_, text, rule);
    if (applied) noteRewritten(*info, text);
}

void TariffReader::noteRewritten(const LineRuleInfo& info, std::string_view line) {
    // Where the value starts two columns after the keyword, the writer puts a
    // blank between them.
    const std::size_t skippedColumn = info.prefix.size();  // 0-based
    if (events_.onSkippedColumn && info.valueColumn == skippedColumn + 2 && line.size() > skippedColumn &&
        line[skippedColumn] != ' ') {
        events_.onSkippedColumn(lineNumber_, line, info.rule);
    }
    if (!events_.onOverriddenLine) return;
    if (info.rule == LineRule::Provider) {
        // A new tariff has no field set yet; the data version is the file's.
        const std::size_t version = setAt_[static_cast<std::size_t>(LineRule::Version)];
        setAt_.fill(0);
        setAt_[static_cast<std::size_t>(LineRule::Version)] = version;
        return;
    }
    std::size_t& setAt = setAt_[static_cast<std::size_t>(info.rule)];
    if (setAt != 0) events_.onOverriddenLine(setAt, lineNumber_, info.rule);
    setAt = lineNumber_;
}

void TariffReader::endedAtCtrlZ(bool atLineStart, std::size_t linesOfText) {
    if (linesOfText == 0 || !events_.onTextAfterEnd) return;
    events_.onTextAfterEnd(lineNumber_ + (atLineStart ? 1 : 0), linesOfText);
}

std::string_view TariffReader::text(const LineRuleInfo& info, std::string_view line) const {
    if (events_.onCutText && line.size() >= info.valueColumn && line.size() - (info.valueColumn - 1) > MaxTextLength) {
        events_.onCutText(lineNumber_, info.rule);
    }
    return textFrom(line, info.valueColumn);
}

bool TariffReader::skipped(const LineRuleInfo* info, std::string_view line, bool applied) {
    if (info) return !applied || tailIgnored_;
    // The writer's first two lines say who wrote the file and when; every
    // save writes them anew.
    if (lineNumber_ == 1 && line.starts_with(WritersHeader)) {
        writersHeader_ = true;
        return false;
    }
    if (lineNumber_ == 2 && writersHeader_ && line.starts_with("//")) return false;
    const std::size_t last = line.find_last_not_of(" \t");
    if (last == std::string_view::npos) return false;  // an empty line
    const std::string_view meant = line.substr(0, last + 1);
    // The writer's end of a tariff and end of the file.
    return meant != "konec" && meant != ".";
}

bool TariffReader::apply(const LineRuleInfo& info, std::string_view text) {
    switch (info.rule) {
    case LineRule::Provider:
        list_.append().provider = this->text(info, text);
        haveCurrent_ = true;
        return true;
    case LineRule::Version:
        version_ = this->text(info, text);
        if (events_.onVersion) events_.onVersion(version_);
        return true;
    default: break;
    }
    // Tariff lines before the first provider line have no tariff to set.
    if (!haveCurrent_) return false;
    Tarifs& tariff = list_.current();
    if (const std::optional<Zone> rated = zoneRatedBy(info.rule)) {
        // A rate and its free minutes: the second number starts just after
        // the single blank that ends the first.
        ZoneRate& zone = tariff.zone(*rated);
        const std::string_view rate = tokenFrom(text, info.valueColumn);
        zone.rate = number(rate);
        const std::size_t freeColumn = info.valueColumn + rate.size() + 1;
        const std::string_view freeMinutes = tokenFrom(text, freeColumn);
        zone.freeMinutes = number(freeMinutes);
        // What follows the blank after the second number is read by no one.
        const std::size_t rest = freeColumn + freeMinutes.size();  // 0-based, past that blank
        tailIgnored_ = rest < text.size() && holdsMore(text.substr(rest));
        return true;
    }
    switch (info.rule) {
    case LineRule::TariffName: tariff.name = this->text(info, text); break;
    case LineRule::TelephoneFee: tariff.telephoneFee = number(textFrom(text, info.valueColumn)); break;
    case LineRule::FaxFee: tariff.faxFee = number(textFrom(text, info.valueColumn)); break;
    case LineRule::DataFee: tariff.dataFee = number(textFrom(text, info.valueColumn)); break;
    case LineRule::FirstFreeMinutes: tariff.firstFreeMinutes = number(textFrom(text, info.valueColumn)); break;
    case LineRule::MinimumCharge: tariff.minimumCharge = number(textFrom(text, info.valueColumn)); break;
    case LineRule::AllMinutesFree:
        tariff.allMinutesFree = true;
        tailIgnored_ = holdsMore(text.substr(info.prefix.size()));
        break;
    default: break;
    }
    return true;
}

std::span<const LineRuleInfo> lineRules() { return Rules; }

LineRule matchLineRule(std::string_view line) {
    const LineRuleInfo* info = findRule(line);
    return info ? info->rule : LineRule::None;
}

std::size_t readTariffs(std::string_view content, TariffList& list, std::string& version, char decimalSeparator,
                        const ReaderEvents& events) {
    TariffReader reader(list, version, decimalSeparator, events);
    forEachLine(content, [&reader](std::string_view line) { reader.line(line); });
    const std::size_t end = reader.wantsTextAfterEnd() ? content.find('\x1a') : std::string_view::npos;
    if (end != std::string_view::npos) {
        TextAfterEnd after;
        after.look(content.substr(end + 1));
        reader.endedAtCtrlZ(atLineStart(content.substr(0, end)), after.linesOfText());
    }
    return reader.linesRead();
}

}  // namespace hovorix::tariffs
