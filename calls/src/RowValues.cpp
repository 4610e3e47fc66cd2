// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "RowValues.h"

#include <algorithm>
#include <iterator>

#include "Text.h"

namespace hovorix::calls {

using namespace std::chrono;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool outgoingVoice(std::string_view value, Encoding encoding) {
    const std::string folded = text::fold(value, encoding);
    static constexpr std::string_view Excluded[] = {"prichozi", "incoming", "sms", "mms", "data", "gprs", "internet"};
    static constexpr std::string_view Voice[] = {"odchozi", "hovor", "volani", "outgoing", "call", "voice"};
    const auto contains = [&folded](std::string_view word) { return folded.find(word) != std::string::npos; };
    return std::none_of(std::begin(Excluded), std::end(Excluded), contains) &&
           std::any_of(std::begin(Voice), std::end(Voice), contains);
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
