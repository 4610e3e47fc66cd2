// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "chart/BarSeries.h"

#include <cmath>

#include "chart/ChartText.h"
#include "desktop/Cp1250.h"

namespace hovorix::chart {

BarSeries::BarSeries(std::function<void()> changed) : changed_(std::move(changed)) {}

QString BarSeries::title() { return QStringLiteral("Poplatky"); }

void BarSeries::ClearBars() {
    bars_.clear();
    if (changed_) changed_();
}

int BarSeries::AddBar(double value, const std::string& label, fees::BarColour colour) {
    const int index = count();
    Bar bar;
    bar.value = value;
    bar.position = static_cast<double>(index);
    bar.label = desktop::fromCp1250(label);
    bar.colour = colour ? QColor::fromRgb(static_cast<QRgb>(*colour & 0xFFFFFFu)) : cycleColour(index);
    bar.mark = markText(value, locale_);
    bars_.push_back(std::move(bar));
    if (changed_) changed_();
    return index;
}

void BarSeries::setLocale(const QLocale& locale) {
    locale_ = locale;
    for (Bar& bar : bars_) bar.mark = markText(bar.value, locale_);
    if (changed_) changed_();
}

void BarSeries::setMarked(int index) {
    if (index == marked_) return;
    marked_ = index;
    if (changed_) changed_();
}

int BarSeries::cheapest() const {
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        const double value = bars_[static_cast<std::size_t>(i)].value;
        if (std::isnan(value)) continue;
        if (best < 0 || value < bars_[static_cast<std::size_t>(best)].value) best = i;
    }
    return best;
}

}  // namespace hovorix::chart
