// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "RowValues.h"

#include <algorithm>
#include <span>

#include "Text.h"

namespace hovorix::calls {

using namespace std::chrono;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

namespace {

// Folded: lower case, no accents. Matched anywhere in the value, so "hlas"
// stands for "hlasové" and "hlasová" too.
constexpr std::string_view NotVoiceWords[] = {"sms", "mms", "data", "gprs", "internet"};
constexpr std::string_view IncomingWords[] = {"prichozi", "incoming"};
constexpr std::string_view VoiceWords[] = {"odchozi", "hovor", "volani", "outgoing", "call", "voice", "hlas"};

bool containsAny(const std::string& folded, std::span<const std::string_view> words) {
    return std::any_of(words.begin(), words.end(),
                       [&folded](std::string_view word) { return folded.find(word) != std::string::npos; });
}

}  // namespace

RowKind rowKind(std::string_view value, Encoding encoding) {
    const std::string folded = text::fold(value, encoding);
    if (containsAny(folded, NotVoiceWords)) return RowKind::NotVoice;
    if (containsAny(folded, IncomingWords) || !containsAny(folded, VoiceWords)) return RowKind::OtherVoice;
    return RowKind::OutgoingVoice;
}

bool holdsKindWord(std::string_view value, Encoding encoding) {
    const std::string folded = text::fold(value, encoding);
    return containsAny(folded, NotVoiceWords) || containsAny(folded, IncomingWords) || containsAny(folded, VoiceWords);
}

DateAndTime splitDateTime(std::string_view value) {
    DateAndTime result;
    const std::size_t cut = value.find_last_of(" T");
    if (cut != std::string_view::npos && value.find(':', cut) != std::string_view::npos) {
        result.hasTime = true;
        result.time = parseTime(value.substr(cut + 1));
        value = trimmed(value.substr(0, cut));
    }
    result.date = parseDate(value);
    return result;
}

std::string fieldsText(std::size_t n) { return std::to_string(n) + (n >= 1 && n <= 4 ? " pole" : " polí"); }

}  // namespace hovorix::calls
