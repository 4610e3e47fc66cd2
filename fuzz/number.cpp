// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// The number text: whatever the parser accepts must format to a text the
// parser accepts again, and that text must be a fixed point: the number the
// file keeps reads and writes back unchanged. Texts of at most 15 significant
// digits that are normal doubles come back exactly.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "tariffs/NumberText.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

std::size_t significantDigits(std::string_view text) {
    std::size_t count = 0;
    bool started = false;
    std::string digits;
    for (char c : text) {
        if (c == 'e' || c == 'E') break;
        if (c < '0' || c > '9') continue;
        if (c != '0') started = true;
        if (started) digits += c;
    }
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    count = digits.size();
    return count;
}

void roundTrip(std::string_view text, char separator) {
    double value = 0;
    if (!hovorix::tariffs::tryParseNumber(text, separator, value)) return;
    check(std::isfinite(value));
    const std::string written = hovorix::tariffs::formatNumber(value, separator);
    double kept = 0;
    check(hovorix::tariffs::tryParseNumber(written, separator, kept));
    check(hovorix::tariffs::formatNumber(kept, separator) == written);
    double again = 0;
    check(hovorix::tariffs::tryParseNumber(hovorix::tariffs::formatNumber(kept, separator), separator, again));
    check(again == kept);
    if (significantDigits(text) <= 15 && std::abs(value) >= std::numeric_limits<double>::min()) check(kept == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    roundTrip(text, ',');
    roundTrip(text, '.');
    return 0;
}
