// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QColor>
#include <QLocale>
#include <QString>

namespace hovorix::chart {

// The sixteen colours that bars with the automatic colour take in turn, by
// their index: red, green, yellow, blue, white, gray, ... and red again.
inline constexpr int ColourCycleLength = 16;
QColor cycleColour(int index);

// A cost as the mark at the end of its bar shows it ("#,##0.#0"): taken to the
// nearest hundredth, the integer part grouped by threes with the locale's
// group separator, then the locale's decimal separator and always two
// decimals. A value that rounds to nothing shows as plain zero, never "-0.00".
QString markText(double value, const QLocale& locale);

// A cost for a spreadsheet: two decimals with the locale's decimal separator
// and no grouping, which spreadsheets would read as text.
QString plainAmount(double value, const QLocale& locale);

// A label of the cost axis whose ticks lie step apart: grouped like the marks,
// with just as many decimals as the step needs. An axis that reaches the
// amounts that marks write in exponent form writes all its labels so.
QString tickText(double value, double step, const QLocale& locale, bool exponentForm = false);

}  // namespace hovorix::chart
