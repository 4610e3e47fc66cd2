// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

#include "chart/BarSeries.h"
#include "chart/ChartView.h"

namespace hovorix::chart {

struct Tick {
    double value = 0;
    QString text;
};

// Ticks of the cost axis for a range drawn over so many pixels: the finest
// step of 1, 2 or 5 times a power of ten whose labels do not crowd.
struct TickSet {
    double step = 0;
    std::vector<Tick> ticks;
};
TickSet costTicks(const AxisRange& range, double pixels, const QFontMetricsF& metrics, const QLocale& locale);

// Widths of texts in one font, measured once: the tariff labels stay the
// same from one fee run to the next, and marks are made of a dozen
// characters, so a thousand bars need no thousand text measurements.
class TextWidths {
public:
    explicit TextWidths(const QFont& font);

    const QFont& font() const { return font_; }
    const QFontMetricsF& metrics() const { return metrics_; }
    double text(const QString& text);
    // Digits, separators and signs, which the fonts do not kern.
    double number(const QString& text);

private:
    QFont font_;
    QFontMetricsF metrics_;
    QHash<QString, double> texts_;
    QHash<char16_t, double> characters_;
};

// Where everything of the chart lies for one size, font and set of bars: the
// front face of the plot with the walls behind it, the tariff labels at the
// left, the cost axis below. The view (what part of the costs and positions
// the plot shows) is set separately, so zooming and scrolling do not measure
// every label again.
class ChartLayout {
public:
    // Bars stand in 70 % of the room between neighbouring positions.
    static constexpr double BarThickness = 0.7;
    // The walls' depth as a share of the plot's shorter side, drawn receding
    // at 45 degrees and half length (a cabinet projection).
    static constexpr double DepthShare = 0.15;
    static constexpr double TickLength = 4;
    static constexpr double LabelGap = 3;
    static constexpr double MarkPadding = 3;
    // The tariff labels never take more than this share of the width; longer
    // ones are elided.
    static constexpr double LabelColumnShare = 0.4;

    ChartLayout() = default;
    // scrollBarWidth: the room the vertical scroll bar takes at the right
    // when the bars need one.
    ChartLayout(const QSizeF& size, TextWidths& widths, const BarSeries& series, double scrollBarWidth = 0);

    // The ranges in which every bar's cost and mark fit, with the first
    // tariff at the top; as many bars as fit at a line of text each.
    const ViewRanges& following() const { return following_; }
    // The same with the bar at top (kept within the bars) at the top.
    ViewRanges followingFrom(int top) const;
    void setView(const ViewRanges& ranges);

    // Bars stand at least a line of text apart, so every one keeps its
    // label and its mark; when they do not all fit so, the bars scroll.
    bool scrolls() const { return scrolls_; }
    // How many bars the plot shows while it follows the bars.
    int shownBars() const { return shownBars_; }
    // The highest first bar shown; 0 when nothing scrolls.
    int lastTop() const;
    // Where the scroll bar stands: right of the plot and its walls, down to
    // the cost axis, which stays in sight.
    const QRectF& scrollBarRect() const { return scrollBar_; }

    const QSizeF& size() const { return size_; }
    const QFont& font() const { return font_; }
    const QFontMetricsF& metrics() const { return metrics_; }
    const PlotMapping& mapping() const { return mapping_; }
    const QRectF& front() const { return front_; }
    // How far the back planes lie up and to the right of the front face.
    double depth() const { return depth_; }
    QRectF back() const { return front_.translated(depth_, -depth_); }
    // Front and back faces together: what bars and marks are clipped to.
    QRectF plotBounds() const { return front_.united(back()); }
    double labelColumnWidth() const { return labelColumn_; }
    bool isUsable() const { return front_.width() >= 1 && front_.height() >= 1; }

    const TickSet& ticks() const { return ticks_; }

    // When the bars stand closer than a line of text (a view fixed at a
    // larger size), only every n-th bar gets its label and mark, counted
    // from the first, so scrolling keeps the same bars labelled.
    int labelEvery() const { return labelEvery_; }
    bool isLabelled(int index) const { return index % labelEvery_ == 0; }

    // The bars that reach into the plot, first and last; first > last when none.
    int firstVisible() const { return firstVisible_; }
    int lastVisible() const { return lastVisible_; }

    // The bar's front face, not clipped to the plot.
    QRectF barFront(int index) const;
    double barThickness() const { return mapping_.slot() * BarThickness; }
    // Where the label of the bar stands, right-aligned in the label column.
    QRectF labelRect(int index) const;
    // The label as it fits the column, elided with "…" when longer.
    QString labelText(int index) const;
    // The mark's box, beyond the end of the bar and clear of its end face.
    QRectF markRect(int index) const;
    // Beside the mark of the bar the series marks, away from the bar (or
    // back along an endless one): a triangle pointing at the cost and
    // "váš", the user's current tariff.
    QRectF markerRect(int index) const;
    static QString markerText();
    // The bar whose row holds the point, over its label, its bar or its mark; -1 when none.
    int barAt(const QPointF& point) const;

private:
    double markWidth(int index) const { return markWidths_[static_cast<std::size_t>(index)]; }
    double markGap() const;
    // Where an endless cost's bar ends: at the plot's edge.
    double endless(double value) const;
    AxisRange followingCosts(double pixels) const;

    const BarSeries* series_ = nullptr;
    QSizeF size_;
    QFont font_;
    QFontMetricsF metrics_{QFont()};
    QRectF front_;
    double depth_ = 0;
    double labelColumn_ = 0;
    int shownBars_ = 1;
    bool scrolls_ = false;
    QRectF scrollBar_;
    ViewRanges following_;
    PlotMapping mapping_;
    TickSet ticks_;
    std::vector<double> markWidths_;  // box included
    double markerWidth_ = 0;
    int labelEvery_ = 1;
    int firstVisible_ = 0;
    int lastVisible_ = -1;
};

}  // namespace hovorix::chart
