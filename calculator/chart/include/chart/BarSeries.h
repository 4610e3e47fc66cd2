// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QColor>
#include <QLocale>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "fees/ComputeFees.h"

namespace hovorix::chart {

struct Bar {
    double value = 0;     // the monthly cost: the bar's length
    double position = 0;  // where along the tariff axis; the bars held before it was added
    QString label;        // provider-tariff
    QColor colour;
    QString mark;  // the value as written at the end of the bar
};

// The chart's only series, "Poplatky": the bars of the latest fee run in the
// order they came, never sorted by cost.
class BarSeries : public fees::BarSink {
public:
    // changed runs after every change of the bars: the chart repaints.
    explicit BarSeries(std::function<void()> changed = {});

    static QString title();

    void ClearBars() override;
    // label is Windows-1250; the automatic colour takes the cycle entry of the
    // bar's index. Returns that index.
    int AddBar(double value, const std::string& label, fees::BarColour colour) override;

    const std::vector<Bar>& bars() const { return bars_; }
    int count() const { return static_cast<int>(bars_.size()); }
    bool isEmpty() const { return bars_.empty(); }

    // The marks follow this locale's separators; changing it rewrites them.
    void setLocale(const QLocale& locale);
    const QLocale& locale() const { return locale_; }

    // The index of the lowest cost (the first of equals), -1 without bars.
    int cheapest() const;

    // The bar of the tariff the user has now, which the chart marks beside
    // its cost without changing its order, colour or label; -1 for none.
    // Kept from one fee run to the next.
    void setMarked(int index);
    int marked() const { return marked_; }
    bool isMarked(int index) const { return index >= 0 && index == marked_ && index < count(); }

private:
    std::vector<Bar> bars_;
    QLocale locale_;
    int marked_ = -1;
    std::function<void()> changed_;
};

}  // namespace hovorix::chart
