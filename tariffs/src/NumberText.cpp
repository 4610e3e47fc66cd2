// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "tariffs/Errors.h"

namespace hovorix::tariffs {

namespace {

constexpr int SignificantDigits = 15;
// Decimal exponents written in fixed notation: 0.0001 up to below 1E15.
constexpr int LowestFixedExponent = -4;
constexpr int HighestFixedExponent = 14;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr double PowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// A number already known to follow the grammar, in its parts.
struct NumberParts {
    bool negative;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool negativeExponent;
    std::string_view exponentDigits;
};

// Numbers with an exponent or many digits: converted by the standard library,
// kept out of line so the common short prices stay cheap.
[[gnu::noinline]] bool convertLongNumber(const NumberParts& number, double& value) {
    const auto& [negative, integerDigits, fractionDigits, negativeExponent, exponentDigits] = number;
    // The same number in the one notation from_chars reads whatever the locale.
    std::string plain;
    plain.reserve(integerDigits.size() + fractionDigits.size() + exponentDigits.size() + 4);
    if (negative) plain += '-';
    plain += integerDigits;
    plain += '.';
    plain += fractionDigits;
    if (!exponentDigits.empty()) {
        plain += negativeExponent ? "e-" : "e";
        plain += exponentDigits;
    }

    double parsed = 0;
    const auto [stop, error] = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
    if (error == std::errc{} && stop == plain.data() + plain.size()) {
        value = parsed;
        return true;
    }
    if (error != std::errc::result_out_of_range) return false;

    // Out of range: too large is malformed, too small is zero. The decimal
    // magnitude of the first significant digit tells the two apart.
    long long magnitude = 0;
    const std::size_t firstInteger = integerDigits.find_first_not_of('0');
    if (firstInteger != std::string_view::npos) {
        magnitude = static_cast<long long>(integerDigits.size() - firstInteger) - 1;
    } else {
        const std::size_t firstFraction = fractionDigits.find_first_not_of('0');
        if (firstFraction == std::string_view::npos) return false;  // all zeros cannot be out of range
        magnitude = -static_cast<long long>(firstFraction) - 1;
    }
    long long exponent = 0;
    for (char c : exponentDigits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 1'000'000'000) break;  // far beyond any double either way
    }
    magnitude += negativeExponent ? -exponent : exponent;
    if (magnitude >= 0) return false;
    value = negative ? -0.0 : 0.0;
    return true;
}

}  // namespace

std::string formatNumber(double value, char decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";  // negative zero included

    // Rounding to 15 significant digits first decides the notation: a value
    // that rounds up to 1E15 is written as 1E15.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, value);
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative) ++p;
    std::string digits;
    for (; *p != 'e'; ++p) {
        if (isDigit(*p)) digits += *p;
    }
    const int exponent = std::atoi(p + 1);
    // The few doubles just below the largest one round to a text beyond the
    // range of a double, which no reader could take back; they are written
    // cut to 15 digits instead.
    if (std::isinf(std::strtod(buffer, nullptr))) digits = "179769313486231";
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text;
    if (negative) text += '-';
    if (exponent >= LowestFixedExponent && exponent <= HighestFixedExponent) {
        if (exponent >= 0) {
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integerDigits) {
                text += digits;
                text.append(integerDigits - digits.size(), '0');
            } else {
                text.append(digits, 0, integerDigits);
                text += decimalSeparator;
                text.append(digits, integerDigits);
            }
        } else {
            text += '0';
            text += decimalSeparator;
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        }
    } else {
        text += digits[0];
        if (digits.size() > 1) {
            text += decimalSeparator;
            text.append(digits, 1);
        }
        text += 'E';
        text += std::to_string(exponent);
    }
    return text;
}

bool tryParseNumber(std::string_view text, char decimalSeparator, double& value) {
    // Prices as the writer puts them: digits and at most one separator, no
    // blanks, sign or exponent. With at most 15 digits the digits and the
    // power of ten are exact doubles, and one correctly rounded division
    // gives the correctly rounded value.
    if (text.size() <= 16) {
        std::uint64_t digits = 0;
        std::size_t count = 0;
        std::size_t fraction = 0;
        bool separator = false;
        bool plain = true;
        for (const char c : text) {
            if (isDigit(c)) {
                digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
                ++count;
                fraction += separator;
            } else if (c == decimalSeparator && !separator) {
                separator = true;
            } else {
                plain = false;
                break;
            }
        }
        if (plain && count > 0 && count <= 15) {
            value = static_cast<double>(digits) / PowersOfTen[fraction];
            return true;
        }
    }

    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end && *p == ' ') ++p;

    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';

    // The digits are gathered as one whole number on the way; it is only used
    // when there are few enough of them to be exact.
    std::uint64_t digits = 0;
    const char* const integerStart = p;
    while (p < end && isDigit(*p)) digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
    const std::string_view integerDigits(integerStart, static_cast<std::size_t>(p - integerStart));

    std::string_view fractionDigits;
    if (p < end && *p == decimalSeparator) {
        const char* const fractionStart = ++p;
        while (p < end && isDigit(*p)) digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
        fractionDigits = std::string_view(fractionStart, static_cast<std::size_t>(p - fractionStart));
    }
    if (integerDigits.empty() && fractionDigits.empty()) return false;

    bool negativeExponent = false;
    std::string_view exponentDigits;
    if (p < end && (*p == 'E' || *p == 'e')) {
        ++p;
        if (p < end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
        const char* const exponentStart = p;
        while (p < end && isDigit(*p)) ++p;
        exponentDigits = std::string_view(exponentStart, static_cast<std::size_t>(p - exponentStart));
        if (exponentDigits.empty()) return false;
    }

    while (p < end && *p == ' ') ++p;
    if (p != end) return false;

    // Short decimals with blanks or a sign: exact as above.
    if (exponentDigits.empty() && integerDigits.size() + fractionDigits.size() <= 15) {
        const double magnitude = static_cast<double>(digits) / PowersOfTen[fractionDigits.size()];
        value = negative ? -magnitude : magnitude;
        return true;
    }

    return convertLongNumber({negative, integerDigits, fractionDigits, negativeExponent, exponentDigits}, value);
}

double parseNumber(std::string_view text, char decimalSeparator) {
    double value = 0;
    if (!tryParseNumber(text, decimalSeparator, value)) throw ConversionError(std::string(text));
    return value;
}

bool readsWithOtherSeparator(std::string_view text, char decimalSeparator) {
    const char other = otherDecimalSeparator(decimalSeparator);
    double value = 0;
    return text.find(other) != std::string_view::npos && tryParseNumber(text, other, value);
}

}  // namespace hovorix::tariffs
