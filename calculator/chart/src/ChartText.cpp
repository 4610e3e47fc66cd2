// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "chart/ChartText.h"

#include <array>
#include <cmath>

#include "desktop/CostMark.h"
#include "desktop/NumberText.h"
#include "desktop/RegionalSettings.h"

namespace hovorix::chart {

namespace {

constexpr std::array<QRgb, ColourCycleLength> Cycle = {
    0xFF0000, 0x008000, 0xFFFF00, 0x0000FF, 0xFFFFFF, 0x808080, 0xFF00FF, 0x008080,
    0x000080, 0x800000, 0x00FF00, 0x808000, 0x800080, 0xC0C0C0, 0x00FFFF, 0x000000,
};

QLocale withGrouping(QLocale locale, bool grouped) {
    QLocale::NumberOptions options = locale.numberOptions();
    options.setFlag(QLocale::OmitGroupSeparator, !grouped);
    locale.setNumberOptions(options);
    return locale;
}

}  // namespace

QColor cycleColour(int index) {
    const int entry = ((index % ColourCycleLength) + ColourCycleLength) % ColourCycleLength;
    return QColor::fromRgb(Cycle[static_cast<std::size_t>(entry)]);
}

QString markText(double value, const QLocale& locale) { return desktop::formatMark(value, locale); }

QString plainAmount(double value, const QLocale& locale) { return desktop::formatMark(value, locale, false); }

QString tickText(double value, double step, const QLocale& locale, bool exponentForm) {
    if (exponentForm) {
        // Fifteen significant digits leave out the noise of k times the step.
        return desktop::formatNumber(value, desktop::RegionalSettings(locale).decimalSeparator());
    }
    int decimals = 0;
    if (std::isfinite(step) && step > 0) {
        // The fewest decimals that write the step exactly (2.5 needs one).
        for (double scaled = step; decimals < 12 && std::abs(scaled - std::round(scaled)) > 1e-9 * scaled;
             scaled *= 10) {
            ++decimals;
        }
        // A tick that should be zero but carries rounding noise.
        if (std::abs(value) < step * 1e-9) value = 0.0;
    }
    return withGrouping(locale, true).toString(value, 'f', decimals);
}

}  // namespace hovorix::chart
