// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QLocale>
#include <QString>

namespace hovorix::desktop {

// From this magnitude on a double holds no hundredths, nor even every unit:
// such amounts are written as the tariff file writes them, in exponent form
// with 15 significant digits ("1E300", "2,5E17").
inline constexpr double ExponentFormFrom = 1e15;

// A cost as the chart marks it ("#,##0.#0"): the nearest hundredth (halves
// away from zero, judged on the shortest decimal text of the value, as a
// reader of the number expects), the integer part grouped by threes with the
// locale's group separator, the locale's decimal separator and always two
// decimals. Without grouping it is the amount a spreadsheet reads as a number.
// Amounts from ExponentFormFrom on are in exponent form, an endless one is
// "∞" (with its sign when negative).
QString formatMark(double value, const QLocale& locale, bool grouped = true);

}  // namespace hovorix::desktop
