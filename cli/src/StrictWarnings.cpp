// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "StrictWarnings.h"

#include <algorithm>

#include "cli/Output.h"

namespace hovorix::cli {

namespace {

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(),
                                                      [](char a, char b) { return asciiLower(a) == asciiLower(b); });
}

const tariffs::LineRuleInfo& ruleInfo(tariffs::LineRule rule) {
    const auto& rules = tariffs::lineRules();
    return *std::find_if(rules.begin(), rules.end(),
                         [rule](const tariffs::LineRuleInfo& info) { return info.rule == rule; });
}

// The keyword as a publisher would name it: "sazba JTS", not "sazba JTS ".
std::string keyword(const tariffs::LineRuleInfo& rule) {
    std::string_view text = rule.prefix;
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

std::string textName(tariffs::LineRule rule) {
    switch (rule) {
    case tariffs::LineRule::Provider: return "provider";
    case tariffs::LineRule::TariffName: return "tariff name";
    default: return "data version";
    }
}

}  // namespace

void StrictWarnings::inspect(std::size_t lineNumber, std::string_view line, tariffs::LineRule rule, bool applied) {
    checkBareLineFeeds(lineNumber, line);
    if (rule == tariffs::LineRule::None) {
        checkNearMiss(lineNumber, line);
        return;
    }
    const tariffs::LineRuleInfo& info = ruleInfo(rule);
    if (!applied) {
        warn(lineNumber, "\"" + keyword(info) + "\" line before the first provider line sets nothing");
        explained_ = lineNumber;
        return;
    }
    if (info.kind == tariffs::ValueKind::Text) checkCutText(lineNumber, line, info);
}

void StrictWarnings::warn(std::size_t lineNumber, const std::string& message) {
    ++count_;
    if (sink_) sink_(lineNumber, message);
}

void StrictWarnings::checkNearMiss(std::size_t lineNumber, std::string_view line) {
    const std::size_t start = std::min(line.size(), line.find_first_not_of(" \t"));
    const std::string_view rest = line.substr(start);
    for (const tariffs::LineRuleInfo& rule : tariffs::lineRules()) {
        if (!startsWithIgnoringCase(rest, rule.prefix)) continue;
        const bool caseDiffers = !rest.starts_with(rule.prefix);
        std::string why = start > 0 ? "leading blank" : "";
        if (caseDiffers) why += why.empty() ? "different case" : ", different case";
        std::string_view written = line.substr(0, start + rule.prefix.size());
        while (!written.empty() && written.back() == ' ' && rule.prefix.back() == ' ') written.remove_suffix(1);
        // A run of blanks may be megabytes long; the keyword's end tells enough.
        std::string shown =
            visibleText(written.substr(written.size() - std::min(written.size(), tariffs::MaxTextLength)))
                .toStdString();
        if (written.size() > tariffs::MaxTextLength) shown = "\u2026" + shown;
        warn(lineNumber, "line ignored: \"" + shown + "\" is not the keyword \"" + keyword(rule) + "\" (" + why + ")");
        explained_ = lineNumber;
        return;
    }
}

void StrictWarnings::skipped(std::size_t lineNumber, std::string_view line, tariffs::LineRule rule) {
    if (explained_ == lineNumber) return;
    // Enough of the line to find it: at most 40 characters as the terminal
    // shows them, a control character counting as the four of its \xNN.
    constexpr qsizetype MostShown = 40;
    QString shown;
    std::size_t taken = 0;
    for (; taken < line.size(); ++taken) {
        const QString next = visibleText(line.substr(taken, 1));
        if (shown.size() + next.size() > MostShown) break;
        shown += next;
    }
    if (taken < line.size()) shown += QChar(u'\u2026');
    const std::string what = rule == tariffs::LineRule::None ? "line ignored" : "text after the value ignored";
    warn(lineNumber, what + ", dropped by a save in Cenikar: \"" + shown.toStdString() + "\"");
}

void StrictWarnings::overridden(std::size_t overridden, std::size_t lineNumber, tariffs::LineRule rule) {
    const std::string where = rule == tariffs::LineRule::Version ? "" : " in the same tariff";
    warn(lineNumber, "\"" + keyword(ruleInfo(rule)) + "\" set again" + where + "; line " + std::to_string(overridden) +
                         " is overridden and a save in Cenikar drops it");
}

void StrictWarnings::skippedColumn(std::size_t lineNumber, std::string_view line, tariffs::LineRule rule) {
    const tariffs::LineRuleInfo& info = ruleInfo(rule);
    const std::string skipped = visibleText(line.substr(info.prefix.size(), 1)).toStdString();
    warn(lineNumber, "\"" + skipped + "\" after \"" + keyword(info) +
                         "\" is skipped, not read; a save in Cenikar writes a blank in its place");
}

void StrictWarnings::textAfterEnd(std::size_t lineNumber, std::size_t linesOfText) {
    warn(lineNumber, "text after Ctrl+Z (" + std::to_string(linesOfText) + (linesOfText == 1 ? " line" : " lines") +
                         ") is not read; a save in Cenikar drops it");
}

void StrictWarnings::checkBareLineFeeds(std::size_t lineNumber, std::string_view line) {
    // The reader ends lines at CR only, so a bare LF stays inside the line.
    const auto feeds = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\n'));
    if (feeds == 0 || line.find_first_not_of(" \t\n") == std::string_view::npos) return;
    warn(lineNumber, std::to_string(feeds) +
                         (feeds == 1 ? " line end is LF alone and does not end a line"
                                     : " line ends are LF alone and do not end lines") +
                         "; tariff files end their lines with CR LF");
}

void StrictWarnings::checkCutText(std::size_t lineNumber, std::string_view line, const tariffs::LineRuleInfo& rule) {
    const std::size_t length = line.size() >= rule.valueColumn ? line.size() - (rule.valueColumn - 1) : 0;
    if (length <= tariffs::MaxTextLength) return;
    warn(lineNumber, "the " + textName(rule.rule) + " is " + std::to_string(length) + " bytes long; only its first " +
                         std::to_string(tariffs::MaxTextLength) + " are read");
}

}  // namespace hovorix::cli
