#include "tariffs/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "tariffs/Errors.h"

namespace hovorix {

namespace {

constexpr int SignificantDigits = 15;
// Decimal exponents written in fixed notation: 0.0001 up to below 1E15.
constexpr int LowestFixedExponent = -4;
constexpr int HighestFixedExponent = 14;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

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
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    const std::size_t integerStart = i;
    while (i < n && isDigit(text[i])) ++i;
    const std::string_view integerDigits = text.substr(integerStart, i - integerStart);

    std::string_view fractionDigits;
    if (i < n && text[i] == decimalSeparator) {
        const std::size_t fractionStart = ++i;
        while (i < n && isDigit(text[i])) ++i;
        fractionDigits = text.substr(fractionStart, i - fractionStart);
    }
    if (integerDigits.empty() && fractionDigits.empty()) return false;

    bool negativeExponent = false;
    std::string_view exponentDigits;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        const std::size_t exponentStart = i;
        while (i < n && isDigit(text[i])) ++i;
        exponentDigits = text.substr(exponentStart, i - exponentStart);
        if (exponentDigits.empty()) return false;
    }

    while (i < n && text[i] == ' ') ++i;
    if (i != n) return false;

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
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
    if (error == std::errc{} && end == plain.data() + plain.size()) {
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

double parseNumber(std::string_view text, char decimalSeparator) {
    double value = 0;
    if (!tryParseNumber(text, decimalSeparator, value)) throw ConversionError(std::string(text));
    return value;
}

}  // namespace hovorix
