// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "chart/ChartLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "chart/ChartText.h"
#include "desktop/CostMark.h"

namespace hovorix::chart {

namespace {

// Room kept between neighbouring tick labels.
constexpr double TickLabelGap = 16;
// Never more ticks than this, whatever the range.
constexpr std::size_t MaxTicks = 500;

double finiteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

}  // namespace

TickSet costTicks(const AxisRange& range, double pixels, const QFontMetricsF& metrics, const QLocale& locale) {
    TickSet set;
    const double span = range.span();
    if (!(span > 0) || !std::isfinite(span) || !(pixels > 0)) return set;

    const bool exponentForm = std::max(std::abs(range.min), std::abs(range.max)) >= desktop::ExponentFormFrom;
    auto widest = [&](double step) {
        return std::max(metrics.horizontalAdvance(tickText(range.min, step, locale, exponentForm)),
                        metrics.horizontalAdvance(tickText(range.max, step, locale, exponentForm)));
    };
    // Start from a step finer than any that could fit and take the first
    // whose labels stand apart.
    const double finest = span / std::max(1.0, pixels / 8);
    double decade = std::pow(10.0, std::floor(std::log10(finest)));
    constexpr std::array<double, 3> Mantissas = {1, 2, 5};
    double step = 0;
    for (int round = 0; round < 40 && step == 0; ++round, decade *= 10) {
        for (double m : Mantissas) {
            const double candidate = m * decade;
            if (candidate < finest) continue;
            if (candidate / span * pixels >= widest(candidate) + TickLabelGap) {
                step = candidate;
                break;
            }
        }
    }
    if (!(step > 0) || !std::isfinite(step)) return set;
    set.step = step;
    const double first = std::ceil(range.min / step - 1e-9);
    for (double k = first; set.ticks.size() < MaxTicks; k += 1) {
        const double value = k * step;
        if (value > range.max + step * 1e-9) break;
        set.ticks.push_back({value, tickText(value, step, locale, exponentForm)});
    }
    return set;
}

TextWidths::TextWidths(const QFont& font) : font_(font), metrics_(font) {}

double TextWidths::text(const QString& text) {
    // Labels of one tariff file are few; a cache that somehow fills up starts afresh.
    if (texts_.size() > 100000) texts_.clear();
    auto found = texts_.constFind(text);
    if (found != texts_.constEnd()) return *found;
    return *texts_.insert(text, metrics_.horizontalAdvance(text));
}

double TextWidths::number(const QString& text) {
    double width = 0;
    for (QChar c : text) {
        auto found = characters_.constFind(c.unicode());
        if (found == characters_.constEnd()) found = characters_.insert(c.unicode(), metrics_.horizontalAdvance(c));
        width += *found;
    }
    return width;
}

ChartLayout::ChartLayout(const QSizeF& size, TextWidths& widths, const BarSeries& series, double scrollBarWidth)
    : series_(&series), size_(size), font_(widths.font()), metrics_(widths.metrics()) {
    const double width = size.width();
    const double height = size.height();
    const double line = metrics_.height();

    double widestLabel = 0;
    markWidths_.reserve(series.bars().size());
    for (const Bar& bar : series.bars()) {
        widestLabel = std::max(widestLabel, widths.text(bar.label));
        markWidths_.push_back(std::ceil(widths.number(bar.mark)) + 2 * MarkPadding);
    }
    labelColumn_ = std::min(std::ceil(widestLabel), std::floor(width * LabelColumnShare));
    // The triangle is as wide as half a line; the word follows it.
    markerWidth_ = std::ceil(line / 2 + MarkPadding + widths.text(markerText())) + 2 * MarkPadding;

    const double left = labelColumn_ + LabelGap + TickLength;
    const double bottom = height - (TickLength + 1 + line);
    const double shorter = std::max(0.0, std::min(width - left, bottom));
    depth_ = std::round(shorter * DepthShare * 0.5 / std::numbers::sqrt2);
    const double frontHeight = std::max(1.0, bottom - depth_);

    // A mark's box is a line and two pixels high; one more keeps
    // neighbouring marks apart.
    const double minimumSlot = line + 3;
    shownBars_ = std::max(1, static_cast<int>(std::floor(frontHeight / minimumSlot)));
    scrolls_ = series.count() > shownBars_;
    const double plotRight = width - (scrolls_ ? scrollBarWidth : 0);
    following_.category = {-0.5, (scrolls_ ? shownBars_ : std::max(1, series.count())) - 0.5};

    // The first and last cost labels stand centred on the plot's edges; the
    // plot gives way until both fit within the chart, a pixel to spare for
    // the tick lines that land on whole pixels. Its width decides the ticks,
    // so a few rounds settle it.
    double leftRoom = 0;
    double rightRoom = 0;
    for (int round = 0; round < 6; ++round) {
        front_ = QRectF(left + leftRoom, depth_, std::max(1.0, plotRight - left - leftRoom - depth_ - rightRoom),
                        frontHeight);
        following_.value = followingCosts(front_.width());
        const TickSet ticks = costTicks(following_.value, front_.width(), metrics_, series.locale());
        if (ticks.ticks.empty()) break;
        const PlotMapping mapping(front_, following_);
        const double leftOver =
            metrics_.horizontalAdvance(ticks.ticks.front().text) / 2 + 1 - mapping.x(ticks.ticks.front().value);
        const double rightOver =
            mapping.x(ticks.ticks.back().value) + metrics_.horizontalAdvance(ticks.ticks.back().text) / 2 + 1 - width;
        if (!(leftOver > 0) && !(rightOver > 0)) break;
        if (leftOver > 0) leftRoom += std::ceil(leftOver);
        if (rightOver > 0) rightRoom += std::ceil(rightOver);
    }
    scrollBar_ = scrolls_ ? QRectF(plotRight, 0, scrollBarWidth, front_.bottom() + 1) : QRectF();
    setView(following_);
}

ViewRanges ChartLayout::followingFrom(int top) const {
    const double shift = std::clamp(top, 0, lastTop());
    ViewRanges ranges = following_;
    ranges.category = {ranges.category.min + shift, ranges.category.max + shift};
    return ranges;
}

int ChartLayout::lastTop() const { return scrolls_ ? series_->count() - shownBars_ : 0; }

double ChartLayout::endless(double value) const { return value < 0 ? front_.left() : front_.right(); }

double ChartLayout::markGap() const {
    // Clear of the bar's end face, which rises to the right by the depth but
    // only as far as the bar is thick.
    return std::min(depth_, barThickness() / 2 + metrics_.height() / 2) + 2;
}

AxisRange ChartLayout::followingCosts(double pixels) const {
    double low = 0;
    double high = 0;
    for (const Bar& bar : series_->bars()) {
        if (!std::isfinite(bar.value)) continue;
        low = std::min(low, bar.value);
        high = std::max(high, bar.value);
    }
    if (!(high > low)) high = low + 1;

    // Widen the range until every mark fits beside its bar. The widest gap a
    // mark keeps from its bar is the depth.
    const double gap = depth_ + 2;
    for (int round = 0; round < 3; ++round) {
        double newLow = low;
        double newHigh = high;
        for (int i = 0; i < series_->count(); ++i) {
            const double value = series_->bars()[static_cast<std::size_t>(i)].value;
            if (!std::isfinite(value)) continue;
            const double marker = series_->isMarked(i) ? markerWidth_ : 0;
            const double room = std::min(markWidth(i) + marker + gap, pixels * 0.8) / pixels;
            if (value >= 0) {
                newHigh = std::max(newHigh, low + (value - low) / (1 - room));
            } else {
                newLow = std::min(newLow, (value - room * high) / (1 - room));
            }
        }
        low = finiteOr(newLow, low);
        high = finiteOr(newHigh, high);
    }
    // End on whole ticks.
    const TickSet ticks = costTicks({low, high}, pixels, metrics_, series_->locale());
    if (ticks.step > 0) {
        low = finiteOr(std::floor(low / ticks.step + 1e-9) * ticks.step, low);
        high = finiteOr(std::ceil(high / ticks.step - 1e-9) * ticks.step, high);
    }
    return {low, high};
}

void ChartLayout::setView(const ViewRanges& ranges) {
    mapping_ = PlotMapping(front_, ranges);
    ticks_ = costTicks(ranges.value, front_.width(), metrics_, series_ ? series_->locale() : QLocale());
    const double slot = mapping_.slot();
    labelEvery_ = slot > 0 ? std::max(1, static_cast<int>(std::ceil((metrics_.height() + 1) / slot))) : 1;
    labelEvery_ = std::min(labelEvery_, 1 << 20);
    const int count = series_ ? series_->count() : 0;
    // Bars whose front face reaches into the plot; one scrolled just out of
    // it would otherwise show its top and its mark in the walls' band.
    const double first = std::max(0.0, std::ceil(ranges.category.min - BarThickness / 2));
    const double last = std::min(count - 1.0, std::floor(ranges.category.max + BarThickness / 2));
    firstVisible_ = static_cast<int>(std::min(first, count + 0.0));
    lastVisible_ = last < first ? firstVisible_ - 1 : static_cast<int>(last);
}

QRectF ChartLayout::barFront(int index) const {
    const Bar& bar = series_->bars()[static_cast<std::size_t>(index)];
    const double half = barThickness() / 2;
    const double centre = mapping_.y(bar.position);
    const double base = mapping_.x(0);
    const double end = std::isinf(bar.value) ? endless(bar.value) : mapping_.x(bar.value);
    return QRectF(QPointF(std::min(base, end), centre - half), QPointF(std::max(base, end), centre + half));
}

QRectF ChartLayout::labelRect(int index) const {
    const double line = metrics_.height();
    const double centre = mapping_.y(series_->bars()[static_cast<std::size_t>(index)].position);
    return QRectF(0, centre - line / 2, labelColumn_, line);
}

QString ChartLayout::labelText(int index) const {
    return metrics_.elidedText(series_->bars()[static_cast<std::size_t>(index)].label, Qt::ElideRight, labelColumn_,
                               Qt::TextSingleLine);
}

QRectF ChartLayout::markRect(int index) const {
    const Bar& bar = series_->bars()[static_cast<std::size_t>(index)];
    const double width = markWidth(index);
    const double height = metrics_.height() + 2;
    const double centre = mapping_.y(bar.position);
    double left = 0;
    if (std::isinf(bar.value)) {
        // No room beyond an endless bar: the mark stands on its end.
        left = bar.value < 0 ? endless(bar.value) + MarkPadding : endless(bar.value) - MarkPadding - width;
    } else {
        const double end = mapping_.x(bar.value);
        left = bar.value < 0 ? end - markGap() - width : end + markGap();
    }
    return QRectF(left, centre - height / 2, width, height);
}

QString ChartLayout::markerText() { return QStringLiteral("váš"); }

QRectF ChartLayout::markerRect(int index) const {
    const Bar& bar = series_->bars()[static_cast<std::size_t>(index)];
    const QRectF box = markRect(index);
    // Away from the bar; on an endless bar, whose mark stands on its end,
    // back along the bar.
    const bool left = bar.value < 0 ? !std::isinf(bar.value) : std::isinf(bar.value);
    return QRectF(left ? box.left() - markerWidth_ : box.right(), box.top(), markerWidth_, box.height());
}

int ChartLayout::barAt(const QPointF& point) const {
    if (!series_ || series_->isEmpty()) return -1;
    if (point.y() < front_.top() || point.y() > front_.bottom() || point.x() > front_.right()) return -1;
    const double found = std::round(mapping_.position(point.y()));
    if (!(found >= 0 && found < series_->count())) return -1;
    const int index = static_cast<int>(found);
    if (point.x() < front_.left()) return point.x() >= 0 ? index : -1;
    // Inside the plot: the bar itself or its mark, within the bar's row.
    if (std::abs(point.y() - mapping_.y(found)) > std::max(barThickness(), 4.0) / 2) return -1;
    const QRectF bar = barFront(index);
    const QRectF mark = markRect(index);
    const double from = std::min(bar.left(), mark.left());
    const double to = std::max(bar.right(), mark.right());
    return point.x() >= from && point.x() <= to ? index : -1;
}

}  // namespace hovorix::chart
