// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/CostMark.h"

#include <charconv>
#include <cmath>
#include <string>

#include "desktop/NumberText.h"
#include "desktop/RegionalSettings.h"

namespace hovorix::desktop {

namespace {

// Adds one to a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

QString formatMark(double value, const QLocale& locale, bool grouped) {
    if (std::isinf(value)) return value < 0 ? locale.negativeSign() + QChar(0x221E) : QString(QChar(0x221E));
    if (!std::isfinite(value)) return locale.toString(value);

    // The shortest fixed text of a double has at most 309 integer digits or
    // about 345 characters for the smallest values.
    char buffer[512];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t point = text.find('.');
    std::string whole(text.substr(0, point));
    std::string fraction(point == std::string_view::npos ? std::string_view{} : text.substr(point + 1));

    const bool roundUp = fraction.size() > 2 && fraction[2] >= '5';
    fraction.resize(2, '0');
    std::string hundredths = whole + fraction;
    if (roundUp) incrementDigits(hundredths);
    whole = hundredths.substr(0, hundredths.size() - 2);
    fraction = hundredths.substr(hundredths.size() - 2);
    // Beyond 15 digits the hundredths, and soon the units, would be digits
    // of the binary value that no price ever had.
    if (whole.size() > 15) return formatNumber(value, RegionalSettings(locale).decimalSeparator());

    QString mark;
    if (value < 0 && hundredths.find_first_not_of('0') != std::string::npos) mark += locale.negativeSign();
    const QString group = grouped ? locale.groupSeparator() : QString();
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) mark += group;
        mark += QLatin1Char(whole[i]);
    }
    mark += locale.decimalPoint();
    mark += QLatin1String(fraction.data(), 2);
    return mark;
}

}  // namespace hovorix::desktop
