// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

#include "desktop/AccessibleChildren.h"

namespace hovorix::chart {

class FeeChart;

// The chart as screen readers see it: a chart named after its series whose
// description names the cheapest tariff, with one child per bar read as
// "label: cost".
class FeeChartAccessible : public QAccessibleWidget {
public:
    explicit FeeChartAccessible(FeeChart* chart);
    ~FeeChartAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

private:
    FeeChart* chart() const;

    // Made once per index and reused across fee runs.
    desktop::AccessibleChildren bars_;
};

// One bar of the chart.
class BarAccessible : public desktop::AccessiblePart<FeeChart> {
public:
    BarAccessible(FeeChart* chart, int index);

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
};

// Makes the accessibility framework use FeeChartAccessible for every fee chart.
void installFeeChartAccessibility();

}  // namespace hovorix::chart
