// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "chart/ChartView.h"

#include <algorithm>
#include <cmath>

namespace hovorix::chart {

PlotMapping::PlotMapping(const QRectF& front, const ViewRanges& ranges) : front_(front), ranges_(ranges) {}

double PlotMapping::x(double value) const {
    return front_.left() + (value - ranges_.value.min) / ranges_.value.span() * front_.width();
}

double PlotMapping::y(double position) const {
    return front_.top() + (position - ranges_.category.min) / ranges_.category.span() * front_.height();
}

double PlotMapping::value(double x) const {
    return ranges_.value.min + (x - front_.left()) / front_.width() * ranges_.value.span();
}

double PlotMapping::position(double y) const {
    return ranges_.category.min + (y - front_.top()) / front_.height() * ranges_.category.span();
}

double PlotMapping::slot() const { return front_.height() / ranges_.category.span(); }

ViewRanges PlotMapping::rangesShowing(const QRectF& pixels) const {
    const QRectF r = pixels.normalized();
    return withMinimumSpans({{value(r.left()), value(r.right())}, {position(r.top()), position(r.bottom())}});
}

ViewRanges PlotMapping::scrolledBy(const QPointF& delta) const {
    const double dv = delta.x() / front_.width() * ranges_.value.span();
    const double dp = delta.y() / front_.height() * ranges_.category.span();
    return {{ranges_.value.min - dv, ranges_.value.max - dv}, {ranges_.category.min - dp, ranges_.category.max - dp}};
}

ZoomDrag judgeZoomDrag(const QPointF& from, const QPointF& to) {
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    if (std::abs(dx) <= ZoomDragThreshold || std::abs(dy) <= ZoomDragThreshold) return ZoomDrag::Nothing;
    return dx > 0 && dy > 0 ? ZoomDrag::ZoomIn : ZoomDrag::Restore;
}

std::vector<ViewRanges> zoomFrames(const ViewRanges& from, const ViewRanges& to) {
    std::vector<ViewRanges> frames;
    frames.reserve(ZoomIntermediateViews + 1);
    auto closer = [](AxisRange& axis, const AxisRange& target) {
        axis.min += (target.min - axis.min) / 3;
        axis.max += (target.max - axis.max) / 3;
    };
    ViewRanges view = from;
    for (int i = 0; i < ZoomIntermediateViews; ++i) {
        closer(view.value, to.value);
        closer(view.category, to.category);
        frames.push_back(view);
    }
    frames.push_back(to);
    return frames;
}

namespace {

void widen(AxisRange& axis, double minimum) {
    // Relative to the magnitude too: far from zero, doubles cannot tell
    // narrower limits apart.
    const double least = std::max(minimum, 1e-9 * std::max(std::abs(axis.min), std::abs(axis.max)));
    if (axis.span() >= least) return;
    const double middle = axis.min / 2 + axis.max / 2;
    axis = {middle - least / 2, middle + least / 2};
}

}  // namespace

ViewRanges halvedCosts(const ViewRanges& ranges) {
    ViewRanges halved = ranges;
    halved.value.max = ranges.value.min + ranges.value.span() / 2;
    // Far in, the narrowest span keeps the lowest cost where it was.
    const AxisRange widened = withMinimumSpans(halved).value;
    if (widened.span() > halved.value.span()) halved.value = {ranges.value.min, ranges.value.min + widened.span()};
    return halved;
}

ViewRanges withMinimumSpans(ViewRanges ranges) {
    widen(ranges.value, MinimumValueSpan);
    widen(ranges.category, MinimumCategorySpan);
    return ranges;
}

}  // namespace hovorix::chart
