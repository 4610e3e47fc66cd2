// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <string>
#include <string_view>

namespace hovorix::tariffs {

// The two places where numbers cross to text and back, in the tariff file and
// in the editor's fields alike, always under the decimal separator of the
// user's regional settings.

// General format with 15 significant digits: fixed notation from 0.0001 up to
// below 1E15 (and for zero), scientific otherwise ("1,23456789012346E17",
// "1E-5"); trailing zeros and a needless separator dropped, no grouping.
std::string formatNumber(double value, char decimalSeparator);

// Blanks, an optional sign, digits with at most one decimal separator, an
// optional exponent ("E" or "e", optional sign, digits), blanks, and nothing
// else. Anything else, the empty text and values beyond the range of a double
// throw ConversionError. Values too small for a double become zero.
double parseNumber(std::string_view text, char decimalSeparator);

// The same grammar without the exception, for callers that only ask.
bool tryParseNumber(std::string_view text, char decimalSeparator, double& value);

// The other of the two decimal separators regional settings use: the point
// for the comma, the comma for the point.
constexpr char otherDecimalSeparator(char decimalSeparator) { return decimalSeparator == ',' ? '.' : ','; }

// Whether a text that is no number under the decimal separator holds the
// other one and reads as a number with it: the file it stands in was most
// likely written under other regional settings. The file carries no note of
// its separator, so this is the only hint there is.
bool readsWithOtherSeparator(std::string_view text, char decimalSeparator);

}  // namespace hovorix::tariffs
